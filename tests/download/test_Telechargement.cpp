#include "download/Decodage.h"
#include "download/Generateur.h"
#include "download/Ports_Serie.h"
#include "download/Progression.h"
#include "download/Telechargement.h"
#include "shell/Etat_Principal.h"
#include "store/Declarations.h"
#include "store/Fichier_Lqm.h"
#include "support/Liaison_Comptee.h"
#include "support/Plateforme_Scriptee.h"
#include "support/Simulateur.h"

#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>

namespace {

// Ce que fait le déchargement de la fenêtre de progression (Annuler, case de fermeture).
void annuler_comme_la_fenetre() {
    Magasin().Abandon = true;
    Magasin().Compteur_Essais = 0;
    liaison().Fermer();
}

class Telechargement_Test : public ::testing::Test {
protected:
    void SetUp() override {
        Magasin().reinitialiser();
        Reinitialiser_Etat_Principal();
        plateforme.attentes_reelles = true;
        Installer_Plateforme(&plateforme);
        Ports_Serie::Activer_Enumeration(false);
        Etat_Progression() = Etat_Attente_Au_Chargement();
    }
    void TearDown() override {
        Installer_Vue_Progression({});
        Installer_Liaison(nullptr);
        liaison().Fermer();
        Ports_Serie::Definir_Chemins({});
        Installer_Plateforme(nullptr);
        Reinitialiser_Etat_Principal();
        Magasin().reinitialiser();
    }
    // Lance le téléchargement sur le simulateur, avec la liaison comptée.
    void telecharger(Simulateur& simulateur) {
        ASSERT_FALSE(simulateur.chemin().isEmpty());
        Ports_Serie::Definir_Chemins({simulateur.chemin()});
        Magasin().Num_Port = 1;
        Telechargement();
        Installer_Liaison(nullptr);
    }
    Plateforme_Scriptee plateforme;
    Liaison_Comptee comptee;
};

TEST_F(Telechargement_Test, TelechargementCompletIdentiqueAuxDonneesDuGenerateur) {
    Simulateur simulateur({"--rapide"});
    Installer_Liaison(&comptee);
    telecharger(simulateur);
    auto& M = Magasin();
    EXPECT_TRUE(M.Donnees_Chargees);
    // Le magasin qu'un téléchargement parfait de l'image du générateur doit donner.
    auto reference = std::make_unique<Declarations>();
    Ranger_Image(Generer_Image(), *reference);
    EXPECT_TRUE(M.Tab_Leq == reference->Tab_Leq && M.Tab_Evenements == reference->Tab_Evenements &&
                M.Tab_Parametres == reference->Tab_Parametres &&
                M.Tab_Config == reference->Tab_Config);
    EXPECT_TRUE(Menu_Actif(Menu::mnuSave_As));
    EXPECT_EQ(M.Date_Recuperation, QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    EXPECT_EQ(std::tie(comptee.demandes, comptee.ouvertures, comptee.fermetures),
              std::make_tuple(1, 1, 1));
    // Progression complète : la transmission puis les 37 + 130 pas du classement, plus que
    // de cases (la barre s'arrête pile à la fin).
    EXPECT_EQ(Etat_Progression().ProgressBar_Transmission, 49.0);
    EXPECT_EQ(Etat_Progression().ProgressBar_Classement, 164.0);
    EXPECT_TRUE(Etat_Progression().Picture_Classement_Ok);
    EXPECT_EQ(plateforme.attentes.back(), 1500) << "la pause de fin, notée sans dormir";
}

// Un appareil qui ne répond qu'à la troisième demande, puis un qui ne répond jamais :
// quatre demandes au plus, une ouverture et une fermeture du port pour chacune.
TEST_F(Telechargement_Test, UnAppareilQuiTardeOuNeRepondJamais) {
    {
        Simulateur simulateur({"--rapide", "--ignorer", "2"});
        Installer_Liaison(&comptee);
        telecharger(simulateur);
        EXPECT_TRUE(Magasin().Donnees_Chargees);
        // Deux fermetures après les silences, une à la fin.
        EXPECT_EQ(std::tie(comptee.demandes, comptee.ouvertures, comptee.fermetures),
                  std::make_tuple(3, 3, 3));
    }
    comptee.demandes = comptee.ouvertures = comptee.fermetures = 0;
    Simulateur simulateur({"--muet"});
    Installer_Liaison(&comptee);
    telecharger(simulateur);
    EXPECT_TRUE(Magasin().Abandon);
    EXPECT_EQ(Magasin().Compteur_Essais, 3);
    EXPECT_FALSE(Magasin().Donnees_Chargees);
    EXPECT_EQ(comptee.demandes, 4);
}

TEST_F(Telechargement_Test, FermerLaProgressionAvantLaReponseArreteLaDemandeAussitot) {
    Simulateur simulateur({"--muet"});
    Installer_Liaison(&comptee);
    // Fermée pendant la première attente de réponse.
    plateforme.pendant_attente = [premiere = true](int) mutable {
        if (std::exchange(premiere, false))
            QTimer::singleShot(0, annuler_comme_la_fenetre);
    };
    telecharger(simulateur);
    EXPECT_EQ(plateforme.attentes, std::vector<int>{500});
    EXPECT_TRUE(Magasin().Abandon);
    EXPECT_EQ(comptee.demandes, 1);
    EXPECT_FALSE(Magasin().Donnees_Chargees);
}

// Une image qui s'arrête avant la fin ou qui déborde : cinq attentes de 500 ms dans la
// phase finale (après celle de la demande), puis l'abandon ; pas de pause de fin.
TEST_F(Telechargement_Test, UneImageIncompleteOuTropLongue) {
    for (const char* options : {"--arret=131000", "--extra=100"}) {
        plateforme.attentes.clear();
        Simulateur simulateur({"--rapide", QString::fromLatin1(options)});
        telecharger(simulateur);
        EXPECT_TRUE(Magasin().Abandon) << options;
        EXPECT_EQ(Magasin().Compteur_Essais, 4) << options;
        EXPECT_FALSE(Magasin().Donnees_Chargees) << options;
        const auto& a = plateforme.attentes;
        EXPECT_EQ(std::count(a.begin(), a.end(), 500), 1 + 5) << options;
        EXPECT_EQ(std::count(a.begin(), a.end(), 1500), 0) << options;
    }
}

// Le correspondant disparaît (quatre essais comptés) ou l'utilisateur annule en pleine
// réception (compteur remis à zéro) : rien n'est décodé.
TEST_F(Telechargement_Test, LeTransfertSInterromptEnPleineReception) {
    for (const bool annuler : {false, true}) {
        Magasin().reinitialiser();
        Simulateur simulateur({"--rapide", "--pause", "50000:20000"});
        Installer_Liaison(&comptee);
        comptee.quand_recu(4000,
                           [&] { annuler ? annuler_comme_la_fenetre() : simulateur.arreter(); });
        telecharger(simulateur);
        EXPECT_TRUE(Magasin().Abandon) << annuler;
        EXPECT_EQ(Magasin().Compteur_Essais, annuler ? 0 : 4) << annuler;
        EXPECT_FALSE(Magasin().Donnees_Chargees) << annuler;
        EXPECT_FALSE(liaison().Ouverte()) << annuler;
        EXPECT_EQ(Magasin().Tab_Leq(1, 1), 0) << annuler;
    }
}

// Annulé au premier pas du décodage, au milieu du tri des valeurs Leq ou au dernier pas du
// tri des paramètres (1 + 37 pas de décodage + 80 + 40 + 10 de tri) : rien n'est marqué
// chargé, et les tables du magasin restent celles d'avant, pas à moitié remplacées.
TEST_F(Telechargement_Test, AnnulerPendantLeDecodageOuALaFinDuDernierTriNeChargeRien) {
    for (const int arret : {2, 1 + 37 + 40, 1 + 37 + 130}) {
        Magasin().reinitialiser();
        Ranger_Image(Generer_Image({9}), Magasin());
        const auto avant = Copie_Contenu(Magasin());
        Etat_Progression() = Etat_Attente_Au_Chargement();
        Simulateur simulateur({"--rapide"});
        int pas = 0;
        Installer_Vue_Progression({{}, [&] {
                                       if (Etat_Progression().Picture_Transmit_Ok && ++pas == arret)
                                           Magasin().Abandon = true;
                                   }});
        telecharger(simulateur);
        auto& M = Magasin();
        EXPECT_EQ(pas, arret) << "le tri finit sa passe sans autre pas";
        EXPECT_FALSE(M.Donnees_Chargees) << arret;
        EXPECT_FALSE(Menu_Actif(Menu::mnuSave_As)) << arret;
        EXPECT_TRUE(M.Date_Recuperation.isEmpty()) << arret;
        EXPECT_TRUE(M.Tab_Leq == avant->Tab_Leq && M.Tab_Evenements == avant->Tab_Evenements &&
                    M.Tab_Config == avant->Tab_Config && M.Tab_Parametres == avant->Tab_Parametres)
            << arret;
    }
}

// Un port que ce compte n'a pas le droit d'ouvrir : le message dit la commande qui répare ;
// un port absent garde le message ordinaire.
TEST_F(Telechargement_Test, PortSansLesDroits) {
    Ports_Serie::Definir_Chemins({QStringLiteral("/dev/lqm-absent")});
    Magasin().Num_Port = 1;
    for (bool refuse : {false, true}) {
        Ports_Serie::Definir_Controle_Droits([refuse](const QString&) { return refuse; });
        Telechargement();
        ASSERT_EQ(plateforme.messages.size(), refuse ? 2u : 1u);
        EXPECT_EQ(
            plateforme.messages.back().texte.contains(QStringLiteral("sudo usermod -aG dialout")),
            refuse);
        EXPECT_EQ(Magasin().Compteur_Essais, Essais_Port_Indisponible);
    }
    Ports_Serie::Definir_Controle_Droits(nullptr);
}

} // namespace
