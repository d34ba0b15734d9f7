#include "download/Classement.h"
#include "download/Decodage.h"
#include "download/Generateur.h"
#include "download/Progression.h"
#include "store/Declarations.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Du dernier octet reçu à Donnees_Chargees, sans l'attente finale de 1,5 s : décodage de
// l'image (37 pas de progression) puis les trois tris.
void BM_Apres_Reception(benchmark::State& state) {
    const QByteArray image = Generer_Image();
    auto& M = Magasin();
    for (auto _ : state) {
        M.Abandon = false;
        Etat_Progression() = Etat_Attente_Au_Chargement();
        // Comme le téléchargement : décodé et trié à part, puis recopié dans le magasin.
        auto recu = std::make_unique<Declarations>();
        Decoder_Image(reinterpret_cast<const std::uint8_t*>(image.constData()), *recu,
                      {[] {}, [] { Progression(); }, [] { return Magasin().Abandon; }});
        Classement_Leq(*recu);
        Classement_Evenements(*recu);
        Classement_Parametres(*recu);
        M.Tab_Leq = recu->Tab_Leq;
        M.Tab_Evenements = recu->Tab_Evenements;
        M.Tab_Config = recu->Tab_Config;
        M.Tab_Parametres = recu->Tab_Parametres;
        M.Donnees_Chargees = true;
        benchmark::DoNotOptimize(M.Tab_Leq.ligne(1));
    }
}
BENCHMARK(BM_Apres_Reception)->Unit(benchmark::kMillisecond);

} // namespace
