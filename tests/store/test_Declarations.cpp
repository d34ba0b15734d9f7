#include "store/Declarations.h"

#include <gtest/gtest.h>

namespace {

class Magasin_Test : public ::testing::Test {
protected:
    void SetUp() override { Magasin().reinitialiser(); }
    void TearDown() override { Magasin().reinitialiser(); }
};

TEST_F(Magasin_Test, LesTablesSontRangeesLigneParLigneEtBornees) {
    auto& M = Magasin();
    M.Tab_Leq(1, 8) = 11;
    EXPECT_EQ(M.Tab_Leq.ligne(2)[-1], 11);
    // Une cellule hors de la table arrête le programme, construction optimisée comprise.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(M.Tab_Leq(8193, 1) = 1, "hors des bornes");
    EXPECT_DEATH(M.Tab_Parametres(1, 49) = 1, "hors des bornes");
    EXPECT_DEATH(M.Tab_Config(0) = 1, "hors des bornes");
}

// Une variable oubliée par la remise à zéro garderait les données d'avant.
TEST_F(Magasin_Test, LaRemiseAZeroEffaceChaqueSorteDeVariable) {
    auto& M = Magasin();
    M.Tab_Parametres(682, 48) = 3;
    M.Tab_Leq10(5, 5) = 1;
    M.Tab_Jours_Graph(8, 3) = QStringLiteral("2014");
    M.Annee_Fin = QStringLiteral("2014");
    M.Nb_Leq1 = 9, M.Compteur_Essais = 4, M.Temps_Depart = 5.0;
    M.Donnees_Chargees = M.Abandon = true;
    M.reinitialiser();
    EXPECT_EQ(M.Tab_Parametres(682, 48) + M.Tab_Leq10(5, 5), 0);
    EXPECT_TRUE(M.Tab_Jours_Graph(8, 3).isEmpty() && M.Annee_Fin.isEmpty());
    EXPECT_EQ(M.Nb_Leq1 + M.Compteur_Essais, 0);
    EXPECT_FALSE(M.Donnees_Chargees || M.Abandon);
    EXPECT_EQ(M.Temps_Depart, 0.0);
}

} // namespace
