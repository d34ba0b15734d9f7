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

// Transmission pas à pas, pourcentage à deux chiffres (15 / 213 = 7,04 % : « 07 »), puis
// l'appel qui remplit la transmission fait deux pas de classement, qui s'arrête à 164.
TEST_F(Progression_Test, DeLaTransmissionAuClassementComplet) {
    for (int i = 0; i < 15; ++i)
        Avancer(e, pas);
    EXPECT_EQ(e.ProgressBar_Transmission, 15.0);
    EXPECT_TRUE(e.Label_Pourcentage.endsWith(QStringLiteral(" 07 %.")));

    // Le téléchargement pose la barre à 48 (partie entière du maximum moins un).
    e.ProgressBar_Transmission = 48;
    Avancer(e, pas);
    EXPECT_EQ(e.ProgressBar_Transmission, 49.0);
    EXPECT_EQ(e.ProgressBar_Classement, 2.0);
    EXPECT_TRUE(e.Picture_Transmit_Ok);
    EXPECT_TRUE(e.Label_Pourcentage.endsWith(QStringLiteral(" 23 %.")));

    // 37 appels du décodage, 130 des tris : plus qu'il n'en faut pour remplir la barre.
    for (int i = 0; i < 167; ++i) {
        Avancer(e, pas);
        ASSERT_LE(e.ProgressBar_Classement, 164.0);
    }
    EXPECT_EQ(e.ProgressBar_Classement, 164.0);
    EXPECT_TRUE(e.Picture_Classement_Ok);
    EXPECT_TRUE(e.Label_Pourcentage.endsWith(QStringLiteral(" 100 %.")));
    EXPECT_EQ(pas, 15 + 168);
}

TEST_F(Progression_Test, LaTransmissionPleineSeJugeSurLaPartieEntiere) {
    // 49,0005 a pour partie entière 49 : la transmission est terminée.
    e.ProgressBar_Transmission = 49.0005;
    Avancer(e, pas);
    EXPECT_EQ(e.ProgressBar_Classement, 2.0);
    EXPECT_TRUE(e.Picture_Transmit_Ok);
    // Sans ce coup de pouce, l'appel 49 termine la transmission, les 11 suivants
    // ajoutent 11 au classement.
    e = Etat_Attente_Au_Chargement();
    for (int i = 0; i < 60; ++i)
        Avancer(e, pas);
    EXPECT_EQ(e.ProgressBar_Transmission, 49.0);
    EXPECT_EQ(e.ProgressBar_Classement, 13.0);
}

} // namespace
