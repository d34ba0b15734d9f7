#include "shell/Fenetres_Ouvertes.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

class Fermeture_Test : public ::testing::Test {
protected:
    void SetUp() override { Drapeaux() = Drapeaux_Ouverture{}; }
    void TearDown() override {
        Installer_Dechargeur(nullptr);
        Drapeaux() = Drapeaux_Ouverture{};
    }
    QStringList dechargees;
};

TEST_F(Fermeture_Test, FermeToutesLesFenetresOuvertesDansLOrdreFixe) {
    // Déchargée comme une vraie fenêtre : elle baisse son drapeau.
    Installer_Dechargeur([this](Id_Fenetre id) {
        dechargees.push_back(QString::fromLatin1(Nom_Fenetre(id)));
        *Drapeau_De(id) = false;
    });
    for (Id_Fenetre id : Ordre_Fermeture)
        *Drapeau_De(id) = true;
    Fermer_Fenetres();
    EXPECT_EQ(dechargees.join(u' '),
              QStringLiteral("frmPort frmData_Type frmGraphique_Leq frmInTableau "
                             "frmTableau_Evenements frmWait_Save frmInGraphique_v5 frmWait "
                             "frmTableau_Leq_V5 frmParametres_v4 frmRapport"));
    for (Id_Fenetre id : Ordre_Fermeture)
        EXPECT_FALSE(*Drapeau_De(id)) << Nom_Fenetre(id);
}

TEST_F(Fermeture_Test, ChaqueDrapeauEstLuAuMomentOuSonTourVient) {
    // Une fenêtre dont le déchargement en ferme une autre plus loin dans l'ordre :
    // celle-ci n'est pas déchargée une seconde fois.
    Installer_Dechargeur([this](Id_Fenetre id) {
        dechargees.push_back(QString::fromLatin1(Nom_Fenetre(id)));
        *Drapeau_De(id) = false;
        if (id == Id_Fenetre::frmData_Type)
            Drapeaux().Ouvert_frmWait = false;
    });
    Drapeaux().Ouvert_frmData_Type = true;
    Drapeaux().Ouvert_frmWait = true;
    Fermer_Fenetres();
    EXPECT_EQ(dechargees, QStringList{"frmData_Type"});
}

} // namespace
