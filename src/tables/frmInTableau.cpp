#include "tables/frmInTableau.h"

#include "platform/Apparence.h"
#include "platform/Plateforme.h"
#include "shell/Fenetres.h"
#include "shell/Textes.h"
#include "store/Declarations.h"
#include "tables/Periode.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

frmInTableau::frmInTableau() : Fenetre_Base(Id_Fenetre::frmInTableau) {
    Taille_Client_Twips(5040, 2760);

    Label7 =
        Creer<QLabel>(this, "Label7", QStringLiteral("Sélectionnez les paramètres du tableau"));
    Label7->setAlignment(Qt::AlignCenter);
    Placer_Twips(Label7, 120, 120, 4800, 285);

    Frame1 = new QGroupBox(QStringLiteral("Dates de début et de fin de l'analyse :"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Placer_Twips(Frame1, 120, 480, 4800, 1500);
    Label_Date_Start = Creer<QLabel>(Frame1, "Label_Date_Start", QStringLiteral("Date de début :"));
    Placer_Twips(Label_Date_Start, 360, 450, 1800, 330);
    DTP_Jour_Start = Selecteur_Date(Frame1, "DTP_Jour_Start");
    Placer_Twips(DTP_Jour_Start, 2280, 420, 2040, 375);
    Label_Date_End = Creer<QLabel>(Frame1, "Label_Date_End", QStringLiteral("Date de fin :"));
    Placer_Twips(Label_Date_End, 360, 960, 1800, 330);
    DTP_Jour_End = Selecteur_Date(Frame1, "DTP_Jour_End");
    Placer_Twips(DTP_Jour_End, 2280, 930, 2040, 375);

    Cmd_Ok = Creer<QPushButton>(this, "Cmd_Ok", QStringLiteral("Ok"));
    Placer_Twips(Cmd_Ok, 960, 2190, 1335, 375);
    Cmd_Annuler = Creer<QPushButton>(this, "Cmd_Annuler", QStringLiteral("Annuler"));
    Placer_Twips(Cmd_Annuler, 2745, 2190, 1335, 375);

    // Les textes de la période suivent chaque changement ; un jour choisi dans le
    // calendrier envoie ensuite le focus sur Ok.
    connect(DTP_Jour_Start, &QDateEdit::dateChanged, this, &Ecrire_Debut_Periode);
    connect(DTP_Jour_End, &QDateEdit::dateChanged, this, &Ecrire_Fin_Periode);
    for (QDateEdit* dtp : {DTP_Jour_Start, DTP_Jour_End})
        connect(dtp->calendarWidget(), &QCalendarWidget::clicked, this,
                [this] { Cmd_Ok->setFocus(); });
    connect(Cmd_Ok, &QPushButton::clicked, this, &frmInTableau::Cmd_Ok_Click);
    connect(Cmd_Annuler, &QPushButton::clicked, this, &frmInTableau::Cmd_Annuler_Click);
    Touche_Entree([this] { Cmd_Ok_Click(); });
}

void frmInTableau::Form_Load() {
    Fermer_Fenetres();
    Drapeaux().Ouvert_frmInTableau = true;
    Deplacer_Origine();
    Rendre_Visible();

    const QString& vue = Magasin().Type_Affichage;
    if (vue == Vue::Tableau_Leq)
        setWindowTitle(QStringLiteral("Paramètres du tableau Leq"));
    else if (vue == Vue::Tableau_Evenements)
        setWindowTitle(QStringLiteral("Paramètres du tableau d'événements"));
    else if (vue == Vue::Rapport)
        setWindowTitle(QStringLiteral("Période du rapport réglementaire"));

    const auto [debut, fin] = Dates_Initiales(QDate::currentDate());
    DTP_Jour_Start->setDate(debut);
    DTP_Jour_End->setDate(fin);
    // setDate ne signale rien quand la date ne change pas : on écrit les textes ici.
    Ecrire_Debut_Periode(DTP_Jour_Start->date());
    Ecrire_Fin_Periode(DTP_Jour_End->date());
}

void frmInTableau::Form_Unload() {
    Drapeaux().Ouvert_frmInTableau = false;
}

void frmInTableau::Cmd_Ok_Click() {
    if (!Dates_Coherentes(DTP_Jour_Start->date(), DTP_Jour_End->date())) {
        plateforme().Message(Texte_Dates_Incoherentes, Titre_Dates_Incoherentes, Icone::Critique);
        return;
    }
    const QString& vue = Magasin().Type_Affichage;
    // La table ouverte ferme ce dialogue (son Form_Load appelle Fermer_Fenetres).
    if (vue == Vue::Tableau_Leq)
        Fenetres::instance().Ouvrir(Id_Fenetre::frmTableau_Leq_V5);
    else if (vue == Vue::Tableau_Evenements)
        Fenetres::instance().Ouvrir(Id_Fenetre::frmTableau_Evenements);
    else if (vue == Vue::Rapport)
        Fenetres::instance().Ouvrir(Id_Fenetre::frmRapport);
    Fenetres::instance().Decharger(Id_Fenetre::frmInTableau);
}

void frmInTableau::Cmd_Annuler_Click() {
    Fenetres::instance().Decharger(Id_Fenetre::frmInTableau);
}
