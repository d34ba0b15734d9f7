#include "download/Classement.h"
#include "download/Decodage.h"
#include "download/Generateur.h"
#include "download/Progression.h"
#include "store/Declarations.h"

#include <benchmark/benchmark.h>

namespace {

// Du dernier octet reçu à Donnees_Chargees, sans l'attente finale de 1,5 s : décodage de
// l'image (37 pas de progression) puis les trois tris.
void BM_Apres_Reception(benchmark::State& state) {
    const QByteArray image = Generer_Image();
    auto& M = Magasin();
    for (auto _ : state) {
        M.Abandon = false;
        Etat_Progression() = Etat_Attente_Au_Chargement();
        Decoder_Image(reinterpret_cast<const std::uint8_t*>(image.constData()), M,
                      {[] {}, [] { Progression(); }, [] { return Magasin().Abandon; }});
        Classement_Leq();
        Classement_Evenements();
        Classement_Parametres();
        M.Donnees_Chargees = true;
        benchmark::DoNotOptimize(M.Tab_Leq.ligne(1));
    }
}
BENCHMARK(BM_Apres_Reception)->Unit(benchmark::kMillisecond);

} // namespace
