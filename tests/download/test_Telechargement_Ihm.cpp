#include "support/Environnement_Ihm.h"
#include "support/Liaison_Comptee.h"
#include "support/Simulateur.h"

#include "archive/Archivage.h"
#include "download/Ports_Serie.h"
#include "download/Telechargement.h"
#include "shell/Choix_Donnees.h"
#include "store/Declarations.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

class Telechargement_Fenetres : public Environnement_Ihm {
protected:
    void SetUp() override {
        Environnement_Ihm::SetUp();
        plateforme_test.attentes_reelles = true;
        Installer_Liaison(&comptee);
    }
    void TearDown() override {
        Installer_Liaison(nullptr);
        Environnement_Ihm::TearDown();
    }
    Liaison_Comptee comptee;
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
    QTemporaryDir dossier;
    const QString base = dossier.filePath(QStringLiteral("archive.sqlite"));
    Ecrire_Reglages_Archive({true, base});
    demander("mnuGraphique", simulateur);
    vider_evenements();
    Attendre_Archivage();
    // Archivé au passage.
    const auto appareils = Archive(base).appareils();
    ASSERT_EQ(appareils.size(), 1u);
    EXPECT_GT(appareils[0].nb_leq, 8000);
    EXPECT_TRUE(attente_visible);
    EXPECT_TRUE(plateforme_test.messages.empty());
    EXPECT_TRUE(Magasin().Donnees_Chargees);
    EXPECT_TRUE(chargee("frmInGraphique_v5"));
    // Son chargement a fermé la fenêtre de progression et le dialogue caché.
    EXPECT_FALSE(chargee("frmWait"));
    EXPECT_FALSE(chargee("frmData_Type"));
    EXPECT_TRUE(action("mnuSave_As")->isEnabled());
}

TEST_F(Telechargement_Fenetres, FermerLaFenetreDeProgressionInterromptLeTelechargement) {
    Simulateur simulateur({"--rapide", "--pause", "40000:10000"});
    comptee.quand_recu(4000, [this] {
        fenetre("frmWait")->findChild<QPushButton*>(QStringLiteral("Cmd_Annuler"))->click();
    });
    demander("mnuTab_Leq", simulateur);
    vider_evenements();
    ASSERT_EQ(plateforme_test.messages.size(), 1u);
    EXPECT_EQ(plateforme_test.messages[0].titre,
              Message_Echec(Issue_Telechargement::Interrompu).titre);
    EXPECT_FALSE(action("mnuSave_As")->isEnabled());
    EXPECT_FALSE(chargee("frmData_Type"));
    EXPECT_FALSE(chargee("frmInTableau"));
}

} // namespace
