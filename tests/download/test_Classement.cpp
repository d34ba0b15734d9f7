#include "download/Classement.h"
#include "store/Declarations.h"
#include "support/Classement_Litteral.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

// Tables de lignes de taille quelconque, pour comparer le tri rapide à l'oracle.
struct Table {
    std::size_t lignes, colonnes;
    std::vector<std::int16_t> cellules;
    Table(std::size_t l, std::size_t c) : lignes(l), colonnes(c), cellules(l * c) {}
    std::int16_t* ligne(std::size_t i) { return cellules.data() + (i - 1) * colonnes; }
};

// Beaucoup d'égalités sur chaque clé, des lignes qui ne diffèrent que hors horodatage,
// et des lignes invalides de toutes les sortes.
Table table_au_hasard(std::mt19937& alea, std::size_t lignes, std::size_t colonnes, int etendue) {
    Table t(lignes, colonnes);
    auto entre = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(alea); };
    for (std::size_t i = 1; i <= lignes; ++i) {
        std::int16_t* l = t.ligne(i);
        for (std::size_t j = 0; j < colonnes; ++j)
            l[j] = static_cast<std::int16_t>(entre(0, 99));
        l[0] = static_cast<std::int16_t>(entre(0, etendue));     // minute
        l[1] = static_cast<std::int16_t>(entre(0, etendue));     // heure
        l[2] = static_cast<std::int16_t>(entre(1, 1 + etendue)); // jour
        l[3] = static_cast<std::int16_t>(entre(0, 2) ? 1 : 10);  // genre
        l[4] = static_cast<std::int16_t>(entre(1, 1 + etendue)); // mois
        l[5] = static_cast<std::int16_t>(entre(7, 8 + etendue)); // année
        l[6] = static_cast<std::int16_t>(entre(0, 99));
        if (colonnes > 7)
            l[7] = static_cast<std::int16_t>(entre(0, 1));
        switch (entre(0, 30)) {
        case 0:
            l[4] = 13;
            break;
        case 1:
            l[5] = 99;
            break;
        case 2:
            l[2] = 0;
            break;
        case 3:
            l[6] = 255;
            break;
        case 4:
            l[7] = 255;
            break;
        case 5:
            l[0] = 60;
            break;
        case 6:
            l[1] = 24;
            break;
        case 7:
            l[2] = 32;
            break;
        case 8:
            l[4] = 0;
            break;
        case 9:
            std::fill(l, l + colonnes, std::int16_t{255});
            break;
        case 10:
            l[3] = static_cast<std::int16_t>(entre(0, 255));
            break;
        case 11:
            l[5] = 98;
            break;
        case 12:
            l[0] = static_cast<std::int16_t>(entre(100, 165));
            break;
        default:
            break;
        }
    }
    return t;
}

// Le tri rapide sur une table de taille quelconque (la surcharge sans patron).
void (*const Tri_Rapide)(std::int16_t*, std::size_t, std::size_t, bool,
                         const Rappels_Classement&) = Classer_Table;

struct Resultat {
    std::vector<std::int16_t> cellules;
    std::string appels; // 'E' événements, 'P' progression, dans l'ordre
};

template <class Tri> Resultat classer(Table t, bool t78, Tri tri, long abandon_au_pas = -1) {
    Resultat r;
    long pas = 0;
    bool abandon = false;
    Rappels_Classement rappels{[&] {
                                   r.appels += 'E';
                                   if (++pas == abandon_au_pas)
                                       abandon = true;
                               },
                               [&] { r.appels += 'P'; }, [&] { return abandon; }};
    tri(t.cellules.data(), t.lignes, t.colonnes, t78, rappels);
    r.cellules = std::move(t.cellules);
    return r;
}

