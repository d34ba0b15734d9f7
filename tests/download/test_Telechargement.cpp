#include "download/Decodage.h"
#include "download/Generateur.h"
#include "download/Liaison_Serie.h"
#include "download/Ports_Serie.h"
#include "download/Progression.h"
#include "download/Telechargement.h"
#include "shell/Etat_Principal.h"
#include "store/Declarations.h"
#include "support/Plateforme_Scriptee.h"
#include "support/Simulateur.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

// La vraie liaison, dont on compte les ouvertures, fermetures et demandes.
class Liaison_Comptee final : public Liaison_Serie {
public:
    int ouvertures = 0, fermetures = 0, demandes = 0;
    bool Ouvrir(int n, const QString& r, int t) override {
        ++ouvertures;
        return vraie().Ouvrir(n, r, t);
    }
    bool Ouverte() const override { return vraie().Ouverte(); }
    void Fermer() override {
        if (vraie().Ouverte())
            ++fermetures;
        vraie().Fermer();
    }
    void DTR(bool a) override { vraie().DTR(a); }
    bool Ecrire_Octet(std::uint8_t o) override {
        demandes += o == 0x01;
        return vraie().Ecrire_Octet(o);
    }
    int Octets_En_Attente() override { return vraie().Octets_En_Attente(); }
    QByteArray Lire_Tout() override { return vraie().Lire_Tout(); }
    bool En_Erreur() const override { return vraie().En_Erreur(); }

private:
    static Liaison_Serie& vraie() { return liaison_par_defaut(); }
};

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
    // Le magasin qu'un téléchargement parfait de l'image du générateur doit donner.
    static std::unique_ptr<Declarations> attendu() {
        auto M = std::make_unique<Declarations>();
        Ranger_Image(Generer_Image(), *M);
        return M;
    }

    Plateforme_Scriptee plateforme;
    Liaison_Comptee comptee;
};

