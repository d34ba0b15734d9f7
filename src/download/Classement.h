#pragma once

#include "store/Tableau.h"

#include <cstddef>
#include <cstdint>
#include <functional>

struct Declarations;

// Validation puis tri par date et heure des trois tables d'enregistrements de « M », en
// place, avec la progression et les événements du programme. S'arrête à la fin de la passe
// en cours quand l'Abandon du magasin est levé.
void Classement_Leq(Declarations& M);
void Classement_Evenements(Declarations& M);
void Classement_Parametres(Declarations& M);

// Le tri lui-même, sur une table de taille quelconque.
//
// L'ordre de référence est celui de cinq passes de tri par sélection (année, puis mois à
// année égale, jour, heure, minute), chacune choisissant le premier minimum strict : c'est
// lui qui départage les égalités. Il est obtenu ici en O(N log N) : une passe ne déplace une ligne
// qu'à l'intérieur d'une plage de lignes qui partagent les clés précédentes, et chaque pas de
// sélection prend la plus petite clé du reste de la plage, à l'indice le plus bas ; un arbre
// des minimums (clé, indice) sur la plage, mis à jour aux deux positions échangées, donne
// exactement chaque pas.
//
// Les événements en attente passent à chaque pas, la progression est appelée tous les 512
// pas et à la fin de chaque passe, et Abandon est lu après chaque passage des événements.
struct Rappels_Classement {
    std::function<void()> evenements;
    std::function<void()> progression;
    std::function<bool()> abandon;
};

// lignes : adresse de la ligne 1 ; les lignes se suivent, « colonnes » cellules chacune.
void Classer_Table(std::int16_t* lignes, std::size_t nb_lignes, std::size_t colonnes,
                   bool teste_colonnes_7_8, const Rappels_Classement& rappels);

template <std::size_t L, std::size_t C>
void Classer_Table(Tableau<L, C>& table, bool teste_colonnes_7_8,
                   const Rappels_Classement& rappels) {
    Classer_Table(table.ligne(1), L, C, teste_colonnes_7_8, rappels);
}

// Nombre de pas entre deux appels de progression.
inline constexpr std::size_t Pas_Classement_Progression = 512;
