#include "support/Environnement_Ihm.h"

#include "platform/Travail_Long.h"
#include "shell/Fenetre_Base.h"
#include "shell/Fenetres.h"
#include "shell/frmMain.h"
#include "store/Declarations.h"

#include <QAction>
#include <QCoreApplication>
#include <QTimer>

namespace {

using Principale = Environnement_Ihm;

// Une vue ouverte sans fermer les dialogues ouverts avant elle.
struct Vue_Ouverte : Fenetre_Base {
    Vue_Ouverte() : Fenetre_Base(Id_Fenetre::frmTableau_Leq_V5) {}
    void Form_Load() override { Drapeaux().Ouvert_frmTableau_Leq_V5 = true; }
    void Form_Unload() override { Drapeaux().Ouvert_frmTableau_Leq_V5 = false; }
};

// Au lancement : le dialogue du port, la sauvegarde grisée. Choisir une vue ferme ensuite
// tout ce qui est ouvert avant d'ouvrir le dialogue des données.
TEST_F(Principale, ChoisirUneVueFermeLaVueOuverteEtLesDialoguesAvant) {
    EXPECT_FALSE(action("mnuSave_As")->isEnabled());
    auto& registre = Fenetres::instance();
    registre.Definir_Fabrique(Id_Fenetre::frmTableau_Leq_V5, [] { return new Vue_Ouverte; });
    registre.Ouvrir(Id_Fenetre::frmTableau_Leq_V5);
    ASSERT_TRUE(visible("frmPort") && chargee("frmTableau_Leq_V5"));

    auto& M = Magasin();
    M.Jour_Debut = M.Annee_Fin = QStringLiteral("1");
    M.Nb_Jours_Graph = QStringLiteral("7");
    action("mnuTab_Leq")->trigger();

    EXPECT_FALSE(chargee("frmTableau_Leq_V5") || chargee("frmPort") || Drapeaux().Ouvert_frmPort);
    EXPECT_TRUE(Drapeaux().Ouvert_frmData_Type);
    EXPECT_EQ(M.Type_Affichage, QStringLiteral("Tableau Leq"));
    // La période choisie est oubliée, pas la durée du graphique.
    EXPECT_TRUE(M.Jour_Debut.isEmpty() && M.Annee_Fin.isEmpty());
    EXPECT_EQ(M.Nb_Jours_Graph, QStringLiteral("7"));
}

// La case de fermeture pendant un travail long fait comme Quitter : le travail voit Abandon,
// revient, puis le programme se termine, sans jamais détruire une fenêtre sous ses pieds.
TEST_F(Principale, LaCaseDeFermeturePendantUnTravailLongFaitCommeQuitter) {
    std::vector<std::string> chronologie;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit,
                     [&] { chronologie.push_back("sortie"); });
    QTimer::singleShot(0, [&] {
        Travail_Long travail;
        Fenetres::instance().Ouvrir(Id_Fenetre::frmWait);
        QTimer::singleShot(0, [this] { principale()->close(); });
        const std::int64_t debut = Tick_Ms();
        while (!Magasin().Abandon && Tick_Ms() - debut < 5000)
            DoEvents();
        chronologie.push_back(Magasin().Abandon ? "travail arrêté" : "travail expiré");
        // La boucle continue un peu : ni sortie ni fenêtre démontée pendant ce temps.
        for (int i = 0; i < 50; ++i)
            DoEvents();
        chronologie.push_back(principale()->isVisible() ? "travail revenu"
                                                        : "travail revenu sans fenêtre principale");
    });
    ASSERT_TRUE(attendre_sortie());
    QObject::disconnect(qApp, &QCoreApplication::aboutToQuit, nullptr, nullptr);
    EXPECT_EQ(chronologie,
              (std::vector<std::string>{"travail arrêté", "travail revenu", "sortie"}));
    EXPECT_FALSE(chargee("frmWait") || principale()->isVisible());
    EXPECT_EQ(Magasin().Compteur_Essais, 0);
}

} // namespace
