#pragma once

#include "store/Tableau.h"

#include <QString>
#include <cstdint>

// Capacités de la mémoire du LQM 70-4 Nova.
inline constexpr int Nb_Lignes_Leq = 8192;
inline constexpr int Nb_Lignes_Evenements = 4096;
inline constexpr int Nb_Elements_Config = 2560;
inline constexpr int Nb_Lignes_Parametres = 682;
inline constexpr int Nb_Colonnes_Parametres = 48;

using Table_Leq = Tableau<Nb_Lignes_Leq, 8>;

// Magasin unique des données d'un téléchargement, partagé par tout le programme.
struct Declarations {
    // Tables d'enregistrements
    Table_Leq Tab_Leq;
    Tableau<Nb_Lignes_Evenements, 8> Tab_Evenements;
    Tableau<Nb_Elements_Config> Tab_Config;
    Tableau<Nb_Lignes_Parametres, Nb_Colonnes_Parametres> Tab_Parametres;

    // Période choisie
    QString Jour_Debut, Mois_Debut, Annee_Debut;
    QString Jour_Fin, Mois_Fin, Annee_Fin;
    std::int32_t Index_Debut = 0;
    std::int32_t Index_Fin = 0;
    Tableau<Nb_Lignes_Leq, 8> Tab_Leq1;
    Tableau<Nb_Lignes_Leq, 8> Tab_Leq10;
    std::int32_t Nb_Leq1 = 0;
    std::int32_t Nb_Leq10 = 0;
    QString Nb_Jours_Graph;
    Tableau<8, 3, QString> Tab_Jours_Graph;
    QString Type_Affichage;

    // État de la session
    bool Donnees_Chargees = false;
    bool Abandon = false;
    std::int16_t Num_Port = 0;
    QString Nom_Fichier;
    QString Date_Recuperation;
    QString Heure_Recuperation;
    QString Num_Serie;
    std::int16_t Compteur_Essais = 0;
    std::int32_t Pas_Progression = 0;
    std::int16_t Duree_Graph = 0;

    // Variables de travail partagées
    std::int32_t Ind_i = 0, Ind_j = 0, Ind_k = 0;
    double Temps_Depart = 0.0;
    QString Chaine_Temp;

    // Remet tout à zéro, comme au lancement du programme (sert aux tests).
    void reinitialiser();
};

// L'instance unique, créée au premier appel et vivante jusqu'à la fin du programme.
Declarations& Magasin();
