#include "graphs/frmInGraphique_v5.h"

#include "graphs/Periode_Graphique.h"
#include "platform/Apparence.h"
#include "shell/Fenetres.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

frmInGraphique_v5::frmInGraphique_v5() : Fenetre_Base(Id_Fenetre::frmInGraphique_v5) {
    setWindowTitle(QStringLiteral("Paramètres du graphique Leq"));
    Taille_Client_Twips(7965, 2505);

    Label_Entete = Creer<QLabel>(this, "Label_Entete",
                                 QStringLiteral("Paramètres des graphiques des niveaux Leq"));
    Label_Entete->setAlignment(Qt::AlignCenter);
    Placer_Twips(Label_Entete, 60, 60, 7845, 255);

    Frame1 = new QGroupBox(QStringLiteral("Jour de début de l'analyse :"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Placer_Twips(Frame1, 60, 360, 3885, 1305);
    DTPicker1 = Selecteur_Date(Frame1, "DTPicker1");
    Placer_Twips(DTPicker1, 570, 480, 2745, 375);

    Frame2 = new QGroupBox(QStringLiteral("Durée de l'analyse :"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Placer_Twips(Frame2, 4020, 360, 3885, 1305);
    Option_1_Jour = Creer<QRadioButton>(Frame2, "Option_1_Jour", QStringLiteral("1 Jour."));
    Placer_Twips(Option_1_Jour, 1300, 300, 1035, 210);
    Option_3_Jours = Creer<QRadioButton>(Frame2, "Option_3_Jours", QStringLiteral("3 Jours."));
    Placer_Twips(Option_3_Jours, 1290, 630, 1035, 210);
    Option_7_Jours = Creer<QRadioButton>(Frame2, "Option_7_Jours", QStringLiteral("7 Jours."));
    Placer_Twips(Option_7_Jours, 1300, 960, 1035, 210);

    Label1 = Creer<QLabel>(
        this, "Label1",
        QStringLiteral("Attention : L'analyse commencera à MIDI, le jour de début de l'analyse."));
    Label1->setAlignment(Qt::AlignCenter);
    Placer_Twips(Label1, 90, 1710, 7815, 255);

    Cmd_Ok = Creer<QPushButton>(this, "Cmd_Ok", QStringLiteral("Ok"));
    Placer_Twips(Cmd_Ok, 2520, 2040, 1365, 375);
    Cmd_Quitter = Creer<QPushButton>(this, "Cmd_Quitter", QStringLiteral("Annuler"));
    Placer_Twips(Cmd_Quitter, 4050, 2040, 1365, 375);

    connect(Cmd_Ok, &QPushButton::clicked, this, &frmInGraphique_v5::Cmd_Ok_Click);
    connect(Cmd_Quitter, &QPushButton::clicked, this, &frmInGraphique_v5::Cmd_Quitter_Click);
    Touche_Entree([this] { Cmd_Ok_Click(); });
}

void frmInGraphique_v5::Form_Load() {
    Fermer_Fenetres();
    Drapeaux().Ouvert_frmInGraphique_v5 = true;
    Deplacer_Origine();
    Rendre_Visible();

    const Choix_Graphique choix = Choix_Initial_Graph(QDate::currentDate());
    DTPicker1->setDate(choix.debut);
    Option_1_Jour->setChecked(choix.duree == 1);
    Option_3_Jours->setChecked(choix.duree == 3);
    Option_7_Jours->setChecked(choix.duree == 7);
}

void frmInGraphique_v5::Form_Unload() {
    Drapeaux().Ouvert_frmInGraphique_v5 = false;
}

void frmInGraphique_v5::Cmd_Ok_Click() {
    // Sans option choisie, la durée précédente reste.
    const int duree = Option_1_Jour->isChecked()    ? 1
                      : Option_3_Jours->isChecked() ? 3
                      : Option_7_Jours->isChecked() ? 7
                                                    : 0;
    Ecrire_Periode_Graph(DTPicker1->date(), duree);
    Fenetres::instance().Decharger(Id_Fenetre::frmInGraphique_v5);
    Fenetres::instance().Ouvrir(Id_Fenetre::frmGraphique_Leq);
}

void frmInGraphique_v5::Cmd_Quitter_Click() {
    Fenetres::instance().Decharger(Id_Fenetre::frmInGraphique_v5);
}
