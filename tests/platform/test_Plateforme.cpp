#include "platform/Plateforme.h"
#include "platform/Travail_Long.h"
#include "platform/Twips.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

TEST(Plateforme, FiltreDesDialoguesDeFichier) {
    EXPECT_EQ(Filtre_Qt(QStringLiteral("Sauvegarde LQM 70-4 Nova (*.lqm)|*.lqm")),
              QStringLiteral("Sauvegarde LQM 70-4 Nova (*.lqm)"));
    EXPECT_EQ(Filtre_Qt(QStringLiteral("Textes|*.txt|Tout (*.*)|*.*")),
              QStringLiteral("Textes (*.txt);;Tout (*.*)"));
}

TEST(Plateforme, HorlogeMonotone) {
    std::int64_t avant = Tick_Ms();
    for (int i = 0; i < 1000; ++i) {
        const std::int64_t maintenant = Tick_Ms();
        ASSERT_GE(maintenant, avant);
        avant = maintenant;
    }
}

TEST(Plateforme, ConversionDesTwips) {
    EXPECT_EQ(Twips_En_Pixels(0), 0);
    EXPECT_EQ(Twips_En_Pixels(15), 1);
    EXPECT_EQ(Twips_En_Pixels(1440), 96);
    EXPECT_EQ(Twips_En_Pixels(7), 0);
    EXPECT_EQ(Twips_En_Pixels(8), 1);
}

class Travail_Long_Test : public ::testing::Test {
protected:
    void SetUp() override { Travail_Long::Reinitialiser(); }
    void TearDown() override { Travail_Long::Reinitialiser(); }
};

TEST_F(Travail_Long_Test, LaSortieAttendLaFinDuDernierTravail) {
    int sorties = 0;
    {
        Travail_Long exterieur;
        {
            Travail_Long interieur;
            Travail_Long::Demander_Sortie([&] { ++sorties; });
            EXPECT_TRUE(Travail_Long::Sortie_Demandee());
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(sorties, 0) << "un travail tourne encore";
    }
    // Différée jusqu'au retour dans la boucle d'événements.
    EXPECT_EQ(sorties, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(sorties, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(sorties, 1);
}

TEST_F(Travail_Long_Test, SansTravailLaSortieVientAuProchainTourDeBoucle) {
    int sorties = 0;
    EXPECT_FALSE(Travail_Long::En_Cours());
    Travail_Long::Demander_Sortie([&] { ++sorties; });
    QCoreApplication::processEvents();
    EXPECT_EQ(sorties, 1);
}

} // namespace
