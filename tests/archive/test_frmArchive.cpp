// L'archive vue de la fenêtre : fichiers chargés archivés selon le menu, échec dit sans rien
// perdre, puis « Données archivées... » qui charge le magasin ou fait le rapport.

#include "archive/Archivage.h"
#include "shell/Etat_Principal.h"
#include "shell/frmMain.h"
#include "support/Environnement_Ihm.h"
#include "support/Outil.h"
#include "support/Telechargement_Genere.h"
#include "tables/Impression_Tableaux.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTextCharFormat>

namespace {

class Archive_Ihm : public Environnement_Ihm {
protected:
    void SetUp() override {
        Environnement_Ihm::SetUp();
        Ecrire_Reglages_Archive({true, base});
    }
    // Un fichier ouvert comme par le gestionnaire de fichiers, puis Ok.
    void charger(const QString& chemin) {
        principale()->Ouvrir_Fichier(chemin);
        fenetre("frmData_Type")->findChild<QPushButton*>(QStringLiteral("Cmd_Ok"))->click();
        Attendre_Archivage();
        vider_evenements();
    }
    template <class T> T* controle(const char* fenetre_nom, const char* nom) {
        return fenetre(fenetre_nom)->findChild<T*>(QString::fromLatin1(nom));
    }

    QTemporaryDir dossier;
    QString base = dossier.filePath(QStringLiteral("archive.sqlite"));
};

} // namespace

TEST_F(Archive_Ihm, FichiersChargesArchivesSelonLeMenuEtEchecSansPerte) {
    Fichier_Genere g;
    ASSERT_TRUE(g.ecrit);
    QAction* archiver = action("mnuArchiver");
    ASSERT_TRUE(archiver->isCheckable());

    charger(g.chemin);
    Archive a(base);
    auto appareils = a.appareils();
    ASSERT_EQ(appareils.size(), 1u);
    EXPECT_GT(appareils[0].nb_leq, 8000);
    EXPECT_EQ(appareils[0].nb_telechargements, 1);

    // Décoché : le réglage est gardé et plus rien ne s'archive.
    archiver->setChecked(true);
    archiver->trigger();
    EXPECT_FALSE(Lire_Reglages_Archive().actif);
    charger(g.chemin);
    EXPECT_EQ(a.appareils()[0].nb_telechargements, 1);
    archiver->trigger();
    EXPECT_TRUE(Lire_Reglages_Archive().actif);
    plateforme_test.messages.clear();
    ++Magasin().Tab_Leq(1, 7); // la même minute revue avec un autre niveau
    Archiver_Magasin(QStringLiteral("COM 1"));
    Attendre_Archivage();
    vider_evenements();
    ASSERT_EQ(plateforme_test.messages.size(), 1u);
    EXPECT_TRUE(
        plateforme_test.messages[0].titre.startsWith(QStringLiteral("Archive de l'appareil")));

    // Une archive impossible à ouvrir : un message, et la vue s'ouvre quand même.
    Ecrire_Reglages_Archive({true, QStringLiteral("/proc/lqm/archive.sqlite")});
    plateforme_test.messages.clear();
    charger(g.chemin);
    ASSERT_EQ(plateforme_test.messages.size(), 1u);
    EXPECT_EQ(plateforme_test.messages[0].titre, QStringLiteral("Archivage impossible"));
    EXPECT_EQ(plateforme_test.messages[0].icone, Icone::Critique);
    EXPECT_TRUE(Magasin().Donnees_Chargees);
    EXPECT_TRUE(visible("frmInTableau"));
}

