#include "shell/frmData_Type.h"

#include "archive/Archivage.h"
#include "download/Telechargement.h"
#include "platform/Apparence.h"
#include "platform/Plateforme.h"
#include "platform/Travail_Long.h"
#include "shell/Calendrier.h"
#include "shell/Etat_Principal.h"
#include "shell/Fenetres.h"
#include "shell/Textes.h"
#include "store/Declarations.h"
#include "store/Fonction_Fichiers.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

frmData_Type::frmData_Type() : Fenetre_Base(Id_Fenetre::frmData_Type) {
    setWindowTitle(QStringLiteral("Sélection du type de données"));
    Taille_Client_Twips(7260, 3150);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Placer_Twips(Frame1, 120, 60, 7020, 2340);

    Option_New_Transfert = Creer<QRadioButton>(
        Frame1, "Option_New_Transfert",
        QStringLiteral("Nouvelles Données  (Transfert des données du LQM 70-4 Nova)"));
    Placer_Twips(Option_New_Transfert, 240, 420, 6600, 375);
    Option_Last_Data = Creer<QRadioButton>(Frame1, "Option_Last_Data",
                                           QStringLiteral("Dernières données utilisées"));
    Placer_Twips(Option_Last_Data, 240, 900, 6600, 375);
    Option_New_Save =
        Creer<QRadioButton>(Frame1, "Option_New_Save", QStringLiteral("Données sauvegardées"));
    Placer_Twips(Option_New_Save, 240, 1380, 2400, 375);
    Text_Save_Data = Creer<QLineEdit>(Frame1, "Text_Save_Data");
    Text_Save_Data->setReadOnly(true);
    Placer_Twips(Text_Save_Data, 2640, 1380, 3600, 345);
    Cmd_Search = Creer<QPushButton>(Frame1, "Cmd_Search", QStringLiteral("..."));
    Placer_Twips(Cmd_Search, 6360, 1380, 495, 345);

    Cmd_Ok = Creer<QPushButton>(this, "Cmd_Ok", QStringLiteral("Ok"));
    Placer_Twips(Cmd_Ok, 2040, 2580, 1335, 375);
    Cmd_Annuler = Creer<QPushButton>(this, "Cmd_Annuler", QStringLiteral("Annuler"));
    Placer_Twips(Cmd_Annuler, 3885, 2580, 1335, 375);

    // Sélectionner un bouton, à la souris ou par le code, lance son gestionnaire de clic.
    connect(Option_New_Transfert, &QRadioButton::toggled, this, [this](bool coche) {
        if (coche)
            Option_New_Transfert_Click();
    });
    connect(Option_Last_Data, &QRadioButton::toggled, this, [this](bool coche) {
        if (coche)
            Option_Last_Data_Click();
    });
    connect(Option_New_Save, &QRadioButton::toggled, this, [this](bool coche) {
        if (coche)
            Option_New_Save_Click();
    });
    Double_Clic(Option_New_Transfert, [this] {
        Option_New_Transfert_Click();
        Cmd_Ok_Click();
    });
    Double_Clic(Option_Last_Data, [this] {
        Option_Last_Data_Click();
        Cmd_Ok_Click();
    });
    Double_Clic(Option_New_Save, [this] {
        Option_New_Save_Click();
        Cmd_Ok_Click();
    });
    connect(Cmd_Search, &QPushButton::clicked, this, &frmData_Type::Cmd_Search_Click);
    connect(Cmd_Ok, &QPushButton::clicked, this, &frmData_Type::Cmd_Ok_Click);
    connect(Cmd_Annuler, &QPushButton::clicked, this, &frmData_Type::Cmd_Annuler_Click);
    Touche_Entree([this] { Cmd_Ok_Click(); });
}

void frmData_Type::selectionner(Option_Donnees option) {
    switch (option) {
    case Option_Donnees::New_Transfert:
        Option_New_Transfert->setChecked(true);
        break;
    case Option_Donnees::Last_Data:
        Option_Last_Data->setChecked(true);
        break;
    case Option_Donnees::New_Save:
        Option_New_Save->setChecked(true);
        break;
    case Option_Donnees::Aucune:
        break;
    }
}

