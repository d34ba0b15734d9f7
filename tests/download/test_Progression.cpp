#include "download/Progression.h"
#include "store/Declarations.h"

#include <gtest/gtest.h>

namespace {

class Progression_Test : public ::testing::Test {
protected:
    void SetUp() override { Magasin().reinitialiser(); }
    void TearDown() override { Magasin().reinitialiser(); }
    Etat_Attente e = Etat_Attente_Au_Chargement();
    std::int32_t pas = 0;
};

TEST_F(Progression_Test, TextesAuChargement) {
    EXPECT_EQ(e.Label_Transmission, QStringLiteral("Transmission en cours ..."));
    EXPECT_EQ(e.Label_Classement,
              QStringLiteral("Attente de fin de transmission pour classement..."));
    EXPECT_EQ(e.Label_Traitement, QStringLiteral(" Traitement des données en cours ..."));
    EXPECT_EQ(e.Label_Pourcentage, QStringLiteral("Traitement des données effectué à 00 %."));
    EXPECT_FALSE(e.Picture_Transmit_Ok);
    EXPECT_FALSE(e.Picture_Classement_Ok);
    EXPECT_EQ(e.ProgressBar_Transmission, 0.0);
}

TEST_F(Progression_Test, LaTransmissionAvancePasAPasAvecUnPourcentageADeuxChiffres) {
    Avancer(e, pas);
    EXPECT_EQ(pas, 1);
    EXPECT_EQ(e.ProgressBar_Transmission, 1.0);
    EXPECT_EQ(e.ProgressBar_Classement, 0.0);
    EXPECT_EQ(e.ProgressBar_Traitement, 1.0);
    EXPECT_EQ(e.Label_Pourcentage, QStringLiteral("Traitement des données effectué à 00 %."));
    for (int i = 0; i < 14; ++i)
        Avancer(e, pas);
    // 15 / 213 = 7,04 % : « 07 ».
    EXPECT_EQ(e.Label_Pourcentage, QStringLiteral("Traitement des données effectué à 07 %."));
    EXPECT_EQ(Magasin().Chaine_Temp, QStringLiteral("07"));
    EXPECT_EQ(e.Label_Transmission, QStringLiteral("Transmission en cours ..."));
}

TEST_F(Progression_Test, LAppelQuiTermineLaTransmissionFaitAussiDeuxPasDeClassement) {
    // Le téléchargement pose la barre à 48 (partie entière du maximum moins un).
    e.ProgressBar_Transmission = 48;
    Avancer(e, pas);
    EXPECT_EQ(e.ProgressBar_Transmission, 49.0);
    EXPECT_EQ(e.ProgressBar_Classement, 2.0);
    EXPECT_EQ(e.ProgressBar_Traitement, 51.0);
    EXPECT_EQ(e.Label_Transmission, QStringLiteral("Transmission effectuée avec succès !!!"));
    EXPECT_TRUE(e.Picture_Transmit_Ok);
    EXPECT_EQ(e.Label_Classement, QStringLiteral("Classement des données en cours ..."));
    EXPECT_FALSE(e.Picture_Classement_Ok);
    EXPECT_EQ(e.Label_Pourcentage, QStringLiteral("Traitement des données effectué à 23 %."));
}

TEST_F(Progression_Test, LeClassementSArreteA164QuelQueSoitLeNombreDAppels) {
    e.ProgressBar_Transmission = 48;
    Avancer(e, pas);
    // 37 appels du décodage, 130 des tris : bien plus qu'il n'en faut pour remplir la barre.
    for (int i = 0; i < 167; ++i) {
        Avancer(e, pas);
        ASSERT_LE(e.ProgressBar_Classement, 164.0);
    }
    EXPECT_EQ(e.ProgressBar_Classement, 164.0);
    EXPECT_EQ(e.ProgressBar_Transmission, 49.0);
    EXPECT_EQ(e.ProgressBar_Traitement, 213.0);
    EXPECT_EQ(e.Label_Classement, QStringLiteral("Classement effectué avec succès !!!"));
    EXPECT_TRUE(e.Picture_Classement_Ok);
    EXPECT_EQ(e.Label_Pourcentage, QStringLiteral("Traitement des données effectué à 100 %."));
    EXPECT_EQ(e.Label_Transmission, QStringLiteral("Transmission effectuée avec succès !!!"));
    EXPECT_EQ(pas, 168);
}

TEST_F(Progression_Test, UneValeurJusteSousLeMaximumCompteCommePleine) {
    // 49,0005 a pour partie entière 49 : la transmission est terminée.
    e.ProgressBar_Transmission = 49.0005;
    Avancer(e, pas);
    EXPECT_EQ(e.ProgressBar_Classement, 2.0);
    EXPECT_TRUE(e.Picture_Transmit_Ok);
}

TEST_F(Progression_Test, SansDemarrageDeLaTransmissionLeClassementNAvancePas) {
    // La barre de transmission ne bouge qu'avant le classement, et le classement n'avance
    // qu'une fois la transmission pleine.
    for (int i = 0; i < 60; ++i)
        Avancer(e, pas);
    EXPECT_EQ(e.ProgressBar_Transmission, 49.0);
    // L'appel 49 termine la transmission (classement à 2), les 11 suivants ajoutent 11.
    EXPECT_EQ(e.ProgressBar_Classement, 13.0);
}

TEST_F(Progression_Test, ProgressionCompteDansLeMagasinEtPrevientLaVue) {
    int avant = 0, apres = 0;
    Installer_Vue_Progression({[&] { ++avant; }, [&] { ++apres; }});
    Etat_Progression() = Etat_Attente_Au_Chargement();
    Progression();
    Progression();
    EXPECT_EQ(avant, 2);
    EXPECT_EQ(apres, 2);
    EXPECT_EQ(Magasin().Pas_Progression, 2);
    EXPECT_EQ(Etat_Progression().ProgressBar_Transmission, 2.0);
    Installer_Vue_Progression({});
    Etat_Progression() = Etat_Attente_Au_Chargement();
}

} // namespace
