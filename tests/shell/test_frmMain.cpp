#include "support/Environnement_Ihm.h"

#include "platform/Travail_Long.h"
#include "shell/Etat_Principal.h"
#include "shell/Fenetre_Provisoire.h"
#include "shell/Fenetres.h"
#include "shell/Textes.h"
#include "shell/frmMain.h"
#include "store/Declarations.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <vector>

namespace {

using Principale = Environnement_Ihm;

QStringList textes(const QList<QAction*>& actions) {
    QStringList t;
    for (QAction* a : actions)
        t << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return t;
}

TEST_F(Principale, BarreDeMenusExacte) {
    const QList<QAction*> barre = principale()->menuBar()->actions();
    EXPECT_EQ(textes(barre), (QStringList{"&Sélection Port", "|", "&Enregistrer Sous ...", "|",
                                          "&Analyse", "|", "A Propos de ...", "|", "&Quitter"}));
    QStringList noms;
    for (QAction* a : barre)
        noms << a->objectName();
    EXPECT_EQ(noms, (QStringList{"mnuPort", "sep3", "mnuSave_As", "sep4", "mnuAnalyse", "sep5",
                                 "mnuAbout", "sep6", "mnuQuitter"}));
    QMenu* analyse = barre[4]->menu();
    ASSERT_NE(analyse, nullptr);
    EXPECT_EQ(textes(analyse->actions()),
              (QStringList{"Graphique Leq", "Tableau Leq", "-", "Tableau Evénements", "-",
                           "Tableau Paramètres"}));

    // Les « | » ne font rien.
    Magasin().Type_Affichage = QStringLiteral("inchangé");
    for (const char* sep : {"sep3", "sep4", "sep5", "sep6"})
        action(sep)->trigger();
    vider_evenements();
    EXPECT_EQ(Magasin().Type_Affichage, QStringLiteral("inchangé"));
    EXPECT_TRUE(chargee("frmPort"));
}

TEST_F(Principale, DemarrageSurLeDialogueDuPort) {
    const auto& M = Magasin();
    EXPECT_EQ(principale()->windowTitle(), Legende::Base);
    EXPECT_FALSE(action("mnuSave_As")->isEnabled());
    EXPECT_FALSE(Menu_Actif(Menu::mnuSave_As));
    EXPECT_TRUE(action("mnuAnalyse")->isEnabled());
    EXPECT_TRUE(chargee("frmPort"));
    EXPECT_TRUE(visible("frmPort"));
    EXPECT_TRUE(Drapeaux().Ouvert_frmPort);
    EXPECT_FALSE(chargee("frmStart"));
    EXPECT_EQ(M.Num_Port, 0);
    EXPECT_EQ(M.Duree_Graph, 1);
    for (int l = 1; l <= 8; ++l)
        for (int c = 1; c <= 3; ++c)
            EXPECT_EQ(M.Tab_Jours_Graph(l, c), QStringLiteral("0"));
    // La fenêtre fille est au coin de la zone cliente.
    EXPECT_EQ(fenetre("frmPort")->parentWidget()->pos(), QPoint(0, 0));
}

TEST_F(Principale, LaDisponibiliteDesMenusSuitLeNoyau) {
    Activer_Menu(Menu::mnuSave_As, true);
    EXPECT_TRUE(action("mnuSave_As")->isEnabled());
    Activer_Menu(Menu::mnuAnalyse, false);
    EXPECT_FALSE(action("mnuAnalyse")->isEnabled());
    Activer_Menu(Menu::mnuQuitter, false);
    EXPECT_FALSE(action("mnuQuitter")->isEnabled());
}

// Une fenêtre provisoire qui note l'ordre des déchargements.
std::vector<QString>* journal = nullptr;
class Fenetre_Notee : public Fenetre_Provisoire {
public:
    using Fenetre_Provisoire::Fenetre_Provisoire;
    void Form_Unload() override {
        journal->push_back(objectName());
        Fenetre_Provisoire::Form_Unload();
    }
};

TEST_F(Principale, ChoisirUneVueFermeLaVueOuverteEtLesDialoguesAvant) {
    std::vector<QString> dechargees;
    journal = &dechargees;
    auto& registre = Fenetres::instance();
    for (Id_Fenetre id : {Id_Fenetre::frmTableau_Leq_V5, Id_Fenetre::frmWait})
        registre.Definir_Fabrique(id, [id] {
            return new Fenetre_Notee(id, QString::fromLatin1(Nom_Fenetre(id)), false);
        });
    registre.Ouvrir(Id_Fenetre::frmTableau_Leq_V5);
    registre.Ouvrir(Id_Fenetre::frmWait);
    ASSERT_TRUE(chargee("frmTableau_Leq_V5"));
    ASSERT_TRUE(chargee("frmWait"));
    ASSERT_TRUE(chargee("frmPort"));

    auto& M = Magasin();
    M.Jour_Debut = M.Mois_Debut = M.Annee_Debut = QStringLiteral("1");
    M.Jour_Fin = M.Mois_Fin = M.Annee_Fin = QStringLiteral("2");
    M.Nb_Jours_Graph = QStringLiteral("7");
    action("mnuTab_Leq")->trigger();

    // frmWait (8) passe avant frmTableau_Leq_V5 (9) ; frmPort n'est pas noté.
    EXPECT_EQ(dechargees, (std::vector<QString>{"frmWait", "frmTableau_Leq_V5"}));
    EXPECT_FALSE(chargee("frmTableau_Leq_V5"));
    EXPECT_FALSE(chargee("frmWait"));
    EXPECT_FALSE(chargee("frmPort"));
    EXPECT_FALSE(Drapeaux().Ouvert_frmPort);
    EXPECT_TRUE(chargee("frmData_Type"));
    EXPECT_TRUE(Drapeaux().Ouvert_frmData_Type);
    EXPECT_EQ(M.Type_Affichage, QStringLiteral("Tableau Leq"));
    EXPECT_TRUE(M.Jour_Debut.isEmpty());
    EXPECT_TRUE(M.Annee_Fin.isEmpty());
    EXPECT_EQ(M.Nb_Jours_Graph, QStringLiteral("7"));
    journal = nullptr;
}

TEST_F(Principale, ChaqueEntreeDeVueEcritSonTypeAffichage) {
    auto& M = Magasin();
    M.Jour_Debut = QStringLiteral("3");
    action("mnuParametres")->trigger();
    EXPECT_EQ(M.Type_Affichage, QStringLiteral("Tableau Paramètres"));
    EXPECT_EQ(M.Jour_Debut, QStringLiteral("3")) << "les paramètres gardent la période";
    action("mnuEvenements")->trigger();
    EXPECT_EQ(M.Type_Affichage, QStringLiteral("Tableau Evénements"));
    EXPECT_TRUE(M.Jour_Debut.isEmpty());
    M.Nb_Jours_Graph = QStringLiteral("3");
    action("mnuGraphique")->trigger();
    EXPECT_EQ(M.Type_Affichage, QStringLiteral("Graphique Leq"));
    EXPECT_EQ(M.Nb_Jours_Graph, QStringLiteral("1"));
    vider_evenements();
    EXPECT_TRUE(chargee("frmData_Type"));
    // Une seule instance, rechargée à neuf à chaque ouverture.
    EXPECT_EQ(principale()->findChildren<QWidget*>(QStringLiteral("frmData_Type")).size(), 1);
}

TEST_F(Principale, LEntreePortRouvreLeDialogueDuPort) {
    Fenetres::instance().Decharger(Id_Fenetre::frmPort);
    EXPECT_FALSE(chargee("frmPort"));
    action("mnuPort")->trigger();
    EXPECT_TRUE(chargee("frmPort"));
    EXPECT_TRUE(Drapeaux().Ouvert_frmPort);
}

// Fait tourner la boucle d'événements jusqu'à la sortie du programme, avec un garde-fou.
bool attendre_sortie() {
    bool garde_fou = false;
    QTimer minuterie;
    minuterie.setSingleShot(true);
    QObject::connect(&minuterie, &QTimer::timeout, [&] {
        garde_fou = true;
        QCoreApplication::quit();
    });
    minuterie.start(10000);
    QCoreApplication::exec();
    return !garde_fou;
}

TEST_F(Principale, QuitterFermeToutEtTermineLeProgramme) {
    action("mnuTab_Leq")->trigger();
    ASSERT_TRUE(chargee("frmData_Type"));
    QTimer::singleShot(0, action("mnuQuitter"), &QAction::trigger);
    ASSERT_TRUE(attendre_sortie());
    EXPECT_TRUE(Magasin().Abandon);
    EXPECT_FALSE(chargee("frmData_Type"));
    EXPECT_FALSE(Drapeaux().Ouvert_frmData_Type);
    EXPECT_FALSE(principale()->isVisible());
}

// Quitter pendant un travail long : le travail voit Abandon, revient, puis le programme
// se termine, sans jamais détruire une fenêtre sous ses pieds.
void quitter_pendant_un_travail(const std::function<void()>& demander_sortie) {
    std::vector<std::string> chronologie;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit,
                     [&] { chronologie.push_back("sortie"); });
    QTimer::singleShot(0, [&] {
        Travail_Long travail;
        Fenetres::instance().Ouvrir(Id_Fenetre::frmWait);
        QTimer::singleShot(20, demander_sortie);
        const std::int64_t debut = Tick_Ms();
        while (!Magasin().Abandon && Tick_Ms() - debut < 5000)
            DoEvents();
        chronologie.push_back(Magasin().Abandon ? "travail arrêté" : "travail expiré");
        // La boucle continue un peu : la sortie ne doit pas venir pendant ce temps.
        for (int i = 0; i < 50; ++i)
            DoEvents();
        // Rien n'a été démonté tant que le travail tournait.
        chronologie.push_back(
            Fenetres::instance().Instance<frmMain>(Id_Fenetre::frmMain)->isVisible()
                ? "travail revenu"
                : "travail revenu sans fenêtre principale");
    });
    ASSERT_TRUE(attendre_sortie());
    QObject::disconnect(qApp, &QCoreApplication::aboutToQuit, nullptr, nullptr);
    EXPECT_EQ(chronologie,
              (std::vector<std::string>{"travail arrêté", "travail revenu", "sortie"}));
    EXPECT_FALSE(Fenetres::instance().Chargee(Id_Fenetre::frmWait));
}

TEST_F(Principale, QuitterPendantUnTravailLongAttendQuIlRevienne) {
    quitter_pendant_un_travail([this] { action("mnuQuitter")->trigger(); });
    EXPECT_FALSE(principale()->isVisible());
}

TEST_F(Principale, LaCaseDeFermeturePendantUnTravailLongFaitCommeQuitter) {
    quitter_pendant_un_travail([this] { principale()->close(); });
    EXPECT_FALSE(principale()->isVisible());
    EXPECT_EQ(Magasin().Compteur_Essais, 0);
}

} // namespace
