#include "support/Environnement_Ihm.h"
#include "support/Simulateur.h"

#include "download/Ports_Serie.h"
#include "download/Telechargement.h"
#include "shell/Etat_Principal.h"
#include "shell/Fenetres.h"
#include "shell/frmMain.h"
#include "store/Declarations.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

class Telechargement_Fenetres : public Environnement_Ihm {
protected:
    void SetUp() override {
        Environnement_Ihm::SetUp();
        plateforme_test.attentes_reelles = true;
    }
    // Choisit « Nouvelles Données » pour la vue demandée et valide.
    void demander(const char* menu, Simulateur& simulateur) {
        ASSERT_FALSE(simulateur.chemin().isEmpty());
        Ports_Serie::Definir_Chemins({simulateur.chemin()});
        Magasin().Num_Port = 1;
        action(menu)->trigger();
        ASSERT_TRUE(chargee("frmData_Type"));
        QWidget* d = fenetre("frmData_Type");
        d->findChild<QRadioButton*>(QStringLiteral("Option_New_Transfert"))->click();
        d->findChild<QPushButton*>(QStringLiteral("Cmd_Ok"))->click();
    }
};

TEST_F(Telechargement_Fenetres, UnTelechargementReussiOuvreLaVueEtLaSauvegarde) {
    Simulateur simulateur({"--rapide"});
    bool attente_visible = false;
    plateforme_test.pendant_attente = [&](int ms) {
        if (ms == 1500)
            attente_visible = visible("frmWait");
    };
    demander("mnuGraphique", simulateur);
    vider_evenements();
    EXPECT_TRUE(attente_visible);
    EXPECT_TRUE(plateforme_test.messages.empty());
    EXPECT_TRUE(Magasin().Donnees_Chargees);
    EXPECT_EQ(Magasin().Num_Serie, QStringLiteral("7041235987"));
    EXPECT_TRUE(chargee("frmInGraphique_v5"));
    // Son chargement a fermé la fenêtre de progression et le dialogue caché.
    EXPECT_FALSE(chargee("frmWait"));
    EXPECT_FALSE(chargee("frmData_Type"));
    EXPECT_TRUE(action("mnuSave_As")->isEnabled());
}

TEST_F(Telechargement_Fenetres, FermerLaFenetreDeProgressionInterromptLeTelechargement) {
    Simulateur simulateur({"--rapide", "--pause", "40000:10000"});
    QTimer::singleShot(1200, [this] {
        fenetre("frmWait")->findChild<QPushButton*>(QStringLiteral("Cmd_Annuler"))->click();
    });
    demander("mnuTab_Leq", simulateur);
    vider_evenements();
    ASSERT_EQ(plateforme_test.messages.size(), 1u);
    EXPECT_EQ(plateforme_test.messages[0].titre,
              QStringLiteral("Téléchargement des données interrompu !!!"));
    EXPECT_FALSE(Magasin().Donnees_Chargees);
    EXPECT_FALSE(action("mnuSave_As")->isEnabled());
    EXPECT_FALSE(chargee("frmData_Type"));
    EXPECT_FALSE(chargee("frmInTableau"));
}

TEST_F(Telechargement_Fenetres, UnAutreMenuPendantLeTelechargementNeLaissePasDeFantome) {
    Simulateur simulateur({"--rapide", "--pause", "40000:10000"});
    // L'utilisateur choisit une autre vue : le téléchargement s'arrête, le nouveau dialogue
    // reste ouvert et ne propose pas de second téléchargement.
    bool transfert_propose = true;
    QTimer::singleShot(1200, [&] {
        action("mnuEvenements")->trigger();
        transfert_propose = fenetre("frmData_Type")
                                ->findChild<QRadioButton*>(QStringLiteral("Option_New_Transfert"))
                                ->isEnabled();
    });
    demander("mnuTab_Leq", simulateur);
    vider_evenements();
    EXPECT_FALSE(transfert_propose);
    EXPECT_FALSE(Telechargement_En_Cours());
    EXPECT_TRUE(chargee("frmData_Type")) << "le nouveau dialogue n'est pas fermé par l'ancien";
    EXPECT_EQ(Magasin().Type_Affichage, QStringLiteral("Tableau Evénements"));
    EXPECT_FALSE(Magasin().Donnees_Chargees);
}

TEST_F(Telechargement_Fenetres, QuitterPendantUnTelechargement) {
    Simulateur simulateur({"--pause", "2000:20000"});
    Ports_Serie::Definir_Chemins({simulateur.chemin()});
    Magasin().Num_Port = 1;
    bool revenu = false;
    QTimer::singleShot(0, [&] {
        action("mnuTab_Leq")->trigger();
        QWidget* d = fenetre("frmData_Type");
        d->findChild<QRadioButton*>(QStringLiteral("Option_New_Transfert"))->click();
        d->findChild<QPushButton*>(QStringLiteral("Cmd_Ok"))->click();
        revenu = true;
    });
    QTimer::singleShot(1500, action("mnuQuitter"), &QAction::trigger);
    QTimer garde_fou;
    garde_fou.setSingleShot(true);
    bool expire = false;
    QObject::connect(&garde_fou, &QTimer::timeout, [&] {
        expire = true;
        QCoreApplication::quit();
    });
    garde_fou.start(15000);
    QCoreApplication::exec();
    EXPECT_FALSE(expire);
    EXPECT_TRUE(revenu);
    EXPECT_TRUE(plateforme_test.messages.empty()) << "rien à dire à qui s'en va";
    EXPECT_FALSE(principale()->isVisible());
    EXPECT_FALSE(Telechargement_En_Cours());
}

} // namespace
