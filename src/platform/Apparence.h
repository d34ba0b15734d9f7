#pragma once

#include <QColor>

class QWidget;

// Fond commun à toutes les fenêtres du programme.
inline const QColor Couleur_Fond(197, 207, 237);

// Fond et police Arial (Liberation Sans la remplace là où Arial manque).
void Appliquer_Apparence(QWidget* fenetre);

// Place un contrôle à une position donnée en twips (gauche, haut, largeur, hauteur).
void Placer_Twips(QWidget* controle, int gauche, int haut, int largeur, int hauteur);
