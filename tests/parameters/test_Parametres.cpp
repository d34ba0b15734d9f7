#include "parameters/Parametres.h"
#include "store/Declarations.h"
#include "store/Fonction_Fichiers.h"

#include "support/Outil.h"

#include <gtest/gtest.h>

namespace {

TEST(Parametres, Decodages) {
    EXPECT_EQ(QStringList({Texte_Attenuation(15), Texte_Attenuation(16), Texte_Attenuation(9),
                           Texte_Attenuation(0), Texte_Niveau_Reglage(1, 2),
                           Texte_Niveau_Reglage(0, 95)}),
              QStringList({"15", "00", "09", "00", "102", "95"}));
    // Seuls les bits 4 et 8 font la pondération, seul le bit 1 la source.
    const std::pair<int, const char*> ponderations[] = {{0, "Capteur, Linéaire."},
                                                        {4 + 16, "Capteur, Linéaire."},
                                                        {8 + 1, "Ligne, Pondérée Type M."},
                                                        {12 + 2, "Capteur, Pondérée Type A."}};
    for (const auto& [v, source] : ponderations) {
        EXPECT_EQ(Texte_Source(v), "Source : " + QString::fromUtf8(source)) << v;
        EXPECT_EQ(Texte_Analyse(v), "Analyse : " + QString::fromUtf8(source).section(", ", 1));
    }
    // Les deux échelles de temps diffèrent ; seuls les trois bits du bas comptent.
    const std::tuple<int, const char*, const char*> temps[] = {
        {0, "250 ms", "250 ms"}, {2, "1 s", "750 ms"}, {4, "3 s", "1.5 s"}, {8 + 7, "6 s", "4 s"}};
    for (const auto& [code, montee, descente] : temps) {
        EXPECT_EQ(Texte_Temps_Montee(code), QString::fromUtf8(montee) + " pour 10 dB.");
        EXPECT_EQ(Texte_Temps_Descente(code), QString::fromUtf8(descente) + " pour 10 dB.");
    }
}

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
    EXPECT_EQ(c.reglages, Reglages_Courants());
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
    EXPECT_EQ(c.reglages, Reglages_Courants());
    EXPECT_FALSE(Choisir_Jeu(c, 0));
}

// lqm-outil parametres lit le fichier comme la fenêtre et choisit le même jeu.
TEST(Outil, ParametresDUnFichierGenere) {
    Fichier_Genere g;
    ASSERT_TRUE(g.ecrit && Charger_Fichier(g.chemin));
    Contenu_Parametres c = Contenu_Chargement();
    const Resultat_Outil r = outil({"parametres", g.chemin});
    EXPECT_EQ(std::pair(r.code, r.sortie), std::pair(0, Lignes_Parametres(c).join('\n') + '\n'));
    ASSERT_TRUE(Choisir_Jeu(c, 1));
    EXPECT_EQ(outil({"parametres", g.chemin, "--jeu", "1"}).sortie,
              Lignes_Parametres(c).join('\n') + '\n');
    const auto n = QString::number(c.Combo_Jour.size());
    Magasin().reinitialiser();
    EXPECT_EQ(outil({"parametres", g.chemin, "--jeu", n}).code, 2);
    EXPECT_EQ(outil({"parametres", g.dossier.filePath("absent.lqm")}).code, 1);
}

} // namespace
