#pragma once

#include "store/Declarations.h"

// Remplit les trois tables d'enregistrements comme après le décodage d'une mémoire pleine :
// environ cinq jours de Leq1 et de Leq10 dans l'ordre de la mémoire circulaire (le point
// de reprise au milieu), quelques lignes invalides, des Leq1 et Leq10 de même minute.
void Remplir_Tables_Bench(Declarations& M);
