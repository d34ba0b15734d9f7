#include "Application_Bench.h"
#include "archive/Archivage.h"
#include "report/Impression_Rapport.h"
#include "store/Declarations.h"
#include "support/Telechargement_Genere.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Six mois d'un appareil : un téléchargement tous les cinq jours, du 12 mars au 8 septembre
// 2008 (quelque 290 000 valeurs Leq), puis le téléchargement suivant, pas encore archivé.
struct Archive_Six_Mois {
    QTemporaryDir dossier;
    QString chemin = dossier.filePath(QStringLiteral("six-mois.sqlite"));
    QString numero;
    std::unique_ptr<Contenu_Lqm> suivant;
    Archive_Six_Mois() {
        Archive a(chemin);
        QDate jour(2008, 3, 12);
        for (int i = 0; i < 37; ++i, jour = jour.addDays(5))
            numero =
                a.fusionner(*Telechargement_Genere(jour), QStringLiteral("COM 1")).numero_serie;
        suivant = Telechargement_Genere(jour);
    }
    // Une copie fraîche de l'archive, sans les fichiers WAL d'une copie précédente.
    void copier_vers(const QString& copie) const {
        for (const char* suffixe : {"", "-wal", "-shm"})
            QFile::remove(copie + QLatin1String(suffixe));
        QFile::copy(chemin, copie);
    }
};

Archive_Six_Mois& archive() {
    static Archive_Six_Mois a;
    return a;
}

// Ouverture de l'archive et fusion d'un téléchargement complet (8192 valeurs Leq, dont un
// cinquième déjà archivé), dans une copie fraîche de l'archive à chaque tour.
void BM_Fusion_Telechargement_Archive_6_Mois(benchmark::State& state) {
    auto& six = archive();
    const QString copie = six.dossier.filePath(QStringLiteral("copie.sqlite"));
    for (auto _ : state) {
        state.PauseTiming();
        six.copier_vers(copie);
        state.ResumeTiming();
        Archive a(copie);
        const Bilan_Fusion b = a.fusionner(*six.suivant, QStringLiteral("COM 1"));
        if (!b.reussie() || b.ajoutes < 7000)
            state.SkipWithError("fusion incomplète");
    }
}
BENCHMARK(BM_Fusion_Telechargement_Archive_6_Mois)->Unit(benchmark::kMillisecond)->Iterations(50);

// Cinq jours au milieu des six mois, jusque dans le magasin.
void BM_Chargement_5_Jours_Archive_6_Mois(benchmark::State& state) {
    auto& six = archive();
    Archive a(six.chemin);
    a.ouvrir();
    const auto contenu = std::make_unique<Contenu_Lqm>();
    auto& M = Magasin();
    for (auto _ : state) {
        const auto c = a.charger(six.numero, QDate(2008, 6, 2), QDate(2008, 6, 6), *contenu);
        if (!c || c->nb_leq < 7000)
            state.SkipWithError("période incomplète");
        M.Tab_Leq = contenu->Tab_Leq;
        M.Tab_Evenements = contenu->Tab_Evenements;
        M.Tab_Config = contenu->Tab_Config;
        M.Tab_Parametres = contenu->Tab_Parametres;
        benchmark::DoNotOptimize(M.Tab_Leq);
    }
}
BENCHMARK(BM_Chargement_5_Jours_Archive_6_Mois)->Unit(benchmark::kMillisecond);

