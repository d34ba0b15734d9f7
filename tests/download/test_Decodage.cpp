#include "download/Classement.h"
#include "download/Decodage.h"
#include "download/Generateur.h"
#include "store/Declarations.h"
#include "store/Validite.h"

#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace {

TEST(Decodage, ChaineDCBAvecSesBornes) {
    EXPECT_EQ(BCD(0x00), 0);
    EXPECT_EQ(BCD(0x09), 9);
    EXPECT_EQ(BCD(0x0F), 15);
    EXPECT_EQ(BCD(0x10), 10);
    EXPECT_EQ(BCD(0x1F), 25);
    EXPECT_EQ(BCD(0x59), 59);
    EXPECT_EQ(BCD(0x8F), 95);
    EXPECT_EQ(BCD(0x90), 90);
    EXPECT_EQ(BCD(0x99), 99);
    EXPECT_EQ(BCD(0x9A), 100);
    EXPECT_EQ(BCD(0x9F), 105);
    EXPECT_EQ(BCD(0xA0), 106);
    EXPECT_EQ(BCD(0xA1), 161);
    EXPECT_EQ(BCD(0xFF), 255);
    for (int v = 0; v <= 99; ++v)
        EXPECT_EQ(BCD(En_BCD(v)), v) << v;
}

class Decodage_Image : public ::testing::Test {
protected:
    void SetUp() override { M = std::make_unique<Declarations>(); }
    std::unique_ptr<Declarations> M;
    QByteArray image = QByteArray(Taille_Image, 0);
    std::uint8_t* octets() { return reinterpret_cast<std::uint8_t*>(image.data()); }
    bool decoder(int abandon_au_tour = -1) {
        int tours = 0;
        bool abandon = false;
        progressions = 0;
        return Decoder_Image(octets(), *M,
                             {[&] {
                                  if (++tours == abandon_au_tour)
                                      abandon = true;
                              },
                              [&] { ++progressions; }, [&] { return abandon; }});
    }
    int progressions = 0;
};

TEST_F(Decodage_Image, PlaceEtConversionDeChaqueTable) {
    const std::uint8_t essais[] = {0x0F, 0x10, 0x1F, 0x99, 0x9A, 0xA0, 0xA1, 0xFF};
    for (int k = 0; k < 8; ++k) {
        octets()[Debut_Leq + k] = essais[k];                   // Tab_Leq ligne 1
        octets()[Debut_Evenements + 8 * 4095 + k] = essais[k]; // Tab_Evenements ligne 4096
        octets()[Debut_Parametres + 48 * 681 + k] = essais[k]; // Tab_Parametres ligne 682
    }
    octets()[Debut_Parametres + 48 * 681 + 47] = 0x9A;
    octets()[Debut_Config + 2046] = 0x9A; // élément 2047 : brut
    octets()[Debut_Config + 2047] = 0x9A; // élément 2048 : DCB
    octets()[Debut_Config + 2559] = 0x12; // élément 2560
    octets()[Debut_Inutilise] = 0x55;     // zone inutilisée : ignorée
    ASSERT_TRUE(decoder());
    const int decode[] = {15, 10, 25, 99, 100, 106, 161, 255};
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(M->Tab_Leq(1, k + 1), decode[k]) << k;
    // Colonnes 7 et 8 des événements et des paramètres : octets bruts.
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(M->Tab_Evenements(4096, k + 1), decode[k]);
        EXPECT_EQ(M->Tab_Parametres(682, k + 1), decode[k]);
    }
    EXPECT_EQ(M->Tab_Evenements(4096, 7), 0xA1);
    EXPECT_EQ(M->Tab_Evenements(4096, 8), 0xFF);
    EXPECT_EQ(M->Tab_Parametres(682, 7), 0xA1);
    EXPECT_EQ(M->Tab_Parametres(682, 48), 100);
    EXPECT_EQ(M->Tab_Config(2047), 0x9A);
    EXPECT_EQ(M->Tab_Config(2048), 100);
    EXPECT_EQ(M->Tab_Config(2560), 12);
    EXPECT_EQ(progressions, 16 + 8 + 8 + 5);
}

TEST_F(Decodage_Image, UnArretSeFaitALaCellulePresSaufPourLesParametres) {
    std::fill(image.begin(), image.end(), char(0x11));
    // Arrêt pendant l'enregistrement 100 de Tab_Leq : sa première cellule est écrite.
    EXPECT_FALSE(decoder(100));
    EXPECT_EQ(M->Tab_Leq(100, 1), 11);
    EXPECT_EQ(M->Tab_Leq(100, 2), 0);
    EXPECT_EQ(M->Tab_Evenements(1, 1), 0);
    // Arrêt pendant les paramètres (tours 8193 + 4096 + 10) : la table va jusqu'au bout.
    M = std::make_unique<Declarations>();
    EXPECT_FALSE(decoder(8192 + 4096 + 10));
    EXPECT_EQ(M->Tab_Parametres(682, 48), 11);
    EXPECT_EQ(M->Tab_Config(1), 0);
    // Arrêt pendant la configuration.
    M = std::make_unique<Declarations>();
    EXPECT_FALSE(decoder(8192 + 4096 + 682 + 5));
    EXPECT_EQ(M->Tab_Config(5), 0x11);
    EXPECT_EQ(M->Tab_Config(6), 0);
}

