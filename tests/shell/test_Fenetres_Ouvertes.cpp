#include "shell/Fenetres_Ouvertes.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

class Fermeture_Test : public ::testing::Test {
protected:
    void SetUp() override { Drapeaux() = Drapeaux_Ouverture{}; }
    void TearDown() override {
        Installer_Dechargeur(nullptr);
        Drapeaux() = Drapeaux_Ouverture{};
    }

    // Décharge comme une vraie fenêtre : note l'ordre et baisse le drapeau.
    std::vector<Id_Fenetre> dechargees;
    void installer_dechargeur_fidele() {
        Installer_Dechargeur([this](Id_Fenetre id) {
            dechargees.push_back(id);
            *Drapeau_De(id) = false;
        });
    }
};

TEST_F(Fermeture_Test, FermeToutesLesFenetresOuvertesDansLOrdreFixe) {
    installer_dechargeur_fidele();
    for (Id_Fenetre id : Ordre_Fermeture)
        *Drapeau_De(id) = true;
    Fermer_Fenetres();
    const std::vector<Id_Fenetre> attendu = {Id_Fenetre::frmPort,
                                             Id_Fenetre::frmData_Type,
                                             Id_Fenetre::frmGraphique_Leq,
                                             Id_Fenetre::frmInTableau,
                                             Id_Fenetre::frmTableau_Evenements,
                                             Id_Fenetre::frmWait_Save,
                                             Id_Fenetre::frmInGraphique_v5,
                                             Id_Fenetre::frmWait,
                                             Id_Fenetre::frmTableau_Leq_V5,
                                             Id_Fenetre::frmParametres_v4};
    EXPECT_EQ(dechargees, attendu);
    for (Id_Fenetre id : Ordre_Fermeture)
        EXPECT_FALSE(*Drapeau_De(id)) << Nom_Fenetre(id);
}

TEST_F(Fermeture_Test, LaisseTranquillesLesFenetresDontLeDrapeauEstBaisse) {
    installer_dechargeur_fidele();
    Drapeaux().Ouvert_frmWait = true;
    Drapeaux().Ouvert_frmData_Type = true;
    Fermer_Fenetres();
    // frmData_Type passe avant frmWait, quel que soit l'ordre d'ouverture.
    EXPECT_EQ(dechargees, (std::vector<Id_Fenetre>{Id_Fenetre::frmData_Type, Id_Fenetre::frmWait}));
}

TEST_F(Fermeture_Test, ChaqueDrapeauEstLuAuMomentOuSonTourVient) {
    // Une fenêtre dont le déchargement en ferme une autre plus loin dans l'ordre :
    // celle-ci n'est pas déchargée une seconde fois.
    Installer_Dechargeur([this](Id_Fenetre id) {
        dechargees.push_back(id);
        *Drapeau_De(id) = false;
        if (id == Id_Fenetre::frmData_Type)
            Drapeaux().Ouvert_frmWait = false;
    });
    Drapeaux().Ouvert_frmData_Type = true;
    Drapeaux().Ouvert_frmWait = true;
    Fermer_Fenetres();
    EXPECT_EQ(dechargees, std::vector<Id_Fenetre>{Id_Fenetre::frmData_Type});
}

TEST_F(Fermeture_Test, LesFenetresSansDrapeauNeSontPasSuivies) {
    EXPECT_EQ(Drapeau_De(Id_Fenetre::frmMain), nullptr);
    EXPECT_EQ(Drapeau_De(Id_Fenetre::frmStart), nullptr);
    EXPECT_EQ(Drapeau_De(Id_Fenetre::frmAbout), nullptr);
    // Chaque fenêtre suivie a son propre drapeau.
    std::vector<bool*> vus;
    for (Id_Fenetre id : Ordre_Fermeture) {
        bool* d = Drapeau_De(id);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(std::count(vus.begin(), vus.end(), d), 0);
        vus.push_back(d);
    }
}

} // namespace