void comparer_a_l_oracle(const Table& t, bool t78, long abandon_au_pas = -1) {
    const Resultat attendu = classer(t, t78, Classer_Litteral, abandon_au_pas);
    const Resultat obtenu = classer(t, t78, Tri_Rapide, abandon_au_pas);
    ASSERT_EQ(obtenu.appels, attendu.appels)
        << t.lignes << " lignes, arrêt au pas " << abandon_au_pas;
    ASSERT_EQ(obtenu.cellules, attendu.cellules)
        << t.lignes << " lignes, arrêt au pas " << abandon_au_pas;
}

TEST(Classement, MemeOrdreQueLesCinqPassesSurDesMilliersDeTables) {
    std::mt19937 alea(20141205);
    const std::size_t tailles[] = {0, 1, 2, 3, 4, 5, 7, 8, 9, 16, 31, 64, 100, 511, 512, 513, 1025};
    int tables = 0;
    for (int etendue : {0, 1, 2, 5, 30}) {
        for (std::size_t lignes : tailles) {
            const int repetitions = lignes > 500 ? 4 : 60;
            for (int r = 0; r < repetitions; ++r) {
                const std::size_t colonnes = (r % 3 == 0) ? 48 : 8;
                const bool t78 = colonnes == 8 && r % 2 == 0;
                comparer_a_l_oracle(table_au_hasard(alea, lignes, colonnes, etendue), t78);
                ++tables;
            }
        }
    }
    EXPECT_GT(tables, 3000);
}

TEST(Classement, MemeOrdreQueLesCinqPassesSurDesTablesPleines) {
    std::mt19937 alea(8192);
    comparer_a_l_oracle(table_au_hasard(alea, 8192, 8, 2), true);
    comparer_a_l_oracle(table_au_hasard(alea, 8192, 8, 30), true);
    comparer_a_l_oracle(table_au_hasard(alea, 4096, 8, 1), true);
    comparer_a_l_oracle(table_au_hasard(alea, 682, 48, 3), false);
}

TEST(Classement, UnArretEnPleinePasseRendLaMainALaFinDeCettePasse) {
    std::mt19937 alea(99);
    for (int r = 0; r < 200; ++r) {
        const std::size_t lignes = 1 + alea() % 1500;
        const Table t = table_au_hasard(alea, lignes, 8, static_cast<int>(alea() % 4));
        const long pas = 1 + static_cast<long>(alea() % (5 * lignes + 1));
        comparer_a_l_oracle(t, true, pas);
    }
    // Arrêt au milieu de la deuxième passe d'une table de 2000 lignes : pas de progression
    // après l'arrêt, et la table n'est triée que par année.
    std::mt19937 alea2(5);
    const Table t = table_au_hasard(alea2, 2000, 8, 3);
    const Resultat r = classer(t, true, Classer_Litteral, 1999 + 1000);
    const Resultat rapide = classer(t, true, Tri_Rapide, 1999 + 1000);
    EXPECT_EQ(rapide.cellules, r.cellules);
    EXPECT_EQ(std::count(rapide.appels.begin(), rapide.appels.end(), 'P'), 3 + 1 + 1);
    EXPECT_EQ(rapide.appels.back(), 'E');
}

class Classement_Magasin : public ::testing::Test {
protected:
    void SetUp() override { Magasin().reinitialiser(); }
    void TearDown() override { Magasin().reinitialiser(); }

    static void remplir_en_ordre() {
        auto& M = Magasin();
        // Une mesure par minute depuis le 1er mars 2008 à minuit, déjà dans l'ordre.
        for (int i = 1; i <= Nb_Lignes_Leq; ++i) {
            const int minutes = i - 1;
            const std::int16_t l[8] = {static_cast<std::int16_t>(minutes % 60),
                                       static_cast<std::int16_t>(minutes / 60 % 24),
                                       static_cast<std::int16_t>(1 + minutes / 1440),
                                       1,
                                       3,
                                       8,
                                       static_cast<std::int16_t>(40 + i % 50),
                                       0};
            std::copy(l, l + 8, M.Tab_Leq.ligne(i));
        }
    }
};