// Le rapport réglementaire d'un mois (44 640 minutes) lu dans l'archive.
void BM_Rapport_Mois_Archive_6_Mois(benchmark::State& state) {
    auto& six = archive();
    Archive a(six.chemin);
    a.ouvrir();
    for (auto _ : state) {
        const auto r = a.rapport(six.numero, QDate(2008, 6, 1), QDate(2008, 6, 30), 102);
        if (!r || r->donnees.leq1.size() < 40000)
            state.SkipWithError("mois incomplet");
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_Rapport_Mois_Archive_6_Mois)->Unit(benchmark::kMillisecond);

// Le PDF du rapport d'un mois de 31 jours lu dans l'archive : lecture, calcul, 32 images de
// nuit et les pages de texte.
void BM_Pdf_Rapport_31_Jours_Archive(benchmark::State& state) {
    Application_Bench();
    auto& six = archive();
    const QString pdf = six.dossier.filePath(QStringLiteral("rapport.pdf"));
    for (auto _ : state) {
        Archive a(six.chemin);
        const auto r = a.rapport(six.numero, QDate(2008, 7, 1), QDate(2008, 7, 31), 102);
        if (!r || !Ecrire_Pdf_Rapport(pdf, *r))
            state.SkipWithError("PDF non écrit");
    }
}
BENCHMARK(BM_Pdf_Rapport_31_Jours_Archive)->Unit(benchmark::kMillisecond);

// L'image d'une nuit pleine (1 440 minutes), à la taille d'une image envoyée par courriel.
void BM_Image_Nuit(benchmark::State& state) {
    Application_Bench();
    auto& six = archive();
    Archive a(six.chemin);
    const auto r = a.rapport(six.numero, QDate(2008, 7, 1), QDate(2008, 7, 2), 102);
    const std::vector<Nuit> nuits = r ? Nuits_Rapport(*r) : std::vector<Nuit>{};
    if (nuits.size() < 2 || nuits[1].minutes_mesurees < 720) {
        state.SkipWithError("nuit incomplète");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(Image_Nuit(*r, nuits[1]));
}
BENCHMARK(BM_Image_Nuit)->Unit(benchmark::kMillisecond);

// Ce que la fenêtre attend après un téléchargement réussi : la copie du magasin et le départ
// de la fusion, qui se poursuit dans son fil (elle est attendue hors mesure).
void BM_Archivage_Apres_Telechargement(benchmark::State& state) {
    auto& six = archive();
    // Les réglages de cette mesure, pas ceux de l'utilisateur.
    qputenv("XDG_CONFIG_HOME", six.dossier.filePath(QStringLiteral("config")).toUtf8());
    const QString copie = six.dossier.filePath(QStringLiteral("fond.sqlite"));
    Ecrire_Reglages_Archive({true, copie});
    Recopier_Contenu(*six.suivant, Magasin());
    for (auto _ : state) {
        state.PauseTiming();
        six.copier_vers(copie);
        state.ResumeTiming();
        Archiver_Magasin(QStringLiteral("COM 1"));
        state.PauseTiming();
        Attendre_Archivage();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Archivage_Apres_Telechargement)->Unit(benchmark::kMillisecond)->Iterations(50);

// Octets abîmés : les 8192 valeurs Leq au même instant, revues dans l'ordre inverse. Chaque
// valeur reçue s'apparie à une valeur archivée (la fusion ne doit pas être quadratique).
void BM_Fusion_8192_Valeurs_Au_Meme_Instant(benchmark::State& state) {
    auto premier = std::make_unique<Contenu_Lqm>();
    premier->Tab_Leq.remplir(255);
    premier->Tab_Evenements.remplir(255);
    premier->Tab_Parametres.remplir(255);
    auto inverse = std::make_unique<Contenu_Lqm>(*premier);
    for (int i = 1; i <= Nb_Lignes_Leq; ++i)
        for (Contenu_Lqm* c : {premier.get(), inverse.get()}) {
            const int n = c == premier.get() ? i : Nb_Lignes_Leq + 1 - i;
            const std::int16_t ligne[8] = {
                30, 22, 12, 1, 3, 8, std::int16_t(n % 100), std::int16_t(n / 100)};
            std::copy(ligne, ligne + 8, c->Tab_Leq.ligne(i));
        }
    for (auto _ : state) {
        state.PauseTiming();
        Archive a(QStringLiteral(":memory:"));
        a.fusionner(*premier, QStringLiteral("COM 1"));
        state.ResumeTiming();
        const Bilan_Fusion b = a.fusionner(*inverse, QStringLiteral("COM 1"));
        if (!b.reussie() || b.presents != Nb_Lignes_Leq)
            state.SkipWithError("valeurs non appariées");
    }
}
BENCHMARK(BM_Fusion_8192_Valeurs_Au_Meme_Instant)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
