#include "download/Decodage.h"
#include "download/Generateur.h"
#include "store/Declarations.h"
#include "tables/Lignes_Leq.h"
#include "tables/Periode.h"

#include <benchmark/benchmark.h>

namespace {

// Un magasin plein et la période qui couvre tous ses jours enregistrés.
void magasin_plein() {
    static bool fait = false;
    if (fait)
        return;
    auto& M = Magasin();
    M.reinitialiser();
    Options_Generateur options;
    Ranger_Image(Generer_Image(options), M);
    const QDate fin = options.fin.date(), debut = fin.addDays(-7);
    M.Jour_Debut = debut.toString(QStringLiteral("dd"));
    M.Mois_Debut = debut.toString(QStringLiteral("MM"));
    M.Annee_Debut = debut.toString(QStringLiteral("yyyy"));
    M.Jour_Fin = fin.toString(QStringLiteral("dd"));
    M.Mois_Fin = fin.toString(QStringLiteral("MM"));
    M.Annee_Fin = fin.toString(QStringLiteral("yyyy"));
    fait = true;
}

// Les lignes des deux listes, recherche et extraction comprises.
void BM_Lignes_Leq_Semaine(benchmark::State& state) {
    magasin_plein();
    for (auto _ : state) {
        Recherche_Periode_Leq(Nb_Lignes_Leq);
        Extraction_Periode();
        QStringList leq1, leq10;
        Liste_Leq1(leq1);
        Liste_Leq10(leq10);
        benchmark::DoNotOptimize(leq1.size() + leq10.size());
    }
    state.counters["Leq1"] = Magasin().Nb_Leq1 - 1;
    state.counters["Leq10"] = Magasin().Nb_Leq10 - 1;
}
BENCHMARK(BM_Lignes_Leq_Semaine)->Unit(benchmark::kMillisecond);

// Tout le contenu du tableau, tel que la fenêtre le reçoit.
void BM_Tableau_Leq_Semaine(benchmark::State& state) {
    magasin_plein();
    for (auto _ : state)
        benchmark::DoNotOptimize(Tableau_Leq());
}
BENCHMARK(BM_Tableau_Leq_Semaine)->Unit(benchmark::kMillisecond);

} // namespace