class Generateur_Test : public ::testing::Test {
protected:
    static std::unique_ptr<Declarations> decoder(const QByteArray& image) {
        auto M = std::make_unique<Declarations>();
        Decoder_Image(image, *M);
        return M;
    }
};

TEST_F(Generateur_Test, MemeGraineMemeImage) {
    const QByteArray a = Generer_Image();
    EXPECT_EQ(a.size(), Taille_Image);
    EXPECT_EQ(Generer_Image(), a);
    Options_Generateur autre;
    autre.graine = 2;
    EXPECT_NE(Generer_Image(autre), a);
}

TEST_F(Generateur_Test, DesDonneesVraisemblables) {
    auto M = decoder(Generer_Image());
    // Mémoire circulaire pleine : toutes les lignes valides, mais pas dans l'ordre des dates.
    int leq1 = 0, leq10 = 0, au_dela_de_100 = 0, desordres = 0, trous = 0;
    for (int i = 1; i <= Nb_Lignes_Leq; ++i) {
        const std::int16_t* l = M->Tab_Leq.ligne(i);
        ASSERT_TRUE(Ligne_Mesure_Valide(l)) << i;
        leq1 += l[3] == 1;
        leq10 += l[3] == 10;
        au_dela_de_100 += Niveau_dB(l) >= 100;
        if (i > 1) {
            const std::int16_t* p = M->Tab_Leq.ligne(i - 1);
            const auto cle = [](const std::int16_t* x) {
                return ((((x[5] * 13 + x[4]) * 32 + x[2]) * 24 + x[1]) * 60) + x[0];
            };
            desordres += cle(l) < cle(p);
            trous += cle(l) - cle(p) > 1 && l[3] == 1 && p[3] == 1;
        }
    }
    EXPECT_GT(leq1, 7000);
    EXPECT_GT(leq10, 700);
    EXPECT_GT(au_dela_de_100, 0);
    EXPECT_EQ(desordres, 1) << "un seul point de reprise";
    EXPECT_GT(trous, 0) << "quelques coupures";

    // Les seize sortes d'événements, un seul bit chacun.
    std::set<int> sortes;
    int evenements = 0;
    for (int i = 1; i <= Nb_Lignes_Evenements; ++i) {
        const std::int16_t* l = M->Tab_Evenements.ligne(i);
        if (!Ligne_Mesure_Valide(l))
            continue;
        ++evenements;
        const int mot = l[6] | (l[7] << 8);
        ASSERT_EQ(mot & (mot - 1), 0) << "un seul bit";
        ASSERT_NE(mot, 0);
        sortes.insert(mot);
    }
    EXPECT_EQ(sortes.size(), 16u);
    EXPECT_GT(evenements, 100);

    int jeux = 0;
    for (int i = 1; i <= Nb_Lignes_Parametres; ++i)
        jeux += Ligne_Parametres_Valide(M->Tab_Parametres.ligne(i));
    EXPECT_GE(jeux, 3);
    EXPECT_EQ(M->Tab_Config(7), 12);
    EXPECT_EQ(M->Tab_Config(2177) * 100 + M->Tab_Config(2178), 96);
    EXPECT_EQ(M->Tab_Config(2361), 7);
}

} // namespace

namespace {

TEST(Encodage, LImageRecodeeRedonneLeMemeMagasin) {
    // Le simulateur rejoue un fichier .lqm en recodant le magasin comme l'appareil.
    auto premier = std::make_unique<Declarations>();
    const QByteArray image = Generer_Image();
    Decoder_Image(image, *premier);
    const QByteArray recodee = Encoder_Image(*premier);
    ASSERT_EQ(recodee.size(), Taille_Image);
    auto second = std::make_unique<Declarations>();
    Decoder_Image(recodee, *second);
    EXPECT_TRUE(premier->Tab_Leq == second->Tab_Leq);
    EXPECT_TRUE(premier->Tab_Evenements == second->Tab_Evenements);
    EXPECT_TRUE(premier->Tab_Parametres == second->Tab_Parametres);
    EXPECT_TRUE(premier->Tab_Config == second->Tab_Config);
    // Chaque valeur qu'un octet peut donner revient à son octet.
    for (int b = 0; b <= 255; ++b) {
        const int v = BCD(static_cast<std::uint8_t>(b));
        EXPECT_EQ(BCD(Octet_Pour(v)), v) << b;
    }
    EXPECT_EQ(Octet_Pour(120), 0xFF) << "aucun octet ne donne 120";
}

} // namespace
