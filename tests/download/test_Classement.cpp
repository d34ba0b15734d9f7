#include "download/Classement.h"
#include "store/Declarations.h"
#include "support/Classement_Litteral.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

struct Table {
    std::size_t lignes, colonnes;
    std::vector<std::int16_t> cellules;
};

// Beaucoup d'égalités sur chaque clé, des lignes qui ne diffèrent que hors horodatage,
// et des lignes invalides de toutes les sortes.
Table table_au_hasard(std::mt19937& alea, std::size_t lignes, std::size_t colonnes, int etendue) {
    Table t{lignes, colonnes, std::vector<std::int16_t>(lignes * colonnes)};
    auto entre = [&](int a, int b) {
        return static_cast<std::int16_t>(std::uniform_int_distribution<int>(a, b)(alea));
    };
    for (std::size_t i = 0; i < lignes; ++i) {
        std::int16_t* l = t.cellules.data() + i * colonnes;
        for (std::size_t j = 0; j < colonnes; ++j)
            l[j] = entre(0, 99);
        l[0] = entre(0, etendue);
        l[1] = entre(0, etendue);
        l[2] = entre(1, 1 + etendue);
        l[3] = entre(0, 2) ? 1 : 10;
        l[4] = entre(1, 1 + etendue);
        l[5] = entre(7, 8 + etendue);
        if (colonnes > 7)
            l[7] = entre(0, 1);
        // Environ deux lignes sur cinq cassent une règle de validité (colonne, valeur).
        const int colonne[] = {4, 5, 2, 6, 7, 0, 1, 2, 4, 5, 0, 3};
        const int valeur[] = {13,           99, 0, 255, 255, 60, 24, 32, 0, 98, entre(100, 165),
                              entre(0, 255)};
        const int tirage = entre(0, 30);
        if (tirage == 12)
            std::fill(l, l + colonnes, std::int16_t{255});
        else if (tirage < 12)
            l[colonne[tirage]] = static_cast<std::int16_t>(valeur[tirage]);
    }
    return t;
}

// Le tri rapide sur une table de taille quelconque (la surcharge sans patron).
void (*const Tri_Rapide)(std::int16_t*, std::size_t, std::size_t, bool,
                         const Rappels_Classement&) = Classer_Table;

// Trie avec « tri » ; rend les cellules et les rappels ('E' événements, 'P' progression).
template <class Tri>
std::pair<std::vector<std::int16_t>, std::string> classer(Table t, bool t78, Tri tri,
                                                          long abandon_au_pas = -1) {
    std::string appels;
    long pas = 0;
    tri(t.cellules.data(), t.lignes, t.colonnes, t78,
        {[&] {
             appels += 'E';
             ++pas;
         },
         [&] { appels += 'P'; }, [&] { return abandon_au_pas > 0 && pas >= abandon_au_pas; }});
    return {std::move(t.cellules), appels};
}

void comparer_a_l_oracle(const Table& t, bool t78, long abandon_au_pas = -1) {
    ASSERT_EQ(classer(t, t78, Tri_Rapide, abandon_au_pas),
              classer(t, t78, Classer_Litteral, abandon_au_pas))
        << t.lignes << " lignes, arrêt au pas " << abandon_au_pas;
}

TEST(Classement, MemeOrdreEtMemesRappelsQueLesCinqPassesAvecOuSansArret) {
    std::mt19937 alea(20141205);
    const std::size_t tailles[] = {0, 1, 2, 3, 4, 5, 7, 8, 9, 16, 31, 64, 100, 511, 512, 513, 1025};
    for (int etendue : {0, 1, 2, 5, 30})
        for (std::size_t lignes : tailles)
            for (int r = 0; r < (lignes > 500 ? 4 : 60); ++r) {
                const std::size_t colonnes = (r % 3 == 0) ? 48 : 8;
                comparer_a_l_oracle(table_au_hasard(alea, lignes, colonnes, etendue),
                                    colonnes == 8 && r % 2 == 0);
            }
    // Un arrêt en pleine passe rend la main à la fin de cette passe, comme l'ordre de référence.
    for (int r = 0; r < 200; ++r) {
        const std::size_t lignes = 1 + alea() % 1500;
        const Table t = table_au_hasard(alea, lignes, 8, static_cast<int>(alea() % 4));
        comparer_a_l_oracle(t, true, 1 + static_cast<long>(alea() % (5 * lignes + 1)));
    }
}

// Les trois tables du magasin, à leur vraie taille : les mesures et les événements
// écartent les colonnes 7 et 8 à 255, pas les paramètres ; 80, 40 et 10 pas de progression.
TEST(Classement, LesTablesDuMagasinAvecLeursReglesEtLeurProgression) {
    auto& M = Magasin();
    M.reinitialiser();
    std::mt19937 alea(7);
    auto essayer = [&](auto& tableau, std::size_t l, std::size_t c, bool t78,
                       void (*classer_m)(Declarations&), int pas) {
        const Table t = table_au_hasard(alea, l, c, 2);
        std::copy(t.cellules.begin(), t.cellules.end(), tableau.ligne(1));
        const int avant = M.Pas_Progression;
        classer_m(M);
        EXPECT_EQ(M.Pas_Progression - avant, pas) << l;
        const auto attendu = classer(t, t78, Classer_Litteral).first;
        EXPECT_TRUE(std::equal(attendu.begin(), attendu.end(), tableau.ligne(1))) << l;
    };
    essayer(M.Tab_Leq, Nb_Lignes_Leq, 8, true, Classement_Leq, 80);
    essayer(M.Tab_Evenements, Nb_Lignes_Evenements, 8, true, Classement_Evenements, 40);
    essayer(M.Tab_Parametres, Nb_Lignes_Parametres, 48, false, Classement_Parametres, 10);
    M.reinitialiser();
}

} // namespace
