#include "attendus/Attendus.h"
#include "support/Environnement_Ihm.h"
#include "support/Outil.h"

#include "graphs/Periode_Graphique.h"
#include "graphs/Surface_Peintre.h"
#include "platform/Apparence.h"
#include "platform/Imprimante_Peintre.h"
#include "report/Nuits.h"
#include "shell/Fenetres.h"
#include "store/Declarations.h"
#include "store/Fonction_Fichiers.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringListModel>

namespace {

// Les impressions écrites dans des PDF, relus par pdftotext.
struct Impressions : Environnement_Ihm {
    Fichier_Genere g;
    QString pdf = g.dossier.filePath(QStringLiteral("page.pdf"));
    void SetUp() override {
        Environnement_Ihm::SetUp();
        ASSERT_TRUE(g.ecrit && Charger_Fichier(g.chemin));
        plateforme_test.imprimante = [this] { return Imprimante_Pdf(pdf); };
    }
    QString lire(const QStringList& options = {}) const {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), options + QStringList{pdf, QStringLiteral("-")});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    // La couleur du papier imprimé à (x, y) pouces du coin de la première page.
    QColor couleur_page(double x, double y) const {
        const QString image = g.dossier.filePath(QStringLiteral("page"));
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-r"), QStringLiteral("20"), QStringLiteral("-png"),
                           QStringLiteral("-singlefile"), pdf, image});
        return QImage(image + QStringLiteral(".png")).pixelColor(int(x * 20), int(y * 20));
    }
    QWidget* ouvrir(Id_Fenetre id) {
        QWidget* f = Fenetres::instance().Ouvrir(id);
        vider_evenements();
        return f;
    }
    void cliquer(QWidget* f, const char* bouton) {
        f->findChild<QPushButton*>(QString::fromLatin1(bouton))->click();
        vider_evenements();
    }
    // Places, visibilités et fond des contrôles nommés : ce qu'une impression doit rendre.
    static QStringList etat(QWidget* f) {
        QStringList r{f->palette().color(QPalette::Window).name()};
        for (QWidget* w : f->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^[A-Z]"))))
            r << QStringLiteral("%1 %2 %3").arg(w->objectName()).arg(w->y()).arg(w->isVisibleTo(f));
        return r;
    }
};

// Le tableau Leq : une page par section au moins, en portrait, numérotée ; Annuler n'imprime
// rien ; une imprimante qui refuse : le message, rien de changé.
TEST_F(Impressions, TableauLeqAnnulerEtEchec) {
    auto& M = Magasin();
    M.Jour_Debut = M.Jour_Fin = QStringLiteral("08");
    M.Mois_Debut = M.Mois_Fin = QStringLiteral("03");
    M.Annee_Debut = M.Annee_Fin = QStringLiteral("2008");
    QWidget* f = ouvrir(Id_Fenetre::frmTableau_Leq_V5);
    cliquer(f, "Cmd_Print");
    ASSERT_EQ(plateforme_test.impressions.size(), 1u);
    EXPECT_EQ(plateforme_test.impressions[0].first, QStringLiteral("Tableau Leq du 08-03-2008"));
    const QStringList pages = lire({QStringLiteral("-layout")}).split(u'\f', Qt::SkipEmptyParts);
    // 144 Leq10 sur 3 pages, 1440 Leq1 et leurs séparateurs sur 21 : chacune sous son en-tête.
    ASSERT_EQ(pages.size(), 24);
    EXPECT_TRUE(pages[3].contains(QStringLiteral("Tableau des valeurs Leq1 du")));
    EXPECT_TRUE(pages[3].contains(QRegularExpression(QStringLiteral("Page +1\\s*$"))));
    EXPECT_TRUE(lire({QStringLiteral("-bbox")}).contains(QStringLiteral("<page width=\"595")));

    QFile::remove(pdf);
    plateforme_test.imprimante = nullptr; // Annuler
    cliquer(f, "Cmd_Print");
    EXPECT_FALSE(QFile::exists(pdf));
    pdf = g.dossier.filePath(QStringLiteral("absent/page.pdf"));
    plateforme_test.imprimante = [this] { return Imprimante_Pdf(pdf); };
    const QStringList avant = etat(f);
    cliquer(f, "Cmd_Print");
    ASSERT_EQ(plateforme_test.messages.size(), 1u);
    EXPECT_EQ(plateforme_test.messages[0].titre, QStringLiteral("Impression impossible !!!"));
    EXPECT_EQ(plateforme_test.messages[0].icone, Icone::Critique); // un échec, pas un oubli
    EXPECT_EQ(etat(f), avant);
}