void frmData_Type::Form_Load() {
    const auto& M = Magasin();
    Fermer_Fenetres();
    Drapeaux().Ouvert_frmData_Type = true;
    Deplacer_Origine();
    Rendre_Visible();

    // Pas de second téléchargement dans celui qui tourne encore : comme sans port,
    // jusqu'à ce qu'il finisse.
    const int port = Telechargement_En_Cours() ? 0 : M.Num_Port;
    Observer_Fin_Telechargement([moi = QPointer<frmData_Type>(this)] {
        if (moi && Drapeaux().Ouvert_frmData_Type)
            moi->Option_New_Transfert->setEnabled(Magasin().Num_Port != 0);
    });
    const Etat_Initial_Choix etat = Etat_Initial(port, M.Donnees_Chargees, M.Type_Affichage);
    Frame1->setTitle(etat.titre_cadre);
    Cmd_Search->setEnabled(false);
    Text_Save_Data->clear();
    Option_New_Transfert->setEnabled(etat.transfert_actif);
    Option_Last_Data->setEnabled(etat.derniere_active);
    selectionner(etat.preselection);
}

void frmData_Type::Form_Unload() {
    Observer_Fin_Telechargement(nullptr);
    Drapeaux().Ouvert_frmData_Type = false;
}

void frmData_Type::Option_New_Transfert_Click() {
    Cmd_Search->setEnabled(false);
}
void frmData_Type::Option_Last_Data_Click() {
    Cmd_Search->setEnabled(false);
}
void frmData_Type::Option_New_Save_Click() {
    Cmd_Search->setEnabled(true);
}

void frmData_Type::Cmd_Search_Click() {
    auto& M = Magasin();
    const std::optional<QString> choix = plateforme().Dialogue_Ouvrir(QString(), Filtre_Lqm);
    if (!choix)
        return;
    M.Nom_Fichier = *choix;
    M.Chaine_Temp = M.Nom_Fichier.right(3);
    if (!Fichier_Lqm_Accepte(M.Nom_Fichier)) {
        M.Nom_Fichier.clear();
        Text_Save_Data->clear();
    } else {
        Text_Save_Data->setText(QFileInfo(M.Nom_Fichier).fileName());
    }
}

void frmData_Type::Choisir_Fichier(const QString& chemin) {
    Option_New_Save->setChecked(true);
    Magasin().Nom_Fichier = chemin;
    Text_Save_Data->setText(QFileInfo(chemin).fileName());
}

void frmData_Type::decharger() {
    Fenetres::instance().Decharger(Id_Fenetre::frmData_Type);
}

void frmData_Type::ouvrir_vue_demandee() {
    if (const auto fenetre = Fenetre_Pour(Magasin().Type_Affichage))
        Fenetres::instance().Ouvrir(*fenetre);
}

void frmData_Type::Cmd_Ok_Click() {
    auto& M = Magasin();
    if (Option_New_Transfert->isChecked()) {
        Cacher();
        // Le téléchargement laisse passer les événements : cette fenêtre a pu être
        // déchargée, libérée, et même remplacée par une nouvelle pendant qu'il tournait.
        // Après lui, plus aucun accès à ses membres, et on ne décharge qu'elle-même.
        const QPointer<QWidget> moi(this);
        const auto decharger_moi = [moi] {
            if (moi && Fenetres::instance().Fenetre(Id_Fenetre::frmData_Type) == moi)
                decharger();
        };
        {
            Travail_Long travail;
            Telechargement();
        }
        if (Travail_Long::Sortie_Demandee())
            return;
        const Issue_Telechargement issue = Issue_Du_Telechargement(M.Abandon, M.Compteur_Essais);
        if (issue == Issue_Telechargement::Reussite) {
            Calcul_Num_Serie();
            Archiver_Magasin(QStringLiteral("COM ") + QString::number(M.Num_Port));
            ouvrir_vue_demandee();
            decharger_moi();
            return;
        }
        const Message_Utilisateur message = Message_Echec(issue);
        if (!message.texte.isEmpty())
            plateforme().Message(message.texte, message.titre, message.icone);
        if (issue == Issue_Telechargement::Interrompu) {
            Activer_Menu(Menu::mnuSave_As, false);
            M.Donnees_Chargees = false;
        }
        Fenetres::instance().Decharger(Id_Fenetre::frmWait);
        decharger_moi();
    } else if (Option_Last_Data->isChecked()) {
        ouvrir_vue_demandee();
        decharger();
    } else if (Option_New_Save->isChecked()) {
        if (Text_Save_Data->text().isEmpty()) {
            Rendre_Visible();
            plateforme().Message(Message_Pas_De_Fichier.texte, Message_Pas_De_Fichier.titre,
                                 Message_Pas_De_Fichier.icone);
            return;
        }
        QString chemin = M.Nom_Fichier;
        // Un fichier refusé laisse les données d'avant : la vue ne s'ouvre pas pour autant.
        if (Charger_Fichier(chemin)) {
            Archiver_Magasin(chemin);
            ouvrir_vue_demandee();
        }
        decharger();
    } else {
        decharger();
    }
}

void frmData_Type::Cmd_Annuler_Click() {
    decharger();
}
