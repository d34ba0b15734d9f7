#pragma once

#include "platform/Plateforme.h"
#include "shell/Fenetres_Ouvertes.h"

#include <QString>
#include <optional>

// Règles du dialogue de choix de la source des données, sans fenêtre.

enum class Option_Donnees { Aucune, New_Transfert, Last_Data, New_Save };

struct Etat_Initial_Choix {
    QString titre_cadre;
    bool transfert_actif = false;
    bool derniere_active = false;
    Option_Donnees preselection = Option_Donnees::Aucune;
};

Etat_Initial_Choix Etat_Initial(int num_port, bool donnees_chargees, const QString& type_affichage);

// Un fichier n'est retenu que si son chemin finit exactement par « lqm » (casse comprise).
bool Fichier_Lqm_Accepte(const QString& chemin);

// La fenêtre à ouvrir pour la vue demandée ; rien pour un nom inconnu.
std::optional<Id_Fenetre> Fenetre_Pour(const QString& type_affichage);

// Issue d'un téléchargement, lue dans Abandon et Compteur_Essais.
enum class Issue_Telechargement {
    Reussite,
    Interrompu,
    Pas_Commence,
    Probleme_Transmission,
    Port_Indisponible, // déjà signalé par le téléchargement
};
Issue_Telechargement Issue_Du_Telechargement(bool abandon, int compteur_essais);

struct Message_Utilisateur {
    QString texte;
    QString titre;
    Icone icone = Icone::Critique;
};

// Le message d'un téléchargement qui a échoué (texte vide : rien de plus à montrer).
Message_Utilisateur Message_Echec(Issue_Telechargement issue);

inline const Message_Utilisateur Message_Pas_De_Fichier{
    QStringLiteral("Veuillez sélectionner un fichier .lqm à ouvrir SVP !!!"),
    QStringLiteral("Pas de fichier sélectionné"), Icone::Exclamation};
