#include "support/Environnement_Ihm.h"

#include "shell/Fenetres_Ouvertes.h"
#include "store/Declarations.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {

class Fenetre_Parametres : public Environnement_Ihm {
protected:
    // Deux jeux (1er et 5 mars 2008), des réglages en cours différents, puis le chemin de
    // l'utilisateur : menu, dernières données, Ok.
    void ouvrir() {
        auto& M = Magasin();
        M.Tab_Parametres.remplir(255);
        for (int r = 1; r <= 2; ++r) {
            for (int c = 1; c <= 48; ++c)
                M.Tab_Parametres(r, c) = 0;
            M.Tab_Parametres(r, 2) = 8, M.Tab_Parametres(r, 3) = r == 1 ? 1 : 5;
            M.Tab_Parametres(r, 5) = 3, M.Tab_Parametres(r, 6) = 8,
                                M.Tab_Parametres(r, 30) = 90 + r;
        }
        M.Tab_Config(8) = 12, M.Tab_Config(2178) = 99;
        M.Date_Recuperation = QStringLiteral("12/03/2008"), M.Heure_Recuperation = "16:42";
        M.Donnees_Chargees = true;
        action("mnuParametres")->trigger();
        fenetre("frmData_Type")->findChild<QPushButton*>("Cmd_Ok")->click();
        vider_evenements();
        ASSERT_TRUE(chargee("frmParametres_v4"));
    }
    QString texte(const char* nom) const {
        return fenetre("frmParametres_v4")->findChild<QLabel*>(nom)->text();
    }
    QComboBox* combo() const {
        return fenetre("frmParametres_v4")->findChild<QComboBox*>("Combo_Jour");
    }
    // Là où vont les touches du clavier : à la liste, qui les passe à son champ.
    void taper(const QString& lettre, int touche = Qt::Key_X) {
        QKeyEvent appui(QEvent::KeyPress, touche, Qt::NoModifier, lettre);
        QApplication::sendEvent(combo(), &appui);
    }
};

TEST_F(Fenetre_Parametres, ChoixDansLaListeSaisieDefaiteEtCaseDeFermeture) {
    ouvrir();
    EXPECT_TRUE(visible("frmParametres_v4"));
    const QString le_5 = QStringLiteral("Mercredi 05   Mars    2008  à  08 : 00");
    const QString le_1 = QStringLiteral(" Samedi  01   Mars    2008  à  08 : 00");
    ASSERT_EQ(combo()->count(), 2);
    EXPECT_EQ(combo()->currentText(), le_5);
    EXPECT_EQ(texte("Label_Niveau_Leq_Jour"), QStringLiteral("99"));

    // Une frappe avant tout choix est défaite aussitôt.
    taper("x");
    EXPECT_EQ(combo()->currentText(), le_5);

    // Choisir le plus ancien : sa période et ses réglages.
    combo()->setCurrentIndex(1);
    emit combo()->activated(1);
    EXPECT_EQ(combo()->currentText(), le_1);
    EXPECT_TRUE(texte("Label_Date").endsWith("  au  " + le_5));
    EXPECT_EQ(texte("Label_Niveau_Leq_Jour"), QStringLiteral("91"));

    // Après un choix, la frappe remet le plus récent ; les étiquettes restent sur le choix.
    taper("y");
    taper("\r", Qt::Key_Return); // Entrée ne choisit pas le jeu écrit dans le champ
    EXPECT_EQ(combo()->currentText(), le_5);
    EXPECT_EQ(texte("Label_Niveau_Leq_Jour"), QStringLiteral("91"));

    // Fermée par sa case, elle baisse son drapeau.
    qobject_cast<QMdiSubWindow*>(fenetre("frmParametres_v4")->parentWidget())->close();
    vider_evenements();
    EXPECT_FALSE(chargee("frmParametres_v4") || Drapeaux().Ouvert_frmParametres_v4);
}

} // namespace
