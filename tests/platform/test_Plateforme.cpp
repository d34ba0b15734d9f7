#include "platform/Plateforme.h"
#include "platform/Travail_Long.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

// La sortie demandée attend la fin du dernier travail long, puis le tour de boucle suivant.
TEST(Travail_Long, LaSortieAttendLaFinDuDernierTravail) {
    Travail_Long::Reinitialiser();
    int sorties = 0;
    {
        Travail_Long exterieur;
        {
            Travail_Long interieur;
            Travail_Long::Demander_Sortie([&] { ++sorties; });
        }
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(sorties, 0) << "la sortie attend le tour de boucle suivant";
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(sorties, 1);
    // Sans travail, la sortie vient au prochain tour de boucle.
    Travail_Long::Reinitialiser();
    Travail_Long::Demander_Sortie([&] { ++sorties; });
    QCoreApplication::processEvents();
    EXPECT_EQ(sorties, 2);
    Travail_Long::Reinitialiser();
}

} // namespace
