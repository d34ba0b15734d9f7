#include "download/Classement.h"
#include "download/Decodage.h"
#include "download/Generateur.h"
#include "store/Declarations.h"
#include "support/Classement_Litteral.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Les tables telles que le décodage les laisse : environ cinq jours de Leq1 et de Leq10
// dans l'ordre de la mémoire circulaire (un point de reprise), des Leq1 et Leq10 de même
// minute, auxquels on ajoute quelques lignes abîmées.
const Declarations& donnees() {
    static const std::unique_ptr<Declarations> d = [] {
        auto m = std::make_unique<Declarations>();
        Decoder_Image(Generer_Image(), *m);
        for (int i = 7; i <= Nb_Lignes_Leq; i += 400)
            m->Tab_Leq(i, 5) = 13;
        for (int i = 3; i <= Nb_Lignes_Evenements; i += 300)
            m->Tab_Evenements(i, 7) = 255;
        return m;
    }();
    return *d;
}

// Sans boucle d'événements, comme dans un outil en ligne de commande.
Rappels_Classement rappels_muets() {
    return {[] {}, [] {}, [] { return false; }};
}

void BM_Classement_Leq_Litteral(benchmark::State& state) {
    auto table = std::make_unique<Tableau<Nb_Lignes_Leq, 8>>();
    for (auto _ : state) {
        state.PauseTiming();
        *table = donnees().Tab_Leq;
        state.ResumeTiming();
        Classer_Litteral(table->ligne(1), Nb_Lignes_Leq, 8, true, rappels_muets());
        benchmark::DoNotOptimize(table->ligne(1));
    }
}
BENCHMARK(BM_Classement_Leq_Litteral)->Unit(benchmark::kMillisecond);

void BM_Classement_Leq(benchmark::State& state) {
    auto table = std::make_unique<Tableau<Nb_Lignes_Leq, 8>>();
    for (auto _ : state) {
        state.PauseTiming();
        *table = donnees().Tab_Leq;
        state.ResumeTiming();
        Classer_Table(*table, true, rappels_muets());
        benchmark::DoNotOptimize(table->ligne(1));
    }
}
BENCHMARK(BM_Classement_Leq)->Unit(benchmark::kMillisecond);

// Les trois tris du téléchargement, sur le magasin, progression comprise.
void BM_Classement_Tout(benchmark::State& state) {
    auto& M = Magasin();
    for (auto _ : state) {
        state.PauseTiming();
        M.Tab_Leq = donnees().Tab_Leq;
        M.Tab_Evenements = donnees().Tab_Evenements;
        M.Tab_Parametres = donnees().Tab_Parametres;
        M.Abandon = false;
        state.ResumeTiming();
        Classement_Leq(M);
        Classement_Evenements(M);
        Classement_Parametres(M);
        benchmark::DoNotOptimize(M.Tab_Leq.ligne(1));
    }
}
BENCHMARK(BM_Classement_Tout)->Unit(benchmark::kMillisecond);

} // namespace

// Les mêmes tris dans le programme : la boucle d'événements de Qt passe à chaque pas.
void BM_Classement_Tout_Avec_Evenements(benchmark::State& state) {
    static int argc = 1;
    static char nom[] = "lqm_bench";
    static char* argv[] = {nom, nullptr};
    static QCoreApplication application(argc, argv);
    BM_Classement_Tout(state);
}
BENCHMARK(BM_Classement_Tout_Avec_Evenements)->Unit(benchmark::kMillisecond);