TEST_F(Archive_Ihm, DonneesArchiveesChargentLeMagasinOuFontLeRapport) {
    // Archive vide : rien à choisir.
    action("mnuArchive")->trigger();
    ASSERT_TRUE(visible("frmArchive"));
    EXPECT_FALSE(controle<QPushButton>("frmArchive", "Cmd_Ok")->isEnabled());
    EXPECT_TRUE(controle<QLabel>("frmArchive", "Label_Couverture")
                    ->text()
                    .contains(QStringLiteral("aucun appareil")));
    controle<QPushButton>("frmArchive", "Cmd_Annuler")->click();
    EXPECT_FALSE(chargee("frmArchive"));

    QString numero;
    {
        Archive a(base);
        for (const QDate& jour : {QDate(2008, 3, 12), QDate(2008, 3, 15)})
            numero =
                a.fusionner(*Telechargement_Genere(jour), QStringLiteral("COM 1")).numero_serie;
        auto autre = Telechargement_Genere(QDate(2008, 3, 20));
        autre->Tab_Config(2361) = 1; // un autre appareil, rangé avant
        a.fusionner(*autre, QStringLiteral("COM 2"));
    }
    Magasin().reinitialiser();
    action("mnuArchive")->trigger();
    ASSERT_TRUE(visible("frmArchive"));
    auto* combo = controle<QComboBox>("frmArchive", "Combo_Appareil");
    ASSERT_EQ(combo->count(), 2);
    combo->setCurrentIndex(1);
    EXPECT_TRUE(combo->itemText(1).startsWith(numero + QStringLiteral("   du ")));
    auto* calendrier = controle<QCalendarWidget>("frmArchive", "Calendrier");
    const QColor complet = calendrier->dateTextFormat(QDate(2008, 3, 13)).background().color();
    const QColor trous = calendrier->dateTextFormat(QDate(2008, 3, 15)).background().color();
    EXPECT_NE(complet, trous);
    EXPECT_EQ(calendrier->dateTextFormat(QDate(2008, 3, 20)).background().style(), Qt::NoBrush);
    EXPECT_EQ(calendrier->maximumDate(), QDate(2008, 3, 15));

    calendrier->setSelectedDate(QDate(2008, 3, 11));
    EXPECT_TRUE(
        controle<QLabel>("frmArchive", "Label_Couverture")
            ->text()
            .contains(QStringLiteral("valeurs Leq du 11/03/2008 00:00 au 15/03/2008 10:00")));
    controle<QPushButton>("frmArchive", "Cmd_Ok")->click();
    vider_evenements();
    const auto& M = Magasin();
    EXPECT_TRUE(M.Donnees_Chargees);
    EXPECT_EQ(M.Tab_Leq(1, 3), 11);
    EXPECT_EQ(M.Tab_Leq(1, 2), 0);
    EXPECT_FALSE(chargee("frmArchive"));
    ASSERT_TRUE(visible("frmData_Type"));
    EXPECT_TRUE(controle<QRadioButton>("frmData_Type", "Option_Last_Data")->isChecked());
    EXPECT_TRUE(
        Legende_Actuelle().endsWith(QStringLiteral("Données archivées de l'appareil ") + numero));

    // Le rapport d'une période lue dans l'archive, sans passer par le magasin.
    action("mnuArchive")->trigger();
    controle<QComboBox>("frmArchive", "Combo_Appareil")->setCurrentIndex(1);
    calendrier = controle<QCalendarWidget>("frmArchive", "Calendrier");
    calendrier->setSelectedDate(QDate(2008, 3, 8));
    controle<QDateEdit>("frmArchive", "Date_Fin")->setDate(QDate(2008, 3, 14));
    controle<QPushButton>("frmArchive", "Cmd_Rapport")->click();
    vider_evenements();
    ASSERT_TRUE(visible("frmRapport"));
    const QString entete = controle<QLabel>("frmRapport", "Label_Entete")->text();
    EXPECT_TRUE(entete.contains(QStringLiteral("08   Mars    2008 au Vendredi 14")))
        << entete.toStdString();
    EXPECT_EQ(Nom_Document(QStringLiteral("R")), QStringLiteral("R du 08-03-2008 au 14-03-2008"));
}

// Le parc par le menu : un appareil relevé aujourd'hui et un autre il y a des années, celui-ci
// d'abord et d'une autre couleur ; le tri suit la colonne choisie ; un double-clic ouvre ses
// données archivées, à la place du parc.
TEST_F(Archive_Ihm, ParcDAppareils) {
    Archive a(base);
    const QString ancien =
        a.fusionner(*Telechargement_Genere(QDate(2008, 3, 12)), QStringLiteral("a")).numero_serie;
    auto recent = Telechargement_Genere(QDate::currentDate());
    recent->Tab_Config(2368) = (recent->Tab_Config(2368) + 1) % 10; // un autre appareil
    const QString nouveau = a.fusionner(*recent, QStringLiteral("b")).numero_serie;
    ASSERT_NE(ancien, nouveau);
    ASSERT_TRUE(a.nommer(nouveau, QStringLiteral("Salle du port")));

    action("mnuParc")->trigger();
    vider_evenements();
    ASSERT_TRUE(visible("frmParc"));
    auto* table = controle<QTableWidget>("frmParc", "Table_Parc");
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(0, 1)->text(), ancien);
    EXPECT_TRUE(table->item(0, 0)->text().startsWith(QStringLiteral("non relevé depuis")));
    EXPECT_EQ(table->item(1, 2)->text(), QStringLiteral("Salle du port"));
    EXPECT_NE(table->item(0, 0)->background(), table->item(1, 0)->background());
    table->sortItems(2, Qt::DescendingOrder); // par lieu : « Salle du port » avant le sans-nom
    EXPECT_EQ(table->item(0, 1)->text(), nouveau);

    emit table->cellDoubleClicked(0, 3);
    vider_evenements();
    EXPECT_FALSE(visible("frmParc"));
    ASSERT_TRUE(visible("frmArchive"));
    EXPECT_TRUE(
        controle<QComboBox>("frmArchive", "Combo_Appareil")->currentText().startsWith(nouveau));
}

