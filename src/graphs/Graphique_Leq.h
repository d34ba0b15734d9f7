#pragma once

// Ce que montre la fenêtre du graphique Leq pour la période choisie : étiquettes, listes,
// boutons et extrêmes. La fenêtre ne fait que le recopier.

#include "tables/Lignes_Leq.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

inline const QString Message_Aucune_Valeur_Graph =
    QStringLiteral("Il n'y a aucune valeur de niveau Leq relevée pour cette période !!!");
inline const QString Titre_Aucune_Valeur_Graph = QStringLiteral("Pas de valeur Leq !!!");

struct Contenu_Graphique_Leq {
    QString Label_Entete, Label_Date;
    // Aucune ligne de niveau dans la période : le message, et des graphiques tout blancs.
    bool Aucune_Valeur = false;
    Liste_Affichee List_Leq10, List_Depassement, List_Leq1;
    bool Cmd_Zoom_Leq10_Visible = false, Cmd_Zoom_Leq1_Visible = false;
    // Extrêmes de chaque série ; un texte vide cache l'étiquette (série sans valeur).
    QString Label_Mini_Leq10, Label_Maxi_Leq10, Label_Mini_Leq1, Label_Maxi_Leq1;
    std::array<QString, 3> Label_Niveau_Public;
    QString Label_Analyse, Label_Source;
};

// Cherche la période de midi à midi dans Tab_Leq et l'extrait : Index_Debut, Index_Fin,
// Tab_Leq1, Tab_Leq10 et leurs comptes sont à jour ensuite. Recalcule Num_Serie.
Contenu_Graphique_Leq Graphique_Leq();

// Valeur (rang dans Tab_Leq1 ou Tab_Leq10) de la ligne « k » d'une liste de valeurs : son
// rang parmi les lignes non vides, les lignes vides séparant les jours. 0 pour une ligne
// vide ou hors de la liste.
std::int32_t Valeur_De_Ligne(const QStringList& lignes, int k);
