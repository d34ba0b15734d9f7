#include "archive/frmParc.h"

#include "archive/Archivage.h"
#include "archive/Parc.h"
#include "archive/frmArchive.h"
#include "platform/Apparence.h"
#include "platform/Plateforme.h"
#include "report/Csv.h"
#include "report/Rapport.h"
#include "shell/Fenetres.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {

// Une couleur par état, de la plus urgente à la plus calme.
QColor couleur(Ligne_Parc::Etat e) {
    switch (e) {
    case Ligne_Parc::Etat::Silencieux:
        return {255, 190, 130};
    case Ligne_Parc::Etat::Depassement:
        return {255, 190, 190};
    case Ligne_Parc::Etat::Trous:
        return {255, 240, 170};
    case Ligne_Parc::Etat::Normal:
        break;
    }
    return {205, 235, 205};
}

// Une cellule qui se trie sur sa clé (l'ordre d'attention, un nombre, une date) plutôt que
// sur son texte.
class Cellule final : public QTableWidgetItem {
public:
    Cellule(const QString& texte, QVariant cle) : QTableWidgetItem(texte) {
        setData(Qt::UserRole, std::move(cle));
        setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    bool operator<(const QTableWidgetItem& autre) const override {
        return QVariant::compare(data(Qt::UserRole), autre.data(Qt::UserRole)) ==
               QPartialOrdering::Less;
    }
};

} // namespace

frmParc::frmParc() : Fenetre_Base(Id_Fenetre::frmParc) {
    setWindowTitle(QStringLiteral("Parc d'appareils"));
    Taille_Client_Twips(16800, 8400);

    Label_Titre = Creer<QLabel>(this, "Label_Titre");
    Titre_Centre(Label_Titre);
    Placer_Twips(Label_Titre, 120, 120, 16560, 285);
    Table_Parc = Creer<QTableWidget>(this, "Table_Parc");
    Table_Parc->setColumnCount(static_cast<int>(En_Tetes_Parc().size()));
    Table_Parc->setHorizontalHeaderLabels(En_Tetes_Parc());
    Table_Parc->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table_Parc->setSelectionMode(QAbstractItemView::SingleSelection);
    Table_Parc->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table_Parc->verticalHeader()->hide();
    Table_Parc->setToolTip(
        QStringLiteral("Double-cliquez sur un appareil pour ouvrir ses données archivées"));
    Placer_Twips(Table_Parc, 120, 540, 16560, 6600);
    Label_Base = Creer<QLabel>(this, "Label_Base");
    Petite_Mention(Label_Base);
    Placer_Twips(Label_Base, 120, 7200, 16560, 285);

    Cmd_Csv = Creer<QPushButton>(this, "Cmd_Csv", QStringLiteral("CSV"));
    Cmd_Csv->setToolTip(QStringLiteral("Enregistrer la vue du parc en CSV"));
    Placer_Twips(Cmd_Csv, 6420, 7620, 1575, 495);
    Cmd_Fermer = Creer<QPushButton>(this, "Cmd_Fermer", QStringLiteral("Fermer"));
    Placer_Twips(Cmd_Fermer, 8805, 7620, 1575, 495);

    connect(Table_Parc, &QTableWidget::cellDoubleClicked, this,
            [this](int ligne, int) { Table_Parc_DblClick(ligne); });
    connect(Cmd_Csv, &QPushButton::clicked, this, &frmParc::Cmd_Csv_Click);
    connect(Cmd_Fermer, &QPushButton::clicked, this, &frmParc::Cmd_Fermer_Click);
}

void frmParc::Form_Load() {
    Fermer_Fenetres();
    Drapeaux().Ouvert_frmParc = true;
    Deplacer_Origine();
    // Le dernier téléchargement doit y être : s'il s'archive encore, la fenêtre le dit et
    // lit l'archive ensuite, sans figer le programme.
    if (Archivage_En_Cours()) {
        Label_Titre->setText(Texte_Archivage_En_Cours);
        Cmd_Csv->setEnabled(false);
        Rendre_Visible();
    }
    Apres_Archivage(this, [this] {
        if (Fenetres::instance().Fenetre(Id_Fenetre::frmParc) == this)
            Lire_Archive();
    });
}

void frmParc::Lire_Archive() {
    aujourdhui_ = QDate::currentDate();
    const auto [du, au] = Periode_Parc_Defaut(aujourdhui_);
    Archive archive(Lire_Reglages_Archive().connexion);
    plateforme().Sablier(true);
    const auto lignes = archive.parc(du, au, Limite_Defaut, aujourdhui_);
    plateforme().Sablier(false);
    if (!lignes) {
        plateforme().Message(archive.erreur(), QStringLiteral("Parc d'appareils"), Icone::Critique);
        Fenetres::instance().Decharger(Id_Fenetre::frmParc);
        return;
    }
    lignes_ = *lignes;
    Label_Titre->setText(QStringLiteral("Nuits du %1 au %2, limite du Leq 15 min : %3 dB")
                             .arg(du.toString(QStringLiteral("dd/MM/yyyy")),
                                  au.toString(QStringLiteral("dd/MM/yyyy")),
                                  Nombre_Fr(Limite_Defaut, 1)));
    Label_Base->setText(QStringLiteral("Archive ") + archive.description() +
                        (archive.lecture_seule() ? QStringLiteral(" (lecture seule)") : QString()));
    Table_Parc->setSortingEnabled(false);
    Table_Parc->setRowCount(static_cast<int>(lignes_.size()));
    for (int i = 0; i < static_cast<int>(lignes_.size()); ++i) {
        const Ligne_Parc& l = lignes_[static_cast<std::size_t>(i)];
        const QStringList textes = Cellules_Parc(l, aujourdhui_);
        const QVariantList cles = {i, // l'ordre d'attention de la vue
                                   l.numero_serie,
                                   l.nom.toLower(),
                                   l.dernier_telechargement,
                                   l.nuits_completes,
                                   l.nuits_incompletes,
                                   l.nuits_manquantes,
                                   l.nuits_non_relevees,
                                   l.nuits_depassement,
                                   l.max_leq15.value_or(-1),
                                   l.quand_max};
        for (int c = 0; c < static_cast<int>(textes.size()); ++c) {
            auto* cellule = new Cellule(textes[c], cles[c]);
            cellule->setBackground(couleur(l.etat));
            Table_Parc->setItem(i, c, cellule);
        }
    }
    Table_Parc->setSortingEnabled(true);
    Table_Parc->sortItems(0);
    Table_Parc->resizeColumnsToContents();
    Cmd_Csv->setEnabled(!lignes_.empty());
    Rendre_Visible();
}

void frmParc::Form_Unload() {
    Drapeaux().Ouvert_frmParc = false;
}

void frmParc::Table_Parc_DblClick(int ligne) {
    const QTableWidgetItem* numero = Table_Parc->item(ligne, 1);
    if (!numero)
        return;
    frmArchive::Preselectionner(numero->text());
    Fenetres::instance().Ouvrir(Id_Fenetre::frmArchive);
}

void frmParc::Cmd_Csv_Click() {
    Exporter_Csv(QStringLiteral("Parc d'appareils du %1")
                     .arg(aujourdhui_.toString(QStringLiteral("dd-MM-yyyy"))),
                 Csv_Parc(lignes_, aujourdhui_));
}

void frmParc::Cmd_Fermer_Click() {
    Fenetres::instance().Decharger(Id_Fenetre::frmParc);
}
