#include "graphs/Periode_Graphique.h"
#include "store/Declarations.h"

#include <gtest/gtest.h>

namespace {

struct Periode_Graphique : ::testing::Test {
    void SetUp() override { Magasin().reinitialiser(), Magasin().Tab_Leq.remplir(255); }
    void TearDown() override { Magasin().reinitialiser(); }
};

// Les jours du graphique : chacun le lendemain du précédent, jusqu'au jour de fin attendu ;
// au-delà, Tab_Jours_Graph reste inchangé.
TEST_F(Periode_Graphique, JourDeFinEtJoursDuGraphique) {
    const std::tuple<QDate, int, QDate> cas[] = {
        {{2014, 1, 30}, 3, {2014, 2, 2}},  {{2013, 2, 27}, 3, {2013, 3, 2}},
        {{2012, 2, 27}, 3, {2012, 3, 1}},  {{2000, 2, 28}, 1, {2000, 2, 29}},
        {{2014, 12, 29}, 7, {2015, 1, 5}}, {{2014, 4, 28}, 7, {2014, 5, 5}}};
    auto& M = Magasin();
    auto texte = [](const QDate& d) { return d.isValid() ? d.toString("d/M/yyyy") : "0/0/0"; };
    for (const auto& [debut, duree, fin] : cas) {
        M.Tab_Jours_Graph.remplir(QStringLiteral("0"));
        Ecrire_Periode_Graph(debut, duree);
        QStringList ecrits, attendus;
        for (int i = 1; i <= 8; ++i) {
            ecrits << QStringList{M.Tab_Jours_Graph(i, 1), M.Tab_Jours_Graph(i, 2),
                                  M.Tab_Jours_Graph(i, 3)}
                          .join(u'/');
            attendus << texte(i <= duree + 1 ? debut.addDays(i - 1) : QDate());
        }
        ecrits << QStringList{M.Jour_Fin, M.Mois_Fin, M.Annee_Fin, M.Nb_Jours_Graph}.join(u'/');
        attendus << texte(fin) + u'/' + QString::number(duree);
        EXPECT_EQ(ecrits, attendus);
    }
}

// De midi du premier jour à midi du dernier, Leq1 et Leq10 mêlés, lignes vides (255) à la fin.
TEST_F(Periode_Graphique, RechercheDeMidiAMidi) {
    auto& M = Magasin();
    auto ecrire = [&](int i, const QDateTime& t, int genre) {
        const QDate d = t.date();
        const int v[8] = {t.time().minute(), t.time().hour(), d.day(), genre,
                          d.month(),         d.year() - 2000, 70,      0};
        std::copy(v, v + 8, M.Tab_Leq.ligne(i));
    };
    const QDateTime lignes[] = {{{2008, 3, 4}, {23, 0}},  {{2008, 3, 5}, {11, 59}},
                                {{2008, 3, 5}, {12, 0}},  {{2008, 3, 6}, {0, 0}},
                                {{2008, 3, 6}, {11, 59}}, {{2008, 3, 6}, {12, 0}}};
    for (int i = 1; i <= 6; ++i)
        ecrire(i, lignes[i - 1], i % 2 ? 1 : 10);
    const std::tuple<QDate, int, std::int32_t, std::int32_t> cas[] = {
        {{2008, 3, 5}, 1, 3, 5}, // 12 h 00 le premier jour en est, 12 h 00 le dernier non
        {{2008, 3, 6}, 3, 6, 6}, // la première ligne vide arrête
        {{2008, 3, 7}, 7, 0, 0}, // aucune valeur
    };
    for (const auto& [debut, duree, index_debut, index_fin] : cas) {
        M.Index_Debut = M.Index_Fin = 99;
        Ecrire_Periode_Graph(debut, duree);
        Recherche_Periode_Graph();
        EXPECT_EQ(std::make_pair(M.Index_Debut, M.Index_Fin),
                  std::make_pair(index_debut, index_fin));
    }
    // Table pleine, une valeur par minute dès midi : la fin est la ligne 8192.
    for (int i = 1; i <= Nb_Lignes_Leq; ++i)
        ecrire(i, QDateTime({2008, 12, 30}, {12, 0}).addSecs(60 * (i - 1)), 1);
    Ecrire_Periode_Graph(QDate(2008, 12, 30), 7);
    Recherche_Periode_Graph();
    EXPECT_EQ(std::make_pair(M.Index_Debut, M.Index_Fin), std::make_pair(1, Nb_Lignes_Leq));
}

} // namespace