// Le graphique agrandi en paysage, légende, en-tête et période sous lui, en traits et textes
// (aucune image) ; les paramètres en noir sur blanc sans liste ni boutons. Les deux fenêtres
// reviennent comme elles étaient, même quand l'imprimante refuse.
TEST_F(Impressions, GraphiqueEtParametres) {
    Ecrire_Periode_Graph(QDate(2008, 3, 7), 1);
    QWidget* graphique = ouvrir(Id_Fenetre::frmGraphique_Leq);
    cliquer(graphique, "Cmd_Zoom_Leq1");
    const QStringList agrandi = etat(graphique);
    cliquer(graphique, "Cmd_Print_Leq1");
    EXPECT_EQ(plateforme_test.impressions.back(),
              std::make_pair(QStringLiteral("Graphique Leq 1 du 07-03-2008 au 08-03-2008"), true));
    EXPECT_EQ(etat(graphique), agrandi);
    const QString boites = lire({QStringLiteral("-bbox")});
    EXPECT_TRUE(boites.contains(QStringLiteral("<page width=\"842")));
    auto haut = [&](const QString& mot) {
        const QRegularExpression m(QStringLiteral("yMin=\"([0-9.]+)\"[^>]*>") + mot + u'<');
        return m.match(boites).captured(1).toDouble();
    };
    EXPECT_LT(haut(QStringLiteral("Heures")), haut(QStringLiteral("Graphique")));
    EXPECT_LT(haut(QStringLiteral("Graphique")), haut(QStringLiteral("LQM")));
    QFile fichier(pdf);
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    EXPECT_FALSE(fichier.readAll().contains("/Subtype /Image"));
    EXPECT_EQ(couleur_page(5.5, 6.2), QColor(Qt::white)); // sous le graphique, le fond
    pdf = g.dossier.filePath(QStringLiteral("absent/page.pdf"));
    cliquer(graphique, "Cmd_Print_Leq1");
    EXPECT_EQ(etat(graphique), agrandi);
    pdf = g.dossier.filePath(QStringLiteral("page.pdf"));

    QString parametres_lqm = Chemin_Attendu(QStringLiteral("entrees/parametres.lqm"));
    ASSERT_TRUE(Charger_Fichier(parametres_lqm));
    QWidget* p = ouvrir(Id_Fenetre::frmParametres_v4);
    const QStringList parametres = etat(p);
    cliquer(p, "Cmd_Print");
    EXPECT_EQ(etat(p), parametres);
    EXPECT_EQ(p->palette().color(QPalette::Window), Couleur_Fond);
    // La page : les étiquettes seules, sans liste ni boutons (qui seraient des images).
    QString page;
    for (const QString& ligne : lire({QStringLiteral("-layout")}).split(u'\n'))
        if (!ligne.simplified().isEmpty())
            page += ligne.simplified() + u'\n';
    const QString difference =
        Difference_Attendue(QStringLiteral("impression_parametres.txt"), page.toUtf8());
    EXPECT_TRUE(difference.isEmpty()) << difference.toStdString();
    QFile imprime(pdf);
    ASSERT_TRUE(imprime.open(QIODevice::ReadOnly));
    EXPECT_FALSE(imprime.readAll().contains("/Subtype /Image"));
    EXPECT_EQ(couleur_page(3, 0.9), QColor(Qt::white)); // entre les sections, le fond
}

