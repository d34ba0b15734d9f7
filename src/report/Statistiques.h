#pragma once

// Les chiffres qu'on demande au technicien : le niveau de la soirée, la limite tenue sur
// chaque quart d'heure, les trous de l'enregistrement. Fonctions pures sur les séries d'une
// période ; Donnees_Du_Magasin les tire du magasin.

#include "platform/Nombres.h"
#include "store/Declarations.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// Une minute : minutes écoulées depuis le 1er janvier 2000 à 0 h 00 (l'horodatage de
// l'enregistrement, qui marque la fin de sa minute ou de ses dix minutes).
using Minute = std::int64_t;
Minute Minute_De(int annee, int mois, int jour, int heure, int minute);
// « 07/03/2008 » et « 05:04 » d'une minute.
QString Texte_Date(Minute m);
// Le jour d'une minute, en jours depuis le 1er janvier 2000.
std::int64_t Jour_De(Minute m);
QString Texte_Heure(Minute m);

struct Valeur_Leq {
    Minute minute;
    int niveau; // dB
};

// Les événements que les images des nuits marquent le long de l'axe du temps.
enum class Marque { Coupure, Bypass_Active, Bypass_Desactive, Defaut_Capteur, Fin_Defaut_Capteur };
struct Evenement_Marque {
    Minute minute;
    Marque marque;
};
// La marque d'une ligne d'événement, s'il en faut une.
std::optional<Marque> Marque_Evenement(const std::int16_t* ligne);

struct Donnees_Periode {
    std::vector<Valeur_Leq> leq1, leq10; // dans l'ordre du temps
    std::vector<Minute> coupures;        // événements « Coupure Alimentation »
    std::vector<Evenement_Marque> marques;
    std::array<int, 3> niveaux_publics{};
};

// Les séries Leq1 et Leq10 extraites (Tab_Leq1, Tab_Leq10), les coupures d'alimentation des
// jours de la période et les niveaux publics en vigueur. Les lignes dont la date n'existe
// pas sont laissées de côté.
Donnees_Periode Donnees_Du_Magasin();
// Les Leq1, coupures et événements marqués de tout le magasin de « debut » à « fin » (bords
// compris), pour les nuits qui débordent de la période.
Donnees_Periode Donnees_Magasin_Entre(Minute debut, Minute fin);
// Les trois niveaux publics d'un bloc de configuration.
std::array<int, 3> Niveaux_Publics(const Tableau<Nb_Elements_Config>& config);

// Moyenne énergétique : 10·log10 de la moyenne des 10^(L/10) ; rien sans valeur.
std::optional<double> Moyenne_Energetique(const std::vector<int>& niveaux);
// Niveau dépassé pendant « pourcentage » % des minutes : rang ⌈p·n/100⌉ dans l'ordre
// décroissant (voir docs/statistiques.md).
std::optional<int> Niveau_Depasse(std::vector<int> niveaux, int pourcentage);

struct Trou {
    Minute debut, fin; // première et dernière minute sans valeur
    bool coupure = false;
    // L'heure sautée quand l'horloge passe à l'heure d'été (de 2 h à 3 h, le dernier
    // dimanche de mars) : aucune mesure n'y manque vraiment, ce n'est pas une coupure.
    bool changement_heure = false;
    std::int64_t minutes() const { return fin - debut + 1; }
};

// Des minutes qui se suivent et ont chacune plus d'une valeur Leq1 : l'horloge a été
// reculée. L'ordre vrai de leurs valeurs n'est plus connu.
struct Repetition {
    Minute debut, fin;
    // L'heure de 2 h à 3 h du dernier dimanche d'octobre, au passage à l'heure d'hiver.
    bool changement_heure = false;
    std::int64_t minutes() const { return fin - debut + 1; }
};

struct Depassement {
    Minute debut, fin; // minutes dont le Leq 15 min dépasse la limite
    double maximum;
};

// Le Leq glissant sur 15 minutes d'une minute : la moyenne énergétique des Leq1 des minutes
// m − 14 à m ; rien si l'une d'elles manque ou a deux valeurs (on ne sait plus laquelle
// appartient au quart d'heure).
struct Leq15 {
    Minute minute;
    double niveau; // au dixième
};

struct Statistiques {
    std::int64_t minutes_mesurees = 0, minutes_manquantes = 0;
    std::optional<double> leq; // de la période, au dixième
    std::optional<int> l10, l50, l90;
    std::optional<int> min_leq1, max_leq1, min_leq10, max_leq10;
    std::array<std::int64_t, 3> minutes_niveaux_publics{};
    std::vector<Trou> trous;
    std::vector<Repetition> repetitions;
    std::vector<Leq15> leq15;
    std::optional<Leq15> max_leq15;
    double limite = 102;
    std::int64_t minutes_au_dessus = 0;
    std::vector<Depassement> depassements;
};

// « limite » : le Leq 15 min à ne pas dépasser ; une minute la dépasse quand son Leq 15 min,
// arrondi au dixième comme on le lit, lui est supérieur.
Statistiques Calculer_Statistiques(const Donnees_Periode& d, double limite);
// Seulement le Leq 15 min glissant, son maximum et les dépassements (les nuits du rapport).
Statistiques Calculer_Leq15(const Donnees_Periode& d, double limite);

// Les minutes manquantes, de la première à la dernière minute enregistrée de chaque jour.
std::vector<Trou> Trous(const std::vector<Valeur_Leq>& leq1, const std::vector<Minute>& coupures);
// Toutes les minutes sans valeur de « debut » à « fin » (bords compris), avec leur cause
// selon les mêmes règles que Trous.
std::vector<Trou> Trous_Plage(const std::vector<Valeur_Leq>& leq1,
                              const std::vector<Minute>& coupures, Minute debut, Minute fin);
// Les minutes enregistrées plus d'une fois.
std::vector<Repetition> Repetitions(const std::vector<Valeur_Leq>& leq1);
