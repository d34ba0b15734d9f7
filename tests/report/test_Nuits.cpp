#include "attendus/Attendus.h"
#include "graphs/Surface_Dessin.h"
#include "report/Nuits.h"
#include "support/Outil.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// Des paliers de Leq1 : (heure, minute) de début, nombre de minutes, niveau ; entre deux
// paliers qui ne se touchent pas, les minutes manquent.
struct Palier {
    int heure, minute, duree, niveau;
};
Donnees_Periode paliers(const QDate& soir, const std::vector<Palier>& p) {
    Donnees_Periode d;
    const Minute midi = Minute_De(soir.year(), soir.month(), soir.day(), 12, 0);
    for (const Palier& x : p) {
        // Avant midi : le lendemain matin.
        Minute m = midi + ((x.heure - 12 + 24) % 24) * 60 + x.minute;
        for (int i = 0; i < x.duree; ++i)
            d.leq1.push_back({m++, x.niveau});
    }
    return d;
}

Contenu_Rapport rapport(const QDate& du, const QDate& au, Donnees_Periode d, double limite = 102) {
    Contenu_Rapport r;
    r.du = du;
    r.au = au;
    r.donnees = r.donnees_nuits = std::move(d);
    Changer_Limite(r, limite);
    return r;
}

// Une nuit faite pour l'image : niveaux de 35 à 112 dB, un trou après une coupure, une heure
// manquante sans cause, un dépassement, le bypass et un défaut de capteur ; tracée dans
// l'enregistreur et comparée au fichier attendu.
TEST(Nuits, ImageDUneNuitFaiteALaMain) {
    const QDate soir(2008, 3, 7);
    Donnees_Periode d = paliers(soir, {{12, 0, 180, 45},
                                       {15, 0, 5, 35},
                                       {15, 5, 295, 45},
                                       {20, 10, 170, 88},
                                       {23, 0, 10, 108},
                                       {23, 10, 1, 112},
                                       {23, 11, 19, 108},
                                       {23, 30, 90, 95},
                                       {2, 0, 600, 40}});
    auto minute = [&](int jour, int heure, int m) { return Minute_De(2008, 3, jour, heure, m); };
    d.coupures = {minute(7, 20, 0)};
    d.marques = {{minute(7, 20, 0), Marque::Coupure},
                 {minute(7, 22, 15), Marque::Bypass_Active},
                 {minute(7, 22, 45), Marque::Bypass_Desactive},
                 {minute(8, 3, 0), Marque::Defaut_Capteur},
                 {minute(8, 3, 20), Marque::Fin_Defaut_Capteur}};
    const Contenu_Rapport r = rapport(soir, soir.addDays(1), std::move(d));
    const std::vector<Nuit> nuits = Nuits_Rapport(r);
    // Aux bords, pas de nuit sans valeur : ni celle du 6 (la matinée du 7 n'a rien) ni celle
    // du 8.
    ASSERT_EQ(nuits.size(), 1u);
    EXPECT_EQ(Ligne_Verdict(nuits[0]),
              QStringLiteral("Nuit du 07/03/2008 : dépassement ;  Leq 15 min maxi 108,4 dB à "
                             "23:14"));

    Surface_Enregistreuse s;
    Dessiner_Nuit(s, r, nuits[0]);
    const QString difference =
        Difference_Attendue(QStringLiteral("nuit.txt"), s.Texte_Operations().toUtf8());
    EXPECT_TRUE(difference.isEmpty()) << difference.toStdString();
}

// Le verdict : une seule minute au-dessus de la limite suffit, comparée au dixième comme
// dans le texte ; un trou sans dépassement rend la nuit incomplète ; l'heure sautée au
// passage à l'heure d'été n'est pas un trou ; la veille du premier jour n'a de nuit que si
// sa matinée a été enregistrée.
TEST(Nuits, Verdicts) {
    const QDate soir(2008, 3, 7);
    // 14 minutes à 102 puis une à 103 : un seul Leq 15 min de 102,07, lu 102,1.
    const Donnees_Periode une_minute =
        paliers(soir, {{12, 0, 660, 90}, {23, 0, 14, 102}, {23, 14, 1, 103}, {23, 15, 765, 90}});
    for (auto [limite, verdict] : {std::pair{102.0, Verdict::Depassement},
                                   {102.08, Verdict::Depassement},
                                   {102.1, Verdict::Conforme}}) {
        const Contenu_Rapport r = rapport(soir, soir, une_minute, limite);
        const std::vector<Nuit> n = Nuits_Rapport(r);
        ASSERT_EQ(n.size(), 1u);
        EXPECT_EQ(n[0].verdict, verdict) << limite;
        // Le texte du rapport dit la même chose.
        EXPECT_EQ(r.stats.depassements.empty(), verdict == Verdict::Conforme) << limite;
        EXPECT_EQ(n[0].depassements.size(), verdict == Verdict::Depassement ? 1u : 0u);
    }
    const Contenu_Rapport trou =
        rapport(soir, soir.addDays(1), paliers(soir, {{12, 0, 300, 90}, {17, 30, 1110, 90}}));
    EXPECT_EQ(Nuits_Rapport(trou)[0].verdict, Verdict::Incomplet);
    EXPECT_EQ(Nuits_Rapport(trou)[0].minutes_manquantes, 30);
    EXPECT_EQ(Nuits_Rapport(trou)[0].trous.size(), 1u);
    // La dernière minute de la nuit (11 h 59) manque.
    const Contenu_Rapport fin = rapport(soir, soir.addDays(1), paliers(soir, {{12, 0, 1439, 90}}));
    EXPECT_EQ(Nuits_Rapport(fin)[0].minutes_manquantes, 1);

    // Le 30 mars 2008, dernier dimanche de mars : de 2 h à 2 h 59 n'existe pas.
    const QDate samedi(2008, 3, 29);
    const Contenu_Rapport ete =
        rapport(samedi, samedi.addDays(1), paliers(samedi, {{12, 0, 840, 90}, {3, 0, 540, 90}}));
    const Nuit nuit_ete = Nuits_Rapport(ete)[0];
    EXPECT_EQ(nuit_ete.verdict, Verdict::Conforme);
    ASSERT_EQ(nuit_ete.trous.size(), 1u);
    EXPECT_TRUE(nuit_ete.trous[0].changement_heure);

    // Une matinée enregistrée le premier jour : la nuit de la veille, entière, incomplète
    // avant la première valeur.
    Donnees_Periode d = paliers(soir, {{6, 0, 360, 90}});
    for (const Valeur_Leq& v : paliers(soir.addDays(1), {{12, 0, 720, 90}}).leq1)
        d.leq1.push_back(v);
    const Contenu_Rapport matin = rapport(soir.addDays(1), soir.addDays(1), d);
    const std::vector<Nuit> n = Nuits_Rapport(matin);
    ASSERT_EQ(n.size(), 2u);
    EXPECT_EQ(n[0].soir, soir);
    EXPECT_EQ(n[0].minutes_manquantes, 720 + 360);
    EXPECT_EQ(n[0].verdict, Verdict::Incomplet);
    // Celle du dernier jour, entière : sa matinée du lendemain manque.
    EXPECT_EQ(n[1].minutes_manquantes, 720);
}