// Après un graphique (paysage), chaque tableau et le rapport s'impriment en portrait : toutes
// les lignes et tous les numéros de page tiennent sur le papier, page après page.
TEST_F(Impressions, TableauxEtRapportEnPortraitApresUnGraphique) {
    const QRegularExpression page_pdf(
        QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">(.*?)</page>"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression bas_mot(QStringLiteral("yMax=\"([0-9.]+)\""));
    const QRegularExpression numero(QStringLiteral("^Page (\\d+)$"));
    auto non_vides = [](const QStringList& lignes) {
        QStringList r;
        for (const QString& l : lignes)
            if (!l.simplified().isEmpty())
                r << l.simplified();
        return r;
    };
    for (auto [id, listes] : {std::pair{Id_Fenetre::frmTableau_Evenements, "List_Evenements"},
                              {Id_Fenetre::frmTableau_Leq_V5, "List_Leq10 List_Leq1"},
                              {Id_Fenetre::frmRapport, "List_Rapport"}}) {
        Ecrire_Periode_Graph(QDate(2008, 3, 7), 1);
        QWidget* graphique = ouvrir(Id_Fenetre::frmGraphique_Leq);
        cliquer(graphique, "Cmd_Zoom_Leq1");
        cliquer(graphique, "Cmd_Print_Leq1");
        ASSERT_TRUE(lire({QStringLiteral("-bbox")}).contains(QStringLiteral("<page width=\"842")));

        auto& M = Magasin();
        M.Jour_Debut = QStringLiteral("07"), M.Jour_Fin = QStringLiteral("12");
        M.Mois_Debut = M.Mois_Fin = QStringLiteral("03");
        M.Annee_Debut = M.Annee_Fin = QStringLiteral("2008");
        QWidget* f = ouvrir(id);
        if (id == Id_Fenetre::frmRapport)
            cliquer(f, "Cmd_Jeune_Public"); // des dépassements : plus d'une page
        cliquer(f, "Cmd_Print");
        EXPECT_FALSE(plateforme_test.impressions.back().second);
        for (const auto& p : page_pdf.globalMatch(lire({QStringLiteral("-bbox")}))) {
            EXPECT_LT(p.captured(1).toDouble(), p.captured(2).toDouble());
            for (const auto& mot : bas_mot.globalMatch(p.captured(3)))
                ASSERT_LE(mot.captured(1).toDouble(), p.captured(2).toDouble()) << listes;
        }
        // Sous les deux lignes d'en-tête de chaque page, les lignes de la fenêtre dans l'ordre,
        // puis le numéro de page (chaque section du tableau Leq repart de 1).
        QStringList montrees, imprimees;
        for (const QString& nom : QString::fromLatin1(listes).split(u' '))
            montrees +=
                non_vides(static_cast<QStringListModel*>(f->findChild<QListView*>(nom)->model())
                              ->stringList());
        int attendu = 0;
        QStringList pages = lire({QStringLiteral("-layout")}).split(u'\f', Qt::SkipEmptyParts);
        if (id == Id_Fenetre::frmRapport) {
            // Le rapport : la page des verdicts, deux nuits par page, puis le texte ; chaque
            // page numérotée sur le total.
            const auto* nuits = f->findChild<QListWidget*>(QStringLiteral("List_Nuits"));
            ASSERT_GT(nuits->count(), 2);
            for (int i = 0; i < nuits->count(); ++i)
                EXPECT_TRUE(pages[0].contains(QStringLiteral("Nuit du ") + nuits->item(i)->text()))
                    << nuits->item(i)->text().toStdString();
            const qsizetype images = (nuits->count() + 1) / 2;
            for (qsizetype p = 0; p < pages.size(); ++p)
                EXPECT_TRUE(
                    non_vides(pages[p].split(u'\n'))
                        .last()
                        .endsWith(QStringLiteral("Page %1 / %2").arg(p + 1).arg(pages.size())));
            for (qsizetype p = 1; p <= images; ++p)
                EXPECT_EQ(pages[p].count(QStringLiteral("Nuit du ")),
                          p < images ? 2 : 2 - nuits->count() % 2);
            pages = pages.mid(1 + images);
        }
        for (const QString& page : pages) {
            QStringList lignes = non_vides(page.split(u'\n'));
            ASSERT_GE(lignes.size(), 3) << listes;
            if (id != Id_Fenetre::frmRapport) {
                const int n = numero.match(lignes.last()).captured(1).toInt();
                attendu = n == 1 ? 1 : attendu + 1;
                EXPECT_EQ(n, attendu) << listes;
            }
            imprimees += lignes.mid(2, lignes.size() - 3);
        }
        EXPECT_EQ(imprimees, montrees) << listes;
        EXPECT_GT(imprimees.size(), 53) << listes; // plus qu'une page en paysage n'en tient
    }
}

// Les lignes d'événement les plus longues se lisent jusqu'au bout, en faisant défiler : dans
// le graphique (liste étroite) comme dans le tableau.
TEST_F(Impressions, LignesLonguesLisiblesJusquAuBout) {
    auto lisible_jusqu_au_bout = [](QWidget* fenetre, const char* nom) {
        auto* liste = fenetre->findChild<QListView*>(QString::fromLatin1(nom));
        const QStringList lignes = static_cast<QStringListModel*>(liste->model())->stringList();
        const QFontMetrics mesure = liste->fontMetrics();
        int plus_longue = 0;
        for (int i = 0; i < lignes.size(); ++i) {
            if (mesure.horizontalAdvance(lignes[i]) > mesure.horizontalAdvance(lignes[plus_longue]))
                plus_longue = i;
        }
        EXPECT_TRUE(lignes[plus_longue].contains(QStringLiteral("Régulation")));
        EXPECT_GE(liste->visualRect(liste->model()->index(plus_longue, 0)).width(),
                  mesure.horizontalAdvance(lignes[plus_longue]))
            << nom;
    };
    Ecrire_Periode_Graph(QDate(2008, 3, 6), 7);
    lisible_jusqu_au_bout(ouvrir(Id_Fenetre::frmGraphique_Leq), "List_Depassement");
    auto& M = Magasin();
    M.Jour_Debut = QStringLiteral("06"), M.Jour_Fin = QStringLiteral("12");
    M.Mois_Debut = M.Mois_Fin = QStringLiteral("03");
    M.Annee_Debut = M.Annee_Fin = QStringLiteral("2008");
    lisible_jusqu_au_bout(ouvrir(Id_Fenetre::frmTableau_Evenements), "List_Evenements");
}

// Le rapport par le menu et le dialogue des tableaux ; une limite plus basse ajoute des
// dépassements ; PDF et CSV là où l'utilisateur les enregistre ; le CSV du tableau Leq.
TEST_F(Impressions, RapportPdfEtCsv) {
    action("mnuRapport")->trigger();
    cliquer(fenetre("frmData_Type"), "Cmd_Ok");
    auto& M = Magasin();
    M.Jour_Debut = M.Jour_Fin = QStringLiteral("08");
    M.Mois_Debut = M.Mois_Fin = QStringLiteral("03");
    M.Annee_Debut = M.Annee_Fin = QStringLiteral("2008");
    fenetre("frmInTableau")
        ->findChild<QDateEdit*>(QStringLiteral("DTP_Jour_Start"))
        ->setDate(QDate(2008, 3, 8));
    fenetre("frmInTableau")
        ->findChild<QDateEdit*>(QStringLiteral("DTP_Jour_End"))
        ->setDate(QDate(2008, 3, 8));
    cliquer(fenetre("frmInTableau"), "Cmd_Ok");
    ASSERT_TRUE(visible("frmRapport"));
    QWidget* r = fenetre("frmRapport");
    auto lignes = [&] {
        return static_cast<QStringListModel*>(
                   r->findChild<QListView*>(QStringLiteral("List_Rapport"))->model())
            ->stringList();
    };
    EXPECT_TRUE(lignes().contains(QStringLiteral("   Aucun dépassement.")));
    cliquer(r, "Cmd_Jeune_Public");
    // La liste des nuits et leur verdict ; la nuit choisie montre son image, celle que le
    // rapport imprimé dessine.
    auto* nuits = r->findChild<QListWidget*>(QStringLiteral("List_Nuits"));
    auto* image = r->findChild<QWidget*>(QStringLiteral("Image_Nuit"));
    const Contenu_Rapport rapport = Rapport_Du_Magasin(Limite_Jeune_Public);
    const std::vector<Nuit> attendues = Nuits_Rapport(rapport);
    ASSERT_EQ(nuits->count(), 2);
    ASSERT_EQ(attendues.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const Nuit& n = attendues[std::size_t(i)];
        EXPECT_EQ(nuits->item(i)->text(), n.soir.toString(QStringLiteral("dd/MM/yyyy")) +
                                              QStringLiteral(" : ") + Texte_Verdict(n.verdict));
        nuits->setCurrentRow(i);
        QImage dessin(image->size(), QImage::Format_ARGB32_Premultiplied);
        QPainter peintre(&dessin);
        Surface_Peintre surface(peintre, QRectF(dessin.rect()),
                                image->width() / double(Largeur_Image_Nuit));
        Dessiner_Nuit(surface, rapport, n);
        peintre.end();
        EXPECT_EQ(image->grab().toImage().convertToFormat(dessin.format()), dessin) << i;
    }
    EXPECT_FALSE(lignes().contains(QStringLiteral("   Aucun dépassement.")));

    const QString csv = g.dossier.filePath(QStringLiteral("r.csv"));
    plateforme_test.reponses_fichier = {pdf, csv};
    cliquer(r, "Cmd_Pdf");
    cliquer(r, "Cmd_Csv");
    EXPECT_TRUE(
        lire().contains(QStringLiteral("Limite du Leq sur 15 minutes glissantes : 94,0 dB")));
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_GT(f.readAll().count('\n'), 1400);

    QWidget* t = ouvrir(Id_Fenetre::frmTableau_Leq_V5);
    plateforme_test.reponses_fichier = {csv};
    cliquer(t, "Cmd_Export");
    f.close();
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("08/03/2008;00:00;00:10;Leq10;"));
    EXPECT_TRUE(plateforme_test.messages.empty());
}

} // namespace
