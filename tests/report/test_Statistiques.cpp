#include "report/Rapport.h"

#include "support/Outil.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// Des Leq1 minute après minute à partir du 7 mars 2008 à 20 h 00 ; 0 : la minute manque.
Donnees_Periode minutes(const std::vector<int>& niveaux) {
    Donnees_Periode d;
    const Minute debut = Minute_De(2008, 3, 7, 20, 0);
    for (std::size_t i = 0; i < niveaux.size(); ++i)
        if (niveaux[i] != 0)
            d.leq1.push_back({debut + static_cast<Minute>(i), niveaux[i]});
    return d;
}

// Valeurs faites à la main : moyenne énergétique, Leq 15 min glissant et dépassements,
// quart d'heure incomplet, trou après une coupure, niveaux dépassés, période vide.
TEST(Statistiques, ValeursFaitesALaMain) {
    EXPECT_EQ(Arrondi_Dixieme(*Moyenne_Energetique({90, 100})), 97.4);
    for (auto [premiere, attendu, au_dessus] :
         {std::tuple{100, 100.0, 0}, {115, 104.8, 1}, {112, 103.0, 1}}) {
        std::vector<int> n(15, 100);
        n[0] = premiere;
        const Statistiques s = Calculer_Statistiques(minutes(n), 102);
        ASSERT_EQ(s.leq15.size(), 1u);
        EXPECT_EQ(s.leq15[0].niveau, attendu);
        EXPECT_EQ(s.minutes_au_dessus, au_dessus);
        EXPECT_EQ(s.depassements.size(), std::size_t(au_dessus));
    }
    // Seize minutes dont une manque : aucun quart d'heure complet, jamais compté comme silence.
    std::vector<int> n(16, 110);
    n[7] = 0;
    Donnees_Periode d = minutes(n);
    d.coupures = {Minute_De(2008, 3, 7, 20, 5)};
    Statistiques s = Calculer_Statistiques(d, 102);
    EXPECT_TRUE(s.leq15.empty());
    ASSERT_EQ(s.trous.size(), 1u);
    EXPECT_TRUE(s.trous[0].coupure && s.trous[0].minutes() == 1 && s.minutes_manquantes == 1);
    d.coupures = {Minute_De(2008, 3, 7, 20, 4)};
    EXPECT_FALSE(Calculer_Statistiques(d, 102).trous[0].coupure);

    s = Calculer_Statistiques(minutes({40, 130, 50, 120, 60, 110, 70, 100, 80, 90}), 102);
    EXPECT_EQ(std::tuple(*s.l10, *s.l50, *s.l90), std::tuple(130, 90, 50));
    EXPECT_EQ(*Niveau_Depasse({1, 2, 3, 4, 5, 6, 7}, 50), 4); // rang 3,5 : le 4e
    // La nuit entre deux jours de mesures n'est pas un trou.
    EXPECT_TRUE(
        Trous({{Minute_De(2008, 3, 7, 23, 0), 90}, {Minute_De(2008, 3, 8, 8, 0), 90}}, {}).empty());
    // Seize minutes à 110 : deux quarts d'heure au-dessus, un seul dépassement, le maximum à
    // sa première minute ; la limite atteinte n'est pas dépassée ; niveaux publics atteints.
    d = minutes(std::vector<int>(16, 110));
    d.niveaux_publics = {110, 111, 0};
    s = Calculer_Statistiques(d, 102);
    EXPECT_EQ(s.depassements.size(), 1u);
    EXPECT_EQ(s.max_leq15->minute, Minute_De(2008, 3, 7, 20, 14));
    EXPECT_EQ(s.minutes_niveaux_publics, (std::array<std::int64_t, 3>{16, 0, 16}));
    EXPECT_EQ(Calculer_Statistiques(d, 110).minutes_au_dessus, 0);
    s = Calculer_Statistiques({}, 102);
    EXPECT_TRUE(!s.leq && !s.l50 && s.leq15.empty() && s.trous.empty());
}

