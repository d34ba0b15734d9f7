#include "store/Declarations.h"
#include "store/Resume.h"
#include "support/Simulateur.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

namespace {

TEST(Resume, HuitLignes) {
    auto& M = Magasin();
    M.reinitialiser();
    M.Tab_Leq.remplir(255);
    const std::int16_t leq1[8] = {5, 14, 3, 1, 3, 8, 80, 0};
    const std::int16_t leq10[8] = {10, 14, 3, 10, 3, 8, 82, 0};
    const std::int16_t autre[8] = {11, 14, 3, 7, 3, 8, 82, 0};
    std::copy(leq1, leq1 + 8, M.Tab_Leq.ligne(1));
    std::copy(leq10, leq10 + 8, M.Tab_Leq.ligne(2));
    std::copy(autre, autre + 8, M.Tab_Leq.ligne(3));
    M.Tab_Evenements.remplir(255);
    M.Tab_Evenements(1, 1) = 0, M.Tab_Evenements(1, 2) = 0, M.Tab_Evenements(1, 3) = 1;
    M.Tab_Evenements(1, 5) = 1, M.Tab_Evenements(1, 6) = 8, M.Tab_Evenements(1, 7) = 4;
    M.Tab_Evenements(1, 8) = 0;
    M.Tab_Parametres.remplir(255);
    for (int j : {1, 2})
        M.Tab_Parametres(1, j) = 0;
    M.Tab_Parametres(1, 3) = M.Tab_Parametres(1, 5) = 1;
    M.Tab_Parametres(1, 6) = 8;
    M.Tab_Config(2361) = 12;
    M.Date_Recuperation = QStringLiteral("12/03/2008");
    M.Heure_Recuperation = QStringLiteral("16:42");
    EXPECT_EQ(Lignes_Resume(M), (QStringList{
                                    "Numéro de série : 120000000",
                                    "Récupération : 12/03/2008 à 16:42",
                                    "Valeurs Leq1 : 1",
                                    "Valeurs Leq10 : 1",
                                    "Événements : 1",
                                    "Jeux de paramètres : 1",
                                    "Première valeur : 03/03/2008 14:05",
                                    "Dernière valeur : 03/03/2008 14:11",
                                }));
    M.reinitialiser();
    M.Tab_Leq.remplir(255);
    EXPECT_EQ(Lignes_Resume(M)[6], QStringLiteral("Première valeur : aucune"));
    EXPECT_EQ(Lignes_Resume(M)[7], QStringLiteral("Dernière valeur : aucune"));
    M.reinitialiser();
}

// L'outil lui-même, comme un utilisateur le lance.
struct Sortie {
    int code;
    QString sortie, erreur;
};
Sortie outil(const QStringList& arguments) {
    QProcess p;
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/lqm-outil"), arguments);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

TEST(Outil, ResumeDUnFichierGenere) {
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("exemple.lqm"));
    ASSERT_EQ(outil({"generer", fichier}).code, 0);
    const Sortie s = outil({"resume", fichier});
    EXPECT_EQ(s.code, 0);
    const QStringList lignes = s.sortie.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lignes.size(), 8);
    EXPECT_EQ(lignes[0], QStringLiteral("Numéro de série : 7041235987"));
    EXPECT_EQ(lignes[1], QStringLiteral("Récupération : 12/03/2008 à 10:02"));
    EXPECT_TRUE(lignes[4].startsWith(QStringLiteral("Événements : ")));
    EXPECT_EQ(lignes[7], QStringLiteral("Dernière valeur : 12/03/2008 10:00"));
    EXPECT_TRUE(s.erreur.isEmpty());
}

TEST(Outil, FichierRefuseEtCommandesMalFormees) {
    QTemporaryDir dossier;
    const QString faux = dossier.filePath(QStringLiteral("faux.lqm"));
    QFile f(faux);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("pas un fichier du LQM");
    f.close();
    Sortie s = outil({"resume", faux});
    EXPECT_EQ(s.code, 1);
    EXPECT_TRUE(s.sortie.isEmpty());
    EXPECT_EQ(s.erreur, QStringLiteral("Ce fichier n'est pas un fichier de LQM 70-4 !!!!\n"));
    s = outil({"resume", dossier.filePath(QStringLiteral("absent.lqm"))});
    EXPECT_EQ(s.code, 1);
    EXPECT_TRUE(s.erreur.startsWith(QStringLiteral("Impossible d'ouvrir le fichier : ")));

    EXPECT_EQ(outil({}).code, 2);
    EXPECT_EQ(outil({"resume"}).code, 2);
    EXPECT_EQ(outil({"inconnue"}).code, 2);
    s = outil({"--help"});
    EXPECT_EQ(s.code, 0);
    EXPECT_TRUE(s.sortie.contains(QStringLiteral("resume FICHIER.lqm")));
}

} // namespace

namespace {

TEST(Outil, TelechargerAvecLeSimulateur) {
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("telecharge.lqm"));
    Simulateur simulateur({"--rapide"});
    const Sortie s = outil({"telecharger", "--port", simulateur.chemin(), fichier});
    EXPECT_EQ(s.code, 0) << s.erreur.toStdString();
    EXPECT_TRUE(s.sortie.isEmpty());
    EXPECT_TRUE(s.erreur.contains(QStringLiteral("100 %")));
    const Sortie r = outil({"resume", fichier});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.sortie.startsWith(QStringLiteral("Numéro de série : 7041235987\n")));
}

TEST(Outil, TelechargerSansReponseOuInterrompu) {
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("rien.lqm"));
    {
        Simulateur muet({"--muet"});
        const Sortie s = outil({"telecharger", "--port", muet.chemin(), fichier});
        EXPECT_EQ(s.code, 1);
        EXPECT_TRUE(s.erreur.contains(QStringLiteral("La transmission n'a pas commencé.")));
        EXPECT_FALSE(QFile::exists(fichier));
    }
    // Ctrl+C pendant la réception : comme « Annuler ».
    Simulateur lent({"--rapide", "--pause", "30000:20000"});
    QProcess telechargement;
    telechargement.start(QCoreApplication::applicationDirPath() + QStringLiteral("/lqm-outil"),
                         {"telecharger", "--port", lent.chemin(), fichier});
    ASSERT_TRUE(telechargement.waitForStarted());
    QThread::msleep(1500);
    ::kill(static_cast<pid_t>(telechargement.processId()), SIGINT);
    ASSERT_TRUE(telechargement.waitForFinished(10000));
    EXPECT_EQ(telechargement.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(telechargement.readAllStandardError())
                    .contains(QStringLiteral("Téléchargement des données interrompu !!!")));
    EXPECT_FALSE(QFile::exists(fichier));
}

} // namespace
