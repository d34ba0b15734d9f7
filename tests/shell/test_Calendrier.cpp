#include "shell/Calendrier.h"
#include "store/Declarations.h"

#include <gtest/gtest.h>

namespace {

TEST(Calendrier, NomsDesMoisSurNeufCaracteres) {
    EXPECT_EQ(Nom_Mois(1), QStringLiteral(" Janvier "));
    EXPECT_EQ(Nom_Mois(2), QStringLiteral(" Février "));
    EXPECT_EQ(Nom_Mois(3), QStringLiteral("  Mars   "));
    EXPECT_EQ(Nom_Mois(8), QStringLiteral("  Août   "));
    EXPECT_EQ(Nom_Mois(9), QStringLiteral("Septembre"));
    EXPECT_EQ(Nom_Mois(11), QStringLiteral("Novembre "));
    EXPECT_EQ(Nom_Mois(12), QStringLiteral("Décembre "));
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(Nom_Mois(m).size(), 9) << m;
    EXPECT_EQ(Nom_Mois(0), QString());
    EXPECT_EQ(Nom_Mois(13), QString());
    EXPECT_EQ(Nom_Mois(-1), QString());
}

TEST(Calendrier, JourDeLaSemaineLuJourDAbord) {
    EXPECT_EQ(Nom_Jour(QStringLiteral("1/1/2014")), QStringLiteral("Mercredi"));
    EXPECT_EQ(Nom_Jour(QStringLiteral("5/1/2014")), QStringLiteral("Dimanche"));
    EXPECT_EQ(Nom_Jour(QStringLiteral("05/01/2014")), QStringLiteral("Dimanche"));
    // Le 6 janvier est un lundi, le 11 un samedi : jour et mois ne sont pas inversés.
    EXPECT_EQ(Nom_Jour(QStringLiteral("6/1/2014")), QStringLiteral(" Lundi  "));
    EXPECT_EQ(Nom_Jour(QStringLiteral("11/1/2014")), QStringLiteral(" Samedi "));
    EXPECT_EQ(Nom_Jour(QStringLiteral("7/1/2014")), QStringLiteral(" Mardi  "));
    EXPECT_EQ(Nom_Jour(QStringLiteral("9/1/2014")), QStringLiteral(" Jeudi  "));
    EXPECT_EQ(Nom_Jour(QStringLiteral("10/1/2014")), QStringLiteral("Vendredi"));
    // Jour bissextile.
    EXPECT_EQ(Nom_Jour(QStringLiteral("29/2/2008")), QStringLiteral("Vendredi"));
    EXPECT_EQ(Nom_Jour(QStringLiteral("29/2/2009")), QString());
    // L'année sur deux chiffres est celle de l'appareil : 2000 + valeur.
    EXPECT_EQ(Nom_Jour(QStringLiteral("5/3/98")), QStringLiteral("Mercredi")); // 5 mars 2098
    EXPECT_EQ(Nom_Jour(QStringLiteral("05/12/08")), QStringLiteral("Vendredi"));
}

TEST(Calendrier, UnTexteQuiNEstPasUneDateDonneUnTexteVide) {
    for (const char* texte : {"", "abc", "1/13/2014", "0/1/2014", "32/1/2014", "1/0/2014", "1/1",
                              "1/1/2014/3", "1-1-2014", "1/1/201", "a/1/2014", "1/ /2014"})
        EXPECT_EQ(Nom_Jour(QString::fromUtf8(texte)), QString()) << texte;
}

TEST(Calendrier, NumeroDeSerieFaitDesChiffresDeChaqueElement) {
    auto& M = Magasin();
    M.reinitialiser();
    Calcul_Num_Serie();
    EXPECT_EQ(M.Num_Serie, QStringLiteral("00000000"));
    const int parties[8] = {5, 12, 0, 99, 7, 10, 1, 23};
    for (int i = 0; i < 8; ++i)
        M.Tab_Config(2361 + i) = static_cast<std::int16_t>(parties[i]);
    M.Tab_Config(2360) = 4;
    M.Tab_Config(2369) = 4;
    Calcul_Num_Serie();
    EXPECT_EQ(M.Num_Serie, QStringLiteral("5120997101"
                                          "23"));
    EXPECT_EQ(M.Ind_i, 2369);
    EXPECT_EQ(M.Chaine_Temp, QStringLiteral("23"));
    M.reinitialiser();
}

} // namespace
