#include "shell/Calendrier.h"
#include "store/Declarations.h"

#include <gtest/gtest.h>

namespace {

// Les tableaux et les noms de fichier alignent les mois sur neuf caractères.
TEST(Calendrier, NomsDesMoisSurNeufCaracteres) {
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(Nom_Mois(m).size(), 9) << m;
    for (int m : {-1, 0, 13})
        EXPECT_EQ(Nom_Mois(m), QString()) << m;
}

TEST(Calendrier, JourDeLaSemaineLuJourDAbord) {
    // Du dimanche 5 au samedi 11 janvier 2014 : jour et mois ne sont pas inversés.
    const char* const semaine[7] = {"Dimanche", " Lundi  ", " Mardi  ", "Mercredi",
                                    " Jeudi  ", "Vendredi", " Samedi "};
    for (int j = 5; j <= 11; ++j)
        EXPECT_EQ(Nom_Jour(QStringLiteral("%1/1/2014").arg(j)), QString::fromUtf8(semaine[j - 5]));
    EXPECT_EQ(Nom_Jour(QStringLiteral("29/02/2008")), QStringLiteral("Vendredi"));
    // L'année sur deux chiffres est celle de l'appareil : 2000 + valeur.
    EXPECT_EQ(Nom_Jour(QStringLiteral("5/3/98")), QStringLiteral("Mercredi"));
    for (const char* texte :
         {"", "1/13/2014", "0/1/2014", "29/2/2009", "1/1", "1/1/2014/3", "1-1-2014", "a/1/2014"})
        EXPECT_EQ(Nom_Jour(QString::fromUtf8(texte)), QString()) << texte;
}

} // namespace
