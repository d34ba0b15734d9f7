#pragma once

#include <QColor>

class QCalendarWidget;
class QDateEdit;
class QLabel;
class QWidget;

// Fond commun à toutes les fenêtres du programme.
inline const QColor Couleur_Fond(197, 207, 237);

// Fond et police Arial (Liberation Sans la remplace là où Arial manque).
void Appliquer_Apparence(QWidget* fenetre);
// En-tête d'une fenêtre : centré, en gras.
void Titre_Centre(QLabel* etiquette);
// Une mention discrète en petits caractères (la base d'archive ouverte).
void Petite_Mention(QLabel* etiquette);

// Place un contrôle à une position donnée en twips (gauche, haut, largeur, hauteur).
void Placer_Twips(QWidget* controle, int gauche, int haut, int largeur, int hauteur);

// Sélecteur de date des dialogues de période : calendrier surgissant en français,
// jj/mm/aaaa, années de l'appareil seulement (2000 + colonne 6).
QDateEdit* Selecteur_Date(QWidget* parent, const char* nom);

// Calendrier en français, semaine du lundi. Sans le petit éditeur que Qt ouvre quand on tape
// des chiffres : détruit avant d'avoir validé (fenêtre fermée aussitôt), il fuit (Qt 6.4).
// Le jour se choisit à la souris et aux flèches.
void Preparer_Calendrier(QCalendarWidget* calendrier);
