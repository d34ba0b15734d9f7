#include "support/Environnement_Ihm.h"

#include "graphs/Boite_Graphique.h"
#include "graphs/Graphique_Leq.h"
#include "graphs/Periode_Graphique.h"
#include "shell/Fenetres.h"
#include "store/Declarations.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

namespace {

struct Dialogue_Graphique : Environnement_Ihm {
    template <class T> T* controle(const char* nom) const {
        return fenetre("frmInGraphique_v5")->findChild<T*>(QString::fromLatin1(nom));
    }
    // La date et l'option cochée (0 pour aucune).
    std::pair<QDate, int> choix() const {
        int duree = 0;
        for (auto [nom, jours] :
             {std::pair{"Option_1_Jour", 1}, {"Option_3_Jours", 3}, {"Option_7_Jours", 7}})
            duree += controle<QRadioButton>(nom)->isChecked() ? jours : 0;
        return {controle<QDateEdit>("DTPicker1")->date(), duree};
    }
    // Le graphique d'un jour à partir du 7 mars 2008 : trois Leq1 sous 60 dB, le plus fort au
    // milieu, le plus faible le 8 après minuit ; aucun Leq10.
    QWidget* ouvrir_graphique(int jours = 1) {
        auto& M = Magasin();
        M.Tab_Leq.remplir(255);
        const std::int16_t lignes[][8] = {
            {0, 12, 7, 1, 3, 8, 50, 0}, {1, 12, 7, 1, 3, 8, 52, 0}, {1, 0, 8, 1, 3, 8, 45, 0}};
        for (int i = 0; i < 3; ++i)
            std::copy(lignes[i], lignes[i] + 8, M.Tab_Leq.ligne(i + 1));
        M.Tab_Config(2179) = 1, M.Tab_Config(2180) = 2, M.Tab_Config(8) = 1; // public 2, ligne
        Ecrire_Periode_Graph(QDate(2008, 3, 7), jours);
        return Fenetres::instance().Ouvrir(Id_Fenetre::frmGraphique_Leq);
    }
};

// Du menu au graphique par Entrée, puis « Nouveau graphique », Annuler et Ok sans option.
TEST_F(Dialogue_Graphique, ChoixEcritPuisRetrouve) {
    auto& M = Magasin();
    M.Donnees_Chargees = true;
    action("mnuGraphique")->trigger();
    fenetre("frmData_Type")->findChild<QPushButton*>(QStringLiteral("Cmd_Ok"))->click();
    vider_evenements();
    ASSERT_TRUE(visible("frmInGraphique_v5"));
    EXPECT_EQ(choix(), std::make_pair(QDate::currentDate(), 1));
    controle<QDateEdit>("DTPicker1")->setDate(QDate(2012, 2, 27));
    controle<QRadioButton>("Option_7_Jours")->setChecked(true);
    QKeyEvent appui(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(controle<QDateEdit>("DTPicker1"), &appui);
    vider_evenements();
    EXPECT_TRUE(!chargee("frmInGraphique_v5") && visible("frmGraphique_Leq"));
    auto periode = [&] { return QStringList{M.Jour_Debut, M.Mois_Fin, M.Nb_Jours_Graph}; };
    const QStringList attendu{"27", "3", "7"};
    EXPECT_EQ(periode(), attendu);

    Fenetres::instance().Ouvrir(Id_Fenetre::frmInGraphique_v5);
    EXPECT_EQ(choix(), std::make_pair(QDate(2012, 2, 27), 7));
    controle<QDateEdit>("DTPicker1")->setDate(QDate(2014, 4, 28));
    controle<QPushButton>("Cmd_Quitter")->click();
    vider_evenements();
    EXPECT_FALSE(chargee("frmInGraphique_v5") || chargee("frmGraphique_Leq"));
    EXPECT_EQ(periode(), attendu);

    M.Nb_Jours_Graph.clear(); // aucune option cochée : Ok garde la durée
    Fenetres::instance().Ouvrir(Id_Fenetre::frmInGraphique_v5);
    EXPECT_EQ(choix(), std::make_pair(QDate(2012, 2, 27), 0));
    controle<QPushButton>("Cmd_Ok")->click();
    EXPECT_EQ(periode(), attendu);
}

// Leq1 seul, au-dessous de 60 dB : les extrêmes vrais, la série Leq10 sans étiquettes ni
// agrandissement. La flèche bleue suit la ligne cliquée (lignes vides comprises dans le
// compte), un clic sur une ligne vide l'ôte ; une période sans niveau : le message, des
// graphiques blancs.
TEST_F(Dialogue_Graphique, GraphiqueExtremesEtFleche) {
    QWidget* f = ouvrir_graphique(3);
    auto texte = [&](const char* nom) {
        auto* l = f->findChild<QLabel*>(QString::fromLatin1(nom));
        return l->isVisibleTo(f) ? l->text() : QStringLiteral("(caché)");
    };
    EXPECT_EQ(QStringList({texte("Label_Mini_Leq1"), texte("Label_Maxi_Leq1"),
                           texte("Label_Mini_Leq10"), texte("Label_Maxi_Leq10")}),
              QStringList({"Niveau Leq1 Minimum = 45 dB.", "Niveau Leq1 Maximum = 52 dB.",
                           "(caché)", "(caché)"}));
    EXPECT_TRUE(texte("Label_Date").simplified().endsWith("au Lundi 10 Mars 2008 à 12 h.") &&
                texte("Label_Niveau_Public2").endsWith(" 102 dB.") &&
                texte("Label_Source").contains("Ligne"));
    auto zoom = [&](const char* nom) {
        return f->findChild<QPushButton*>(QString::fromLatin1(nom))->isVisibleTo(f);
    };
    EXPECT_TRUE(zoom("Cmd_Zoom_Leq1") && !zoom("Cmd_Zoom_Leq10"));

    auto* liste = f->findChild<QListView*>(QStringLiteral("List_Leq1"));
    auto* leq1 = f->findChild<Boite_Graphique*>(QStringLiteral("Graphique_Leq1"));
    auto* leq10 = f->findChild<Boite_Graphique*>(QStringLiteral("Graphique_Leq10"));
    // Pixels d'une couleur dans la boîte, son cadre ôté.
    auto pixels = [](QWidget* w, QRgb couleur) {
        const QImage image = w->grab().toImage().copy(w->rect().adjusted(1, 1, -1, -1));
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == couleur;
        return std::pair{n, image.width() * image.height()};
    };
    const QRgb bleu = qRgb(0, 0, 255);
    const QImage avant = leq10->grab().toImage();
    ASSERT_EQ(liste->model()->rowCount(), 4); // la ligne vide sépare les deux jours
    liste->setCurrentIndex(liste->model()->index(3, 0));
    EXPECT_EQ(std::pair(leq1->Etat().index_marque, leq1->Etat().duree), std::pair(3, 3));
    EXPECT_GT(pixels(leq1, bleu).first, 5);
    EXPECT_EQ(leq10->grab().toImage(), avant);
    liste->setCurrentIndex(liste->model()->index(2, 0));
    EXPECT_EQ(pixels(leq1, bleu).first, 0);
    EXPECT_EQ(leq1->Etat().index_marque, 3);

    Ecrire_Periode_Graph(QDate(2009, 1, 1), 1);
    Fenetres::instance().Decharger(Id_Fenetre::frmGraphique_Leq);
    f = Fenetres::instance().Ouvrir(Id_Fenetre::frmGraphique_Leq);
    ASSERT_FALSE(plateforme_test.messages.empty());
    EXPECT_EQ(plateforme_test.messages.back().titre, Titre_Aucune_Valeur_Graph);
    EXPECT_FALSE(zoom("Cmd_Zoom_Leq1") || zoom("Cmd_Zoom_Leq10"));
    const auto [blancs, tous] = pixels(
        f->findChild<Boite_Graphique*>(QStringLiteral("Graphique_Leq1")), qRgb(255, 255, 255));
    EXPECT_EQ(blancs, tous);
}

// Agrandir, zoomer à la souris (dans tous les sens, puis dans le zoom), quitter le zoom,
// revenir : chaque étape montre son état, et la fenêtre revient telle qu'elle était.
TEST_F(Dialogue_Graphique, AgrandirEtZoomer) {
    QWidget* f = ouvrir_graphique();
    auto* b = f->findChild<Boite_Graphique*>(QStringLiteral("Graphique_Leq1"));
    auto* zoom = f->findChild<QPushButton*>(QStringLiteral("Cmd_Zoom_Leq1"));
    auto visibles = [&] {
        QStringList v;
        for (QWidget* w : f->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^[A-Z]"))))
            if (w->isVisibleTo(f))
                v << w->objectName() + QString::number(w->width());
        v.sort();
        return v;
    };
    // Le graphique seul, sans ses boutons.
    auto image = [&] {
        QImage i(b->size(), QImage::Format_RGB32);
        b->render(&i, {}, {}, QWidget::DrawWindowBackground);
        return i;
    };
    const QStringList normaux = visibles();
    const QImage normale = image();
    // Tire à la souris de (x1, y1) à (x2, y2), en coordonnées du graphique.
    auto tirer = [&](double x1, double y1, double x2, double y2) {
        const Echelle_Graphique e = Echelle_Etat(b->Etat());
        auto pixel = [&](double x, double y) {
            return QPointF(1 + (x - e.gauche) * (b->width() - 2) / e.largeur,
                           1 + (y - e.haut) * (b->height() - 2) / e.hauteur);
        };
        for (auto [type, p] : {std::pair{QEvent::MouseButtonPress, pixel(x1, y1)},
                               {QEvent::MouseMove, pixel(x2, y2)},
                               {QEvent::MouseButtonRelease, pixel(x2, y2)}}) {
            QMouseEvent m(type, p, b->mapToGlobal(p), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
            QApplication::sendEvent(b, &m);
        }
    };
    tirer(14, -100, 20, -70); // à la taille normale, rien ne se passe
    EXPECT_FALSE(b->Etat().agrandi || b->Etat().zoom);
    zoom->click();
    // Agrandi : ni listes, ni extrêmes, ni l'autre graphique ; ses deux boutons en haut à droite.
    EXPECT_EQ(visibles().filter(QRegularExpression(QStringLiteral("^(Cmd|List|Graph|Label_M)"))),
              QStringList({"Cmd_Print_Leq143", "Cmd_Zoom_Leq143", "Graphique_Leq11004"}));
    EXPECT_GT(zoom->x(), b->width() * 3 / 4);
    EXPECT_EQ(zoom->toolTip(), QStringLiteral("Retour à la taille normale du graphique Leq 1."));
    for (auto [x1, y1, x2, y2] : {std::array{14.0, -100.0, 20.0, -70.0},
                                  {20.0, -100.0, 14.0, -70.0},
                                  {14.0, -70.0, 20.0, -100.0},
                                  {20.0, -70.0, 14.0, -100.0}}) {
        tirer(x1, y1, x2, y2);
        ASSERT_TRUE(b->Etat().zoom);
        EXPECT_EQ(*b->Etat().zoom, (Zoom_Graphique{14, 20, 70, 100}));
        EXPECT_FALSE(f->findChild<QPushButton*>(QStringLiteral("Cmd_Print_Leq1"))->isVisibleTo(f));
        zoom->click(); // quitte le zoom
    }
    tirer(14, -100, 14.9, -70); // trop étroite : la bulle seule change
    EXPECT_FALSE(b->Etat().zoom);
    EXPECT_EQ(zoom->toolTip(), QStringLiteral("Retour à la fonction Zoom Normal."));

    // Un zoom dans le zoom se lit dans l'échelle du premier, et ne laisse rien de lui.
    tirer(14, -100, 20, -70);
    // Les niveaux de la grille écrits près du bord droit s'y lisent en entier : aucun texte
    // noir n'y est coupé par le bord.
    const QImage zoomee = image();
    auto textes_noirs = [&](int x0, int x1) {
        int n = 0;
        for (int x = x0; x < x1; ++x)
            for (int y = 1; y < zoomee.height() - 1; ++y)
                n += qRed(zoomee.pixel(x, y)) < 100 && qGreen(zoomee.pixel(x, y)) < 100 &&
                     qBlue(zoomee.pixel(x, y)) < 100;
        return n;
    };
    EXPECT_EQ(textes_noirs(b->width() * 987 / 1000, b->width() - 2), 0);
    EXPECT_GT(textes_noirs(b->width() * 9 / 10, b->width() * 985 / 1000), 0);
    tirer(15, -95, 17, -80);
    const Etat_Graphique etat = b->Etat();
    ASSERT_TRUE(etat.zoom);
    EXPECT_EQ(*etat.zoom, (Zoom_Graphique{15, 17, 80, 95}));
    const QImage deux_zooms = image();
    zoom->click();
    b->Changer_Etat(etat);
    EXPECT_EQ(image(), deux_zooms);

    zoom->click(); // quitte le zoom
    zoom->click(); // taille normale
    EXPECT_EQ(visibles(), normaux);
    EXPECT_EQ(image(), normale);
    EXPECT_EQ(zoom->toolTip(), QStringLiteral("Agrandir le graphique Leq 1."));
}

} // namespace
