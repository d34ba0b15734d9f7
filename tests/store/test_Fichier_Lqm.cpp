#include "download/Decodage.h"
#include "download/Generateur.h"
#include "shell/Etat_Principal.h"
#include "store/Declarations.h"
#include "store/Fichier_Lqm.h"
#include "store/Fonction_Fichiers.h"
#include "support/Plateforme_Scriptee.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Le magasin rempli par le générateur, décodé et trié comme après un téléchargement.
void remplir_comme_un_telechargement(Declarations& M, std::uint32_t graine = 1) {
    Options_Generateur o;
    o.graine = graine;
    const QByteArray image = Generer_Image(o);
    Ranger_Image(image, M);
    M.Date_Recuperation = QStringLiteral("12/03/2008");
    M.Heure_Recuperation = QStringLiteral("16:42:07");
    M.Donnees_Chargees = true;
}

class Fichier_Test : public ::testing::Test {
protected:
    void SetUp() override {
        Magasin().reinitialiser();
        Reinitialiser_Etat_Principal();
        Installer_Plateforme(&plateforme);
        ASSERT_TRUE(dossier.isValid());
    }
    void TearDown() override {
        Installer_Plateforme(nullptr);
        Reinitialiser_Etat_Principal();
        Magasin().reinitialiser();
    }
    QString chemin(const char* nom) const { return dossier.filePath(QString::fromUtf8(nom)); }
    void ecrire(const QString& fichier, const QByteArray& octets) const {
        QFile f(fichier);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(octets);
    }
    static QByteArray lire(const QString& fichier) {
        QFile f(fichier);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void charger(const QString& fichier) {
        QString copie = fichier;
        Charger_Fichier(copie);
    }
    void attendre_refus(const char* texte, const char* titre) {
        ASSERT_EQ(plateforme.messages.size(), 1u);
        EXPECT_EQ(plateforme.messages[0].texte, QString::fromUtf8(texte));
        EXPECT_EQ(plateforme.messages[0].titre, QString::fromUtf8(titre));
        EXPECT_FALSE(plateforme.sablier);
    }

    Plateforme_Scriptee plateforme;
    QTemporaryDir dossier;
};

TEST_F(Fichier_Test, AllerRetourIdentiqueSaufLesSecondes) {
    auto& M = Magasin();
    remplir_comme_un_telechargement(M);
    auto avant = std::make_unique<Declarations>();
    avant->Tab_Leq = M.Tab_Leq;
    avant->Tab_Evenements = M.Tab_Evenements;
    avant->Tab_Config = M.Tab_Config;
    avant->Tab_Parametres = M.Tab_Parametres;
    ecrire(chemin("aller.lqm"), Ecrire_Lqm(M));

    M.reinitialiser();
    charger(chemin("aller.lqm"));
    EXPECT_TRUE(plateforme.messages.empty());
    EXPECT_TRUE(M.Donnees_Chargees);
    EXPECT_TRUE(M.Tab_Leq == avant->Tab_Leq);
    EXPECT_TRUE(M.Tab_Evenements == avant->Tab_Evenements);
    EXPECT_TRUE(M.Tab_Config == avant->Tab_Config);
    EXPECT_TRUE(M.Tab_Parametres == avant->Tab_Parametres);
    EXPECT_EQ(M.Date_Recuperation, QStringLiteral("12/03/2008"));
    EXPECT_EQ(M.Heure_Recuperation, QStringLiteral("16:42"));
    // Réécrit, le fichier ne diffère que par les secondes perdues.
    QByteArray attendu = lire(chemin("aller.lqm"));
    attendu.replace("16:42:07 ", "16:42 ");
    EXPECT_EQ(Ecrire_Lqm(M), attendu);
}

// Les octets attendus, construits ici à partir des règles du format, sans le code écrit.
std::string valeur_texte(int v) {
    return (v < 0 ? "-" : " ") + std::to_string(std::abs(v));
}

TEST_F(Fichier_Test, EcritureAuOctetPres) {
    auto& M = Magasin();
    M.Tab_Leq(1, 1) = 12;
    M.Tab_Leq(1, 7) = 85;
    M.Tab_Leq(2, 1) = 255;
    M.Tab_Leq(8192, 8) = -3;
    M.Tab_Evenements(7, 7) = 128;
    M.Tab_Config(2361) = 7;
    M.Tab_Config(2560) = 99;
    M.Tab_Parametres(682, 48) = 1;
    M.Tab_Parametres(1, 1) = -32768;
    M.Date_Recuperation = QStringLiteral("05/12/2008");
    M.Heure_Recuperation = QStringLiteral("16:42:07");

    std::string attendu = "Donn\xE9"
                          "es_d_un_LQM_70-4_Nova_Version_3!!!\r\n";
    for (int i = 1; i <= 8192; ++i)
        for (int j = 1; j <= 8; ++j)
            attendu += valeur_texte(M.Tab_Leq(i, j));
    attendu += "\r\n";
    for (int i = 1; i <= 4096; ++i)
        for (int j = 1; j <= 8; ++j)
            attendu += valeur_texte(M.Tab_Evenements(i, j));
    attendu += "\r\n";
    for (int n = 1; n <= 2560; ++n)
        attendu += valeur_texte(M.Tab_Config(n));
    attendu += "\r\n";
    for (int i = 1; i <= 682; ++i)
        for (int j = 1; j <= 48; ++j)
            attendu += valeur_texte(M.Tab_Parametres(i, j));
    attendu += " \r\n05/12/2008_16:42:07 \r\n";

    const QByteArray ecrit = Ecrire_Lqm(M);
    ASSERT_EQ(ecrit.size(), static_cast<qsizetype>(attendu.size()));
    EXPECT_TRUE(ecrit == QByteArray::fromStdString(attendu));
    EXPECT_EQ(ecrit.count("\r\n"), 6);
    EXPECT_EQ(static_cast<unsigned char>(ecrit[4]), 0xE9);
}

TEST_F(Fichier_Test, LaSauvegardeFaitSeizeMilleSeptCentsPasEtLesCompteJuste) {
    int pas = 0, evenements = 0;
    Ecrire_Lqm(Magasin(), {[&] { ++pas; }, [&] { ++evenements; }});
    EXPECT_EQ(pas, 16700);
    // Une fois par ligne de table, une fois par valeur des lignes 4 et 5.
    EXPECT_EQ(evenements, 8192 + 4096 + 2560 + 682 * 48);
    // Le pourcentage n'atteint 100 % qu'à la fin : le maximum est juste au-dessus de 16 700.
    Etat_Sauvegarde_En_Cours() = Etat_Sauvegarde_Au_Chargement();
    std::map<int, QString> vus;
    for (int k = 1; k <= 16700; ++k) {
        Progression_Sauvegarde();
        if (k == 167 || k == 168 || k == 8350 || k == 16700)
            vus[k] = Etat_Sauvegarde_En_Cours().Label_Progression;
    }
    EXPECT_EQ(vus[167], QStringLiteral("Sauvegarde effectuée à 0%."));
    EXPECT_EQ(vus[168], QStringLiteral("Sauvegarde effectuée à 1%."));
    EXPECT_EQ(vus[8350], QStringLiteral("Sauvegarde effectuée à 49%."));
    EXPECT_EQ(vus[16700], QStringLiteral("Sauvegarde effectuée à 99%."));
}

TEST_F(Fichier_Test, SignatureDifferenteOuFichierVide) {
    QByteArray octets = Ecrire_Lqm(Magasin());
    octets.replace("Version_3!!!", "Version_4!!!");
    ecrire(chemin("v4.lqm"), octets);
    charger(chemin("v4.lqm"));
    attendre_refus("Ce fichier n'est pas un fichier de LQM 70-4 !!!!",
                   "Impossible d'ouvrir le fichier");
    EXPECT_EQ(plateforme.messages[0].icone, Icone::Critique);
    EXPECT_FALSE(Magasin().Donnees_Chargees);

    plateforme.messages.clear();
    ecrire(chemin("vide.lqm"), QByteArray());
    charger(chemin("vide.lqm"));
    attendre_refus("Ce fichier n'est pas un fichier de LQM 70-4 !!!!",
                   "Impossible d'ouvrir le fichier");

    // La signature écrite en UTF-8 (deux octets pour « é ») n'est pas celle de l'appareil.
    plateforme.messages.clear();
    octets = Ecrire_Lqm(Magasin());
    octets.replace(QByteArray("Donn\xE9"
                              "es"),
                   QByteArray("Donn\xC3\xA9"
                              "es"));
    ecrire(chemin("utf8.lqm"), octets);
    charger(chemin("utf8.lqm"));
    EXPECT_EQ(plateforme.messages.size(), 1u);

    // Un vrai début suivi de mégaoctets : plus grand qu'aucun fichier du LQM, refusé sans
    // être lu.
    plateforme.messages.clear();
    ecrire(chemin("enorme.lqm"), Ecrire_Lqm(Magasin()));
    QFile enorme(chemin("enorme.lqm"));
    ASSERT_TRUE(enorme.resize(Taille_Max_Lqm + 1));
    charger(chemin("enorme.lqm"));
    attendre_refus("Ce fichier n'est pas un fichier de LQM 70-4 !!!!",
                   "Impossible d'ouvrir le fichier");
}

TEST_F(Fichier_Test, FichierCoupeAuMilieuDeLaLigneDeux) {
    const QByteArray octets = Ecrire_Lqm(Magasin());
    ecrire(chemin("coupe.lqm"), octets.left(octets.indexOf("\r\n") + 1000));
    charger(chemin("coupe.lqm"));
    attendre_refus("Ce fichier n'est pas un fichier de LQM 70-4 Nova!!!!",
                   "Impossible de lire les données du fichier");
    EXPECT_FALSE(Magasin().Donnees_Chargees);
    EXPECT_TRUE(Magasin().Abandon);
    // Coupé juste avant l'espace finale de la dernière ligne : refusé aussi.
    plateforme.messages.clear();
    ecrire(chemin("fin.lqm"), octets.left(octets.size() - 3));
    charger(chemin("fin.lqm"));
    EXPECT_EQ(plateforme.messages.size(), 1u);
}

TEST_F(Fichier_Test, JetonDeCinqCaracteresAccepteDeSixRefuse) {
    auto& M = Magasin();
    M.Tab_Leq(8192, 8) = 255; // « 255 » + CR LF : cinq caractères en fin de ligne
    ecrire(chemin("cinq.lqm"), Ecrire_Lqm(M));
    M.Tab_Leq(8192, 8) = 1234; // six caractères
    ecrire(chemin("six.lqm"), Ecrire_Lqm(M));
    M.reinitialiser();

    charger(chemin("cinq.lqm"));
    EXPECT_TRUE(plateforme.messages.empty());
    EXPECT_TRUE(M.Donnees_Chargees);
    EXPECT_EQ(M.Tab_Leq(8192, 8), 255);

    M.reinitialiser();
    charger(chemin("six.lqm"));
    attendre_refus("Ce fichier n'est pas un fichier de LQM 70-4 Nova!!!!",
                   "Impossible de lire les données du fichier");
}

TEST_F(Fichier_Test, UnJetonQuiNestPasUnNombreLaisseSaCellule) {
    auto& M = Magasin();
    QByteArray octets = Ecrire_Lqm(M);
    // La première valeur de la ligne 2 devient « x ».
    const qsizetype debut = octets.indexOf("\r\n") + 3;
    octets[debut] = 'x';
    ecrire(chemin("x.lqm"), octets);
    M.Tab_Leq(1, 1) = 42;
    charger(chemin("x.lqm"));
    EXPECT_TRUE(M.Donnees_Chargees);
    EXPECT_EQ(M.Tab_Leq(1, 1), 42);
    EXPECT_EQ(M.Tab_Leq(1, 2), 0);
}

TEST_F(Fichier_Test, FichierQuiNeSOuvrePas) {
    const QString absent = chemin("absent.lqm");
    charger(absent);
    attendre_refus(("Impossible d'ouvrir le fichier : " + absent.toStdString()).c_str(),
                   "Problème de fichier");
    EXPECT_FALSE(Magasin().Donnees_Chargees);
}

TEST_F(Fichier_Test, UnFichierRefuseLaisseLesDonneesPrecedentesIntactes) {
    auto& M = Magasin();
    remplir_comme_un_telechargement(M);
    Activer_Menu(Menu::mnuSave_As, true);
    const auto leq = M.Tab_Leq;
    const auto config = M.Tab_Config;
    const QByteArray octets = Ecrire_Lqm(M);
    ecrire(chemin("coupe.lqm"), octets.left(octets.size() / 2));
    ecrire(chemin("autre.txt"), "bonjour");
    for (const char* nom : {"coupe.lqm", "autre.txt", "absent.lqm"}) {
        charger(chemin(nom));
        EXPECT_TRUE(M.Tab_Leq == leq) << nom;
        EXPECT_TRUE(M.Tab_Config == config) << nom;
        EXPECT_TRUE(M.Donnees_Chargees) << nom;
        EXPECT_TRUE(Menu_Actif(Menu::mnuSave_As)) << nom;
        EXPECT_EQ(M.Date_Recuperation, QStringLiteral("12/03/2008"));
    }
    EXPECT_EQ(plateforme.messages.size(), 3u);
}

TEST_F(Fichier_Test, ApresUnChargementLaSauvegardeResteGriseeEtLeTitreLeDit) {
    auto& M = Magasin();
    remplir_comme_un_telechargement(M);
    ecrire(chemin("bon.lqm"), Ecrire_Lqm(M));
    Activer_Menu(Menu::mnuSave_As, true);
    charger(chemin("bon.lqm"));
    EXPECT_FALSE(Menu_Actif(Menu::mnuSave_As));
    EXPECT_EQ(Legende_Actuelle(),
              QStringLiteral("TARVO Analyser - LQM 70-4 Nova - Version 3.0-B  |  Pas de port de "
                             "COM.  |  Mode d'ouverture de fichier actif"));
    M.Num_Port = 3;
    charger(chemin("bon.lqm"));
    EXPECT_EQ(Legende_Actuelle(),
              QStringLiteral("TARVO Analyser - LQM 70-4 Nova - Version 3.0-B  |  Port de com. : "
                             "COM 3  |  Mode d'ouverture de fichier actif"));
    EXPECT_FALSE(M.Abandon);
}

TEST_F(Fichier_Test, NomsProposes) {
    auto& M = Magasin();
    M.Tab_Leq.remplir(255);
    const std::int16_t premier[8] = {5, 14, 3, 1, 3, 8, 80, 0};
    const std::int16_t dernier[8] = {0, 9, 12, 10, 3, 8, 255, 255}; // niveau vide : compte
    std::copy(premier, premier + 8, M.Tab_Leq.ligne(10));
    std::copy(dernier, dernier + 8, M.Tab_Leq.ligne(500));
    EXPECT_EQ(Nom_Par_Defaut(M.Tab_Leq, QDate(2026, 12, 6)),
              QStringLiteral("Données LQM 70-4 du 03   Mars    2008 au 12   Mars    2008"));
    M.Tab_Leq.remplir(255);
    EXPECT_EQ(Nom_Par_Defaut(M.Tab_Leq, QDate(2008, 12, 5)),
              QStringLiteral("Sauvegarde LQM 70-4 du 05-12-2008"));
}

class Sauvegarde_Test : public Fichier_Test {
protected:
    void SetUp() override {
        Fichier_Test::SetUp();
        remplir_comme_un_telechargement(Magasin());
    }
    static bool menus_actifs() {
        for (Menu m :
             {Menu::mnuAbout, Menu::mnuAnalyse, Menu::mnuPort, Menu::mnuSave_As, Menu::mnuQuitter})
            if (!Menu_Actif(m))
                return false;
        return true;
    }
};

TEST_F(Sauvegarde_Test, UnMagasinJamaisRempliEstRefuseAvantToutDialogue) {
    Magasin().Donnees_Chargees = false;
    Sauver_Fichier();
    ASSERT_EQ(plateforme.messages.size(), 1u);
    EXPECT_EQ(plateforme.messages[0].texte,
              QStringLiteral("Veuillez au préalable charger des données pour utiliser cette "
                             "fonction !!!"));
    EXPECT_EQ(plateforme.messages[0].titre,
              QStringLiteral("Impossible de sauvegarder les données !!!"));
    EXPECT_TRUE(plateforme.noms_proposes.isEmpty());
    EXPECT_TRUE(menus_actifs());
}

TEST_F(Sauvegarde_Test, SauvegardeComplete) {
    int rafraichissements = 0;
    Installer_Vue_Sauvegarde([&] { ++rafraichissements; });
    plateforme.reponses_fichier = {QString(), chemin("mesures")};
    Sauver_Fichier();
    Installer_Vue_Sauvegarde(nullptr);
    // Nom vide : message, puis le dialogue revient sans nom.
    ASSERT_EQ(plateforme.messages.size(), 1u);
    EXPECT_EQ(plateforme.messages[0].texte,
              QStringLiteral("Veuillez entrer un nom de sauvegarde SVP !!!"));
    EXPECT_EQ(plateforme.messages[0].titre, QStringLiteral("Impossible de sauver les données !!!"));
    ASSERT_EQ(plateforme.noms_proposes.size(), 2);
    EXPECT_TRUE(plateforme.noms_proposes[0].startsWith(QStringLiteral("Données LQM 70-4 du ")));
    EXPECT_TRUE(plateforme.noms_proposes[1].isEmpty());
    EXPECT_EQ(plateforme.filtres[0], QStringLiteral("Sauvegarde LQM 70-4 Nova (*.lqm)|*.lqm"));
    // Le fichier porte l'extension, sinon le programme ne pourrait pas le rouvrir.
    EXPECT_EQ(lire(chemin("mesures.lqm")), Ecrire_Lqm(Magasin()));
    EXPECT_EQ(rafraichissements, 16700 + 1);
    const Etat_Sauvegarde& e = Etat_Sauvegarde_En_Cours();
    EXPECT_EQ(e.Label_Patientez, QStringLiteral("Sauvegarde terminée avec succès !!!"));
    EXPECT_EQ(e.Label_Progression, QStringLiteral("Sauvegarde effectuée à 100%."));
    EXPECT_TRUE(e.Label_Save_en_Cours.isEmpty());
    EXPECT_TRUE(e.Picture_Good);
    EXPECT_EQ(plateforme.attentes, std::vector<int>{1500});
    EXPECT_TRUE(menus_actifs());
    EXPECT_FALSE(plateforme.sablier);
}

TEST_F(Sauvegarde_Test, AnnulerNEcritRien) {
    plateforme.reponses_fichier = {std::nullopt};
    Sauver_Fichier();
    EXPECT_TRUE(QDir(dossier.path()).isEmpty());
    EXPECT_TRUE(menus_actifs());
    EXPECT_TRUE(plateforme.messages.empty());
}

TEST_F(Sauvegarde_Test, UneCibleImpossibleReproposeUnNomDateSansRienCasser) {
    ASSERT_TRUE(QDir(dossier.path()).mkdir(QStringLiteral("dossier.lqm")));
    ecrire(chemin("ancien.lqm"), "ancien contenu");
    plateforme.reponses_fichier = {chemin("dossier.lqm"), chemin("manquant/x.lqm"), std::nullopt};
    Sauver_Fichier();
    ASSERT_EQ(plateforme.noms_proposes.size(), 3);
    const QString du_jour = Nom_Sauvegarde_Du_Jour(QDate::currentDate());
    EXPECT_EQ(plateforme.noms_proposes[1], du_jour);
    EXPECT_EQ(plateforme.noms_proposes[2], du_jour);
    EXPECT_TRUE(QFileInfo(chemin("dossier.lqm")).isDir());
    EXPECT_EQ(lire(chemin("ancien.lqm")), QByteArray("ancien contenu"));
    EXPECT_TRUE(menus_actifs());
}

TEST_F(Sauvegarde_Test, UneEcritureQuiEchoueEnRouteLaisseLAncienFichier) {
    // Plus de place au milieu de l'écriture : une limite de taille de fichier dans un
    // processus fils (root passe outre les droits, pas cette limite).
    const QString cible = chemin("mesures.lqm");
    ecrire(cible, "ancien contenu");
    const QByteArray contenu = Ecrire_Lqm(Magasin());
    const pid_t fils = fork();
    ASSERT_GE(fils, 0);
    if (fils == 0) {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limite{100000, 100000};
        setrlimit(RLIMIT_FSIZE, &limite);
        _exit(Ecrire_Fichier_Sur(cible, contenu).isEmpty() ? 0 : 3);
    }
    int etat = 0;
    ASSERT_EQ(waitpid(fils, &etat, 0), fils);
    ASSERT_TRUE(WIFEXITED(etat));
    EXPECT_EQ(WEXITSTATUS(etat), 3) << "l'écriture aurait dû échouer";
    EXPECT_EQ(lire(cible), QByteArray("ancien contenu"));
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files).size(), 1) << "fichier temporaire laissé";
    // Sans limite, le même appel remplace le fichier.
    EXPECT_TRUE(Ecrire_Fichier_Sur(cible, contenu).isEmpty());
    EXPECT_EQ(lire(cible), contenu);
}

} // namespace
