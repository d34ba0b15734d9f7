#pragma once

#include <QString>
#include <compare>
#include <cstdint>

// Un jour du calendrier tel que les lignes et les textes de période le donnent (année
// complète). Les valeurs ne sont pas contrôlées : une ligne vide (255) est l'an 2255.
struct Jour_Calendrier {
    int annee = 0, mois = 0, jour = 0;
    auto operator<=>(const Jour_Calendrier&) const = default;
};

// Partie entière de la valeur numérique d'un texte de période, lue comme le faisait le
// programme d'origine : blancs en tête ignorés, chiffres jusqu'au premier autre
// caractère ; 0 pour un texte vide ou sans chiffre.
int Valeur_Entiere(const QString& texte);

// Jour d'une ligne de Tab_Leq ou de Tab_Evenements (colonnes 3, 5 et 2000 + 6).
Jour_Calendrier Jour_Ligne(const std::int16_t* ligne);
// Premier et dernier jour de la période choisie (Jour_Debut ... Annee_Fin du magasin).
Jour_Calendrier Jour_Debut_Periode();
Jour_Calendrier Jour_Fin_Periode();
// Vrai quand la période est d'un seul jour (les textes comparés comme des nombres).
bool Periode_D_Un_Jour();

// Cherche dans les « nb_lignes » premières lignes de Tab_Leq (8192 pour le tableau) la
// suite de lignes de la période, jours entiers, bornes comprises : Index_Debut et
// Index_Fin, 0 et 0 quand aucune ligne n'en est. Une fin avant le début ne prend rien.
void Recherche_Periode_Leq(int nb_lignes);
// La même recherche sur les 4096 lignes de Tab_Evenements.
void Recherche_Periode_Evenements();
// Les événements du graphique, de midi du premier jour à midi du dernier (heure 12 et plus
// le premier jour, 11 et moins le dernier) : première et dernière ligne de Tab_Evenements,
// 0 et 0 quand aucune. Index_Debut et Index_Fin n'en sont pas changés.
void Periode_Evenements_Graph(std::int32_t& debut, std::int32_t& fin);
// Recopie les lignes Leq1 et Leq10 de Index_Debut à Index_Fin dans Tab_Leq1 et Tab_Leq10 ;
// Nb_Leq1 et Nb_Leq10 valent ensuite le nombre de lignes recopiées plus 1.
void Extraction_Periode();
