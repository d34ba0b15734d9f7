#include "download/Decodage.h"
#include "download/Generateur.h"
#include "platform/Plateforme.h"
#include "store/Declarations.h"
#include "store/Fichier_Lqm.h"
#include "store/Fonction_Fichiers.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Un magasin plein, comme après un téléchargement, et son fichier sur disque.
struct Fichier_Plein {
    QTemporaryDir dossier;
    QString chemin;
    Fichier_Plein() {
        auto& M = Magasin();
        Ranger_Image(Generer_Image(), M);
        M.Date_Recuperation = QStringLiteral("12/03/2008");
        M.Heure_Recuperation = QStringLiteral("10:02:17");
        chemin = dossier.filePath(QStringLiteral("plein.lqm"));
        Ecrire_Fichier_Sur(chemin, Ecrire_Lqm(M));
    }
};

Fichier_Plein& fichier() {
    static Fichier_Plein f;
    return f;
}

// Chargement complet : lecture du disque, contrôle, recopie dans le magasin.
void BM_Chargement_Fichier(benchmark::State& state) {
    const QString chemin = fichier().chemin;
    for (auto _ : state) {
        QString copie = chemin;
        Charger_Fichier(copie);
        if (!Magasin().Donnees_Chargees)
            state.SkipWithError("fichier refusé");
    }
}
BENCHMARK(BM_Chargement_Fichier)->Unit(benchmark::kMillisecond);

// Écriture de la sauvegarde sans son attente finale : texte, fichier temporaire, remplacement.
void BM_Ecriture_Fichier(benchmark::State& state) {
    const QString chemin = fichier().dossier.filePath(QStringLiteral("ecrit.lqm"));
    int pas = 0;
    for (auto _ : state) {
        const QString erreur =
            Ecrire_Fichier_Sur(chemin, Ecrire_Lqm(Magasin(), {[&pas] { ++pas; }, [] {}}));
        if (!erreur.isEmpty())
            state.SkipWithError("écriture impossible");
    }
    benchmark::DoNotOptimize(pas);
}
BENCHMARK(BM_Ecriture_Fichier)->Unit(benchmark::kMillisecond);

} // namespace
