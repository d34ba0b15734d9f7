#include "shell/Choix_Port.h"

#include "download/Ports_Serie.h"

#include <gtest/gtest.h>

namespace {

Ports_Disponibles ports(std::initializer_list<int> numeros) {
    Ports_Disponibles d{};
    for (int n : numeros)
        d[n] = true;
    return d;
}

TEST(Choix_Port, UnSeulPortEstChoisiDOffice) {
    const auto e = Etat_Apres(ports({4}), 0);
    EXPECT_EQ(e.num_port, 4);
    EXPECT_EQ(e.selection, 4);
    EXPECT_TRUE(e.ok_actif);
    // Même si l'ancien choix a disparu.
    EXPECT_EQ(Etat_Apres(ports({4}), 9).num_port, 4);
}

TEST(Choix_Port, LAncienChoixEncorePresentEstGarde) {
    const auto e = Etat_Apres(ports({1, 3, 5}), 3);
    EXPECT_EQ(e.num_port, 3);
    EXPECT_EQ(e.selection, 3);
    EXPECT_TRUE(e.ok_actif);
}

TEST(Choix_Port, UnAncienChoixDisparuEstOublie) {
    const auto e = Etat_Apres(ports({1, 2}), 7);
    EXPECT_EQ(e.num_port, 0);
    EXPECT_EQ(e.selection, 0);
    EXPECT_FALSE(e.ok_actif);
}

TEST(Choix_Port, PlusieursPortsSansChoixNiAucunPort) {
    auto e = Etat_Apres(ports({2, 16}), 0);
    EXPECT_EQ(e.num_port, 0);
    EXPECT_EQ(e.selection, 0);
    EXPECT_FALSE(e.ok_actif);
    e = Etat_Apres(ports({}), 0);
    EXPECT_EQ(e.num_port, 0);
    EXPECT_FALSE(e.ok_actif);
    EXPECT_EQ(Etat_Apres(ports({}), 3).num_port, 0);
    EXPECT_EQ(Etat_Apres(ports({16}), 0).selection, 16);
}

TEST(Ports_Serie, UnPortBrancheEnRouteNeVolePasLeNumeroDUnAutre) {
    QStringList systeme{QStringLiteral("/dev/ttyUSB1"), QStringLiteral("/dev/ttyS0")};
    Ports_Serie::Activer_Enumeration(true);
    Ports_Serie::Definir_Chemins({QStringLiteral("/tmp/simulateur")});
    Ports_Serie::Definir_Source_Systeme([&] { return systeme; });
    EXPECT_EQ(Ports_Serie::Systeme(2), QStringLiteral("/dev/ttyUSB1"));
    // ttyUSB0 branché, ttyS0 débranché : les numéros donnés ne bougent pas.
    systeme = {QStringLiteral("/dev/ttyUSB0"), QStringLiteral("/dev/ttyUSB1")};
    Ports_Serie::Actualiser();
    EXPECT_EQ(Ports_Serie::Systeme(1), QStringLiteral("/tmp/simulateur"));
    EXPECT_EQ(Ports_Serie::Systeme(2), QStringLiteral("/dev/ttyUSB1"));
    EXPECT_EQ(Ports_Serie::Systeme(3), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(Ports_Serie::Systeme(4), QStringLiteral("/dev/ttyUSB0"));
    Ports_Serie::Definir_Source_Systeme(nullptr);
    Ports_Serie::Definir_Chemins({});
}

} // namespace
