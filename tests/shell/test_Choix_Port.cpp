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

// Ports présents, ancien choix -> port retenu : option cochée et Ok actif (0 : aucun).
TEST(Choix_Port, EtatApresLeSondage) {
    const std::tuple<Ports_Disponibles, int, int> cas[] = {
        {ports({4}), 0, 4},       // un seul port : choisi d'office,
        {ports({4}), 9, 4},       // même si l'ancien a disparu
        {ports({16}), 0, 16},     // le dernier numéro compte aussi
        {ports({1, 3, 5}), 3, 3}, // l'ancien choix encore là est gardé
        {ports({1, 2}), 7, 0},    // un ancien choix disparu est oublié
        {ports({2, 16}), 0, 0},   // plusieurs ports, aucun choix
        {ports({}), 3, 0}};       // aucun port
    for (const auto& [presents, ancien, retenu] : cas) {
        const auto e = Etat_Apres(presents, ancien);
        EXPECT_TRUE(e.num_port == retenu && e.selection == retenu && e.ok_actif == (retenu != 0))
            << ancien << " -> " << retenu;
    }
}

// Les chemins donnés d'abord, un doublon sans numéro, seize ports au plus ; un port branché
// en route ne vole pas le numéro d'un autre.
TEST(Ports_Serie, NumerosDonnesUneFoisPourToutes) {
    QStringList systeme{QStringLiteral("/dev/ttyUSB1"), QStringLiteral("/dev/ttyS0")};
    Ports_Serie::Activer_Enumeration(true);
    Ports_Serie::Definir_Chemins({QStringLiteral("/tmp/lqm"), QStringLiteral("/tmp/lqm")});
    Ports_Serie::Definir_Source_Systeme([&] { return systeme; });
    EXPECT_EQ(Ports_Serie::Systeme(2), QStringLiteral("/dev/ttyUSB1"));
    // ttyUSB0 branché, ttyS0 débranché, puis beaucoup d'autres.
    systeme = {QStringLiteral("/dev/ttyUSB0"), QStringLiteral("/dev/ttyUSB1")};
    for (int i = 0; i < 20; ++i)
        systeme << QStringLiteral("/dev/essai%1").arg(i);
    Ports_Serie::Actualiser();
    const QStringList attendus{"/tmp/lqm", "/dev/ttyUSB1", "/dev/ttyS0", "/dev/ttyUSB0",
                               "/dev/essai0"};
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(Ports_Serie::Systeme(n), attendus[n - 1]) << n;
    EXPECT_EQ(Ports_Serie::Systeme(16), QStringLiteral("/dev/essai11"));
    EXPECT_EQ(Ports_Serie::Systeme(17), QString());
    Ports_Serie::Definir_Source_Systeme(nullptr);
    Ports_Serie::Definir_Chemins({});
}

TEST(Ports_Serie, OrdreNaturelDesNoms) {
    // Chaque paire est dans l'ordre, et jamais dans l'autre sens.
    for (const auto& [a, b] :
         {std::pair{"ttyUSB2", "ttyUSB10"}, {"ttyACM0", "ttyS0"}, {"ttyS", "ttyS0"}}) {
        EXPECT_TRUE(Ports_Serie::Avant_Naturel(QLatin1String(a), QLatin1String(b))) << a << b;
        EXPECT_FALSE(Ports_Serie::Avant_Naturel(QLatin1String(b), QLatin1String(a))) << a << b;
    }
    EXPECT_FALSE(Ports_Serie::Avant_Naturel(QStringLiteral("ttyS1"), QStringLiteral("ttyS1")));
}

} // namespace
