#include "shell/Ligne_Commande.h"

#include <gtest/gtest.h>

namespace {

TEST(Ligne_Commande, PortsRepetesDansLOrdreEtAide) {
    const auto o = Analyser_Options({"--port", "/dev/pts/3", "--port=/dev/ttyUSB0", "-h"});
    EXPECT_TRUE(o.erreur.isEmpty() && o.aide);
    EXPECT_EQ(o.ports, (QStringList{"/dev/pts/3", "/dev/ttyUSB0"}));
    EXPECT_FALSE(Analyser_Options({}).aide);
    EXPECT_EQ(Analyser_Options({"a.lqm", "--port", "p"}).fichier, QStringLiteral("a.lqm"));
}

// La première faute de la ligne, nommée en français.
TEST(Ligne_Commande, ErreursDUsage) {
    const struct {
        QStringList arguments;
        const char* erreur;
    } cas[] = {
        {{"--port"}, "L'option --port attend une valeur."},
        {{"--port="}, "L'option --port attend le chemin d'un port série."},
        {{"--port", "p", "--vite", "--port"}, "Option inconnue : --vite"},
        {{"-x", "--port"}, "Option inconnue : -x"},
        {{"--help=oui"}, "L'option --help ne prend pas de valeur."},
        {{"--port", "p", "a.lqm", "b.lqm"}, "Argument inattendu : b.lqm"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(Analyser_Options(c.arguments).erreur, QString::fromUtf8(c.erreur))
            << c.arguments.join(u' ').toStdString();
}

} // namespace
