#include "store/Declarations.h"
#include "tables/Evenements.h"
#include "tables/Impression_Tableaux.h"
#include "tables/Lignes_Leq.h"
#include "tables/Periode.h"

#include "support/Outil.h"

#include <QDate>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <random>

namespace {

struct Horodatage {
    int annee, mois, jour, heure, minute;
};

void ecrire(std::int16_t* l, Horodatage h, int c4, int c7, int c8) {
    const int valeurs[8] = {h.minute, h.heure, h.jour, c4, h.mois, h.annee - 2000, c7, c8};
    std::copy(valeurs, valeurs + 8, l);
}

// « j/m/a j/m/a » : les textes de la période tels que le dialogue les écrit.
void periode(const QString& texte) {
    const QStringList p = texte.split(QRegularExpression(QStringLiteral("[/ ]")));
    auto& M = Magasin();
    M.Jour_Debut = p[0], M.Mois_Debut = p[1], M.Annee_Debut = p[2];
    M.Jour_Fin = p[3], M.Mois_Fin = p[4], M.Annee_Fin = p[5];
}

struct Tableaux : ::testing::Test {
    void SetUp() override {
        Magasin().reinitialiser();
        Magasin().Tab_Leq.remplir(255);
        Magasin().Tab_Evenements.remplir(255);
    }
    void TearDown() override { Magasin().reinitialiser(); }
};

// La recherche telle qu'elle s'écrivait d'abord : un cas par forme de période, puis la
// première suite de lignes. « midi » : la période du graphique, de midi à midi.
template <typename Table>
std::pair<int, int> recherche_litterale(const Table& t, int nb, const int (&p)[6], bool midi) {
    const auto [ys, ms, ds, ye, me, de] = p;
    auto dedans = [&](const std::int16_t* l) {
        const int y = 2000 + l[5], m = l[4], d = l[2], h = l[1];
        const bool apres_debut = midi ? d > ds || (d == ds && h >= 12) : d >= ds;
        const bool avant_fin = midi ? d < de || (d == de && h <= 11) : d <= de;
        if (ys == ye && ms == me && de >= ds)
            return y == ys && m == ms && apres_debut && avant_fin;
        if (ys == ye && me > ms)
            return y == ys &&
                   ((m == ms && apres_debut) || (m > ms && m < me) || (m == me && avant_fin));
        return ye > ys &&
               ((y == ys && m == ms && apres_debut) || (y == ys && m > ms) || (y > ys && y < ye) ||
                (y == ye && m < me) || (y == ye && m == me && avant_fin));
    };
    int debut = 0;
    for (int i = 1; i <= nb; ++i) {
        const bool d = dedans(t.ligne(i));
        if (d && debut == 0)
            debut = i;
        if (!d && debut != 0)
            return {debut, i - 1};
    }
    return {debut, debut ? nb : 0};
}

TEST_F(Tableaux, RechercheCommeLaProcedureCasParCas) {
    auto& M = Magasin();
    std::mt19937 alea(7);
    auto un_de = [&](std::initializer_list<int> v) {
        return *(v.begin() + std::uniform_int_distribution<int>(0, int(v.size()) - 1)(alea));
    };
    const std::initializer_list<int> annees{2008, 2009}, mois{1, 2, 12}, jours{1, 2, 30, 31};
    for (int essai = 0; essai < 1000; ++essai) {
        const int remplies = un_de({0, 5, 30});
        for (int i = 1; i <= 30; ++i)
            for (auto* l : {M.Tab_Leq.ligne(i), M.Tab_Evenements.ligne(i)})
                if (i > remplies)
                    std::fill(l, l + 8, 255);
                else
                    ecrire(l, {un_de(annees), un_de(mois), un_de(jours), un_de({0, 11, 12, 23}), 0},
                           1, 50, 0);
        const int p[6] = {un_de(annees), un_de(mois), un_de(jours),
                          un_de(annees), un_de(mois), un_de(jours)};
        // Les textes tels que le dialogue les écrit, ou sans zéro en tête.
        auto texte = [&](int n) {
            return essai % 2 ? QString::number(n) : QStringLiteral("%1").arg(n, 2, 10, QChar(u'0'));
        };
        periode(
            QStringLiteral("%1/%2/%3 %4/%5/%6")
                .arg(texte(p[2]), texte(p[1]), texte(p[0]), texte(p[5]), texte(p[4]), texte(p[3])));
        const int nb = un_de({remplies, remplies / 2, Nb_Lignes_Leq});
        Recherche_Periode_Leq(nb);
        ASSERT_EQ(std::make_pair(M.Index_Debut, M.Index_Fin),
                  recherche_litterale(M.Tab_Leq, nb, p, false))
            << essai;
        Recherche_Periode_Evenements();
        ASSERT_EQ(std::make_pair(M.Index_Debut, M.Index_Fin),
                  recherche_litterale(M.Tab_Evenements, Nb_Lignes_Evenements, p, false));
        std::int32_t debut = -1, fin = -1;
        Periode_Evenements_Graph(debut, fin);
        ASSERT_EQ(std::make_pair(debut, fin),
                  recherche_litterale(M.Tab_Evenements, Nb_Lignes_Evenements, p, true));
    }
}

TEST_F(Tableaux, ExtractionDUnePeriodeAChevalSurDeuxAnnees) {
    auto& M = Magasin();
    int i = 0;
    for (QDate d(2008, 12, 29); d <= QDate(2009, 1, 3); d = d.addDays(1))
        for (int genre : {1, 10, 7})
            ecrire(M.Tab_Leq.ligne(++i), {d.year(), d.month(), d.day(), 23, 59}, genre, 60, 0);
    // Une période vide ensuite laisse les comptes à 1, même après une plus longue.
    for (auto [texte, attendu] : {std::pair{"30/12/2008 02/01/2009", std::array{4, 15, 5, 5}},
                                  {"04/01/2009 04/01/2009", {0, 0, 1, 1}}}) {
        periode(texte);
        Recherche_Periode_Leq(Nb_Lignes_Leq);
        Extraction_Periode();
        EXPECT_EQ((std::array{M.Index_Debut, M.Index_Fin, M.Nb_Leq1, M.Nb_Leq10}), attendu);
        EXPECT_TRUE(M.Nb_Leq10 == 1 || M.Tab_Leq10(4, 3) == 2); // le 2 janvier
    }
}

} // namespace
