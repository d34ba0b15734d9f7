#include "support/Environnement_Ihm.h"

#include "download/Generateur.h"
#include "shell/Etat_Principal.h"
#include "shell/Fenetres.h"
#include "shell/frmMain.h"
#include "store/Declarations.h"
#include "store/Fichier_Lqm.h"
#include "store/Fonction_Fichiers.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

class Sauvegarde_Fenetre : public Environnement_Ihm {
protected:
    QTemporaryDir dossier;
};

TEST_F(Sauvegarde_Fenetre, EnregistrerSousMontreLaProgressionPuisRendLesMenus) {
    auto& M = Magasin();
    M.Donnees_Chargees = true;
    Activer_Menu(Menu::mnuSave_As, true);
    M.Tab_Leq(1, 1) = 3;
    const QString fichier = dossier.filePath(QStringLiteral("essai.lqm"));
    plateforme_test.reponses_fichier = {fichier};
    bool vue_pendant = false, menus_gris_pendant = false;
    QString pourcentage, patientez;
    plateforme_test.pendant_attente = [&](int) {
        QWidget* f = fenetre("frmWait_Save");
        vue_pendant = f && visible("frmWait_Save");
        menus_gris_pendant = !action("mnuQuitter")->isEnabled() && !action("mnuPort")->isEnabled();
        if (f) {
            pourcentage = f->findChild<QLabel*>(QStringLiteral("Label_Progression"))->text();
            patientez = f->findChild<QLabel*>(QStringLiteral("Label_Patientez"))->text();
        }
    };
    action("mnuSave_As")->trigger();
    EXPECT_TRUE(vue_pendant);
    EXPECT_TRUE(menus_gris_pendant);
    EXPECT_EQ(pourcentage, QStringLiteral("Sauvegarde effectuée à 100%."));
    EXPECT_EQ(patientez, QStringLiteral("Sauvegarde terminée avec succès !!!"));
    EXPECT_FALSE(chargee("frmWait_Save"));
    // Rien ne baisse ce drapeau, comme dans l'original.
    EXPECT_TRUE(Drapeaux().Ouvert_frmWait_Save);
    EXPECT_TRUE(action("mnuSave_As")->isEnabled());
    EXPECT_TRUE(action("mnuQuitter")->isEnabled());
    QFile f(fichier);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), Ecrire_Lqm(M));
}

TEST_F(Sauvegarde_Fenetre, LeFichierGardeLeJeuDuDepartEtRienNeSeChargePendant) {
    auto& M = Magasin();
    M.Donnees_Chargees = true;
    Activer_Menu(Menu::mnuSave_As, true);
    M.Date_Recuperation = QStringLiteral("12/03/2008");
    const QByteArray attendu = Ecrire_Lqm(M);
    const QString autre = dossier.filePath(QStringLiteral("autre.lqm"));
    M.Tab_Leq(8192, 1) = 9;
    {
        QFile f(autre);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Ecrire_Lqm(M));
    }
    M.Tab_Leq(8192, 1) = 0;
    action("mnuTab_Leq")->trigger();
    ASSERT_TRUE(chargee("frmData_Type"));

    const QString fichier = dossier.filePath(QStringLiteral("essai.lqm"));
    plateforme_test.reponses_fichier = {fichier};
    int passages = 0;
    bool dialogue_pendant = true, charge_pendant = true;
    plateforme_test.pendant_evenements = [&] {
        if (++passages != 100)
            return;
        // Au milieu de l'écriture : un autre jeu arrive dans le magasin.
        dialogue_pendant = chargee("frmData_Type");
        QString chemin = autre;
        charge_pendant = Charger_Fichier(chemin);
        M.Tab_Leq(8192, 1) = 9;
        M.Date_Recuperation = QStringLiteral("01/01/2001");
    };
    action("mnuSave_As")->trigger();
    ASSERT_GT(passages, 100);
    EXPECT_FALSE(dialogue_pendant);
    EXPECT_FALSE(charge_pendant);
    QFile f(fichier);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll() == attendu);
}

TEST_F(Sauvegarde_Fenetre, AuChargementLaBarreEstVideEtLesTextesPrets) {
    Fenetres::instance().Ouvrir(Id_Fenetre::frmWait_Save);
    QWidget* f = fenetre("frmWait_Save");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->findChild<QLabel*>(QStringLiteral("Label_Progression"))->text(),
              QStringLiteral("Sauvegarde effecuée à 00%."));
    EXPECT_EQ(f->findChild<QLabel*>(QStringLiteral("Label_Patientez"))->text(),
              QStringLiteral("Veuillez patientez SVP..."));
    EXPECT_EQ(f->findChild<QLabel*>(QStringLiteral("Label_Save_en_Cours"))->text(),
              QStringLiteral("Sauvegarde en cours ..."));
    EXPECT_FALSE(f->findChild<QLabel*>(QStringLiteral("Picture_Good"))->isVisible());
    EXPECT_EQ(f->findChild<QProgressBar*>(QStringLiteral("ProgressBar_Save"))->value(), 0);
    EXPECT_EQ(f->parentWidget()->pos(), QPoint(0, 0));
}

TEST_F(Sauvegarde_Fenetre, UnFichierChargeOuvreLaVueEtLaSauvegardeResteGrisee) {
    const QString fichier = dossier.filePath(QStringLiteral("mesures.lqm"));
    {
        auto& M = Magasin();
        M.Date_Recuperation = QStringLiteral("12/03/2008");
        M.Heure_Recuperation = QStringLiteral("10:02:17");
        QFile f(fichier);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Ecrire_Lqm(M));
    }
    action("mnuEvenements")->trigger();
    ASSERT_TRUE(chargee("frmData_Type"));
    plateforme_test.reponses_fichier = {fichier};
    fenetre("frmData_Type")->findChild<QPushButton*>(QStringLiteral("Cmd_Search"))->click();
    fenetre("frmData_Type")->findChild<QPushButton*>(QStringLiteral("Cmd_Ok"))->click();
    vider_evenements();
    EXPECT_TRUE(plateforme_test.messages.empty());
    EXPECT_TRUE(Magasin().Donnees_Chargees);
    EXPECT_TRUE(chargee("frmInTableau"));
    EXPECT_FALSE(action("mnuSave_As")->isEnabled());
    EXPECT_TRUE(
        principale()->windowTitle().endsWith(QStringLiteral("Mode d'ouverture de fichier actif")));
    EXPECT_EQ(Magasin().Heure_Recuperation, QStringLiteral("10:02"));
}

} // namespace
