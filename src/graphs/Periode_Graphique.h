#pragma once

#include "tables/Periode.h"

#include <QDate>

// Durées que propose le dialogue du graphique, en jours.
inline constexpr int Durees_Graphique[] = {1, 3, 7};

// Le jour qui suit « debut » de « duree » jours, par les règles de fin de mois du
// graphique : une année est bissextile quand elle se divise par 4 (pas de règle des
// siècles, les années de l'appareil vont de 2000 à 2098).
Jour_Calendrier Fin_Periode_Graph(const Jour_Calendrier& debut, int duree);

// Ce que le dialogue écrit à Ok : Duree_Graph (« duree » 0, aucune option choisie, la
// garde), Nb_Jours_Graph, les textes de la période sans zéro en tête (5, 3, 2014) et les
// jours montrés dans Tab_Jours_Graph (lignes 1 à Duree_Graph + 1 ; les autres gardent ce
// qu'elles avaient).
void Ecrire_Periode_Graph(const QDate& debut, int duree);

// Le choix que le dialogue montre en s'ouvrant : le jour de début retenu (aujourd'hui si
// aucun ou s'il ne fait pas une date) et la durée de Nb_Jours_Graph (0 pour un autre texte :
// aucune option).
struct Choix_Graphique {
    QDate debut;
    int duree = 0;
};
Choix_Graphique Choix_Initial_Graph(const QDate& aujourdhui);

// Lignes de Tab_Leq (1 à 8192) de midi du jour de début à midi du jour de fin, Leq1 et
// Leq10 mêlés : Index_Debut et Index_Fin, 0 et 0 quand aucune.
void Recherche_Periode_Graph();
