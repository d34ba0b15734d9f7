#include "shell/Choix_Donnees.h"

#include "download/Telechargement.h"
#include "shell/Textes.h"

Etat_Initial_Choix Etat_Initial(int num_port, bool donnees_chargees,
                                const QString& type_affichage) {
    Etat_Initial_Choix e;
    e.titre_cadre = QStringLiteral("Sélectionnez le type de données pour le ") + type_affichage;
    e.transfert_actif = num_port != 0;
    e.derniere_active = donnees_chargees;
    if (e.derniere_active)
        e.preselection = Option_Donnees::Last_Data;
    else if (!e.transfert_actif)
        e.preselection = Option_Donnees::New_Save;
    return e;
}

bool Fichier_Lqm_Accepte(const QString& chemin) {
    return chemin.right(3) == QStringLiteral("lqm");
}

std::optional<Id_Fenetre> Fenetre_Pour(const QString& type_affichage) {
    if (type_affichage == Vue::Graphique)
        return Id_Fenetre::frmInGraphique_v5;
    if (type_affichage == Vue::Tableau_Leq || type_affichage == Vue::Tableau_Evenements ||
        type_affichage == Vue::Rapport)
        return Id_Fenetre::frmInTableau;
    if (type_affichage == Vue::Tableau_Parametres)
        return Id_Fenetre::frmParametres_v4;
    return std::nullopt;
}

Issue_Telechargement Issue_Du_Telechargement(bool abandon, int compteur_essais) {
    if (!abandon)
        return Issue_Telechargement::Reussite;
    if (compteur_essais == 3)
        return Issue_Telechargement::Pas_Commence;
    if (compteur_essais == 4)
        return Issue_Telechargement::Probleme_Transmission;
    if (compteur_essais == Essais_Port_Indisponible)
        return Issue_Telechargement::Port_Indisponible;
    // Abandon avec un autre compteur : l'utilisateur a fermé la fenêtre de progression,
    // y compris pendant une attente de la phase finale (compteur 1). Ce n'est jamais
    // une réussite : le magasin ne contient pas de données.
    return Issue_Telechargement::Interrompu;
}

Message_Utilisateur Message_Echec(Issue_Telechargement issue) {
    switch (issue) {
    case Issue_Telechargement::Interrompu:
        return {QStringLiteral("Téléchargement des données interrompu !!! Traitement des "
                               "données impossible !!!"),
                QStringLiteral("Téléchargement des données interrompu !!!"), Icone::Critique};
    case Issue_Telechargement::Pas_Commence:
        return {QStringLiteral("La transmission n'a pas commencé. Veuillez vérifier que le capot "
                               "du LQM 70-4 soit bien fermé, et que le câble reliant le LQM au PC "
                               "soit bien branché !!!"),
                QStringLiteral("Erreur de transmission"), Icone::Critique};
    case Issue_Telechargement::Probleme_Transmission:
        return {QStringLiteral("Problème de transmission !!! Veuillez recommencer la transmission "
                               "SVP !!!"),
                QStringLiteral("Erreur de transmission"), Icone::Critique};
    case Issue_Telechargement::Reussite:
    case Issue_Telechargement::Port_Indisponible:
        break;
    }
    return {};
}
