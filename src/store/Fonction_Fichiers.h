#pragma once

#include <QString>

// Lit un fichier .lqm dans le magasin ; l'issue est laissée dans Donnees_Chargees.
void Charger_Fichier(QString& chemin);

// Demande un nom de fichier et y écrit tout le magasin.
void Sauver_Fichier();