// Des chiffres tapés dans le calendrier, puis la fenêtre fermée aussitôt : le petit éditeur
// de date de Qt ne s'ouvre pas (détruit avant d'avoir validé, il fuyait).
TEST_F(Archive_Ihm, DesChiffresTapesDansLeCalendrierNOuvrentPasDEditeur) {
    Archive(base).fusionner(*Telechargement_Genere(QDate(2008, 3, 12)), QStringLiteral("COM 1"));
    action("mnuArchive")->trigger();
    auto* calendrier = controle<QCalendarWidget>("frmArchive", "Calendrier");
    ASSERT_TRUE(calendrier->isEnabled());
    QWidget* vue = calendrier->findChild<QAbstractItemView*>();
    ASSERT_TRUE(vue);
    vue->setFocus();
    QKeyEvent trois(QEvent::KeyPress, Qt::Key_3, Qt::NoModifier, QStringLiteral("3"));
    QApplication::sendEvent(vue, &trois);
    // L'éditeur est la seule étiquette du calendrier.
    for (QLabel* editeur : calendrier->findChildren<QLabel*>())
        EXPECT_FALSE(editeur->isVisible()) << "éditeur de date ouvert";
    controle<QPushButton>("frmArchive", "Cmd_Annuler")->click();
    vider_evenements();
}

// Un téléchargement qui s'archive encore (la base est tenue par un autre programme) : les
// fenêtres de l'archive s'ouvrent sans attendre, le disent, et se remplissent ensuite ; une
// fenêtre fermée entre-temps ne revient pas.
TEST_F(Archive_Ihm, UneFusionLenteNeFigePasLesFenetresDeLArchive) {
    ASSERT_TRUE(Archive(base).ouvrir());
    QSqlDatabase verrou =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("verrou"));
    verrou.setDatabaseName(base);
    ASSERT_TRUE(verrou.open());
    auto tenir = [&] { ASSERT_TRUE(QSqlQuery(verrou).exec(QStringLiteral("BEGIN EXCLUSIVE"))); };
    auto lacher = [&] {
        ASSERT_TRUE(QSqlQuery(verrou).exec(QStringLiteral("COMMIT")));
        Attendre_Archivage();
        vider_evenements();
    };
    auto archiver = [](int jour) {
        Recopier_Contenu(*Telechargement_Genere(QDate(2008, 3, jour)), Magasin());
        Archiver_Magasin(QStringLiteral("COM 1"));
    };

    tenir();
    archiver(12);
    action("mnuArchive")->trigger();
    ASSERT_TRUE(visible("frmArchive"));
    EXPECT_TRUE(Archivage_En_Cours());
    EXPECT_FALSE(controle<QPushButton>("frmArchive", "Cmd_Ok")->isEnabled());
    EXPECT_EQ(controle<QLabel>("frmArchive", "Label_Couverture")->text(), Texte_Archivage_En_Cours);
    lacher();
    ASSERT_TRUE(visible("frmArchive"));
    EXPECT_EQ(controle<QComboBox>("frmArchive", "Combo_Appareil")->count(), 1);
    EXPECT_TRUE(controle<QPushButton>("frmArchive", "Cmd_Ok")->isEnabled());

    // Deux téléchargements à la suite : archivés dans l'ordre, le parc attend les deux.
    tenir();
    archiver(15);
    archiver(20);
    action("mnuParc")->trigger();
    EXPECT_FALSE(chargee("frmArchive"));
    ASSERT_TRUE(visible("frmParc"));
    EXPECT_EQ(controle<QLabel>("frmParc", "Label_Titre")->text(), Texte_Archivage_En_Cours);
    EXPECT_EQ(controle<QTableWidget>("frmParc", "Table_Parc")->rowCount(), 0);
    lacher();
    EXPECT_EQ(controle<QTableWidget>("frmParc", "Table_Parc")->rowCount(), 1);
    EXPECT_EQ(Archive(base).appareils()[0].nb_telechargements, 3);

    // Fermée avant la fin : elle ne se rouvre pas quand la fusion finit.
    tenir();
    ++Magasin().Tab_Leq(1, 7);
    Archiver_Magasin(QStringLiteral("COM 1"));
    action("mnuArchive")->trigger();
    controle<QPushButton>("frmArchive", "Cmd_Annuler")->click();
    lacher();
    EXPECT_FALSE(chargee("frmArchive"));
    verrou = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("verrou"));
}
