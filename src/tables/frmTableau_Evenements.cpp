#include "tables/frmTableau_Evenements.h"

#include "platform/Apparence.h"
#include "platform/Images_Programme.h"
#include "platform/Plateforme.h"
#include "platform/Twips.h"
#include "report/Csv.h"
#include "shell/Fenetres.h"
#include "tables/Evenements.h"
#include "tables/Impression_Tableaux.h"
#include "tables/Liste_Fenetre.h"

#include <QLabel>
#include <QListView>
#include <QPushButton>

namespace {
// Rangée des boutons, en twips. Sans événement, Cmd_New_Tableau prend la place de Cmd_Print.
constexpr int Haut_Boutons = 8100, Largeur_Bouton = 810, Hauteur_Bouton = 660;
constexpr int Gauche_New = 5760, Gauche_Print = 6630, Gauche_Exit = 7500;
} // namespace

frmTableau_Evenements::frmTableau_Evenements() : Fenetre_Base(Id_Fenetre::frmTableau_Evenements) {
    setWindowTitle(QStringLiteral("Tableau des événements"));
    Taille_Client_Twips(14070, 8880);

    Label_Serial_Number = Creer<QLabel>(this, "Label_Serial_Number");
    Label_Serial_Number->setAlignment(Qt::AlignCenter);
    Placer_Twips(Label_Serial_Number, 120, 120, 13830, 285);
    Label_Entete = Creer<QLabel>(this, "Label_Entete");
    Titre_Centre(Label_Entete);
    Placer_Twips(Label_Entete, 120, 480, 13830, 285);

    List_Evenements = Creer_Liste(this, "List_Evenements");
    Placer_Twips(List_Evenements, 120, 840, 13830, 7140);

    Cmd_New_Tableau =
        Bouton_Image(this, "Cmd_New_Tableau", QStringLiteral("Nouveau tableau d'événements"),
                     QStringLiteral("New Tableau.bmp"));
    Placer_Twips(Cmd_New_Tableau, Gauche_New, Haut_Boutons, Largeur_Bouton, Hauteur_Bouton);
    Cmd_Print = Bouton_Image(this, "Cmd_Print", QStringLiteral("Imprimer ce tableau d'événements"),
                             QStringLiteral("Print.bmp"));
    Placer_Twips(Cmd_Print, Gauche_Print, Haut_Boutons, Largeur_Bouton, Hauteur_Bouton);
    Cmd_Exit = Bouton_Image(this, "Cmd_Exit", QStringLiteral("Quitter le tableau d'événements"),
                            QStringLiteral("Exit.jpg"));
    Placer_Twips(Cmd_Exit, Gauche_Exit, Haut_Boutons, Largeur_Bouton, Hauteur_Bouton);

    Cmd_Export = Creer<QPushButton>(this, "Cmd_Export", QStringLiteral("CSV"));
    Cmd_Export->setToolTip(QStringLiteral("Enregistrer ce tableau d'événements en CSV"));
    Placer_Twips(Cmd_Export, Gauche_Exit + 870, Haut_Boutons, Largeur_Bouton, Hauteur_Bouton);
    connect(Cmd_Print, &QPushButton::clicked, this, &frmTableau_Evenements::Cmd_Print_Click);
    connect(Cmd_Export, &QPushButton::clicked, this, &frmTableau_Evenements::Cmd_Export_Click);
    connect(Cmd_New_Tableau, &QPushButton::clicked, this,
            &frmTableau_Evenements::Cmd_New_Tableau_Click);
    connect(Cmd_Exit, &QPushButton::clicked, this, &frmTableau_Evenements::Cmd_Exit_Click);
}

void frmTableau_Evenements::Form_Load() {
    Fermer_Fenetres();
    Drapeaux().Ouvert_frmTableau_Evenements = true;
    Deplacer_Origine();

    contenu_ = Tableau_Evenements();
    const auto& c = contenu_;
    Label_Serial_Number->setText(c.Label_Serial_Number);
    Label_Entete->setText(c.Label_Entete);
    Montrer_Liste(List_Evenements, c.List_Evenements);
    Cmd_Print->setVisible(c.Cmd_Print_Visible);
    Cmd_Export->setVisible(c.Cmd_Print_Visible);
    Cmd_New_Tableau->move(Twips_En_Pixels(c.Cmd_New_Tableau_Gauche), Cmd_New_Tableau->y());
    Rendre_Visible();
}

void frmTableau_Evenements::Form_Unload() {
    Drapeaux().Ouvert_frmTableau_Evenements = false;
}

void frmTableau_Evenements::Cmd_Print_Click() {
    const std::unique_ptr<Imprimante> imprimante = plateforme().Dialogue_Imprimante(
        Nom_Document(QStringLiteral("Tableau des événements")), false);
    if (!imprimante)
        return; // Annuler : rien d'imprimé
    Imprimer_Pages(*imprimante, Pages_Tableau_Evenements(contenu_));
}

void frmTableau_Evenements::Cmd_Export_Click() {
    // Les tables ont gardé la période montrée : Index_Debut, Index_Fin et les séries.
    Exporter_Csv(Nom_Document(QStringLiteral("Tableau des événements")), Csv_Evenements());
}

void frmTableau_Evenements::Cmd_New_Tableau_Click() {
    // Le dialogue repart de la période affichée, restée dans les textes de la période.
    Fenetres::instance().Decharger(Id_Fenetre::frmTableau_Evenements);
    Fenetres::instance().Ouvrir(Id_Fenetre::frmInTableau);
}

void frmTableau_Evenements::Cmd_Exit_Click() {
    Fenetres::instance().Decharger(Id_Fenetre::frmTableau_Evenements);
}
