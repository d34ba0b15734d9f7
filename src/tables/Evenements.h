#pragma once

#include "tables/Lignes_Leq.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// Les deux vocabulaires des événements : celui du tableau et celui du graphique (qui dit
// « Défaut Niveau Capteur » et « Capteur n°1 » là où le tableau dit « Calibration
// Effectuée » et « Capteur n°1 séléctionné »).
enum class Vocabulaire { Tableau, Graphique };

// Texte de l'événement d'une ligne de Tab_Evenements : une seule des colonnes 7 et 8 non
// nulle, et un seul bit levé dans celle-ci. "" pour toute autre ligne, qui n'est pas listée.
QString Texte_Evenement(const std::int16_t* ligne, Vocabulaire vocabulaire);

// Tout ce que montre le tableau des événements pour la période choisie ; cherche la
// période dans Tab_Evenements (Index_Debut, Index_Fin).
struct Contenu_Tableau_Evenements {
    QString Label_Serial_Number, Label_Entete;
    Liste_Affichee List_Evenements;
    bool Aucun_Evenement = false;
    // Période d'un seul jour : l'en-tête imprimé se décale.
    bool Un_Jour = false;
    bool Cmd_Print_Visible = true;
    int Cmd_New_Tableau_Gauche = 5760; // twips
};
Contenu_Tableau_Evenements Tableau_Evenements();

// Les événements de Index_Debut à Index_Fin en champs : date, heure, texte du tableau
// (l'export CSV du tableau).
std::vector<QStringList> Champs_Evenements();

// Ajoute à « lignes » les événements du graphique, de midi du premier jour de la période à
// midi du dernier, dans le vocabulaire du graphique. Rend vrai quand il n'y en a aucun : le
// message est alors ajouté et la liste passe en 12 points gras ; sinon sa police ne change pas.
bool Liste_Evenements_Graph(QStringList& lignes);
