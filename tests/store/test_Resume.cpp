#include "store/Declarations.h"
#include "store/Resume.h"
#include "support/Outil.h"
#include "support/Simulateur.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

namespace {

TEST(Resume, HuitLignes) {
    auto& M = Magasin();
    M.reinitialiser();
    M.Tab_Leq.remplir(255);
    // Jour et mois différents, deux Leq1 pour un Leq10 : une inversion se voit.
    const std::int16_t lignes[4][8] = {{5, 14, 3, 1, 4, 8, 80, 0},
                                       {10, 14, 3, 10, 4, 8, 82, 0},
                                       {11, 14, 3, 1, 4, 8, 81, 0},
                                       {12, 14, 3, 7, 4, 8, 82, 0}};
    for (int i = 0; i < 4; ++i)
        std::copy(lignes[i], lignes[i] + 8, M.Tab_Leq.ligne(i + 1));
    M.Tab_Evenements.remplir(255);
    M.Tab_Parametres.remplir(255);
    const std::int16_t horodatage[8] = {0, 0, 1, 0, 1, 8, 4, 0};
    std::copy(horodatage, horodatage + 8, M.Tab_Evenements.ligne(1));
    std::copy(horodatage, horodatage + 6, M.Tab_Parametres.ligne(1));
    M.Tab_Config(2361) = 12;
    M.Date_Recuperation = QStringLiteral("12/03/2008");
    M.Heure_Recuperation = QStringLiteral("16:42");
    EXPECT_EQ(Lignes_Resume(M), (QStringList{
                                    "Numéro de série : 120000000",
                                    "Récupération : 12/03/2008 à 16:42",
                                    "Valeurs Leq1 : 2",
                                    "Valeurs Leq10 : 1",
                                    "Événements : 1",
                                    "Jeux de paramètres : 1",
                                    "Première valeur : 03/04/2008 14:05",
                                    "Dernière valeur : 03/04/2008 14:12",
                                }));
    M.Tab_Leq.remplir(255);
    EXPECT_EQ(Lignes_Resume(M).mid(6),
              (QStringList{"Première valeur : aucune", "Dernière valeur : aucune"}));
    M.reinitialiser();
}

TEST(Outil, FichierRefuseEtCommandesMalFormees) {
    QTemporaryDir dossier;
    const QString faux = dossier.filePath(QStringLiteral("faux.lqm"));
    QFile f(faux);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("pas un fichier du LQM");
    f.close();
    Resultat_Outil s = outil({"resume", faux});
    EXPECT_TRUE(s.code == 1 && s.sortie.isEmpty());
    EXPECT_EQ(s.erreur, QStringLiteral("Ce fichier n'est pas un fichier de LQM 70-4 !!!!\n"));

    // Erreur d'usage : code 2, le message puis l'aide sur la sortie d'erreur, rien d'écrit.
    const struct {
        QStringList arguments;
        const char* message;
    } cas[] = {
        {{"inconnue"}, "Commande inconnue : inconnue"},
        {{"resume"}, "La commande resume attend un fichier .lqm."},
        {{"generer", "x.lqm", "--graine", "-1"}, "La graine doit être un entier positif."},
        {{"telecharger", "x.lqm"}, "La commande telecharger attend --port CHEMIN."},
    };
    for (const auto& c : cas) {
        s = outil(c.arguments);
        EXPECT_TRUE(s.code == 2 && s.sortie.isEmpty() &&
                    s.erreur.startsWith(QString::fromUtf8(c.message) + QStringLiteral("\n\n")))
            << s.code << s.erreur.toStdString();
    }
    EXPECT_FALSE(QFile::exists(QStringLiteral("x.lqm")));

    // --help après une commande donne son aide, sans rien télécharger.
    s = outil({"telecharger", "x.lqm", "--help"});
    EXPECT_TRUE(s.code == 0 &&
                s.sortie.startsWith(QStringLiteral("Utilisation : lqm-outil telecharger ")));
}

// Le téléchargement, le fichier avant ou après les options ; coupé ou interrompu, rien n'est écrit.
TEST(Outil, TelechargerCoupeOuInterrompuAvecLeSimulateur) {
    QTemporaryDir dossier;
    QString fichier = dossier.filePath(QStringLiteral("telecharge.lqm"));
    Simulateur simulateur({"--rapide"});
    const QString base = dossier.filePath(QStringLiteral("archive.sqlite"));
    const Resultat_Outil reussi = outil(
        {"telecharger", fichier, "--port", simulateur.chemin(), "--archiver", "--base", base});
    EXPECT_EQ(reussi.code, 0) << reussi.erreur.toStdString();
    EXPECT_TRUE(reussi.erreur.contains(QStringLiteral("100 %")));
    EXPECT_TRUE(reussi.erreur.contains(QStringLiteral("appareil 7041235987 : 8")))
        << reussi.erreur.toStdString();
    EXPECT_TRUE(
        outil({"archive", "--base", base}).sortie.contains(QStringLiteral("Appareil 7041235987")));
    EXPECT_EQ(outil({"telecharger", fichier, "--port", simulateur.chemin(), "--archiver", "--base",
                     "/proc/lqm/a.sqlite"})
                  .code,
              1);
    EXPECT_TRUE(outil({"resume", fichier})
                    .sortie.startsWith(QStringLiteral("Numéro de série : 7041235987\n")));
    fichier = dossier.filePath(QStringLiteral("rien.lqm"));
    {
        // L'appareil se tait en pleine réception : personne n'est là pour annuler.
        Simulateur coupe({"--rapide", "--arret", "30000"});
        const Resultat_Outil s =
            outil({"telecharger", "--port", coupe.chemin(), "--delai-silence", "1000", fichier});
        EXPECT_EQ(s.code, 1);
        EXPECT_TRUE(s.erreur.contains(QStringLiteral("Problème de transmission !!!")))
            << s.erreur.toStdString();
        EXPECT_FALSE(QFile::exists(fichier));
    }
    // Ctrl+C pendant le téléchargement : comme « Annuler ». On attend que l'outil annonce
    // sa demande (le signal est alors pris en main) ; la pause du simulateur le retient.
    Simulateur lent({"--rapide", "--pause", "30000:20000"});
    QProcess telechargement;
    telechargement.setReadChannel(QProcess::StandardError);
    telechargement.start(QCoreApplication::applicationDirPath() + QStringLiteral("/lqm-outil"),
                         {"telecharger", "--port=" + lent.chemin(), fichier});
    QString erreur;
    while (!erreur.contains(QStringLiteral("...\n")) && telechargement.waitForReadyRead(10000))
        erreur += QString::fromUtf8(telechargement.readAllStandardError());
    ASSERT_TRUE(erreur.startsWith(QStringLiteral("Demande des données"))) << erreur.toStdString();
    ::kill(static_cast<pid_t>(telechargement.processId()), SIGINT);
    ASSERT_TRUE(telechargement.waitForFinished(10000));
    EXPECT_EQ(telechargement.exitCode(), 1);
    erreur += QString::fromUtf8(telechargement.readAllStandardError());
    EXPECT_TRUE(erreur.contains(QStringLiteral("Téléchargement des données interrompu !!!")));
    EXPECT_FALSE(QFile::exists(fichier));
}

} // namespace
