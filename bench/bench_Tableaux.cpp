#include "download/Decodage.h"
#include "download/Generateur.h"
#include "shell/Fenetres.h"
#include "shell/Textes.h"
#include "store/Declarations.h"
#include "tables/Lignes_Leq.h"
#include "tables/Periode.h"
#include "tables/frmInTableau.h"

#include <QApplication>
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

// De Ok dans le dialogue des dates à la fenêtre du tableau montrée et dessinée, sur la
// semaine d'un magasin plein.
void ouverture_tableau(benchmark::State& state, const QString& vue, Id_Fenetre tableau) {
    static int argc = 1;
    static char nom[] = "lqm_bench";
    static char* argv[] = {nom, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    Q_UNUSED(application);
    magasin_plein();
    Magasin().Type_Affichage = vue;
    auto& fenetres = Fenetres::instance();
    for (auto _ : state) {
        state.PauseTiming();
        auto* dialogue = qobject_cast<frmInTableau*>(fenetres.Ouvrir(Id_Fenetre::frmInTableau));
        QCoreApplication::processEvents();
        state.ResumeTiming();
        dialogue->Cmd_Ok_Click();
        QWidget* fenetre = fenetres.Fenetre(tableau);
        fenetre->repaint();
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (!fenetre->isVisible())
            state.SkipWithError("tableau non montré");
        fenetres.Decharger(tableau);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}

void BM_Ouverture_Tableau_Leq(benchmark::State& state) {
    ouverture_tableau(state, Vue::Tableau_Leq, Id_Fenetre::frmTableau_Leq_V5);
}
BENCHMARK(BM_Ouverture_Tableau_Leq)->Unit(benchmark::kMillisecond);

void BM_Ouverture_Tableau_Evenements(benchmark::State& state) {
    ouverture_tableau(state, Vue::Tableau_Evenements, Id_Fenetre::frmTableau_Evenements);
}
BENCHMARK(BM_Ouverture_Tableau_Evenements)->Unit(benchmark::kMillisecond);

} // namespace