TEST_F(Telechargement_Test, TelechargementCompletIdentiqueAuxDonneesDuGenerateur) {
    Simulateur simulateur({"--rapide"});
    Installer_Liaison(&comptee);
    telecharger(simulateur);
    auto& M = Magasin();
    EXPECT_FALSE(M.Abandon);
    EXPECT_TRUE(M.Donnees_Chargees);
    // -1, ou le nombre de coups d'œil de la phase finale qui ont attendu la fin de l'image.
    EXPECT_LT(M.Compteur_Essais, 4);
    const auto reference = attendu();
    EXPECT_TRUE(M.Tab_Leq == reference->Tab_Leq);
    EXPECT_TRUE(M.Tab_Evenements == reference->Tab_Evenements);
    EXPECT_TRUE(M.Tab_Parametres == reference->Tab_Parametres);
    EXPECT_TRUE(M.Tab_Config == reference->Tab_Config);
    EXPECT_TRUE(Menu_Actif(Menu::mnuSave_As));
    EXPECT_EQ(M.Date_Recuperation, QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    EXPECT_EQ(M.Heure_Recuperation.size(), 8);
    EXPECT_EQ(comptee.demandes, 1);
    EXPECT_EQ(comptee.ouvertures, 1);
    EXPECT_EQ(comptee.fermetures, 1);
    EXPECT_FALSE(liaison().Ouverte());
    // Fenêtre de progression complète : la transmission puis les 37 + 130 pas du classement.
    EXPECT_EQ(Etat_Progression().ProgressBar_Transmission, 49.0);
    EXPECT_EQ(Etat_Progression().ProgressBar_Classement, 164.0);
    EXPECT_EQ(plateforme.attentes.back(), 1500);
}

TEST_F(Telechargement_Test, UnAppareilQuiNeRepondQuALaTroisiemeDemande) {
    Simulateur simulateur({"--rapide", "--ignorer", "2"});
    Installer_Liaison(&comptee);
    telecharger(simulateur);
    EXPECT_FALSE(Magasin().Abandon);
    EXPECT_TRUE(Magasin().Donnees_Chargees);
    EXPECT_EQ(comptee.demandes, 3);
    EXPECT_EQ(comptee.ouvertures, 3);
    EXPECT_EQ(comptee.fermetures, 3); // deux après les silences, une à la fin
}

TEST_F(Telechargement_Test, UnAppareilQuiNeRepondJamais) {
    Simulateur simulateur({"--muet"});
    Installer_Liaison(&comptee);
    telecharger(simulateur);
    EXPECT_TRUE(Magasin().Abandon);
    EXPECT_EQ(Magasin().Compteur_Essais, 3);
    EXPECT_FALSE(Magasin().Donnees_Chargees);
    EXPECT_EQ(comptee.demandes, 4);
    EXPECT_FALSE(liaison().Ouverte());
}

TEST_F(Telechargement_Test, FermerLaProgressionAvantLaReponseArreteLaDemandeAussitot) {
    Simulateur simulateur({"--muet"});
    Installer_Liaison(&comptee);
    QTimer::singleShot(150, annuler_comme_la_fenetre); // pendant la première attente
    QElapsedTimer duree;
    duree.start();
    telecharger(simulateur);
    EXPECT_LT(duree.elapsed(), 450) << "l'attente de 500 ms s'arrête à l'annulation";
    EXPECT_TRUE(Magasin().Abandon);
    EXPECT_EQ(Magasin().Compteur_Essais, 0);
    EXPECT_EQ(comptee.demandes, 1);
    EXPECT_FALSE(Magasin().Donnees_Chargees);
}

TEST_F(Telechargement_Test, UneTransmissionCoupeeEnRoute) {
    Simulateur simulateur({"--rapide", "--arret", "131000"});
    QElapsedTimer duree;
    duree.start();
    telecharger(simulateur);
    EXPECT_TRUE(Magasin().Abandon);
    EXPECT_EQ(Magasin().Compteur_Essais, 4);
    EXPECT_FALSE(Magasin().Donnees_Chargees);
    // Cinq attentes de 500 ms dans la phase finale.
    EXPECT_GE(duree.elapsed(), 2400);
    EXPECT_EQ(std::count(plateforme.attentes.begin(), plateforme.attentes.end(), 500), 1 + 5);
}

TEST_F(Telechargement_Test, DesOctetsEnTropApresLImage) {
    Simulateur simulateur({"--rapide", "--extra", "100"});
    telecharger(simulateur);
    EXPECT_TRUE(Magasin().Abandon);
    EXPECT_EQ(Magasin().Compteur_Essais, 4);
}

TEST_F(Telechargement_Test, LeCorrespondantDisparaitEnPleinTransfert) {
    Simulateur simulateur({"--rapide", "--pause", "60000:20000"});
    QTimer::singleShot(1500, [&] { simulateur.arreter(); });
    QElapsedTimer duree;
    duree.start();
    telecharger(simulateur);
    EXPECT_LT(duree.elapsed(), 15000) << "jamais d'attente sans fin";
    EXPECT_TRUE(Magasin().Abandon);
    EXPECT_EQ(Magasin().Compteur_Essais, 4);
    EXPECT_FALSE(Magasin().Donnees_Chargees);
    EXPECT_FALSE(liaison().Ouverte());
}

TEST_F(Telechargement_Test, AnnulerPendantLaReception) {
    Simulateur simulateur({"--rapide", "--pause", "50000:10000"});
    QTimer::singleShot(1500, annuler_comme_la_fenetre);
    QElapsedTimer duree;
    duree.start();
    telecharger(simulateur);
    EXPECT_LT(duree.elapsed(), 5000) << "l'annulation agit tout de suite";
    EXPECT_TRUE(Magasin().Abandon);
    EXPECT_EQ(Magasin().Compteur_Essais, 0);
    EXPECT_FALSE(Magasin().Donnees_Chargees);
    EXPECT_EQ(Magasin().Tab_Leq(1, 1), 0) << "rien n'a été décodé";
}

TEST_F(Telechargement_Test, AnnulerPendantLeDecodageArreteAuPremierEnregistrementSuivant) {
    Simulateur simulateur({"--rapide"});
    // Le premier pas du décodage (enregistrement 512) voit l'annulation.
    Installer_Vue_Progression({{}, [] {
                                   if (Etat_Progression().ProgressBar_Classement >= 3)
                                       Magasin().Abandon = true;
                               }});
    telecharger(simulateur);
    const auto reference = std::make_unique<Declarations>();
    const QByteArray image = Generer_Image();
    EXPECT_TRUE(Magasin().Abandon);
    EXPECT_FALSE(Magasin().Donnees_Chargees);
    auto& M = Magasin();
    EXPECT_EQ(M.Tab_Leq(511, 8), BCD(static_cast<std::uint8_t>(image[510 * 8 + 7])));
    EXPECT_EQ(M.Tab_Leq(512, 1), BCD(static_cast<std::uint8_t>(image[511 * 8])));
    EXPECT_EQ(M.Tab_Leq(512, 2), 0);
    EXPECT_EQ(M.Tab_Evenements(1, 1), 0);
}

TEST_F(Telechargement_Test, UnPortQuiNeSOuvrePlus) {
    Ports_Serie::Definir_Chemins({QStringLiteral("/dev/lqm-port-debranche")});
    Magasin().Num_Port = 1;
    Magasin().Donnees_Chargees = true;
    Telechargement();
    ASSERT_EQ(plateforme.messages.size(), 1u);
    EXPECT_EQ(plateforme.messages[0].texte,
              QStringLiteral("Impossible d'ouvrir le port COM 1. Vérifiez qu'aucun autre "
                             "logiciel ne l'utilise !!!"));
    EXPECT_EQ(plateforme.messages[0].titre, QStringLiteral("Erreur de transmission"));
    EXPECT_EQ(plateforme.messages[0].icone, Icone::Critique);
    EXPECT_FALSE(Magasin().Donnees_Chargees);
    EXPECT_TRUE(Magasin().Abandon);
    EXPECT_EQ(Magasin().Compteur_Essais, Essais_Port_Indisponible);
}

} // namespace
