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
#include <algorithm>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// Le magasin rempli par le générateur, décodé et trié comme après un téléchargement.
void remplir_comme_un_telechargement(Declarations& M) {
    Ranger_Image(Generer_Image(), M);
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
    bool charger(const QString& fichier) {
        QString copie = fichier;
        return Charger_Fichier(copie);
    }

    Plateforme_Scriptee plateforme;
    QTemporaryDir dossier;
};

TEST_F(Fichier_Test, AllerRetourIdentiqueSaufLesSecondes) {
    auto& M = Magasin();
    remplir_comme_un_telechargement(M);
    ecrire(chemin("aller.lqm"), Ecrire_Lqm(M));
    M.reinitialiser();
    Activer_Menu(Menu::mnuSave_As, true);
    M.Num_Port = 3;
    EXPECT_TRUE(charger(chemin("aller.lqm")));
    EXPECT_TRUE(plateforme.messages.empty());
    // Des données lues d'un fichier ne se sauvegardent pas, et le titre le dit.
    EXPECT_FALSE(Menu_Actif(Menu::mnuSave_As) || M.Abandon);
    EXPECT_TRUE(
        Legende_Actuelle().endsWith(QStringLiteral("COM 3  |  Mode d'ouverture de fichier actif")));
    EXPECT_TRUE(M.Donnees_Chargees);
    // L'écriture est vérifiée à l'octet près : réécrit, le fichier ne perd que les secondes.
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
    M.Tab_Leq(1, 7) = 85, M.Tab_Leq(8192, 8) = -3, M.Tab_Evenements(7, 7) = 128;
    M.Tab_Config(2560) = 99, M.Tab_Parametres(1, 1) = -32768;
    M.Date_Recuperation = QStringLiteral("05/12/2008");
    M.Heure_Recuperation = QStringLiteral("16:42:07");

    std::string attendu = "Donn\xE9"
                          "es_d_un_LQM_70-4_Nova_Version_3!!!\r\n";
    // Chaque table sur sa ligne, cellules dans l'ordre des lignes.
    const auto table = [&](const std::int16_t* debut, int cellules, const char* fin) {
        for (int k = 0; k < cellules; ++k)
            attendu += valeur_texte(debut[k]);
        attendu += fin;
    };
    table(&M.Tab_Leq(1, 1), 8192 * 8, "\r\n");
    table(&M.Tab_Evenements(1, 1), 4096 * 8, "\r\n");
    table(&M.Tab_Config(1), 2560, "\r\n");
    table(&M.Tab_Parametres(1, 1), 682 * 48, " \r\n05/12/2008_16:42:07 \r\n");

    EXPECT_TRUE(Ecrire_Lqm(M) == QByteArray::fromStdString(attendu));
}

// Refusés sans toucher aux données d'avant : une autre version, un fichier vide, la
// signature en UTF-8, un vrai début suivi de mégaoctets (refusé sans être lu), un autre
// fichier, un absent ; abîmés après la signature : coupé dans la ligne 2 ou avant
// l'espace finale, un jeton de six caractères (cinq au plus).
TEST_F(Fichier_Test, UnFichierRefuseLaisseLesDonneesPrecedentesIntactes) {
    auto& M = Magasin();
    const QByteArray bon = Ecrire_Lqm(M);
    M.Tab_Leq(8192, 8) = 1234;
    ecrire(chemin("six.lqm"), Ecrire_Lqm(M));
    ecrire(chemin("v4.lqm"), QByteArray(bon).replace("Version_3!!!", "Version_4!!!"));
    ecrire(chemin("vide.lqm"), QByteArray());
    ecrire(chemin("utf8.lqm"), QByteArray(bon).replace("Donn\xE9", "Donn\xC3\xA9"));
    ecrire(chemin("enorme.lqm"), bon);
    ASSERT_TRUE(QFile(chemin("enorme.lqm")).resize(Taille_Max_Lqm + 1));
    ecrire(chemin("autre.txt"), "bonjour");
    ecrire(chemin("coupe.lqm"), bon.left(bon.indexOf("\r\n") + 1000));
    ecrire(chemin("fin.lqm"), bon.left(bon.size() - 3));
    remplir_comme_un_telechargement(M);
    Activer_Menu(Menu::mnuSave_As, true);
    const auto leq = M.Tab_Leq;
    const auto config = M.Tab_Config;
    const char* const signature = "Ce fichier n'est pas un fichier de LQM 70-4 !!!!";
    const struct {
        const char *nom, *texte;
        bool abime;
    } cas[] = {{"v4.lqm", signature, false},    {"vide.lqm", signature, false},
               {"utf8.lqm", signature, false},  {"enorme.lqm", signature, false},
               {"autre.txt", signature, false}, {"absent.lqm", nullptr, false},
               {"coupe.lqm", nullptr, true},    {"fin.lqm", nullptr, true},
               {"six.lqm", nullptr, true}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        plateforme.messages.clear();
        EXPECT_FALSE(charger(chemin(c.nom)));
        ASSERT_EQ(plateforme.messages.size(), 1u);
        if (c.texte) {
            EXPECT_EQ(plateforme.messages[0].texte, QString::fromUtf8(c.texte));
        }
        EXPECT_EQ(plateforme.messages[0].titre ==
                      QStringLiteral("Impossible de lire les données du fichier"),
                  c.abime);
        EXPECT_EQ(M.Abandon, c.abime);
        EXPECT_FALSE(plateforme.sablier);
        EXPECT_TRUE(M.Tab_Leq == leq && M.Tab_Config == config);
        EXPECT_TRUE(M.Donnees_Chargees && Menu_Actif(Menu::mnuSave_As));
        EXPECT_EQ(M.Date_Recuperation, QStringLiteral("12/03/2008"));
    }
}

