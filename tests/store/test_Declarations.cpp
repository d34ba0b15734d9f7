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

TEST_F(Magasin_Test, ToutEstAZeroAuDepartEtLaRemiseAZeroEffaceChaqueVariable) {
    auto& M = Magasin();
    M.Tab_Leq(8192, 8) = 255;
    M.Tab_Evenements(4096, 8) = 4;
    M.Tab_Config(2361) = 12;
    M.Tab_Parametres(682, 48) = 3;
    M.Tab_Leq1(5, 5) = 1;
    M.Tab_Leq10(5, 5) = 1;
    M.Tab_Jours_Graph(8, 3) = QStringLiteral("2014");
    M.Jour_Debut = QStringLiteral("5");
    M.Annee_Fin = QStringLiteral("2014");
    M.Index_Debut = 4;
    M.Nb_Leq1 = 9;
    M.Donnees_Chargees = true;
    M.Abandon = true;
    M.Num_Port = 3;
    M.Compteur_Essais = 4;
    M.Duree_Graph = 7;
    M.Type_Affichage = QStringLiteral("Tableau Leq");
    M.Chaine_Temp = QStringLiteral("x");
    M.Ind_k = 12;
    M.Temps_Depart = 5.0;

    M.reinitialiser();

    EXPECT_EQ(M.Tab_Leq(8192, 8), 0);
    EXPECT_EQ(M.Tab_Evenements(4096, 8), 0);
    EXPECT_EQ(M.Tab_Config(2361), 0);
    EXPECT_EQ(M.Tab_Parametres(682, 48), 0);
    EXPECT_EQ(M.Tab_Leq1(5, 5), 0);
    EXPECT_EQ(M.Tab_Leq10(5, 5), 0);
    EXPECT_TRUE(M.Tab_Jours_Graph(8, 3).isEmpty());
    EXPECT_TRUE(M.Jour_Debut.isEmpty());
    EXPECT_TRUE(M.Annee_Fin.isEmpty());
    EXPECT_EQ(M.Index_Debut, 0);
    EXPECT_EQ(M.Nb_Leq1, 0);
    EXPECT_FALSE(M.Donnees_Chargees);
    EXPECT_FALSE(M.Abandon);
    EXPECT_EQ(M.Num_Port, 0);
    EXPECT_EQ(M.Compteur_Essais, 0);
    EXPECT_EQ(M.Duree_Graph, 0);
    EXPECT_TRUE(M.Type_Affichage.isEmpty());
    EXPECT_TRUE(M.Chaine_Temp.isEmpty());
    EXPECT_EQ(M.Ind_k, 0);
    EXPECT_EQ(M.Temps_Depart, 0.0);
}

std::array<std::int16_t, 8> ligne_leq(int minute, int heure, int jour, int genre, int mois,
                                      int annee, int unites, int centaines) {
    return {static_cast<std::int16_t>(minute), static_cast<std::int16_t>(heure),
            static_cast<std::int16_t>(jour),   static_cast<std::int16_t>(genre),
            static_cast<std::int16_t>(mois),   static_cast<std::int16_t>(annee),
            static_cast<std::int16_t>(unites), static_cast<std::int16_t>(centaines)};
}

TEST(Validite, NiveauEnDeuxParties) {
    EXPECT_EQ(Niveau_dB(ligne_leq(5, 14, 3, 1, 3, 8, 5, 1).data()), 105);
    EXPECT_EQ(Niveau_dB(ligne_leq(5, 14, 3, 1, 3, 8, 85, 0).data()), 85);
}

TEST(Validite, BornesDeLHorodatage) {
    EXPECT_TRUE(Horodatage_Valide(ligne_leq(0, 0, 1, 1, 1, 0, 0, 0).data()));
    EXPECT_TRUE(Horodatage_Valide(ligne_leq(59, 23, 31, 10, 12, 98, 0, 0).data()));
    // L'année 98 (2098) est la dernière valide ; 99 ne l'est pas.
    EXPECT_FALSE(Horodatage_Valide(ligne_leq(0, 0, 1, 1, 1, 99, 0, 0).data()));
    EXPECT_FALSE(Horodatage_Valide(ligne_leq(60, 0, 1, 1, 1, 8, 0, 0).data()));
    EXPECT_FALSE(Horodatage_Valide(ligne_leq(0, 24, 1, 1, 1, 8, 0, 0).data()));
    EXPECT_FALSE(Horodatage_Valide(ligne_leq(0, 0, 0, 1, 1, 8, 0, 0).data()));
    EXPECT_FALSE(Horodatage_Valide(ligne_leq(0, 0, 32, 1, 1, 8, 0, 0).data()));
    EXPECT_FALSE(Horodatage_Valide(ligne_leq(0, 0, 1, 1, 0, 8, 0, 0).data()));
    EXPECT_FALSE(Horodatage_Valide(ligne_leq(0, 0, 1, 1, 13, 8, 0, 0).data()));
    EXPECT_FALSE(Horodatage_Valide(ligne_leq(-1, 0, 1, 1, 1, 8, 0, 0).data()));
    // La colonne 4 n'entre pas dans l'horodatage.
    EXPECT_TRUE(Horodatage_Valide(ligne_leq(0, 0, 1, 255, 1, 8, 0, 0).data()));
}

TEST(Validite, UneLigneDeMesureA255EnColonne7Ou8EstVide) {
    EXPECT_TRUE(Ligne_Mesure_Valide(ligne_leq(0, 12, 1, 1, 1, 8, 85, 0).data()));
    EXPECT_FALSE(Ligne_Mesure_Valide(ligne_leq(0, 12, 1, 1, 1, 8, 255, 0).data()));
    EXPECT_FALSE(Ligne_Mesure_Valide(ligne_leq(0, 12, 1, 1, 1, 8, 85, 255).data()));
    const auto vide = ligne_leq(255, 255, 255, 255, 255, 255, 255, 255);
    EXPECT_FALSE(Ligne_Mesure_Valide(vide.data()));
    EXPECT_FALSE(Ligne_Parametres_Valide(vide.data()));
    // Les jeux de paramètres ne regardent que l'horodatage.
    EXPECT_TRUE(Ligne_Parametres_Valide(ligne_leq(0, 12, 1, 1, 1, 8, 255, 255).data()));
}

} // namespace
