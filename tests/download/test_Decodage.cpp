#include "download/Decodage.h"
#include "download/Generateur.h"
#include "store/Declarations.h"

#include <gtest/gtest.h>
#include <memory>
#include <tuple>

namespace {

TEST(Decodage, ChaineDCBAvecSesBornes) {
    const std::pair<std::uint8_t, int> cas[] = {{0x00, 0},   {0x09, 9},   {0x0F, 15},  {0x10, 10},
                                                {0x1F, 25},  {0x8F, 95},  {0x99, 99},  {0x9A, 100},
                                                {0x9F, 105}, {0xA0, 106}, {0xA1, 161}, {0xFF, 255}};
    for (const auto& [octet, valeur] : cas)
        EXPECT_EQ(BCD(octet), valeur) << int(octet);
}

class Decodage_Image : public ::testing::Test {
protected:
    void SetUp() override { M = std::make_unique<Declarations>(); }
    std::unique_ptr<Declarations> M;
    QByteArray image = QByteArray(Taille_Image, 0);
    std::uint8_t* octets() { return reinterpret_cast<std::uint8_t*>(image.data()); }
    // L'arrêt est demandé au tour « abandon_au_tour » et le reste.
    bool decoder(int abandon_au_tour = -1) {
        int tours = 0;
        progressions = 0;
        return Decoder_Image(octets(), *M,
                             {[&] { ++tours; }, [&] { ++progressions; },
                              [&] { return abandon_au_tour > 0 && tours >= abandon_au_tour; }});
    }
    int progressions = 0;
};

// Les adresses sont celles de la mémoire de l'appareil, écrites en clair : un décalage
// du décodeur ne se cache pas derrière ses propres constantes.
TEST_F(Decodage_Image, PlaceEtConversionDeChaqueTable) {
    ASSERT_EQ(image.size(), 133632);
    const std::uint8_t essais[] = {0x0F, 0x10, 0x1F, 0x99, 0x9A, 0xA0, 0xA1, 0xFF};
    for (int k = 0; k < 8; ++k) {
        octets()[k] = essais[k];                    // Tab_Leq ligne 1
        octets()[65536 + 8 * 4095 + k] = essais[k]; // Tab_Evenements ligne 4096
        octets()[98304 + 48 * 681 + k] = essais[k]; // Tab_Parametres ligne 682
    }
    octets()[65535] = 0x42; // Tab_Leq ligne 8192, colonne 8
    octets()[65536] = 0x43; // Tab_Evenements ligne 1
    octets()[98304] = 0x44; // Tab_Parametres ligne 1
    octets()[98304 + 48 * 681 + 47] = 0x9A;
    octets()[131040] = 0x55;        // zone inutilisée : ignorée
    octets()[131072] = 0x21;        // élément 1
    octets()[131072 + 2046] = 0x9A; // élément 2047 : brut
    octets()[131072 + 2047] = 0x9A; // élément 2048 : DCB
    octets()[133631] = 0x12;        // élément 2560
    ASSERT_TRUE(decoder());
    EXPECT_EQ(std::tie(M->Tab_Leq(8192, 8), M->Tab_Evenements(1, 1), M->Tab_Parametres(1, 1),
                       M->Tab_Config(1)),
              std::make_tuple(42, 43, 44, 0x21));
    const int decode[] = {15, 10, 25, 99, 100, 106, 161, 255};
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

TEST_F(Decodage_Image, UnArretSeFaitALaCellulePresSaufPourLesParametres) {
    std::fill(image.begin(), image.end(), char(0x11));
    // Arrêt pendant les paramètres (tours 8193 + 4096 + 10) : la table va jusqu'au bout.
    EXPECT_FALSE(decoder(8192 + 4096 + 10));
    EXPECT_EQ(M->Tab_Parametres(682, 48), 11);
    EXPECT_EQ(M->Tab_Config(1), 0);
    // Arrêt pendant la configuration.
    M = std::make_unique<Declarations>();
    EXPECT_FALSE(decoder(8192 + 4096 + 682 + 5));
    EXPECT_EQ(M->Tab_Config(5), 0x11);
    EXPECT_EQ(M->Tab_Config(6), 0);
}

// Le simulateur rejoue un fichier .lqm en recodant le magasin comme l'appareil.
TEST(Encodage, LImageRecodeeRedonneLeMemeMagasin) {
    auto premier = std::make_unique<Declarations>();
    const QByteArray image = Generer_Image();
    Decoder_Image(image, *premier);
    const QByteArray recodee = Encoder_Image(*premier);
    ASSERT_EQ(recodee.size(), Taille_Image);
    auto second = std::make_unique<Declarations>();
    Decoder_Image(recodee, *second);
    EXPECT_TRUE(premier->Tab_Leq == second->Tab_Leq &&
                premier->Tab_Evenements == second->Tab_Evenements &&
                premier->Tab_Parametres == second->Tab_Parametres &&
                premier->Tab_Config == second->Tab_Config);
    EXPECT_EQ(Octet_Pour(120), 0xFF) << "aucun octet ne donne 120";
}

} // namespace
