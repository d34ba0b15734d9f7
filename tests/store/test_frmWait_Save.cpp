#include "support/Environnement_Ihm.h"

#include "shell/Etat_Principal.h"
#include "shell/Fenetres.h"
#include "shell/frmMain.h"
#include "store/Declarations.h"
#include "store/Fichier_Lqm.h"
#include "store/Fonction_Fichiers.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

namespace {

class Sauvegarde_Fenetre : public Environnement_Ihm {
protected:
    void SetUp() override {
        Environnement_Ihm::SetUp();
        Magasin().Donnees_Chargees = true;
        Activer_Menu(Menu::mnuSave_As, true);
    }
    QByteArray lire(const QString& fichier) {
        QFile f(fichier);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("essai.lqm"));
};

// Enregistrer Sous : la fenêtre de progression se montre menus grisés, arrive à 100 %
// pendant la pause de fin, puis s'en va et rend les menus.
TEST_F(Sauvegarde_Fenetre, EnregistrerSousMontreLaProgressionPuisRendLesMenus) {
    plateforme_test.reponses_fichier = {fichier};
    bool menus_gris_pendant = false;
    QString pourcentage;
    plateforme_test.pendant_attente = [&](int) {
        menus_gris_pendant = !action("mnuQuitter")->isEnabled() && !action("mnuPort")->isEnabled();
        if (visible("frmWait_Save"))
            pourcentage = fenetre("frmWait_Save")
                              ->findChild<QLabel*>(QStringLiteral("Label_Progression"))
                              ->text();
    };
    action("mnuSave_As")->trigger();
    EXPECT_TRUE(menus_gris_pendant);
    EXPECT_TRUE(pourcentage.endsWith(QStringLiteral(" 100%."))) << pourcentage.toStdString();
    EXPECT_FALSE(chargee("frmWait_Save"));
    EXPECT_TRUE(action("mnuSave_As")->isEnabled() && action("mnuQuitter")->isEnabled());
}

TEST_F(Sauvegarde_Fenetre, LeFichierGardeLeJeuDuDepartEtRienNeSeChargePendant) {
    auto& M = Magasin();
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
    EXPECT_TRUE(lire(fichier) == attendu);
}

} // namespace
