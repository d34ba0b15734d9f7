#include "parameters/Parametres.h"
#include "store/Declarations.h"

#include <gtest/gtest.h>

namespace {

class Jeux : public ::testing::Test {
protected:
    void SetUp() override {
        auto& M = Magasin();
        M.reinitialiser();
        M.Tab_Parametres.remplir(255);
        M.Date_Recuperation = "12/03/2008", M.Heure_Recuperation = "16:42:07";
        // Réglages en cours : différents du plus récent des jeux.
        M.Tab_Config(8) = 12, M.Tab_Config(2050) = 6, M.Tab_Config(2052) = 7;
        M.Tab_Config(2056) = 12, M.Tab_Config(2068) = 20, M.Tab_Config(2178) = 95;
        M.Tab_Config(2190) = 7;
    }
    void TearDown() override { Magasin().reinitialiser(); }
    // Un jeu daté, reconnaissable à sa montée et à son Niveau Public 1 (100 + r).
    static void jeu(int r, int jour, int heure, int minute) {
        auto& T = Magasin().Tab_Parametres;
        for (int c = 1; c <= 48; ++c)
            T(r, c) = 0;
        T(r, 1) = minute, T(r, 2) = heure, T(r, 3) = jour, T(r, 5) = 3, T(r, 6) = 8;
        T(r, 10) = r, T(r, 29) = 1, T(r, 30) = r;
    }
    const QString recuperation = "Mercredi 12   Mars    2008  à  16 : 42";
};

TEST_F(Jeux, ListeDuPlusRecentAuPlusAncienEtPeriodeDeChaqueChoix) {
    jeu(1, 1, 8, 0);
    jeu(2, 5, 9, 30);
    jeu(3, 10, 18, 15);
    Contenu_Parametres c = Contenu_Chargement();
    ASSERT_EQ(c.Combo_Jour, (QStringList{" Lundi   10   Mars    2008  à  18 : 15",
                                         "Mercredi 05   Mars    2008  à  09 : 30",
                                         " Samedi  01   Mars    2008  à  08 : 00"}));
    // Au chargement : les réglages en cours, sous la période du plus récent des jeux.
    EXPECT_EQ(c.Texte_Jour, c.Combo_Jour[0]);
    EXPECT_EQ(c.Label_Date, "Paramètres  du  " + c.Combo_Jour[0] + "  au  " + recuperation);
    EXPECT_EQ(c.reglages.niveaux[0], "95");
    // Chaque jeu vaut jusqu'au suivant ; le plus récent, jusqu'au téléchargement.
    const QString fins[3] = {recuperation, c.Combo_Jour[0], c.Combo_Jour[1]};
    for (int k = 0; k < 3; ++k) {
        ASSERT_TRUE(Choisir_Jeu(c, k));
        EXPECT_EQ(c.Label_Date, "Paramètres  du  " + c.Combo_Jour[k] + "  au  " + fins[k]);
        EXPECT_EQ(c.reglages.niveaux[0], QString::number(100 + 3 - k));
        EXPECT_EQ(c.reglages.montee, Texte_Temps_Montee(3 - k));
    }
    EXPECT_FALSE(Choisir_Jeu(c, 3) || Choisir_Jeu(c, -1));

    // Fichier non trié : une ligne vide entre deux jeux ne décale pas le choix.
    Magasin().Tab_Parametres(2, 6) = 255;
    c = Contenu_Chargement();
    ASSERT_TRUE(Choisir_Jeu(c, 0));
    EXPECT_EQ(c.reglages, Reglages_Du_Jeu(3));
}

TEST_F(Jeux, SansJeuValideLaListeEstVideEtLesReglagesEnCoursRestent) {
    Magasin().Tab_Parametres(1, 6) = 99; // année hors limites
    Contenu_Parametres c = Contenu_Chargement();
    EXPECT_TRUE(c.Combo_Jour.isEmpty());
    EXPECT_EQ(c.Label_Date, "Paramètres  du    au  " + recuperation);
    EXPECT_EQ(c.reglages.niveaux[0], "95");
    EXPECT_FALSE(Choisir_Jeu(c, 0));
}

} // namespace
