#include "shell/Choix_Port.h"

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

} // namespace
