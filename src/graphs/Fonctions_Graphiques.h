#pragma once

// Le tracé des graphiques Leq : axes, courbe d'une série, niveau public, flèche de marque,
// grille du zoom. Tout se dessine sur une Surface_Dessin, en coordonnées du graphique :
// x est le temps (x = 12 à midi du jour de début ; une unité vaut 1, 3 ou 6 heures selon
// la durée), y = −niveau en dB.

#include "graphs/Surface_Dessin.h"
#include "platform/Nombres.h"
#include "tables/Periode.h"

#include <cstdint>
#include <optional>

enum class Serie_Leq { Leq1, Leq10 };

// Places des boîtes d'image de frmGraphique_Leq, en twips.
struct Rectangle_Twips {
    int gauche, haut, largeur, hauteur;
};
inline constexpr Rectangle_Twips Place_Graphique_Leq10{30, 840, 7515, 3975};
inline constexpr Rectangle_Twips Place_Graphique_Leq1{30, 5220, 7515, 3975};
inline constexpr Rectangle_Twips Place_Graphique_Agrandi{30, 840, 15060, 8300};

// La minute des graphiques en jours : un peu moins que 1/1440, si bien qu'un nombre
// entier de minutes tombe un peu au-delà de ce nombre (10 minutes ne font pas un trou).
inline constexpr double Minute_Graphique = 0.0006944;

// Minutes par unité de x : 60, 180 ou 360 pour 1, 3 ou 7 jours ; 0 pour une autre durée.
int Minutes_Par_Unite(int duree);

// Le jour de début du graphique (Jour_Debut, Mois_Debut, Annee_Debut), rien s'il n'existe
// pas.
std::optional<QDate> Jour_Debut_Graph();

// x d'une ligne de Tab_Leq1 ou Tab_Leq10 : l'écart en jours à midi du jour de début,
// arrondi à 7 décimales, en minutes de graphique. Rien pour une ligne dont la date
// n'existe pas (elle n'est pas tracée).
std::optional<double> X_Temps(const std::int16_t* ligne, const QDate& debut, int minutes_par_unite);
// Niveau d'une ligne, en dB (colonne 8 × 100 + colonne 7).
int Niveau_Ligne(const std::int16_t* ligne);
// Premier niveau public du magasin (Tab_Config 2177 et 2178).
int Niveau_Public_1();

// Les routines du tracé. « duree » est Duree_Graph (1, 3 ou 7) ; les dates écrites sous
// l'axe du temps viennent de Tab_Jours_Graph, la série de Tab_Leq1 ou Tab_Leq10.
void Trace_Axes(Surface_Dessin& s, int duree, Couleur c);
void Trace_Axes_Zoom(Surface_Dessin& s, Serie_Leq serie, int duree, Couleur c);
void Trace_Courbe(Surface_Dessin& s, Serie_Leq serie, int duree, Couleur c);
void Trace_Niveau_Public(Surface_Dessin& s, int duree, Couleur c);
// Flèche au-dessus de la valeur « index » (1 à Nb − 1) de la série ; rien hors de là.
void Trace_Marque(Surface_Dessin& s, Serie_Leq serie, int duree, std::int32_t index, Couleur c);
// Grille d'heures et de niveaux dans l'échelle courante de la surface ; « montrer » faux
// n'écrit ses textes qu'en blanc.
void Trace_Grille_Zoom(Surface_Dessin& s, int duree, bool montrer);
// Dates des jours que montre un zoom de x = a à x = b (parties entières de ses bornes),
// chacune au milieu de la part du jour qui se voit.
void Trace_Dates_Zoom(Surface_Dessin& s, int duree, int a, int b, Couleur c);
// « 15 / 11 / 2008 » : le jour d de Tab_Jours_Graph.
QString Texte_Date_Jour(int d);

// Le rectangle d'un zoom : x de gauche à droite, niveaux en dB du plus bas au plus haut.
struct Zoom_Graphique {
    double x_debut = 0, x_fin = 0, y_debut = 0, y_fin = 0;
    bool operator==(const Zoom_Graphique&) const = default;
};
// Le zoom que donne une sélection tirée de (xd, yd) à (xf, yf), en coordonnées du graphique
// et dans n'importe quel sens ; rien si elle a moins d'une unité de x de large ou moins de
// 5 dB de haut.
std::optional<Zoom_Graphique> Zoom_Selection(double xd, double yd, double xf, double yf);

// Ce qu'une boîte de graphique montre, redessiné en entier à chaque changement (sur une
// surface blanche) : voir docs/architecture.md.
struct Etat_Graphique {
    Serie_Leq serie = Serie_Leq::Leq1;
    int duree = 1;
    // Aucune ligne de niveau dans la période : rien, pas même les axes.
    bool vide = false;
    bool agrandi = false;
    // Valeur marquée de la flèche bleue ; 0 : aucune.
    std::int32_t index_marque = 0;
    // Un clic sur une ligne vide de la liste ôte la flèche mais garde la valeur marquée.
    bool marque_otee = false;
    // Le rectangle zoomé d'un graphique agrandi ; rien : tout le graphique agrandi.
    std::optional<Zoom_Graphique> zoom{};
};
void Dessiner_Graphique(Surface_Dessin& s, const Etat_Graphique& etat);

// Le bouton d'agrandissement : normal → agrandi, zoomé → agrandi, agrandi → normal. Rend le
// passage fait ; tout nouvel état remontre la flèche de la valeur marquée.
enum class Passage_Zoom { Agrandir, Quitter_Zoom, Revenir };
Passage_Zoom Basculer_Zoom(Etat_Graphique& etat);
// Un clic sur la ligne « valeur » d'une liste (Valeur_De_Ligne, 0 pour une ligne vide) d'une
// série de « nb » lignes (Nb_Leq1, Nb_Leq10) : la flèche va à la valeur ; une ligne vide
// l'ôte et garde la valeur marquée ; sans valeur dans la série, rien. Vrai si l'état change.
bool Marquer_Valeur(Etat_Graphique& etat, std::int32_t valeur, std::int32_t nb);

// L'échelle d'une boîte dans cet état : ce que Dessiner_Graphique pose, et ce qui traduit
// la souris en coordonnées du graphique.
struct Echelle_Graphique {
    double gauche, haut, largeur, hauteur;
};
Echelle_Graphique Echelle_Etat(const Etat_Graphique& etat);
