#include "download/Decodage.h"
#include "download/Generateur.h"
#include "store/Declarations.h"

#include <gtest/gtest.h>
#include <memory>
#include <tuple>

namespace {

// Les adresses sont celles de la mémoire de l'appareil, écrites en clair : un décalage
// du décodeur ne se cache pas derrière ses propres constantes.
TEST(Decodage, PlaceEtConversionDeChaqueTable) {
    QByteArray image(Taille_Image, 0);
    ASSERT_EQ(image.size(), 133632);
    auto* octets = reinterpret_cast<std::uint8_t*>(image.data());
    // Les bornes du DCB : dernière dizaine ordinaire, plage allongée 144-160, octets bruts.
    const std::uint8_t essais[] = {0x8F, 0x10, 0x1F, 0x99, 0x9A, 0xA0, 0xA1, 0xFF};
    for (int k = 0; k < 8; ++k) {
        octets[k] = essais[k];                    // Tab_Leq ligne 1
        octets[65536 + 8 * 4095 + k] = essais[k]; // Tab_Evenements ligne 4096
        octets[98304 + 48 * 681 + k] = essais[k]; // Tab_Parametres ligne 682
    }
    octets[65535] = 0x42; // Tab_Leq ligne 8192, colonne 8
    octets[65536] = 0x43; // Tab_Evenements ligne 1
    octets[98304] = 0x44; // Tab_Parametres ligne 1
    octets[98304 + 48 * 681 + 47] = 0x9A;
    octets[131040] = 0x55;        // zone inutilisée : ignorée
    octets[131072] = 0x21;        // élément 1
    octets[131072 + 2046] = 0x9A; // élément 2047 : brut
    octets[131072 + 2047] = 0x9A; // élément 2048 : DCB
    octets[133631] = 0x12;        // élément 2560
    auto M = std::make_unique<Declarations>();
    int progressions = 0;
    ASSERT_TRUE(Decoder_Image(octets, *M, {[] {}, [&] { ++progressions; }, [] { return false; }}));
    EXPECT_EQ(std::tie(M->Tab_Leq(8192, 8), M->Tab_Evenements(1, 1), M->Tab_Parametres(1, 1),
                       M->Tab_Config(1)),
              std::make_tuple(42, 43, 44, 0x21));
    const int decode[] = {95, 10, 25, 99, 100, 106, 161, 255};
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(M->Tab_Leq(1, k + 1), decode[k]) << k;
    // Colonnes 7 et 8 des événements et des paramètres : octets bruts.
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(M->Tab_Evenements(4096, k + 1), decode[k]);
        EXPECT_EQ(M->Tab_Parametres(682, k + 1), decode[k]);
    }
    EXPECT_EQ(std::tie(M->Tab_Evenements(4096, 7), M->Tab_Parametres(682, 8),
                       M->Tab_Parametres(682, 48), M->Tab_Config(2047), M->Tab_Config(2048),
                       M->Tab_Config(2560)),
              std::make_tuple(0xA1, 0xFF, 100, 0x9A, 100, 12));
    EXPECT_EQ(progressions, 16 + 8 + 8 + 5);
}

// Le simulateur rejoue un fichier .lqm en recodant le magasin comme l'appareil.
TEST(Encodage, LImageRecodeeRedonneLeMemeMagasin) {
    auto premier = std::make_unique<Declarations>(), second = std::make_unique<Declarations>();
    Decoder_Image(Generer_Image(), *premier);
    const QByteArray recodee = Encoder_Image(*premier);
    ASSERT_EQ(recodee.size(), Taille_Image);
    Decoder_Image(recodee, *second);
    EXPECT_TRUE(premier->Tab_Leq == second->Tab_Leq &&
                premier->Tab_Evenements == second->Tab_Evenements &&
                premier->Tab_Parametres == second->Tab_Parametres &&
                premier->Tab_Config == second->Tab_Config);
    EXPECT_EQ(Octet_Pour(120), 0xFF) << "aucun octet ne donne 120";
}

} // namespace