// lqm-outil rapport : le texte, le CSV par minute relu champ par champ, le PDF relu ;
// exporter : le tableau Leq en CSV.
TEST(Statistiques, RapportCsvEtPdf) {
    Fichier_Genere g;
    ASSERT_TRUE(g.ecrit);
    const QString csv = g.dossier.filePath(QStringLiteral("r.csv"));
    const QString pdf = g.dossier.filePath(QStringLiteral("r.pdf"));
    const Resultat_Outil r = outil({"rapport", g.chemin, "--du", "08/03/2008", "--au", "08/03/2008",
                                    "--limite", "94", "--csv", csv, "--pdf", pdf});
    ASSERT_EQ(r.code, 0) << r.erreur.toStdString();
    EXPECT_TRUE(
        r.sortie.contains(QStringLiteral("Limite du Leq sur 15 minutes glissantes : 94,0 dB")));
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray octets = f.readAll();
    EXPECT_TRUE(octets.startsWith("\xEF\xBB\xBF"));
    const QStringList lignes =
        QString::fromUtf8(octets.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_GT(lignes.size(), 1000);
    EXPECT_EQ(lignes[0], QStringLiteral("Date;Heure;Leq 1 min (dB);Leq 15 min glissant (dB)"));
    const QStringList quinzieme = lignes[15].split(u';');
    ASSERT_EQ(quinzieme.size(), 4);
    EXPECT_EQ(quinzieme[0], QStringLiteral("08/03/2008"));
    EXPECT_TRUE(quinzieme[3].contains(QRegularExpression(QStringLiteral("^\\d+,\\d$"))));
    EXPECT_TRUE(lignes[1].endsWith(u';')); // la première minute : pas de quart d'heure
    // Sans Leq 15 min : les 14 premières minutes du jour et de chaque reprise après ses deux trous.
    EXPECT_EQ(std::count_if(lignes.begin() + 1, lignes.end(),
                            [](const QString& l) { return l.endsWith(u';'); }),
              3 * 14);
    EXPECT_TRUE(lignes.contains(QRegularExpression(QStringLiteral("^08/03/2008;12:29;\\d+;$"))));

    QProcess texte;
    texte.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    texte.waitForFinished(30000);
    const QByteArray imprime = texte.readAllStandardOutput();
    EXPECT_TRUE(imprime.contains("Rapport réglementaire du"));
    EXPECT_TRUE(imprime.contains("min au-dessus de la limite")); // aucune ligne coupée
    EXPECT_EQ(
        outil({"rapport", g.chemin, "--du", "08/03/2008", "--au", "08/03/2008", "--limite", "nan"})
            .code,
        2);

    const QString leq = g.dossier.filePath(QStringLiteral("t.csv"));
    ASSERT_EQ(
        outil({"exporter", g.chemin, "--du", "08/03/2008", "--au", "09/03/2008", "--sortie", leq})
            .code,
        0);
    QFile t(leq);
    ASSERT_TRUE(t.open(QIODevice::ReadOnly));
    const QByteArray tableau = t.readAll();
    EXPECT_EQ(QString::fromUtf8(tableau.mid(3)).split(u'\n')[1].split(u';').size(), 5);
    // Le Leq10 de 23 h 50 à minuit, au jour de son début.
    EXPECT_TRUE(tableau.contains("\r\n08/03/2008;23:50;00:00;Leq10;"));
    ASSERT_EQ(outil({"exporter", g.chemin, "--du", "08/03/2008", "--au", "08/03/2008", "--sortie",
                     leq, "--evenements"})
                  .code,
              0);
    t.close();
    ASSERT_TRUE(t.open(QIODevice::ReadOnly));
    EXPECT_TRUE(t.readAll().contains("\r\n08/03/2008;11:50;Accès menu\r\n"));
}

} // namespace
