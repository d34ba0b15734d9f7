#include "download/Liaison_Serie.h"
#include "download/Ports_Serie.h"
#include "support/Pseudo_Terminal.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <tuple>

namespace {

class Liaison_Test : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(terminal.valide());
        Ports_Serie::Activer_Enumeration(false);
        Ports_Serie::Definir_Chemins({terminal.chemin()});
    }
    void TearDown() override {
        liaison().Fermer();
        Ports_Serie::Definir_Chemins({});
    }
    Pseudo_Terminal terminal;
};

TEST_F(Liaison_Test, DemandeEtReceptionParMorceauxPlafonnesAuTampon) {
    Liaison_Serie& l = liaison();
    ASSERT_TRUE(l.Ouvrir(1, Reglages_Telechargement, Taille_Tampon_Entree));
    ASSERT_TRUE(l.Ecrire_Octet(0x01));
    // Le DTR d'un pseudo-terminal n'existe pas : ni échec ni erreur.
    l.DTR(true);
    EXPECT_FALSE(l.En_Erreur());
    EXPECT_EQ(terminal.lire(2000), QByteArray(1, '\x01'));

    // L'appareil envoie 40 000 octets de toutes les valeurs, caractères de contrôle compris.
    QByteArray image(40000, 0);
    for (int i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    QByteArray recu;
    qsizetype envoyes = 0;
    QElapsedTimer horloge;
    horloge.start();
    while (recu.size() < image.size() && horloge.elapsed() < 20000) {
        terminal.pousser(image, envoyes);
        QCoreApplication::processEvents();
        const int attente = l.Octets_En_Attente();
        ASSERT_LE(attente, Taille_Tampon_Entree);
        // Comme le téléchargement : on vide le tampon par morceaux d'au moins 16 000 octets,
        // puis on prend le reste une fois tout envoyé.
        if (attente >= 16000 || (envoyes == image.size() && attente > 0))
            recu += l.Lire_Tout();
    }
    EXPECT_EQ(recu, image);
    l.Fermer();
    EXPECT_FALSE(l.Ouverte());
    EXPECT_EQ(l.Octets_En_Attente(), 0);
}

TEST(Reglages_Serie, LectureDuTexteDeReglages) {
    Reglages_Serie r;
    ASSERT_TRUE(Lire_Reglages(QStringLiteral("9600,e,7,2"), r));
    EXPECT_EQ(std::tie(r.debit, r.parite, r.bits, r.arret), std::make_tuple(9600, 'E', 7, 2));
    for (const char* faux :
         {"56000,N,8", "vite,N,8,1", "56000,N,9,1", "56000,N,8,3", "56000,X,8,1"})
        EXPECT_FALSE(Lire_Reglages(QString::fromLatin1(faux), r)) << faux;
}

TEST(Ports_Serie, LesCheminsDonnesPassentDAbordEtSeizeAuPlus) {
    Ports_Serie::Activer_Enumeration(false);
    QStringList chemins;
    for (int i = 0; i < 20; ++i)
        chemins << QStringLiteral("/dev/essai%1").arg(i);
    chemins.insert(1, QStringLiteral("/dev/essai0")); // un doublon ne prend pas de numéro
    Ports_Serie::Definir_Chemins(chemins);
    EXPECT_EQ(Ports_Serie::Systeme(1), QStringLiteral("/dev/essai0"));
    EXPECT_EQ(Ports_Serie::Systeme(2), QStringLiteral("/dev/essai1"));
    EXPECT_EQ(Ports_Serie::Systeme(16), QStringLiteral("/dev/essai15"));
    EXPECT_EQ(Ports_Serie::Systeme(17), QString());
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
