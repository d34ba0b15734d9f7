#include "support/Environnement_Ihm.h"

#include "shell/Etat_Principal.h"
#include "store/Declarations.h"
#include "store/Fichier_Lqm.h"
#include "store/Fonction_Fichiers.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

namespace {

using Sauvegarde_Fenetre = Environnement_Ihm;

// Enregistrer Sous, dialogue des données ouvert : la progression se montre menus grisés et
// arrive à 100 % pendant la pause de fin. Au milieu de l'écriture, un autre jeu arrive
// dans le magasin : le fichier garde celui du départ, rien ne se charge, le dialogue est
// fermé. À la fin, la progression s'en va et les menus reviennent.
TEST_F(Sauvegarde_Fenetre, LeFichierGardeLeJeuDuDepartEtLesMenusReviennent) {
    auto& M = Magasin();
    M.Donnees_Chargees = true;
    Activer_Menu(Menu::mnuSave_As, true);
    M.Date_Recuperation = QStringLiteral("12/03/2008");
    const QByteArray attendu = Ecrire_Lqm(M);
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("essai.lqm"));
    const QString autre = dossier.filePath(QStringLiteral("autre.lqm"));
    M.Tab_Leq(8192, 1) = 9;
    ASSERT_TRUE(Ecrire_Fichier_Sur(autre, Ecrire_Lqm(M)).isEmpty());
    M.Tab_Leq(8192, 1) = 0;
    action("mnuTab_Leq")->trigger();
    ASSERT_TRUE(chargee("frmData_Type"));
    plateforme_test.reponses_fichier = {fichier};
    int passages = 0;
    bool dialogue_pendant = true, charge_pendant = true, menus_gris_pendant = false;
    plateforme_test.pendant_evenements = [&] {
        if (++passages != 100)
            return;
        dialogue_pendant = chargee("frmData_Type");
        QString chemin = autre;
        charge_pendant = Charger_Fichier(chemin);
        M.Tab_Leq(8192, 1) = 9;
        M.Date_Recuperation = QStringLiteral("01/01/2001");
    };
    QString pourcentage;
    plateforme_test.pendant_attente = [&](int) {
        menus_gris_pendant = !action("mnuQuitter")->isEnabled() && !action("mnuPort")->isEnabled();
        if (visible("frmWait_Save"))
            pourcentage = fenetre("frmWait_Save")
                              ->findChild<QLabel*>(QStringLiteral("Label_Progression"))
                              ->text();
    };
    action("mnuSave_As")->trigger();
    ASSERT_GT(passages, 100);
    EXPECT_FALSE(dialogue_pendant || charge_pendant);
    QFile f(fichier);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll() == attendu);
    EXPECT_TRUE(menus_gris_pendant);
    EXPECT_TRUE(pourcentage.endsWith(QStringLiteral(" 100%."))) << pourcentage.toStdString();
    EXPECT_FALSE(chargee("frmWait_Save"));
    EXPECT_TRUE(action("mnuSave_As")->isEnabled() && action("mnuQuitter")->isEnabled());
}

} // namespace
