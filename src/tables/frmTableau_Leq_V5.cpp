#include "tables/frmTableau_Leq_V5.h"

#include "platform/Apparence.h"
#include "platform/Images_Programme.h"
#include "platform/Plateforme.h"
#include "platform/Twips.h"
#include "report/Csv.h"
#include "shell/Fenetres.h"
#include "tables/Impression_Tableaux.h"
#include "tables/Lignes_Leq.h"
#include "tables/Liste_Fenetre.h"

#include <QLabel>
#include <QListView>
#include <QPushButton>

namespace {
// Rangée des boutons, en twips. Sans valeur, Cmd_New_Tableau prend la place de Cmd_Print.
constexpr int Haut_Boutons = 8100, Largeur_Bouton = 810, Hauteur_Bouton = 660;
constexpr int Gauche_Print = 5850, Gauche_New = 7095, Gauche_Exit = 8340;
} // namespace

frmTableau_Leq_V5::frmTableau_Leq_V5() : Fenetre_Base(Id_Fenetre::frmTableau_Leq_V5) {
    setWindowTitle(QStringLiteral("Tableau des valeurs Leq."));
    Taille_Client_Twips(15000, 8880);

    Label_Serial_Number = Creer<QLabel>(this, "Label_Serial_Number");
    Label_Serial_Number->setAlignment(Qt::AlignCenter);
    Placer_Twips(Label_Serial_Number, 120, 120, 14760, 285);
    Label_Entete10 = Creer<QLabel>(this, "Label_Entete10");
    Placer_Twips(Label_Entete10, 120, 480, 7320, 285);
    Label_Entete1 = Creer<QLabel>(this, "Label_Entete1");
    Placer_Twips(Label_Entete1, 7560, 480, 7320, 285);
    Titre_Centre(Label_Entete10);
    Titre_Centre(Label_Entete1);

    List_Leq10 = Creer_Liste(this, "List_Leq10");
    Placer_Twips(List_Leq10, 120, 840, 7320, 7140);
    List_Leq1 = Creer_Liste(this, "List_Leq1");
    Placer_Twips(List_Leq1, 7560, 840, 7320, 7140);

    Cmd_Print = Bouton_Image(this, "Cmd_Print", QStringLiteral("Imprimer ce tableau Leq"),
                             QStringLiteral("Print.bmp"));
    Placer_Twips(Cmd_Print, Gauche_Print, Haut_Boutons, Largeur_Bouton, Hauteur_Bouton);
    Cmd_New_Tableau = Bouton_Image(this, "Cmd_New_Tableau", QStringLiteral("Nouveau tableau Leq"),
                                   QStringLiteral("New Tableau.bmp"));
    Placer_Twips(Cmd_New_Tableau, Gauche_New, Haut_Boutons, Largeur_Bouton, Hauteur_Bouton);
    Cmd_Exit = Bouton_Image(this, "Cmd_Exit", QStringLiteral("Quitter le tableau Leq"),
                            QStringLiteral("Exit.jpg"));
    Placer_Twips(Cmd_Exit, Gauche_Exit, Haut_Boutons, Largeur_Bouton, Hauteur_Bouton);

    Cmd_Export = Creer<QPushButton>(this, "Cmd_Export", QStringLiteral("CSV"));
    Cmd_Export->setToolTip(QStringLiteral("Enregistrer ce tableau Leq en CSV"));
    Placer_Twips(Cmd_Export, Gauche_Print - 1245, Haut_Boutons, Largeur_Bouton, Hauteur_Bouton);
    connect(Cmd_Print, &QPushButton::clicked, this, &frmTableau_Leq_V5::Cmd_Print_Click);
    connect(Cmd_Export, &QPushButton::clicked, this, &frmTableau_Leq_V5::Cmd_Export_Click);
    connect(Cmd_New_Tableau, &QPushButton::clicked, this,
            &frmTableau_Leq_V5::Cmd_New_Tableau_Click);
    connect(Cmd_Exit, &QPushButton::clicked, this, &frmTableau_Leq_V5::Cmd_Exit_Click);
}

void frmTableau_Leq_V5::Form_Load() {
    Fermer_Fenetres();
    Drapeaux().Ouvert_frmTableau_Leq_V5 = true;
    Deplacer_Origine();

    contenu_ = Tableau_Leq();
    const auto& c = contenu_;
    Label_Serial_Number->setText(c.Label_Serial_Number);
    Label_Entete10->setText(c.Label_Entete10);
    Label_Entete1->setText(c.Label_Entete1);
    Montrer_Liste(List_Leq10, c.List_Leq10);
    Montrer_Liste(List_Leq1, c.List_Leq1);
    Cmd_Print->setVisible(c.Cmd_Print_Visible);
    Cmd_Export->setVisible(c.Cmd_Print_Visible);
    if (c.Cmd_New_Tableau_Gauche != 0)
        Cmd_New_Tableau->move(Twips_En_Pixels(c.Cmd_New_Tableau_Gauche), Cmd_New_Tableau->y());
    Rendre_Visible();
}

void frmTableau_Leq_V5::Form_Unload() {
    Drapeaux().Ouvert_frmTableau_Leq_V5 = false;
}

void frmTableau_Leq_V5::Cmd_Print_Click() {
    const std::unique_ptr<Imprimante> imprimante =
        plateforme().Dialogue_Imprimante(Nom_Document(QStringLiteral("Tableau Leq")), false);
    if (!imprimante)
        return; // Annuler : rien d'imprimé
    Imprimer_Pages(*imprimante, Pages_Tableau_Leq(contenu_));
}

void frmTableau_Leq_V5::Cmd_Export_Click() {
    // Les tables ont gardé la période montrée : Index_Debut, Index_Fin et les séries.
    Exporter_Csv(Nom_Document(QStringLiteral("Tableau Leq")), Csv_Tableau_Leq());
}

void frmTableau_Leq_V5::Cmd_New_Tableau_Click() {
    // Le dialogue repart de la période affichée, restée dans les textes de la période.
    Fenetres::instance().Decharger(Id_Fenetre::frmTableau_Leq_V5);
    Fenetres::instance().Ouvrir(Id_Fenetre::frmInTableau);
}

void frmTableau_Leq_V5::Cmd_Exit_Click() {
    Fenetres::instance().Decharger(Id_Fenetre::frmTableau_Leq_V5);
}