// Le PDF du rapport du fichier d'exemple : première page des verdicts, deux nuits par page,
// puis le texte ; sur chaque page, la période et « Page N / M » ; titre, sujet, créateur,
// polices embarquées. Les images de chaque nuit à part, en PNG.
TEST(Nuits, PdfEtImagesDuFichierDExemple) {
    QTemporaryDir dossier;
    const QString pdf = dossier.filePath(QStringLiteral("r.pdf"));
    const QString images = dossier.filePath(QStringLiteral("images"));
    const Resultat_Outil r = outil(
        {QStringLiteral("rapport"),
         QStringLiteral(LQM_DOSSIER_EXEMPLES "/Exemple LQM 70-4 du 07 au 12 mars 2008.lqm"),
         QStringLiteral("--du"), QStringLiteral("07/03/2008"), QStringLiteral("--au"),
         QStringLiteral("12/03/2008"), QStringLiteral("--pdf"), pdf, QStringLiteral("--images"),
         images, QStringLiteral("--limite"), QStringLiteral("94")});
    ASSERT_EQ(r.code, 0) << r.erreur.toStdString();
    auto lancer = [](const QString& programme, const QStringList& arguments) {
        QProcess p;
        p.start(programme, arguments);
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    const QString infos = lancer(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(infos.contains(QRegularExpression(QStringLiteral(
        "Title: +Rapport réglementaire du Vendredi 07 Mars 2008 au Mercredi 12 Mars 2008\n"))));
    EXPECT_TRUE(infos.contains(QRegularExpression(
        QStringLiteral("Subject: +Leq 15 min glissant et limite de 94,0 dB, LQM 70-4 Nova .*"
                       "Numéro de Série : 7041235987\n"))));
    EXPECT_TRUE(infos.contains(QRegularExpression(QStringLiteral("Creator: +TARVO Analyser"))));
    // Chaque police embarquée : la colonne « emb » de pdffonts.
    const QStringList polices =
        lancer(QStringLiteral("pdffonts"), {pdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(polices.isEmpty());
    for (const QString& p : polices)
        EXPECT_EQ(p.split(u' ', Qt::SkipEmptyParts).value(4), QStringLiteral("yes"))
            << p.toStdString();

    // Nuits du 6 (matinée du 7) au 11 : six images, sur trois pages, puis le texte ; pas de
    // nuit du 12 (l'appareil a été relevé le 12 au matin).
    const QStringList pages =
        lancer(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
            .split(u'\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 1 + 3 + 1);
    for (qsizetype p = 0; p < pages.size(); ++p)
        EXPECT_TRUE(pages[p].contains(QRegularExpression(
            QStringLiteral("Rapport réglementaire du Vendredi 07 Mars 2008 au Mercredi 12 Mars "
                           "2008 +Page %1 / %2\n")
                .arg(p + 1)
                .arg(pages.size()))))
            << p;
    EXPECT_EQ(pages[0].count(QRegularExpression(QStringLiteral("Nuit du \\d\\d/03/2008 : "))), 6);
    EXPECT_TRUE(
        pages[1].contains(QStringLiteral("Nuit du jeudi 06/03/2008 au vendredi 07/03/2008")));
    EXPECT_TRUE(
        pages[1].contains(QStringLiteral("Nuit du vendredi 07/03/2008 au samedi 08/03/2008")));
    EXPECT_TRUE(pages[4].contains(QStringLiteral("Résumé par jour")));
    for (int jour = 6; jour <= 12; ++jour) {
        QFile png(QDir(images).filePath(
            QStringLiteral("nuit du 2008-03-%1.png").arg(jour, 2, 10, QLatin1Char('0'))));
        EXPECT_EQ(png.open(QIODevice::ReadOnly) && png.read(4) == "\x89PNG", jour < 12) << jour;
    }
}

} // namespace