// Un tube nommé « .lqm » (rien n'y écrit) : refusé d'emblée. L'ouvrir attendrait un
// écrivain ; le fil d'à côté en joue un s'il le faut, pour que le test ne reste pas bloqué.
TEST_F(Fichier_Test, UnTubeEstRefuseSansAttendreQuIlSoitAlimente) {
    const QString tube = chemin("tube.lqm");
    ASSERT_EQ(::mkfifo(QFile::encodeName(tube).constData(), 0600), 0);
    std::atomic<bool> fini{false};
    std::thread ecrivain([&] {
        while (!fini) {
            const int fd = ::open(QFile::encodeName(tube).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                ::close(fd);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    EXPECT_FALSE(charger(tube));
    fini = true;
    ecrivain.join();
    ASSERT_EQ(plateforme.messages.size(), 1u);
    EXPECT_EQ(plateforme.messages[0].texte,
              QStringLiteral("Impossible d'ouvrir le fichier : ") + tube);
}

// Ce que la lecture tolère : un jeton de cinq caractères en fin de ligne (« 255 » + CR LF),
// un jeton qui n'est pas un nombre (sa cellule garde sa valeur).
TEST_F(Fichier_Test, JetonsToleres) {
    auto& M = Magasin();
    M.Tab_Leq(8192, 8) = 255;
    QByteArray octets = Ecrire_Lqm(M);
    octets[octets.indexOf("\r\n") + 3] = 'x'; // première valeur de la ligne 2
    ecrire(chemin("x.lqm"), octets);
    M.reinitialiser();
    M.Tab_Leq(1, 1) = 42;
    EXPECT_TRUE(charger(chemin("x.lqm")) && plateforme.messages.empty());
    EXPECT_TRUE(M.Tab_Leq(1, 1) == 42 && M.Tab_Leq(8192, 8) == 255);
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
        const Menu menus[] = {Menu::mnuAbout, Menu::mnuAnalyse, Menu::mnuPort, Menu::mnuSave_As,
                              Menu::mnuQuitter};
        return std::all_of(std::begin(menus), std::end(menus), Menu_Actif);
    }
};

TEST_F(Sauvegarde_Test, UnMagasinJamaisRempliEstRefuseAvantToutDialogue) {
    Magasin().Donnees_Chargees = false;
    Sauver_Fichier();
    EXPECT_EQ(plateforme.messages.size(), 1u);
    EXPECT_TRUE(plateforme.noms_proposes.isEmpty() && menus_actifs());
}

TEST_F(Sauvegarde_Test, SauvegardeComplete) {
    // Le pourcentage n'atteint 100 % qu'à la fin : le maximum est juste au-dessus de 16 700.
    int rafraichissements = 0;
    QStringList pourcentages;
    Etat_Sauvegarde_En_Cours() = Etat_Sauvegarde_Au_Chargement();
    Installer_Vue_Sauvegarde([&] {
        if (++rafraichissements == 167 || rafraichissements == 168 || rafraichissements == 16700)
            pourcentages << Etat_Sauvegarde_En_Cours().Label_Progression.section(u' ', -1);
    });
    plateforme.reponses_fichier = {QString(), chemin("mesures")};
    Sauver_Fichier();
    Installer_Vue_Sauvegarde(nullptr);
    // Nom vide : message, puis le dialogue revient sans nom.
    EXPECT_EQ(plateforme.messages.size(), 1u);
    ASSERT_EQ(plateforme.noms_proposes.size(), 2);
    EXPECT_TRUE(plateforme.noms_proposes[1].isEmpty());
    // Le fichier porte l'extension, sinon le programme ne pourrait pas le rouvrir.
    EXPECT_EQ(lire(chemin("mesures.lqm")), Ecrire_Lqm(Magasin()));
    EXPECT_EQ(rafraichissements, 16700 + 1);
    EXPECT_EQ(pourcentages, (QStringList{"0%.", "1%.", "99%."}));
    EXPECT_EQ(plateforme.attentes, std::vector<int>{1500});
    EXPECT_TRUE(menus_actifs() && !plateforme.sablier);
}

TEST_F(Sauvegarde_Test, UneCibleImpossibleReproposeUnNomDateSansRienCasser) {
    ASSERT_TRUE(QDir(dossier.path()).mkdir(QStringLiteral("dossier.lqm")));
    plateforme.reponses_fichier = {chemin("dossier.lqm"), chemin("manquant/x.lqm"), std::nullopt};
    Sauver_Fichier();
    ASSERT_EQ(plateforme.noms_proposes.size(), 3);
    for (int i : {1, 2})
        EXPECT_EQ(plateforme.noms_proposes[i], Nom_Sauvegarde_Du_Jour(QDate::currentDate()));
    EXPECT_TRUE(QFileInfo(chemin("dossier.lqm")).isDir());
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 1)
        << "Annuler n'écrit rien";
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
