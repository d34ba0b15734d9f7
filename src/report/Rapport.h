#pragma once

// Le rapport réglementaire d'une période : réglages en vigueur, résumé par jour,
// statistiques, dépassements de la limite et trous de l'enregistrement.

#include "report/Statistiques.h"
#include "store/Declarations.h"
#include "tables/Impression_Tableaux.h"

#include <QByteArray>
#include <QDate>
#include <QStringList>

// La limite du Leq 15 min des lieux de musique amplifiée, et celle des spectacles pour les
// enfants de six ans et moins.
inline constexpr double Limite_Defaut = 102;
inline constexpr double Limite_Jeune_Public = 94;

struct Contenu_Rapport {
    QString numero_serie, periode, analyse, source;
    QDate du, au; // premier et dernier jour de la période
    bool pondere_a = true;
    Donnees_Periode donnees;
    Statistiques stats;
    // Les nuits entières, de midi la veille du premier jour à midi le lendemain du dernier :
    // elles débordent de la période.
    Donnees_Periode donnees_nuits;
    Statistiques stats_nuits;
};

// Le rapport d'une période dont on a les séries, avec le bloc de configuration qui les
// accompagne (l'archive lit ainsi des mois entiers).
Contenu_Rapport Rapport_De(const Tableau<Nb_Elements_Config>& config, const QString& numero_serie,
                           const QString& periode, const QDate& du, const QDate& au,
                           Donnees_Periode donnees, Donnees_Periode nuits, double limite);
// De midi la veille de « du » à midi le lendemain de « au », plus les 14 minutes qui
// précèdent (le Leq 15 min de la première minute).
std::pair<Minute, Minute> Etendue_Nuits(const QDate& du, const QDate& au);
// Cherche la période choisie (jours entiers) dans le magasin, l'extrait et calcule.
Contenu_Rapport Rapport_Du_Magasin(double limite);
// Un rapport déjà lu (dans l'archive) que la fenêtre du rapport montrera à sa prochaine
// ouverture, au lieu de celui de la période du magasin.
void Preparer_Rapport(Contenu_Rapport rapport);
// Le rapport préparé s'il y en a un (il est alors consommé), sinon celui du magasin.
Contenu_Rapport Rapport_A_Montrer(double limite);
// Recalcule pour une autre limite, sans relire le magasin.
void Changer_Limite(Contenu_Rapport& rapport, double limite);

QString Titre_Rapport(const Contenu_Rapport& rapport);
QStringList Lignes_Rapport(const Contenu_Rapport& rapport);
// Une ligne par minute mesurée : date, heure, Leq1, Leq 15 min glissant (vide s'il manque).
QByteArray Csv_Rapport(const Contenu_Rapport& rapport);
