#pragma once

// Les nuits d'un rapport réglementaire, de midi à midi comme les graphiques : leur verdict
// et leur image (Leq1, Leq 15 min glissant, limite, dépassements, trous, événements).

#include "report/Rapport.h"
#include "tables/Impression_Tableaux.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

class Surface_Dessin;

enum class Verdict { Conforme, Depassement, Incomplet };
// « conforme », « dépassement », « incomplet ».
QString Texte_Verdict(Verdict v);

struct Nuit {
    QDate soir;                            // la nuit porte le nom de sa soirée
    Minute midi = 0;                       // 12 h 00 du soir : le bord gauche de l'image
    Minute debut = 0, fin = 0;             // ses minutes : de 12 h 00 à 11 h 59 le lendemain
    std::vector<Trou> trous;               // minutes sans valeur
    std::vector<Depassement> depassements; // minutes dont le Leq 15 min dépasse la limite
    std::optional<Leq15> max_leq15;
    std::int64_t minutes_mesurees = 0, minutes_manquantes = 0; // l'heure d'été sautée à part
    Verdict verdict = Verdict::Conforme;
};

// Une nuit par soirée de la période, entière même quand elle déborde de la période (les
// données des nuits du rapport) ; la nuit de la veille du premier jour et celle du dernier
// jour n'y sont que si elles ont des valeurs. « dépassement » : un Leq 15 min de la nuit
// dépasse la limite (arrondi au dixième, comme le texte) ; sinon « incomplet » : une minute
// manque ; sinon « conforme ».
std::vector<Nuit> Nuits_Rapport(const Contenu_Rapport& rapport);
// Une nuit de « d » ; « s » : les statistiques de « d », dont le Leq 15 min et la limite.
Nuit Bilan_Nuit(const Donnees_Periode& d, const Statistiques& s, const QDate& soir);

// « Nuit du mercredi 05/03/2008 au jeudi 06/03/2008 ».
QString Titre_Nuit(const Nuit& nuit);
// « Nuit du 05/03/2008 : dépassement » ; le maximum du Leq 15 min quand il y en a un.
QString Ligne_Verdict(const Nuit& nuit);

// L'image d'une nuit, dans une échelle de Largeur_Image_Nuit × Hauteur_Image_Nuit pixels.
inline constexpr int Largeur_Image_Nuit = 960, Hauteur_Image_Nuit = 420;
void Dessiner_Nuit(Surface_Dessin& surface, const Contenu_Rapport& rapport, const Nuit& nuit);

// Le rapport imprimé : une première page (appareil, réglages, limite, verdict de chaque
// nuit), puis les images, deux nuits par page, puis le texte ; au pied de chaque page, la
// période et « Page N / M ».
struct Page_Rapport {
    Page_Imprimee textes;
    std::vector<std::size_t> nuits; // les nuits dessinées sur la page, de haut en bas
};
inline constexpr int Gauche_Image_Twips = 600, Largeur_Image_Twips = 10500;
// Le haut en twips de la k-ième image d'une page (k = 0 ou 1).
inline constexpr int Haut_Image_Twips(std::size_t k) {
    return k == 0 ? 1000 : 8200;
}
std::vector<Page_Rapport> Pages_Rapport(const Contenu_Rapport& rapport,
                                        const std::vector<Nuit>& nuits);
