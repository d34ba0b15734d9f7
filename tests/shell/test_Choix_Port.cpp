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

// Ports présents, ancien choix -> port retenu, option cochée, Ok actif.
TEST(Choix_Port, EtatApresLeSondage) {
    struct Cas {
        Ports_Disponibles presents;
        int ancien, num_port, selection;
        bool ok;
    };
    const Cas cas[] = {{ports({4}), 0, 4, 4, true},       // un seul port : choisi d'office,
                       {ports({4}), 9, 4, 4, true},       // même si l'ancien a disparu
                       {ports({16}), 0, 16, 16, true},    // le dernier numéro compte aussi
                       {ports({1, 3, 5}), 3, 3, 3, true}, // l'ancien choix encore là est gardé
                       {ports({1, 2}), 7, 0, 0, false},   // un ancien choix disparu est oublié
                       {ports({2, 16}), 0, 0, 0, false},  // plusieurs ports, aucun choix
                       {ports({}), 3, 0, 0, false}};      // aucun port
    for (const Cas& c : cas) {
        const auto e = Etat_Apres(c.presents, c.ancien);
        EXPECT_TRUE(e.num_port == c.num_port && e.selection == c.selection && e.ok_actif == c.ok)
            << c.ancien << " -> " << c.num_port;
    }
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
    const QStringList attendus{"/tmp/simulateur", "/dev/ttyUSB1", "/dev/ttyS0", "/dev/ttyUSB0"};
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(Ports_Serie::Systeme(n), attendus[n - 1]) << n;
    Ports_Serie::Definir_Source_Systeme(nullptr);
    Ports_Serie::Definir_Chemins({});
}

} // namespace
