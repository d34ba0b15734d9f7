#include "support/Environnement_Ihm.h"

#include "store/Declarations.h"
#include "tables/Evenements.h"
#include "tables/Lignes_Leq.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QKeyEvent>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>

namespace {

// Le chemin de l'utilisateur : menu, source « Dernières données utilisées », dates, Ok.
class Fenetres_Tableaux : public Environnement_Ihm {
protected:
    void SetUp() override {
        Environnement_Ihm::SetUp();
        auto& M = Magasin();
        M.Tab_Leq.remplir(255);
        M.Tab_Evenements.remplir(255);
        // 5 mars 2008 : deux Leq1, un Leq10 ; le Leq1 de minuit ouvre le 6. Deux événements.
        const std::int16_t lignes[][8] = {{1, 14, 5, 1, 3, 8, 85, 0},   {2, 14, 5, 1, 3, 8, 7, 1},
                                          {10, 14, 5, 10, 3, 8, 60, 0}, {0, 0, 6, 1, 3, 8, 40, 0},
                                          {5, 14, 5, 0, 3, 8, 4, 0},    {7, 9, 6, 0, 3, 8, 0, 2}};
        for (int i = 0; i < 6; ++i)
            std::copy(lignes[i], lignes[i] + 8,
                      i < 4 ? M.Tab_Leq.ligne(i + 1) : M.Tab_Evenements.ligne(i - 3));
        M.Donnees_Chargees = true;
    }

    template <class T> T* controle(const char* f, const char* nom) const {
        return fenetre(f)->findChild<T*>(QString::fromLatin1(nom));
    }
    void cliquer(const char* f, const char* bouton) {
        controle<QPushButton>(f, bouton)->click();
        vider_evenements();
    }
    void choisir(QDate debut, QDate fin) {
        controle<QDateEdit>("frmInTableau", "DTP_Jour_Start")->setDate(debut);
        controle<QDateEdit>("frmInTableau", "DTP_Jour_End")->setDate(fin);
    }
    void entree(bool calendrier = false) {
        QKeyEvent appui(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        auto* date = controle<QDateEdit>("frmInTableau", "DTP_Jour_End");
        QApplication::sendEvent(calendrier ? static_cast<QWidget*>(date->calendarWidget()) : date,
                                &appui);
        vider_evenements();
    }
};

// Chaque tableau : la liste calculée par le noyau ; « Nouveau tableau » rouvre le dialogue sur
// la période montrée, qui refuse une fin avant le début (par Ok comme par Entrée) ; une
// période vide : pas d'impression, « Nouveau tableau » à sa place (twips / 15), liste en gras.
TEST_F(Fenetres_Tableaux, DialogueTableauEtPeriodeVide) {
    for (auto [menu, f, liste, gauche_vide] :
         {std::tuple{"mnuTab_Leq", "frmTableau_Leq_V5", "List_Leq1", 5850},
          {"mnuEvenements", "frmTableau_Evenements", "List_Evenements", 6630}}) {
        SCOPED_TRACE(f);
        action(menu)->trigger();
        cliquer("frmData_Type", "Cmd_Ok");
        ASSERT_TRUE(visible("frmInTableau"));
        choisir(QDate(2008, 3, 5), QDate(2008, 3, 6));
        cliquer("frmInTableau", "Cmd_Ok");
        ASSERT_TRUE(visible(f));
        EXPECT_FALSE(chargee("frmInTableau"));
        const QStringList l =
            static_cast<QStringListModel*>(controle<QListView>(f, liste)->model())->stringList();
        EXPECT_EQ(l, QString(f).contains("Leq") ? Tableau_Leq().List_Leq1.lignes
                                                : Tableau_Evenements().List_Evenements.lignes);
        EXPECT_TRUE(controle<QPushButton>(f, "Cmd_Print")->isVisibleTo(fenetre(f)));

        cliquer(f, "Cmd_New_Tableau");
        ASSERT_TRUE(visible("frmInTableau"));
        EXPECT_EQ(std::make_pair(controle<QDateEdit>("frmInTableau", "DTP_Jour_Start")->date(),
                                 controle<QDateEdit>("frmInTableau", "DTP_Jour_End")->date()),
                  std::make_pair(QDate(2008, 3, 5), QDate(2008, 3, 6)));
        const std::size_t messages = plateforme_test.messages.size();
        choisir(QDate(2008, 3, 12), QDate(2008, 3, 11));
        entree(true); // Entrée dans le calendrier choisit un jour, sans valider
        cliquer("frmInTableau", "Cmd_Ok");
        entree();
        EXPECT_EQ(plateforme_test.messages.size(), messages + 2);
        EXPECT_TRUE(visible("frmInTableau"));
        EXPECT_FALSE(chargee(f));
        choisir(QDate(2009, 1, 1), QDate(2009, 1, 1));
        entree();
        ASSERT_TRUE(visible(f));
        EXPECT_FALSE(controle<QPushButton>(f, "Cmd_Print")->isVisibleTo(fenetre(f)));
        EXPECT_EQ(controle<QPushButton>(f, "Cmd_New_Tableau")->x(), gauche_vide / 15);
        EXPECT_TRUE(controle<QListView>(f, liste)->font().bold());
    }
}

} // namespace
