#include "download/Decodage.h"
#include "download/Generateur.h"
#include "graphs/Boite_Graphique.h"
#include "graphs/Periode_Graphique.h"
#include "graphs/frmGraphique_Leq.h"
#include "graphs/frmInGraphique_v5.h"
#include "report/Rapport.h"
#include "shell/Fenetres.h"
#include "shell/Textes.h"
#include "store/Declarations.h"
#include "tables/Lignes_Leq.h"
#include "tables/Periode.h"
#include "tables/frmInTableau.h"

#include "Application_Bench.h"

#include <QApplication>
#include <QListView>
#include <QMouseEvent>
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

// Le rapport réglementaire d'un magasin plein : recherche, extraction, statistiques, Leq
// glissant sur 15 minutes et lignes du rapport (l'objectif : moins de 20 ms).
void BM_Rapport_Magasin_Plein(benchmark::State& state) {
    magasin_plein();
    for (auto _ : state) {
        const Contenu_Rapport r = Rapport_Du_Magasin(Limite_Defaut);
        benchmark::DoNotOptimize(Lignes_Rapport(r));
    }
    state.counters["Leq1"] =
        static_cast<double>(Rapport_Du_Magasin(Limite_Defaut).donnees.leq1.size());
}
BENCHMARK(BM_Rapport_Magasin_Plein)->Unit(benchmark::kMillisecond);

// De Ok dans le dialogue des dates à la fenêtre du tableau montrée et dessinée, sur la
// semaine d'un magasin plein.
void application() {
    Application_Bench();
}

void ouverture_tableau(benchmark::State& state, const QString& vue, Id_Fenetre tableau) {
    application();
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
        benchmark::DoNotOptimize(fenetre->grab()); // peint à coup sûr, même sans écran
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

// De Ok dans le dialogue du graphique à la fenêtre montrée, ses deux graphiques de 7 jours
// dessinés (l'objectif : moins de 150 ms).
void BM_Ouverture_Graphique_7_Jours(benchmark::State& state) {
    application();
    magasin_plein();
    const auto& M = Magasin();
    const QDate debut(Valeur_Entiere(M.Annee_Debut), Valeur_Entiere(M.Mois_Debut),
                      Valeur_Entiere(M.Jour_Debut));
    auto& fenetres = Fenetres::instance();
    for (auto _ : state) {
        state.PauseTiming();
        Ecrire_Periode_Graph(debut, 7);
        auto* dialogue =
            qobject_cast<frmInGraphique_v5*>(fenetres.Ouvrir(Id_Fenetre::frmInGraphique_v5));
        QCoreApplication::processEvents();
        state.ResumeTiming();
        dialogue->Cmd_Ok_Click();
        QWidget* fenetre = fenetres.Fenetre(Id_Fenetre::frmGraphique_Leq);
        benchmark::DoNotOptimize(fenetre->grab()); // peint à coup sûr, même sans écran
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (!fenetre->isVisible() || Magasin().Nb_Leq1 < 2)
            state.SkipWithError("graphique vide ou non montré");
        fenetres.Decharger(Id_Fenetre::frmGraphique_Leq);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["Leq1"] = Magasin().Nb_Leq1 - 1;
}
BENCHMARK(BM_Ouverture_Graphique_7_Jours)->Unit(benchmark::kMillisecond);

// La fenêtre du graphique de 7 jours d'un magasin plein, ouverte.
frmGraphique_Leq* graphique_semaine() {
    application();
    magasin_plein();
    const auto& M = Magasin();
    Ecrire_Periode_Graph(QDate(Valeur_Entiere(M.Annee_Debut), Valeur_Entiere(M.Mois_Debut),
                               Valeur_Entiere(M.Jour_Debut)),
                         7);
    return qobject_cast<frmGraphique_Leq*>(
        Fenetres::instance().Ouvrir(Id_Fenetre::frmGraphique_Leq));
}

// Un clic dans la liste Leq1 d'un graphique de 7 jours, jusqu'à la flèche dessinée
// (l'objectif : moins de 30 ms).
void BM_Clic_Liste_Leq1_7_Jours(benchmark::State& state) {
    auto* fenetre = graphique_semaine();
    QWidget* graphique = fenetre->findChild<QWidget*>(QStringLiteral("Graphique_Leq1"));
    const int lignes =
        fenetre->findChild<QListView*>(QStringLiteral("List_Leq1"))->model()->rowCount();
    int ligne = 0;
    for (auto _ : state) {
        ligne = (ligne + 997) % lignes;
        fenetre->List_Leq1_Click(ligne);
        // grab() peint la boîte à coup sûr, même sans écran.
        benchmark::DoNotOptimize(graphique->grab());
    }
    Fenetres::instance().Decharger(Id_Fenetre::frmGraphique_Leq);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(BM_Clic_Liste_Leq1_7_Jours)->Unit(benchmark::kMillisecond);

// Un zoom à la souris sur le graphique Leq1 agrandi d'une semaine pleine : du bouton relâché
// à l'image nouvelle peinte (l'objectif : moins de 16 ms).
void BM_Zoom_Leq1_7_Jours(benchmark::State& state) {
    auto* fenetre = graphique_semaine();
    fenetre->Cmd_Zoom_Leq1_Click();
    auto* graphique = fenetre->findChild<Boite_Graphique*>(QStringLiteral("Graphique_Leq1"));
    auto souris = [&](QEvent::Type type, QPointF p) {
        QMouseEvent e(type, p, graphique->mapToGlobal(p), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(graphique, &e);
    };
    int n = 0;
    for (auto _ : state) {
        // Une semaine entière, puis un autre rectangle : chaque zoom redessine.
        state.PauseTiming();
        if (graphique->Etat().zoom)
            fenetre->Cmd_Zoom_Leq1_Click(); // quitte le zoom précédent
        const double d = 20.0 * (++n % 2);
        souris(QEvent::MouseButtonPress, {40 + d, 40});
        souris(QEvent::MouseMove, {900 - d, 500});
        state.ResumeTiming();
        souris(QEvent::MouseButtonRelease, {900 - d, 500});
        benchmark::DoNotOptimize(graphique->grab());
        if (!graphique->Etat().zoom)
            state.SkipWithError("pas de zoom");
    }
    Fenetres::instance().Decharger(Id_Fenetre::frmGraphique_Leq);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(BM_Zoom_Leq1_7_Jours)->Unit(benchmark::kMillisecond);

} // namespace
