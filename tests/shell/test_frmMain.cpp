#include "support/Environnement_Ihm.h"

#include "attendus/Attendus.h"

#include "platform/Travail_Long.h"
#include "shell/Fenetre_Base.h"
#include "shell/Fenetres.h"
#include "shell/frmMain.h"
#include "store/Declarations.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
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

// La barre de menus telle que l'utilisateur la trouve au lancement : textes, ordre,
// séparateurs, entrées grisées, cases à cocher.
TEST_F(Principale, MenusAuLancement) {
    QString texte;
    auto decrire = [](QAction* a) {
        if (a->isSeparator())
            return QStringLiteral("-----");
        QString ligne = a->objectName() + QStringLiteral(" « ") + a->text() + QStringLiteral(" »");
        if (!a->isEnabled())
            ligne += QStringLiteral(" (grisé)");
        if (a->isCheckable())
            ligne += QStringLiteral(" [case à cocher]"); // cochée ou non selon les réglages
        return ligne;
    };
    for (QAction* a : principale()->menuBar()->actions()) {
        texte += decrire(a) + u'\n';
        if (a->menu())
            for (QAction* b : a->menu()->actions())
                texte += QStringLiteral("    ") + decrire(b) + u'\n';
    }
    const QString difference = Difference_Attendue(QStringLiteral("menus.txt"), texte.toUtf8());
    EXPECT_TRUE(difference.isEmpty()) << difference.toStdString();
}

} // namespace
