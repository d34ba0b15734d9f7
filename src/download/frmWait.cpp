#include "download/frmWait.h"

#include "download/Liaison_Serie.h"
#include "download/Progression.h"
#include "platform/Apparence.h"
#include "platform/Images_Programme.h"
#include "shell/Fenetres.h"
#include "store/Declarations.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

frmWait::frmWait() : Fenetre_Base(Id_Fenetre::frmWait) {
    setWindowTitle(QStringLiteral("Transfert des données en cours ..."));
    Taille_Client_Twips(6600, 3360);

    Label_Transmission = Creer<QLabel>(this, "Label_Transmission");
    Placer_Twips(Label_Transmission, 240, 120, 5400, 285);
    ProgressBar_Transmission = Creer<QProgressBar>(this, "ProgressBar_Transmission");
    Placer_Twips(ProgressBar_Transmission, 240, 420, 5400, 300);
    Picture_Transmit_Ok = Creer<QLabel>(this, "Picture_Transmit_Ok");
    Placer_Twips(Picture_Transmit_Ok, 5820, 390, 480, 360);

    Label_Classement = Creer<QLabel>(this, "Label_Classement");
    Placer_Twips(Label_Classement, 240, 900, 5400, 285);
    ProgressBar_Classement = Creer<QProgressBar>(this, "ProgressBar_Classement");
    Placer_Twips(ProgressBar_Classement, 240, 1200, 5400, 300);
    Picture_Classement_Ok = Creer<QLabel>(this, "Picture_Classement_Ok");
    Placer_Twips(Picture_Classement_Ok, 5820, 1170, 480, 360);

    Label_Traitement = Creer<QLabel>(this, "Label_Traitement");
    Placer_Twips(Label_Traitement, 240, 1680, 5400, 285);
    ProgressBar_Traitement = Creer<QProgressBar>(this, "ProgressBar_Traitement");
    Placer_Twips(ProgressBar_Traitement, 240, 1980, 5400, 300);
    Label_Pourcentage = Creer<QLabel>(this, "Label_Pourcentage");
    Placer_Twips(Label_Pourcentage, 240, 2340, 5400, 285);

    for (QProgressBar* barre :
         {ProgressBar_Transmission, ProgressBar_Classement, ProgressBar_Traitement}) {
        barre->setMinimum(0);
        barre->setTextVisible(false);
    }
    Cmd_Annuler = Creer<QPushButton>(this, "Cmd_Annuler", QStringLiteral("Annuler"));
    Placer_Twips(Cmd_Annuler, 2632, 2820, 1335, 375);
    connect(Cmd_Annuler, &QPushButton::clicked, this, &frmWait::Cmd_Annuler_Click);
}

void frmWait::Form_Load() {
    Drapeaux().Ouvert_frmWait = true;
    Deplacer_Origine();
    Picture_Transmit_Ok->hide();
    Picture_Classement_Ok->hide();
    Image_Etiquette(Picture_Transmit_Ok, QStringLiteral("Ok.bmp"), QStringLiteral("Ok"));
    Image_Etiquette(Picture_Classement_Ok, QStringLiteral("Ok.bmp"), QStringLiteral("Ok"));
    Etat_Progression() = Etat_Attente_Au_Chargement();
    Rafraichir();
}

void frmWait::Form_Unload() {
    auto& M = Magasin();
    M.Abandon = true;
    M.Compteur_Essais = 0;
    Drapeaux().Ouvert_frmWait = false;
    if (liaison().Ouverte())
        liaison().Fermer();
}

void frmWait::Cmd_Annuler_Click() {
    Fenetres::instance().Decharger(Id_Fenetre::frmWait);
}

void frmWait::Rafraichir() {
    const Etat_Attente& e = Etat_Progression();
    ProgressBar_Transmission->setMaximum(Partie_Entiere(Max_Transmission));
    ProgressBar_Classement->setMaximum(Partie_Entiere(Max_Classement));
    ProgressBar_Traitement->setMaximum(Partie_Entiere(Max_Traitement));
    ProgressBar_Transmission->setValue(Partie_Entiere(e.ProgressBar_Transmission));
    ProgressBar_Classement->setValue(Partie_Entiere(e.ProgressBar_Classement));
    ProgressBar_Traitement->setValue(Partie_Entiere(e.ProgressBar_Traitement));
    Label_Transmission->setText(e.Label_Transmission);
    Label_Classement->setText(e.Label_Classement);
    Label_Traitement->setText(e.Label_Traitement);
    Label_Pourcentage->setText(e.Label_Pourcentage);
    Picture_Transmit_Ok->setVisible(e.Picture_Transmit_Ok);
    Picture_Classement_Ok->setVisible(e.Picture_Classement_Ok);
}

void frmWait::Brancher_Progression() {
    Installer_Vue_Progression({
        [] {
            // Utiliser les contrôles d'une fenêtre fermée la recharge, comme à l'origine.
            if (!Fenetres::instance().Chargee(Id_Fenetre::frmWait))
                Fenetres::instance().Ouvrir(Id_Fenetre::frmWait);
        },
        [] {
            if (auto* f = Fenetres::instance().Instance<frmWait>(Id_Fenetre::frmWait))
                f->Rafraichir();
        },
    });
}
