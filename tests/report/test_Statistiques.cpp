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

// L'horloge reculée enregistre des minutes deux fois : toutes leurs valeurs comptent, aucun
// Leq 15 min ne porte sur elles ; avancée, elle laisse une heure sans mesure. Seules les heures
// de 2 h à 3 h des derniers dimanches de mars et d'octobre sont des changements d'heure.
TEST(Statistiques, HorlogeReculeeOuAvancee) {
    // De 1 h 30 à 3 h 30 ; de 2 h 00 à 2 h 59, une seconde valeur à 60 dB après celle à 90.
    auto nuit = [](QDate jour, int debut_repete, int minutes_repetees) {
        Donnees_Periode d;
        const Minute debut = Minute_De(jour.year(), jour.month(), jour.day(), 1, 30);
        for (Minute m = debut; m <= debut + 120; ++m) {
            d.leq1.push_back({m, 90});
            if (m - debut >= debut_repete && m - debut < debut_repete + minutes_repetees)
                d.leq1.push_back({m, 60});
        }
        return d;
    };
    const Minute deux_heures = Minute_De(2008, 10, 26, 2, 0);
    Contenu_Rapport r;
    r.donnees = nuit(QDate(2008, 10, 26), 30, 60);
    Changer_Limite(r, 102);
    const Statistiques& s = r.stats;
    EXPECT_EQ(s.minutes_mesurees, 121 + 60);
    EXPECT_EQ(*s.leq, Arrondi_Dixieme(*Moyenne_Energetique([] {
        std::vector<int> v(121, 90);
        v.insert(v.end(), 60, 60);
        return v;
    }())));
    ASSERT_EQ(s.repetitions.size(), 1u);
    EXPECT_EQ(std::tuple(s.repetitions[0].debut, s.repetitions[0].minutes()),
              std::tuple(deux_heures, 60));
    // Quarts d'heure de 1 h 44 à 1 h 59, puis à partir de 3 h 14 seulement.
    ASSERT_FALSE(s.leq15.empty());
    EXPECT_EQ(s.leq15.front().minute, deux_heures - 16);
    for (const Leq15& q : s.leq15)
        EXPECT_TRUE(q.minute < deux_heures || q.minute >= deux_heures + 74) << q.minute;
    EXPECT_EQ(s.leq15.size(), 16u + (121 - 104));
    const QStringList lignes = Lignes_Rapport(r);
    EXPECT_TRUE(lignes.contains(QStringLiteral("   du 26/10/2008 à 02:00 au 26/10/2008 à 02:59 "
                                               "(60 min) : changement d'heure d'hiver")));
    const QString csv = QString::fromUtf8(Csv_Rapport(r));
    EXPECT_TRUE(csv.contains(QStringLiteral("26/10/2008;01:59;90;90,0\r\n26/10/2008;02:00;90;\r\n"
                                            "26/10/2008;02:00;60;\r\n26/10/2008;02:01;90;\r\n")));

    // Reculée à la main à 14 h 20 de dix minutes, ou d'une heure à 2 h un autre dimanche : les
    // mots ordinaires.
    Donnees_Periode main = nuit(QDate(2008, 10, 19), 30, 60);
    for (Minute m = Minute_De(2008, 10, 19, 14, 10); m < Minute_De(2008, 10, 19, 14, 30); ++m)
        main.leq1.push_back({m < Minute_De(2008, 10, 19, 14, 20) ? m : m - 10, 80});
    std::stable_sort(main.leq1.begin(), main.leq1.end(),
                     [](const Valeur_Leq& a, const Valeur_Leq& b) { return a.minute < b.minute; });
    const std::vector<Repetition> reculs = Calculer_Statistiques(main, 102).repetitions;
    ASSERT_EQ(reculs.size(), 2u);
    EXPECT_EQ(std::tuple(reculs[1].debut, reculs[1].minutes()),
              std::tuple(Minute_De(2008, 10, 19, 14, 10), 10));
    EXPECT_FALSE(reculs[0].changement_heure || reculs[1].changement_heure);

    // Avancée le dernier dimanche de mars : l'heure de 2 h manque, ce n'est pas une coupure
    // même avec l'événement ; le même trou un autre jour reste ordinaire. Une période qui
    // couvre les deux changements les montre tous les deux.
    Donnees_Periode deux = nuit(QDate(2008, 3, 30), 0, 0);
    std::erase_if(deux.leq1, [](const Valeur_Leq& v) {
        return v.minute >= Minute_De(2008, 3, 30, 2, 0) && v.minute < Minute_De(2008, 3, 30, 3, 0);
    });
    deux.coupures = {Minute_De(2008, 3, 30, 2, 0)};
    const Donnees_Periode octobre = nuit(QDate(2008, 10, 26), 30, 60);
    deux.leq1.insert(deux.leq1.end(), octobre.leq1.begin(), octobre.leq1.end());
    r.donnees = deux;
    Changer_Limite(r, 102);
    ASSERT_EQ(r.stats.trous.size(), 1u);
    EXPECT_TRUE(r.stats.trous[0].changement_heure && !r.stats.trous[0].coupure);
    EXPECT_EQ(r.stats.repetitions.size(), 1u);
    const QStringList l = Lignes_Rapport(r);
    EXPECT_TRUE(l.contains(QStringLiteral("   du 30/03/2008 à 02:00 au 30/03/2008 à 02:59 (60 min) "
                                          ": changement d'heure d'été")));
    EXPECT_EQ(l.filter(QStringLiteral("changement d'heure d'hiver")).size(), 1);
    for (Valeur_Leq& v : deux.leq1)
        v.minute -= 7 * 1440; // le dimanche d'avant
    deux.coupures.clear();
    EXPECT_FALSE(Trous(deux.leq1, {})[0].changement_heure);
}

// Un fichier fabriqué à l'heure légale : l'heure reculée du 26 octobre 2008 deux fois, chaque
// passage avec ses niveaux, dans le CSV et le rapport de lqm-outil.
TEST(Statistiques, FichierAHeureLegale) {
    Fichier_Genere g;
    const QString lqm = g.dossier.filePath(QStringLiteral("h.lqm"));
    ASSERT_EQ(outil({"generer", lqm, "--fin", "27/10/2008", "--heure-legale"}).code, 0);
    const QString csv = g.dossier.filePath(QStringLiteral("h.csv"));
    const Resultat_Outil r =
        outil({"rapport", lqm, "--du", "26/10/2008", "--au", "26/10/2008", "--csv", csv});
    EXPECT_TRUE(r.sortie.contains(QStringLiteral("   du 26/10/2008 à 02:00 au 26/10/2008 à 02:59 "
                                                 "(60 min) : changement d'heure d'hiver")));
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList deux_heures =
        QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n")).filter("26/10/2008;02:30;");
    ASSERT_EQ(deux_heures.size(), 2);
    EXPECT_TRUE(deux_heures[0].endsWith(u';') && deux_heures[1].endsWith(u';'));
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
