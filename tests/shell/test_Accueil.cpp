#include "support/Environnement_Ihm.h"

#include "shell/Fenetres.h"
#include "shell/frmMain.h"

#include <QPushButton>
#include <QTimer>

namespace {

class Accueil : public Environnement_Ihm {
protected:
    QTimer* minuterie() const { return principale()->findChild<QTimer*>("Timer_Wait"); }
    // Relance la fenêtre principale comme au démarrage du programme.
    void relancer() {
        Fenetres::instance().Tout_Detruire();
        plateforme_test.attentes.clear();
        Fenetres::instance().Charger(Id_Fenetre::frmMain);
    }
};

// L'accueil tient un tour de Timer_Wait, fenêtre principale grisée, puis laisse la place
// au dialogue du port.
TEST_F(Accueil, LAccueilDureUnTourDeMinuterieFenetrePrincipaleGrisee) {
    std::tuple<int, bool, bool, bool> pendant; // tour, minuterie, principale grisée, accueil
    plateforme_test.pendant_attente = [&](int) {
        pendant = {minuterie()->interval(), minuterie()->isActive(), !principale()->isEnabled(),
                   visible("frmStart") && fenetre("frmStart")->isEnabled()};
    };
    relancer();
    EXPECT_EQ(plateforme_test.attentes, std::vector<int>{3000}) << "une seule attente, d'un tour";
    EXPECT_EQ(pendant, std::make_tuple(3000, true, true, true));
    EXPECT_FALSE(minuterie()->isActive() || chargee("frmStart"));
    EXPECT_TRUE(principale()->isEnabled() && visible("frmPort"));
}

// Fermer la fenêtre principale pendant l'accueil : rien ne s'ouvre ensuite et la boucle
// d'événements du programme se termine (avant, le programme restait sans fenêtre).
TEST_F(Accueil, QuitterPendantLAccueilTermineLeProgramme) {
    plateforme_test.pendant_attente = [this](int) { principale()->close(); };
    relancer();
    plateforme_test.pendant_attente = nullptr;
    EXPECT_FALSE(chargee("frmPort"));
    EXPECT_TRUE(attendre_sortie()) << "la sortie demandée pendant l'accueil a été perdue";
    EXPECT_FALSE(principale()->isVisible() || chargee("frmStart"));
}

// La boîte « A propos » ferme la vue ouverte et grise la fenêtre principale ; « Ok » la
// ferme, rend la main et ne laisse aucune vue.
TEST_F(Accueil, AProposFermeLaVueEtOkRendLaFenetrePrincipale) {
    Fenetres::instance().Ouvrir(Id_Fenetre::frmInTableau);
    ASSERT_TRUE(Drapeaux().Ouvert_frmInTableau);
    action("mnuAbout")->trigger();
    ASSERT_TRUE(visible("frmAbout"));
    EXPECT_FALSE(chargee("frmInTableau") || chargee("frmPort") || principale()->isEnabled());
    EXPECT_TRUE(fenetre("frmAbout")->isEnabled()) << "la boîte ne doit pas être grisée avec elle";

    fenetre("frmAbout")->findChild<QPushButton*>("cmdOK")->click();
    vider_evenements();
    EXPECT_TRUE(principale()->isEnabled());
    for (int i = 0; i < Nb_Fenetres; ++i)
        EXPECT_EQ(Fenetres::instance().Chargee(Id_Fenetre(i)), Id_Fenetre(i) == Id_Fenetre::frmMain)
            << Nom_Fenetre(Id_Fenetre(i));
}

} // namespace
