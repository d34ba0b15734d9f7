#pragma once

#include "tables/Lignes_Leq.h"

class QListView;
class QWidget;

// Liste d'un tableau : une vue sur un modèle de textes, remplie d'un coup (des milliers de
// lignes s'affichent et défilent sans attente).
QListView* Creer_Liste(QWidget* parent, const char* nom);
// Montre les lignes et la police que le noyau a choisies ; 0 point : celle de la fenêtre.
void Montrer_Liste(QListView* liste, const Liste_Affichee& contenu);
