#pragma once

#include <array>

// Règles du dialogue de choix du port, sans fenêtre. Indices 1 à 16 ; l'indice 0 ne sert pas.
using Ports_Disponibles = std::array<bool, 17>;

// Ouvre et referme chaque port de 1 à 16 avec les réglages du téléchargement ; un port qui
// ne s'ouvre pas (absent, ou tenu par un autre programme) est indisponible. Laisse la
// liaison fermée.
Ports_Disponibles Sonder_Ports();

struct Etat_Apres_Sondage {
    int num_port = 0;  // nouvelle valeur de Num_Port
    int selection = 0; // bouton à sélectionner, 0 pour aucun
    bool ok_actif = true;
};

// Après le sondage : un ancien choix disparu est oublié, un port seul est choisi d'office,
// et Ok reste grisé tant que rien n'est choisi.
Etat_Apres_Sondage Etat_Apres(const Ports_Disponibles& disponibles, int num_port);
