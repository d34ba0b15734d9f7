#include "store/Declarations.h"
#include "store/Validite.h"

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

// Une ligne : minute, heure, jour, genre, mois, année, unités, centaines.
using Ligne = std::array<std::int16_t, 8>;

TEST(Validite, NiveauEtBornesDeLHorodatage) {
    EXPECT_EQ(Niveau_dB(Ligne{5, 14, 3, 1, 3, 8, 5, 1}.data()), 105);
    EXPECT_EQ(Niveau_dB(Ligne{5, 14, 3, 1, 3, 8, 85, 0}.data()), 85);
    // L'année 98 (2098) est la dernière valide ; la colonne 4 n'entre pas dans l'horodatage.
    for (const Ligne& l :
         {Ligne{0, 0, 1, 1, 1, 0}, Ligne{59, 23, 31, 10, 12, 98}, Ligne{0, 0, 1, 255, 1, 8}})
        EXPECT_TRUE(Horodatage_Valide(l.data()));
    for (const Ligne& l :
         {Ligne{0, 0, 1, 1, 1, 99}, Ligne{60, 0, 1, 1, 1, 8}, Ligne{0, 24, 1, 1, 1, 8},
          Ligne{0, 0, 0, 1, 1, 8}, Ligne{0, 0, 32, 1, 1, 8}, Ligne{0, 0, 1, 1, 0, 8},
          Ligne{0, 0, 1, 1, 13, 8}, Ligne{-1, 0, 1, 1, 1, 8}})
        EXPECT_FALSE(Horodatage_Valide(l.data()))
            << l[0] << ' ' << l[1] << ' ' << l[2] << ' ' << l[4];
}

TEST(Validite, UneLigneDeMesureA255EnColonne7Ou8EstVide) {
    EXPECT_TRUE(Ligne_Mesure_Valide(Ligne{0, 12, 1, 1, 1, 8, 85, 0}.data()));
    EXPECT_FALSE(Ligne_Mesure_Valide(Ligne{0, 12, 1, 1, 1, 8, 255, 0}.data()));
    EXPECT_FALSE(Ligne_Mesure_Valide(Ligne{0, 12, 1, 1, 1, 8, 85, 255}.data()));
    const Ligne vide{255, 255, 255, 255, 255, 255, 255, 255};
    EXPECT_FALSE(Ligne_Mesure_Valide(vide.data()) || Ligne_Parametres_Valide(vide.data()));
    // Les jeux de paramètres ne regardent que l'horodatage.
    EXPECT_TRUE(Ligne_Parametres_Valide(Ligne{0, 12, 1, 1, 1, 8, 255, 255}.data()));
}

} // namespace
