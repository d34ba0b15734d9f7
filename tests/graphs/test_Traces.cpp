#include "graphs/Fonctions_Graphiques.h"
#include "graphs/Periode_Graphique.h"
#include "store/Declarations.h"

#include "support/Outil.h"

#include <QDateTime>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTimeZone>
#include <QtEndian>
#include <array>
#include <gtest/gtest.h>
#include <random>

namespace {

using Genre = Surface_Enregistreuse::Genre;
using Operation = Surface_Enregistreuse::Operation;

void ecrire_ligne(std::int16_t* l, const QDateTime& t, int genre, int niveau) {
    const int valeurs[8] = {
        t.time().minute(), t.time().hour(),        t.date().day(), genre,
        t.date().month(),  t.date().year() - 2000, niveau % 100,   niveau / 100};
    std::copy(valeurs, valeurs + 8, l);
}

// Le graphique commence à midi du 15 novembre 2008 ; Tab_Jours_Graph en liste les jours.
struct Traces : ::testing::Test {
    void SetUp() override {
        Magasin().reinitialiser();
        Ecrire_Periode_Graph(QDate(2008, 11, 15), 7);
    }
    void TearDown() override { Magasin().reinitialiser(); }

    // Ajoute une valeur à la série, « minutes » après midi du jour de début.
    static void valeur(Serie_Leq serie, int minutes, int niveau) {
        auto& M = Magasin();
        const QDateTime t = QDateTime(QDate(2008, 11, 15), QTime(12, 0)).addSecs(60LL * minutes);
        const bool dix = serie == Serie_Leq::Leq10;
        std::int32_t& nb = dix ? M.Nb_Leq10 : M.Nb_Leq1;
        if (nb == 0)
            nb = 1;
        ecrire_ligne((dix ? M.Tab_Leq10 : M.Tab_Leq1).ligne(nb++), t, dix ? 10 : 1, niveau);
        M.Index_Debut = M.Index_Fin = 1;
    }
    static std::vector<Operation> lignes(const Surface_Enregistreuse& s) {
        std::vector<Operation> r;
        for (const Operation& o : s.operations)
            if (o.genre == Genre::Ligne)
                r.push_back(o);
        return r;
    }
    // Les textes écrits sous l'axe, dans l'ordre : heures (y = −57) ou dates (−52,5 ou −53,5).
    static QString textes(const Surface_Enregistreuse& s, bool heures) {
        QStringList r;
        for (const Operation& o : s.operations)
            if (o.genre == Genre::Texte && (heures ? o.y1 == -57 : o.y1 < -52 && o.y1 > -54))
                r << o.texte;
        return r.join(u'|');
    }
};

void attendre_ligne(const Operation& o, double x1, double y1, double x2, double y2) {
    for (auto [v, attendu] : {std::pair{o.x1, x1}, {o.y1, y1}, {o.x2, x2}, {o.y2, y2}})
        EXPECT_NEAR(v, attendu, 1e-9);
}

// x calculé sur les champs donne exactement ce que donnait la lecture de deux dates :
// l'écart en jours formaté sur 7 décimales et relu.
TEST_F(Traces, TempsEnXCommeParLesDates) {
    std::mt19937 alea(11);
    for (int n = 0; n < 3000; ++n) {
        const QDate debut = QDate(2000, 1, 1).addDays(alea() % 36000);
        const QDateTime midi(debut, QTime(12, 0), QTimeZone::utc());
        const QDateTime t = midi.addSecs(60LL * (static_cast<int>(alea() % (9 * 1440)) - 720));
        std::int16_t ligne[8];
        ecrire_ligne(ligne, t, 1, 80);
        for (int m : {60, 180, 360}) {
            const double jours = midi.msecsTo(t) / 86400000.0;
            const double attendu = QString::number(jours, 'f', 7).toDouble() / 0.0006944 / m + 12;
            ASSERT_EQ(X_Temps(ligne, debut, m), attendu) << t.toString().toStdString();
        }
    }
    std::int16_t ligne[8];
    ecrire_ligne(ligne, QDateTime(QDate(2008, 11, 22), QTime(12, 0)), 1, 80);
    ligne[4] = 13; // un mois qui n'existe pas : la ligne n'est pas placée
    EXPECT_FALSE(X_Temps(ligne, QDate(2008, 11, 15), 360));
}

// L'escalier : une barre par valeur, une marche vers la suivante, une barre seule après un
// trou. Un trou, c'est la période de la série plus une minute.
TEST_F(Traces, EscalierEtTrous) {
    for (int n = 0; n < 12; ++n) {
        const Serie_Leq serie = n < 6 ? Serie_Leq::Leq10 : Serie_Leq::Leq1;
        const int periode = n < 6 ? 10 : 1, duree = (n / 2) % 3 == 0 ? 1 : (n / 2) % 3 * 4 - 1;
        const bool trou = n % 2;
        SetUp();
        SCOPED_TRACE(testing::Message() << "durée " << duree << ", période " << periode);
        const double m = Minutes_Par_Unite(duree), barre = periode / m;
        valeur(serie, 300, 70);
        valeur(serie, 300 + periode + trou, 80);
        const auto& table = n < 6 ? Magasin().Tab_Leq10 : Magasin().Tab_Leq1;
        const double x0 = *X_Temps(table.ligne(1), QDate(2008, 11, 15), static_cast<int>(m));
        const double x1 = *X_Temps(table.ligne(2), QDate(2008, 11, 15), static_cast<int>(m));
        Surface_Enregistreuse s;
        Trace_Courbe(s, serie, duree, Rouge);
        const auto l = lignes(s);
        ASSERT_EQ(l.size(), trou ? 2u : 3u);
        attendre_ligne(l[0], x0 - barre, -70, x0, -70);
        if (trou) {
            attendre_ligne(l[1], x1 - barre, -80, x1, -80);
        } else {
            attendre_ligne(l[1], x0, -70, x0, -80);
            attendre_ligne(l[2], x0, -80, x1, -80);
        }
        EXPECT_EQ(s.operations.size() - l.size(), 2u); // un point par valeur
        for (const Operation& o : s.operations)
            EXPECT_EQ(o.couleur, Rouge);
    }
}

// La flèche au-dessus d'une valeur de 54 dB, sous l'axe du temps (y = −60) : la valeur est
// tracée là quand même. Le graphique entier : axes, niveau public, courbe, flèche en dernier.
TEST_F(Traces, FlecheEtGraphiqueEntier) {
    valeur(Serie_Leq::Leq1, 360, 54);
    valeur(Serie_Leq::Leq1, 361, 80);
    const double x = *X_Temps(Magasin().Tab_Leq1.ligne(1), QDate(2008, 11, 15), 60);
    Surface_Enregistreuse s;
    Dessiner_Graphique(s, {Serie_Leq::Leq1, 1, false, false, 1});
    const auto& ops = s.operations;
    const auto point = std::find_if(ops.begin(), ops.end(),
                                    [](const Operation& o) { return o.genre == Genre::Point; });
    ASSERT_TRUE(point != ops.end() && ops.size() >= 4u);
    EXPECT_EQ(point->y1, -54);
    const std::vector<Operation> fleche(ops.end() - 4, ops.end());
    attendre_ligne(fleche[0], x, -55, x, -59);
    attendre_ligne(fleche[1], x, -54.1, x - 0.05, -55);
    attendre_ligne(fleche[2], x, -54.1, x + 0.05, -55);
    attendre_ligne(fleche[3], x - 0.05, -55, x + 0.05, -55);
    for (const Operation& o : fleche)
        EXPECT_EQ(o.couleur, Bleu);

    // Zoomé : grille grise, niveau public vif sur deux pixels, courbe, flèche ; la date au
    // milieu de la part entière vue (13 à 19), à 7,5 % du bas.
    Etat_Graphique zoome{Serie_Leq::Leq1, 1, false, true, 1};
    zoome.zoom = Zoom_Graphique{13.6, 19.5, 50, 90};
    Surface_Enregistreuse z;
    Dessiner_Graphique(z, zoome);
    QMap<QString, int> traits;
    QStringList dates;
    for (const Operation& o : z.operations) {
        if (o.genre == Genre::Ligne)
            ++traits[Texte_Couleur(o.couleur) + u' ' + QString::number(o.largeur)];
        else if (o.texte.contains(QStringLiteral(" / ")))
            dates << Texte_Nombre(o.x1) + u' ' + Texte_Nombre(o.y1) + u' ' + o.texte;
    }
    EXPECT_EQ(traits,
              (QMap<QString, int>{
                  {"#A0A0A0 1", 37}, {"#00FF00 2", 1}, {"#FF0000 1", 3}, {"#0000FF 1", 4}}));
    EXPECT_EQ(dates, QStringList{"16 -53 15 / 11 / 2008"});

    // Sans marque ou marque hors série : la courbe sans flèche ; durée inconnue : les axes
    // seuls ; période vide : rien du tout.
    for (auto [etat, rouges, axes] :
         {std::tuple{Etat_Graphique{Serie_Leq::Leq1, 1, false, false, 0}, 5, true},
          {{Serie_Leq::Leq1, 1, false, false, 9}, 5, true},
          {{Serie_Leq::Leq1, 5, false, false, 1}, 0, true},
          {{Serie_Leq::Leq1, 1, true, false, 1}, 0, false}}) {
        Surface_Enregistreuse r;
        Dessiner_Graphique(r, etat);
        const auto noirs = std::count_if(r.operations.begin(), r.operations.end(), [](auto& o) {
            return o.couleur == Noir || o.couleur == Vert_Public;
        });
        EXPECT_EQ(std::make_pair(int(r.operations.size() - noirs), noirs > 0),
                  std::make_pair(rouges, axes));
    }
}

// lqm-outil graphique : les opérations des deux graphiques, l'image PNG à sa taille ;
// evenements-graphique : de midi à midi.
TEST_F(Traces, CommandesGraphiqueEtEvenements) {
    Fichier_Genere g;
    ASSERT_TRUE(g.ecrit);
    const QStringList a{"graphique", g.chemin, "--debut", "07/03/2008", "--jours"};
    const Resultat_Outil r = outil(a + QStringList{"7", "--operations"});
    ASSERT_EQ(r.code, 0) << r.erreur.toStdString();
    const QStringList l = r.sortie.split(u'\n');
    EXPECT_EQ(l[0], QStringLiteral("graphique Leq10"));
    EXPECT_TRUE(l.contains(QStringLiteral("graphique Leq1")));
    EXPECT_GT(l.filter(QStringLiteral("#FF0000")).size(), 1000);
    // --zoom : le seul graphique choisi, dans l'échelle de la sélection ; trop petite, refusée.
    const QStringList zoom{"1", "--operations", "--serie", "leq10", "--zoom", "20", "-70"};
    const QStringList z = outil(a + zoom + QStringList{"14", "-100.04"}).sortie.split(u'\n');
    EXPECT_EQ(z.mid(0, 2), QStringList({"graphique Leq10", "echelle 14 -100 6 30"}));
    EXPECT_FALSE(z.contains(QStringLiteral("graphique Leq1")));
    EXPECT_EQ(outil(a + zoom + QStringList{"19.5", "-74"}).code, 1);
    EXPECT_TRUE(Zoom_Selection(20, -70, 19, -75)); // une unité sur 5 dB tout juste : acceptée

    // L'image : --largeur pixels de large, la hauteur en proportion (en-tête PNG) ; une
    // largeur absurde n'écrit rien ; ni image ni opérations : ligne mal formée.
    const QString png = g.dossier.filePath(QStringLiteral("g.png"));
    for (auto [largeur, attendu, hauteur] :
         {std::tuple{"0", 2, 0u}, {"1002", 0, 1154u}, {"", 2, 1154u}}) {
        const QStringList suite{"1", "--sortie", png, "--largeur", largeur};
        EXPECT_EQ(outil(a + (*largeur ? suite : QStringList{"1"})).code, attendu);
        QFile f(png);
        const QByteArray d = f.open(QIODevice::ReadOnly) ? f.read(24) : QByteArray();
        EXPECT_EQ(d.size() == 24 ? qFromBigEndian<quint32>(d.constData() + 20) : 0u, hauteur);
    }

    // Rien avant midi le 7, rien à partir de midi le 8.
    const QStringList e =
        outil({"evenements-graphique", g.chemin, "--debut", "7/3/2008", "--jours", "1"})
            .sortie.split(u'\n', Qt::SkipEmptyParts);
    const QRegularExpression heure(QStringLiteral("^   Le +\\S+ +(\\d\\d) .* à   (\\d\\d) h\\. "));
    ASSERT_FALSE(e.isEmpty());
    EXPECT_EQ(heure.match(e.first()).captured(1) + heure.match(e.last()).captured(1), "0708");
    EXPECT_GE(heure.match(e.first()).captured(2).toInt(), 12) << e.first().toStdString();
    EXPECT_LT(heure.match(e.last()).captured(2).toInt(), 12) << e.last().toStdString();
    // Date impossible, durée hors liste : 2 ; fichier absent : 1.
    for (const auto& [f, debut, jours, attendu] :
         {std::tuple{g.chemin, "31/02/2008", "1", 2},
          {g.chemin, "07/03/2008", "2", 2},
          {g.dossier.filePath("absent.lqm"), "07/03/2008", "3", 1}})
        EXPECT_EQ(outil({"evenements-graphique", f, "--debut", debut, "--jours", jours}).code,
                  attendu);
}

} // namespace
