#include "store/Declarations.h"
#include "tables/Evenements.h"
#include "tables/Impression_Tableaux.h"
#include "tables/Lignes_Leq.h"
#include "tables/Periode.h"

#include "support/Outil.h"

#include <QDate>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <random>

namespace {

struct Horodatage {
    int annee, mois, jour, heure, minute;
};

void ecrire(std::int16_t* l, Horodatage h, int c4, int c7, int c8) {
    const int valeurs[8] = {h.minute, h.heure, h.jour, c4, h.mois, h.annee - 2000, c7, c8};
    std::copy(valeurs, valeurs + 8, l);
}

// « j/m/a j/m/a » : les textes de la période tels que le dialogue les écrit.
void periode(const QString& texte) {
    const QStringList p = texte.split(QRegularExpression(QStringLiteral("[/ ]")));
    auto& M = Magasin();
    M.Jour_Debut = p[0], M.Mois_Debut = p[1], M.Annee_Debut = p[2];
    M.Jour_Fin = p[3], M.Mois_Fin = p[4], M.Annee_Fin = p[5];
}

struct Tableaux : ::testing::Test {
    void SetUp() override {
        Magasin().reinitialiser();
        Magasin().Tab_Leq.remplir(255);
        Magasin().Tab_Evenements.remplir(255);
    }
    void TearDown() override { Magasin().reinitialiser(); }
};

// La recherche telle qu'elle s'écrivait d'abord : un cas par forme de période, puis la
// première suite de lignes. « midi » : la période du graphique, de midi à midi.
template <typename Table>
std::pair<int, int> recherche_litterale(const Table& t, int nb, const int (&p)[6], bool midi) {
    const auto [ys, ms, ds, ye, me, de] = p;
    auto dedans = [&](const std::int16_t* l) {
        const int y = 2000 + l[5], m = l[4], d = l[2], h = l[1];
        const bool apres_debut = midi ? d > ds || (d == ds && h >= 12) : d >= ds;
        const bool avant_fin = midi ? d < de || (d == de && h <= 11) : d <= de;
        if (ys == ye && ms == me && de >= ds)
            return y == ys && m == ms && apres_debut && avant_fin;
        if (ys == ye && me > ms)
            return y == ys &&
                   ((m == ms && apres_debut) || (m > ms && m < me) || (m == me && avant_fin));
        return ye > ys &&
               ((y == ys && m == ms && apres_debut) || (y == ys && m > ms) || (y > ys && y < ye) ||
                (y == ye && m < me) || (y == ye && m == me && avant_fin));
    };
    int debut = 0;
    for (int i = 1; i <= nb; ++i) {
        const bool d = dedans(t.ligne(i));
        if (d && debut == 0)
            debut = i;
        if (!d && debut != 0)
            return {debut, i - 1};
    }
    return {debut, debut ? nb : 0};
}

TEST_F(Tableaux, RechercheCommeLaProcedureCasParCas) {
    auto& M = Magasin();
    std::mt19937 alea(7);
    auto un_de = [&](std::initializer_list<int> v) {
        return *(v.begin() + std::uniform_int_distribution<int>(0, int(v.size()) - 1)(alea));
    };
    const std::initializer_list<int> annees{2008, 2009}, mois{1, 2, 12}, jours{1, 2, 30, 31};
    for (int essai = 0; essai < 1000; ++essai) {
        const int remplies = un_de({0, 5, 30});
        for (int i = 1; i <= 30; ++i)
            for (auto* l : {M.Tab_Leq.ligne(i), M.Tab_Evenements.ligne(i)})
                if (i > remplies)
                    std::fill(l, l + 8, 255);
                else
                    ecrire(l, {un_de(annees), un_de(mois), un_de(jours), un_de({0, 11, 12, 23}), 0},
                           1, 50, 0);
        const int p[6] = {un_de(annees), un_de(mois), un_de(jours),
                          un_de(annees), un_de(mois), un_de(jours)};
        // Les textes tels que le dialogue les écrit, ou sans zéro en tête.
        auto texte = [&](int n) {
            return essai % 2 ? QString::number(n) : QStringLiteral("%1").arg(n, 2, 10, QChar(u'0'));
        };
        periode(
            QStringLiteral("%1/%2/%3 %4/%5/%6")
                .arg(texte(p[2]), texte(p[1]), texte(p[0]), texte(p[5]), texte(p[4]), texte(p[3])));
        const int nb = un_de({remplies, remplies / 2, Nb_Lignes_Leq});
        Recherche_Periode_Leq(nb);
        ASSERT_EQ(std::make_pair(M.Index_Debut, M.Index_Fin),
                  recherche_litterale(M.Tab_Leq, nb, p, false))
            << essai;
        Recherche_Periode_Evenements();
        ASSERT_EQ(std::make_pair(M.Index_Debut, M.Index_Fin),
                  recherche_litterale(M.Tab_Evenements, Nb_Lignes_Evenements, p, false));
        std::int32_t debut = -1, fin = -1;
        Periode_Evenements_Graph(debut, fin);
        ASSERT_EQ(std::make_pair(debut, fin),
                  recherche_litterale(M.Tab_Evenements, Nb_Lignes_Evenements, p, true));
    }
}

TEST_F(Tableaux, ExtractionDUnePeriodeAChevalSurDeuxAnnees) {
    auto& M = Magasin();
    int i = 0;
    for (QDate d(2008, 12, 29); d <= QDate(2009, 1, 3); d = d.addDays(1))
        for (int genre : {1, 10, 7})
            ecrire(M.Tab_Leq.ligne(++i), {d.year(), d.month(), d.day(), 23, 59}, genre, 60, 0);
    // Une période vide ensuite laisse les comptes à 1, même après une plus longue.
    for (auto [texte, attendu] : {std::pair{"30/12/2008 02/01/2009", std::array{4, 15, 5, 5}},
                                  {"04/01/2009 04/01/2009", {0, 0, 1, 1}}}) {
        periode(texte);
        Recherche_Periode_Leq(Nb_Lignes_Leq);
        Extraction_Periode();
        EXPECT_EQ((std::array{M.Index_Debut, M.Index_Fin, M.Nb_Leq1, M.Nb_Leq10}), attendu);
        EXPECT_TRUE(M.Nb_Leq10 == 1 || M.Tab_Leq10(4, 3) == 2); // le 2 janvier
    }
}

// Les lignes d'une série ; « leq10 » choisit la table et le filtre.
QStringList lignes_serie(std::initializer_list<Horodatage> serie, bool leq10) {
    auto& M = Magasin();
    auto& table = leq10 ? M.Tab_Leq10 : M.Tab_Leq1;
    int i = 0;
    for (const Horodatage& h : serie)
        ecrire(table.ligne(++i), h, leq10 ? 10 : 1, 85, 0);
    (leq10 ? M.Nb_Leq10 : M.Nb_Leq1) = i + 1;
    QStringList lignes{QStringLiteral("déjà là")};
    leq10 ? Liste_Leq10(lignes) : Liste_Leq1(lignes);
    EXPECT_EQ(lignes.takeFirst(), QStringLiteral("déjà là"));
    return lignes;
}

TEST_F(Tableaux, LignesLeq1EmpruntsEtSeparationDesJours) {
    for (auto [unites, centaines, texte] :
         {std::tuple{7, 1, "107"}, {7, 0, " 07"}, {85, 0, " 85"}}) {
        const std::int16_t l[8] = {0, 0, 1, 1, 1, 8, std::int16_t(unites), std::int16_t(centaines)};
        EXPECT_EQ(Texte_Niveau(l), QString::fromUtf8(texte));
    }
    EXPECT_EQ(lignes_serie({{2008, 3, 1, 0, 0}}, false),
              QStringList{"        Le  Vendredi  29   Février   2008  de  23 h. 59  à  00 h. 00   "
                          ":  Niveau Leq 1 =   85 dB."});
    const std::pair<Horodatage, const char*> cas[] = {
        {{2009, 3, 1, 0, 0}, " Samedi   28   Février   2009  de  23 h. 59"},
        {{2009, 1, 1, 0, 0}, "Mercredi  31  Décembre   2008  de  23 h. 59"},
        {{2008, 3, 5, 10, 0}, "Mercredi  05    Mars     2008  de  09 h. 59"}};
    for (const auto& [fin, debut] : cas)
        EXPECT_TRUE(lignes_serie({fin}, false)[0].contains(QString::fromUtf8(debut))) << debut;
    // Le jour change après la ligne qui finit à 00 h. 00, et après un trou de la nuit.
    const QStringList l = lignes_serie(
        {{2008, 3, 4, 23, 59}, {2008, 3, 5, 0, 0}, {2008, 3, 5, 0, 1}, {2008, 3, 6, 0, 5}}, false);
    ASSERT_EQ(l.size(), 6);
    EXPECT_TRUE(l[1].contains(QStringLiteral("04    Mars     2008  de  23 h. 59  à  00 h. 00")));
    EXPECT_EQ(QStringList({l[2], l[4]}), QStringList({"", ""}));
    EXPECT_FALSE(l[3].isEmpty() || l[5].isEmpty());
}

TEST_F(Tableaux, LignesLeq10DebutSelonLEcart) {
    // Série régulière : la ligne de 00 h. 00 porte la nouvelle date, la ligne vide avant.
    QStringList l =
        lignes_serie({{2008, 3, 4, 23, 40}, {2008, 3, 4, 23, 50}, {2008, 3, 5, 0, 0}}, true);
    ASSERT_EQ(l.size(), 4);
    EXPECT_TRUE(l[0].endsWith(QStringLiteral("de  23 h. 30  à  23 h. 40   :  Niveau Leq 10 =   "
                                             "85 dB.")));
    EXPECT_TRUE(l[2].isEmpty());
    EXPECT_TRUE(
        l[3].contains(QStringLiteral("Mercredi  05    Mars     2008  de  23 h. 50  à  00")));
    // 20 et 11 minutes d'écart : les dix minutes avant l'horodatage ; 10 : la suite régulière.
    const std::pair<int, const char*> cas[] = {{20, "de  14 h. 10  à  14 h. 20"},
                                               {11, "de  14 h. 01  à  14 h. 11"},
                                               {10, "de  14 h. 00  à  14 h. 10"}};
    for (const auto& [minute, debut] : cas) {
        l = lignes_serie({{2008, 3, 5, 14, 0}, {2008, 3, 5, 14, minute}}, true);
        ASSERT_EQ(l.size(), 2);
        EXPECT_TRUE(l[1].contains(QString::fromUtf8(debut))) << minute;
    }
    // Après une coupure, l'intervalle de 00 h. 00 reste sur la veille : ligne vide après.
    l = lignes_serie({{2008, 3, 4, 22, 0}, {2008, 3, 5, 0, 0}, {2008, 3, 5, 0, 10}}, true);
    ASSERT_EQ(l.size(), 4);
    EXPECT_TRUE(l[1].contains(QStringLiteral("04    Mars     2008  de  23 h. 50")));
    EXPECT_TRUE(l[2].isEmpty());
}

TEST_F(Tableaux, ContenuDuTableauLeqSelonLesDonnees) {
    auto& M = Magasin();
    periode("05/03/2008 06/03/2008");
    Contenu_Tableau_Leq c = Tableau_Leq();
    EXPECT_EQ(c.Label_Entete10, QStringLiteral("Tableau des valeurs Leq10 du Mercredi 05   Mars   "
                                               " 2008 au  Jeudi   06   Mars    2008 :"));
    const Liste_Affichee aucune_leq1 = c.List_Leq1;
    ASSERT_EQ(aucune_leq1.lignes.size(), 6);
    EXPECT_EQ(aucune_leq1.lignes.mid(0, 5), QStringList(5, QString()));
    // Sept blancs ici, huit quand des Leq1 existent.
    EXPECT_EQ(c.List_Leq10.lignes[5], "       Aucune valeur Leq10 relevée pour cette période !!!");

    // Des Leq1 seulement : message Leq10 à huit blancs.
    ecrire(M.Tab_Leq.ligne(1), {2008, 3, 6, 14, 5}, 1, 85, 0);
    c = Tableau_Leq();
    EXPECT_EQ(c.List_Leq10.lignes[5], "        Aucune valeur Leq10 relevée pour cette période !!!");
    EXPECT_EQ(std::make_tuple(c.List_Leq1.lignes.size(), c.Cmd_Print_Visible),
              std::make_tuple(1, true));
    // Des Leq10 seulement : le message Leq1 de la période vide.
    M.Tab_Leq(1, 4) = 10;
    c = Tableau_Leq();
    EXPECT_EQ(c.List_Leq1, aucune_leq1);
    EXPECT_EQ(c.List_Leq10.lignes.size(), 1);
    // Une ligne d'une autre sorte : des listes vides, sans message.
    M.Tab_Leq(1, 4) = 7;
    c = Tableau_Leq();
    EXPECT_TRUE(c.List_Leq1.lignes.isEmpty() && c.List_Leq10.lignes.isEmpty());
}

TEST_F(Tableaux, TableauDesEvenements) {
    auto& M = Magasin();
    periode("05/03/2008 05/03/2008");
    Contenu_Tableau_Evenements c = Tableau_Evenements();
    // Un seul jour : l'en-tête ne porte qu'une date.
    EXPECT_TRUE(c.Label_Entete.endsWith(QStringLiteral("du Mercredi 05   Mars    2008 :")));
    ASSERT_EQ(c.List_Evenements.lignes.size(), 6);

    // Lignes non listées (plusieurs bits, deux colonnes) : ni ligne ni séparation de trop.
    ecrire(M.Tab_Evenements.ligne(1), {2008, 3, 5, 9, 3}, 0, 3, 0);
    ecrire(M.Tab_Evenements.ligne(2), {2008, 3, 5, 9, 4}, 0, 0, 2);
    ecrire(M.Tab_Evenements.ligne(3), {2008, 3, 5, 23, 0}, 0, 8, 0);
    ecrire(M.Tab_Evenements.ligne(4), {2008, 3, 6, 1, 0}, 0, 4, 4);
    ecrire(M.Tab_Evenements.ligne(5), {2008, 3, 6, 2, 0}, 0, 0, 8);
    periode("05/03/2008 06/03/2008");
    c = Tableau_Evenements();
    EXPECT_EQ(c.List_Evenements.lignes,
              QStringList({"      Le  Mercredi  05    Mars     2008   à   09 h. 04   :   "
                           "Calibration Effectuée.",
                           "      Le  Mercredi  05    Mars     2008   à   23 h. 00   :   "
                           "ByPass Activé.",
                           "",
                           "      Le   Jeudi    06    Mars     2008   à   02 h. 00   :   "
                           "ByPass Désactivé."}));
    EXPECT_EQ(
        std::make_tuple(c.Cmd_Print_Visible, c.Cmd_New_Tableau_Gauche, c.List_Evenements.gras),
        std::make_tuple(true, 5760, false));
}

TEST_F(Tableaux, EvenementsDuGraphiqueDeMidiAMidi) {
    auto& M = Magasin();
    periode("05/03/2008 06/03/2008");
    QStringList l{QStringLiteral("déjà là")};
    EXPECT_TRUE(Liste_Evenements_Graph(l));
    EXPECT_EQ(l, QStringList(
                     {"déjà là", "", "", "    Aucun événement enregistré pour cette période!!!"}));
    const Horodatage heures[] = {{2008, 3, 4, 23, 0},  {2008, 3, 5, 11, 30}, {2008, 3, 5, 12, 0},
                                 {2008, 3, 6, 11, 59}, {2008, 3, 6, 12, 0},  {2008, 3, 7, 0, 0}};
    for (int i = 1; i <= 6; ++i)
        ecrire(M.Tab_Evenements.ligne(i), heures[i - 1], 0, 0, i == 4 ? 2 : 32);
    M.Index_Debut = M.Index_Fin = 99;
    l.clear();
    EXPECT_FALSE(Liste_Evenements_Graph(l));
    EXPECT_EQ(l, QStringList(
                     {"   Le  Mercredi  05    Mars     2008   à   12 h. 00   :   Capteur n°1.", "",
                      "   Le   Jeudi    06    Mars     2008   à   11 h. 59   :   "
                      "Défaut Niveau Capteur."}));
    EXPECT_EQ(std::make_pair(M.Index_Debut, M.Index_Fin), std::make_pair(99, 99));
}

// lqm-outil : les options dans n'importe quel ordre, et les codes de sortie des fautes.
TEST_F(Tableaux, CommandesTableauLeqEtEvenements) {
    Fichier_Genere g;
    ASSERT_TRUE(g.ecrit);
    Resultat_Outil r = outil({"tableau-leq", g.chemin, "--du", "07/03/2008", "--au", "8/3/2008"});
    const QStringList l = r.sortie.split(u'\n');
    const qsizetype entete1 = l.indexOf(QString(l[0]).replace("Leq10", "Leq1"));
    ASSERT_GT(entete1, 2) << r.code;
    EXPECT_TRUE(l[entete1 - 1].isEmpty() && l.last().isEmpty());
    r = outil({"evenements", "--au", "07/03/2008", g.chemin, "--du", "7/3/2008"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(
        r.sortie.contains(QStringLiteral("07    Mars     2008   à   05 h. 04   :   Accès")));
    for (auto [commande, du, au, attendu] :
         {std::tuple{"evenements", "12/03/2008", "11/03/2008", 1},
          {"tableau-leq", "01/01/2009", "31/02/2009", 2},
          {"tableau-leq", "2009-01-05", "01/01/2009", 2}}) {
        r = outil({commande, g.chemin, "--du", du, "--au", au});
        EXPECT_EQ(std::make_pair(r.code, r.sortie), std::make_pair(attendu, QString())) << du;
    }
}

// Pages imprimées : 69 lignes par page, un saut seulement quand une ligne suit, les lignes
// vides comprises ; deux sections Leq numérotées chacune depuis 1, avec leurs en-têtes de
// suite ; le texte d'une série sans valeur à la place de la liste.
TEST_F(Tableaux, PagesImprimees) {
    auto lignes = [](int n) {
        QStringList l;
        for (int i = 1; i <= n; ++i)
            l << (i % 10 ? QString::number(i) : QString());
        return l;
    };
    auto pieds = [](const std::vector<Page_Imprimee>& pages) {
        QStringList r;
        for (const Page_Imprimee& p : pages)
            r << p.back().texte;
        return r.join(u'|');
    };
    Contenu_Tableau_Evenements e;
    e.Label_Serial_Number = QStringLiteral("S");
    e.Label_Entete = QStringLiteral("E");
    e.Un_Jour = true;
    e.List_Evenements.lignes = lignes(69);
    std::vector<Page_Imprimee> p = Pages_Tableau_Evenements(e);
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0][1], (Texte_Imprime{3000, 400, "E"}));
    EXPECT_EQ(p[0][70], (Texte_Imprime{2350, 14800, "69"}));
    e.List_Evenements.lignes = lignes(70);
    p = Pages_Tableau_Evenements(e);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(
        p[1],
        (Page_Imprimee{
            {3300, 200, "S"}, {2350, 400, "E"}, {2350, 1200, ""}, {5000, 15500, " Page   2"}}));

    Contenu_Tableau_Leq c;
    c.Label_Serial_Number = QStringLiteral("S");
    c.Label_Entete10 = QStringLiteral("E10");
    c.Label_Entete1 = QStringLiteral("E1");
    c.List_Leq10.lignes = c.List_Leq1.lignes = lignes(100);
    p = Pages_Tableau_Leq(c);
    EXPECT_EQ(pieds(p), QStringLiteral(" Page   1| Page   2| Page   1| Page   2"));
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[1][1], (Texte_Imprime{2100, 400, "E10"}));
    EXPECT_EQ(p[3][1], (Texte_Imprime{2350, 400, "E1"}));
    c.Aucune_Leq10 = true;
    p = Pages_Tableau_Leq(c);
    EXPECT_EQ(pieds(p), QStringLiteral(" Page   1| Page   1| Page   2"));
    EXPECT_EQ(p[0].size(), 4u);
    EXPECT_TRUE(p[0][2].texte.startsWith(QStringLiteral("   Ancune valeur Leq10")));
}

} // namespace