TEST_F(Classement_Magasin, UneTableDejaEnOrdreNeBougePasEtLaProgressionSuitQuandMeme) {
    remplir_en_ordre();
    const auto avant = Magasin().Tab_Leq;
    Classement_Leq();
    EXPECT_EQ(Magasin().Tab_Leq, avant);
    EXPECT_EQ(Magasin().Pas_Progression, 80);
}

TEST_F(Classement_Magasin, NombreDAppelsDeProgressionParTable) {
    auto& M = Magasin();
    // Un magasin jamais rempli : tout est invalide (jour 0, mois 0), tout devient 255.
    Classement_Leq();
    EXPECT_EQ(M.Pas_Progression, 80);
    Classement_Evenements();
    EXPECT_EQ(M.Pas_Progression, 120);
    Classement_Parametres();
    EXPECT_EQ(M.Pas_Progression, 130);
    EXPECT_EQ(M.Tab_Leq(1, 1), 255);
    EXPECT_EQ(M.Tab_Evenements(4096, 8), 255);
    EXPECT_EQ(M.Tab_Parametres(682, 48), 255);
}

TEST_F(Classement_Magasin, LesLignesInvalidesDeviennent255EtPassentALaFin) {
    auto& M = Magasin();
    remplir_en_ordre();
    M.Tab_Leq(1, 5) = 13;  // mois 13
    M.Tab_Leq(2, 6) = 99;  // année 99
    M.Tab_Leq(3, 3) = 0;   // jour 0
    M.Tab_Leq(4, 7) = 255; // niveau vide
    M.Tab_Leq(5, 4) = 255; // genre inconnu : la ligne reste valide
    const std::int16_t cinquieme[8] = {4, 0, 1, 255, 3, 8, 45, 0};
    Classement_Leq();
    // Les quatre lignes invalides sont à la fin, 255 partout.
    for (int i = Nb_Lignes_Leq - 3; i <= Nb_Lignes_Leq; ++i)
        for (int j = 1; j <= 8; ++j)
            EXPECT_EQ(M.Tab_Leq(i, j), 255) << i << "," << j;
    EXPECT_TRUE(std::equal(cinquieme, cinquieme + 8, M.Tab_Leq.ligne(1)));
    EXPECT_EQ(M.Tab_Leq(2, 1), 5);
}

TEST_F(Classement_Magasin, LesParametresNeRegardentPasLesColonnes7Et8) {
    auto& M = Magasin();
    const std::int16_t jeu[6] = {30, 10, 5, 0, 4, 9};
    std::copy(jeu, jeu + 6, M.Tab_Parametres.ligne(2));
    M.Tab_Parametres(2, 7) = 255;
    M.Tab_Parametres(2, 8) = 255;
    M.Tab_Parametres(2, 48) = 17;
    Classement_Parametres();
    EXPECT_EQ(M.Tab_Parametres(1, 1), 30);
    EXPECT_EQ(M.Tab_Parametres(1, 7), 255);
    EXPECT_EQ(M.Tab_Parametres(1, 48), 17);
    EXPECT_EQ(M.Tab_Parametres(2, 6), 255);
}

TEST_F(Classement_Magasin, EchangeDeDeuxLignesEntieres) {
    auto& M = Magasin();
    for (int j = 1; j <= Nb_Colonnes_Parametres; ++j) {
        M.Tab_Parametres(1, j) = static_cast<std::int16_t>(j);
        M.Tab_Parametres(682, j) = static_cast<std::int16_t>(-j);
    }
    Echange_Parametres(1, 682);
    EXPECT_EQ(M.Tab_Parametres(1, 48), -48);
    EXPECT_EQ(M.Tab_Parametres(682, 1), 1);
    M.Tab_Leq(3, 8) = 1;
    Echange_Leq(3, 8192);
    EXPECT_EQ(M.Tab_Leq(8192, 8), 1);
    EXPECT_EQ(M.Tab_Leq(3, 8), 0);
    M.Tab_Evenements(1, 7) = 64;
    Echange_Evenements(1, 1);
    EXPECT_EQ(M.Tab_Evenements(1, 7), 64);
}

} // namespace
