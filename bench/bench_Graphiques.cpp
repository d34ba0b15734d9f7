#include "graphs/Fonctions_Graphiques.h"
#include "graphs/Surface_Peintre.h"
#include "store/Declarations.h"

#include <QImage>
#include <benchmark/benchmark.h>

namespace {

// Une série Leq1 pleine (8191 valeurs, une par minute depuis midi du 7 mars 2008) sur un
// graphique de 7 jours.
void serie_leq1_pleine() {
    auto& M = Magasin();
    M.reinitialiser();
    M.Jour_Debut = QStringLiteral("7");
    M.Mois_Debut = QStringLiteral("3");
    M.Annee_Debut = QStringLiteral("2008");
    M.Index_Debut = 1;
    M.Index_Fin = Nb_Lignes_Leq - 1;
    const QDateTime debut(QDate(2008, 3, 7), QTime(12, 0));
    for (int i = 1; i < Nb_Lignes_Leq; ++i) {
        const QDateTime t = debut.addSecs(60LL * (i - 1));
        const int niveau = 60 + (i * 7919) % 50;
        std::int16_t* l = M.Tab_Leq1.ligne(i);
        l[0] = static_cast<std::int16_t>(t.time().minute());
        l[1] = static_cast<std::int16_t>(t.time().hour());
        l[2] = static_cast<std::int16_t>(t.date().day());
        l[3] = 1;
        l[4] = static_cast<std::int16_t>(t.date().month());
        l[5] = static_cast<std::int16_t>(t.date().year() - 2000);
        l[6] = static_cast<std::int16_t>(niveau % 100);
        l[7] = static_cast<std::int16_t>(niveau / 100);
    }
    M.Nb_Leq1 = Nb_Lignes_Leq;
}

// La courbe seule, dans l'image d'un graphique normal (l'objectif : moins de 10 ms).
void BM_Courbe_Leq1_7_Jours_Image(benchmark::State& state) {
    serie_leq1_pleine();
    QImage image(501, 265, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter peintre(&image);
        Surface_Peintre surface(peintre, QRectF(1, 1, 499, 263));
        surface.Echelle(9, -129, 34, 81);
        Trace_Courbe(surface, Serie_Leq::Leq1, 7, Rouge);
    }
    state.counters["points"] = Magasin().Nb_Leq1 - 1;
}
BENCHMARK(BM_Courbe_Leq1_7_Jours_Image)->Unit(benchmark::kMillisecond);

// Le calcul seul, sur l'enregistreur : ce qui reste quand le dessin ne coûte rien.
void BM_Courbe_Leq1_7_Jours_Enregistree(benchmark::State& state) {
    serie_leq1_pleine();
    for (auto _ : state) {
        Surface_Enregistreuse surface;
        surface.operations.reserve(3 * Nb_Lignes_Leq);
        surface.Echelle(9, -129, 34, 81);
        Trace_Courbe(surface, Serie_Leq::Leq1, 7, Rouge);
        benchmark::DoNotOptimize(surface.operations.data());
    }
}
BENCHMARK(BM_Courbe_Leq1_7_Jours_Enregistree)->Unit(benchmark::kMillisecond);

} // namespace
