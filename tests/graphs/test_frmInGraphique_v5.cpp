#include "support/Environnement_Ihm.h"

#include "shell/Fenetres.h"
#include "store/Declarations.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

namespace {

struct Dialogue_Graphique : Environnement_Ihm {
    template <class T> T* controle(const char* nom) const {
        return fenetre("frmInGraphique_v5")->findChild<T*>(QString::fromLatin1(nom));
    }
    // La date et l'option cochée (0 pour aucune).
    std::pair<QDate, int> choix() const {
        int duree = 0;
        for (auto [nom, jours] :
             {std::pair{"Option_1_Jour", 1}, {"Option_3_Jours", 3}, {"Option_7_Jours", 7}})
            duree += controle<QRadioButton>(nom)->isChecked() ? jours : 0;
        return {controle<QDateEdit>("DTPicker1")->date(), duree};
    }
};

// Du menu au graphique par Entrée, puis « Nouveau graphique », Annuler et Ok sans option.
TEST_F(Dialogue_Graphique, ChoixEcritPuisRetrouve) {
    auto& M = Magasin();
    M.Donnees_Chargees = true;
    action("mnuGraphique")->trigger();
    fenetre("frmData_Type")->findChild<QPushButton*>(QStringLiteral("Cmd_Ok"))->click();
    vider_evenements();
    ASSERT_TRUE(visible("frmInGraphique_v5"));
    EXPECT_EQ(choix(), std::make_pair(QDate::currentDate(), 1));
    controle<QDateEdit>("DTPicker1")->setDate(QDate(2012, 2, 27));
    controle<QRadioButton>("Option_7_Jours")->setChecked(true);
    QKeyEvent appui(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(controle<QDateEdit>("DTPicker1"), &appui);
    vider_evenements();
    EXPECT_TRUE(!chargee("frmInGraphique_v5") && visible("frmGraphique_Leq"));
    auto periode = [&] { return QStringList{M.Jour_Debut, M.Mois_Fin, M.Nb_Jours_Graph}; };
    const QStringList attendu{"27", "3", "7"};
    EXPECT_EQ(periode(), attendu);

    Fenetres::instance().Ouvrir(Id_Fenetre::frmInGraphique_v5);
    EXPECT_EQ(choix(), std::make_pair(QDate(2012, 2, 27), 7));
    controle<QDateEdit>("DTPicker1")->setDate(QDate(2014, 4, 28));
    controle<QPushButton>("Cmd_Quitter")->click();
    vider_evenements();
    EXPECT_FALSE(chargee("frmInGraphique_v5") || chargee("frmGraphique_Leq"));
    EXPECT_EQ(periode(), attendu);

    M.Nb_Jours_Graph.clear(); // aucune option cochée : Ok garde la durée
    Fenetres::instance().Ouvrir(Id_Fenetre::frmInGraphique_v5);
    EXPECT_EQ(choix(), std::make_pair(QDate(2012, 2, 27), 0));
    controle<QPushButton>("Cmd_Ok")->click();
    EXPECT_EQ(periode(), attendu);
}

} // namespace
