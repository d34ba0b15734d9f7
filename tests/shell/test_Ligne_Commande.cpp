#include "shell/Ligne_Commande.h"

#include <gtest/gtest.h>

namespace {

TEST(Ligne_Commande, PortsRepetesDansLOrdre) {
    const auto o = Analyser_Options({"--port", "/dev/pts/3", "--port=/dev/ttyUSB0"});
    EXPECT_TRUE(o.erreur.isEmpty());
    EXPECT_FALSE(o.aide);
    EXPECT_EQ(o.ports, (QStringList{"/dev/pts/3", "/dev/ttyUSB0"}));
    EXPECT_TRUE(Analyser_Options({}).ports.isEmpty());
}

TEST(Ligne_Commande, AideEtErreurs) {
    EXPECT_TRUE(Analyser_Options({"--help"}).aide);
    EXPECT_TRUE(Analyser_Options({"-h"}).aide);
    EXPECT_EQ(Analyser_Options({"--port"}).erreur,
              QStringLiteral("L'option --port attend le chemin d'un port série."));
    EXPECT_FALSE(Analyser_Options({"--port="}).erreur.isEmpty());
    EXPECT_EQ(Analyser_Options({"--vite"}).erreur, QStringLiteral("Option inconnue : --vite"));
    EXPECT_EQ(Analyser_Options({"fichier"}).erreur, QStringLiteral("Argument inattendu : fichier"));
    EXPECT_TRUE(Texte_Aide_Programme().contains(QStringLiteral("--port CHEMIN")));
}

} // namespace
