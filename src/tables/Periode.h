#pragma once

#include <QDate>
#include <QString>
#include <algorithm>
#include <compare>
#include <cstdint>
#include <optional>
#include <utility>

// Un jour du calendrier tel que les lignes et les textes de période le donnent (année
// complète). Les valeurs ne sont pas contrôlées : une ligne vide (255) est l'an 2255.
struct Jour_Calendrier {
    int annee = 0, mois = 0, jour = 0;
    auto operator<=>(const Jour_Calendrier&) const = default;
};

// Partie entière de la valeur numérique d'un texte de période : blancs en tête ignorés,
// chiffres jusqu'au premier autre caractère ; 0 pour un texte vide ou sans chiffre.
int Valeur_Entiere(const QString& texte);

// Jour d'une ligne de Tab_Leq ou de Tab_Evenements (colonnes 3, 5 et 2000 + 6).
Jour_Calendrier Jour_Ligne(const std::int16_t* ligne);
// Premier et dernier jour de la période choisie (Jour_Debut ... Annee_Fin du magasin).
Jour_Calendrier Jour_Debut_Periode();
Jour_Calendrier Jour_Fin_Periode();
// Vrai quand la période est d'un seul jour (les textes comparés comme des nombres).
bool Periode_D_Un_Jour();

// Première suite de lignes de « table » (les « nb_lignes » premières) que « dedans »
// accepte : debut et fin, 0 et 0 quand aucune. Les tables étant triées, cette suite est
// toute la période.
template <typename Table, typename Critere>
void Recherche(const Table& table, int nb_lignes, Critere dedans, std::int32_t& debut,
               std::int32_t& fin) {
    debut = 0;
    fin = 0;
    nb_lignes = std::clamp(nb_lignes, 0, static_cast<int>(Table::lignes));
    for (int i = 1; i <= nb_lignes; ++i) {
        if (dedans(table.ligne(i))) {
            if (debut == 0)
                debut = i;
        } else if (debut != 0) {
            fin = i - 1;
            break;
        }
    }
    if (debut != 0 && fin == 0)
        fin = nb_lignes;
    if (fin < debut)
        debut = fin = 0;
}

// Les graphiques vont de midi du premier jour à midi du dernier : heure 12 et plus le
// premier jour, 11 et moins le dernier, tous les jours entre les deux.
struct Critere_Midi_A_Midi {
    Jour_Calendrier premier, dernier;
    bool operator()(const std::int16_t* ligne) const;
};

// Cherche dans les « nb_lignes » premières lignes de Tab_Leq (8192 pour le tableau) la
// suite de lignes de la période, jours entiers, bornes comprises : Index_Debut et
// Index_Fin, 0 et 0 quand aucune ligne n'en est. Une fin avant le début ne prend rien.
void Recherche_Periode_Leq(int nb_lignes);
// La même recherche sur les 4096 lignes de Tab_Evenements.
void Recherche_Periode_Evenements();
// Les événements du graphique, de midi du premier jour à midi du dernier (heure 12 et plus
// le premier jour, 11 et moins le dernier) : première et dernière ligne de Tab_Evenements,
// 0 et 0 quand aucune. Index_Debut et Index_Fin n'en sont pas changés.
void Periode_Evenements_Graph(std::int32_t& debut, std::int32_t& fin);
// Recopie les lignes Leq1 et Leq10 de Index_Debut à Index_Fin dans Tab_Leq1 et Tab_Leq10 ;
// Nb_Leq1 et Nb_Leq10 valent ensuite le nombre de lignes recopiées plus 1.
void Extraction_Periode();

// Le choix des dates, commun au dialogue des tableaux et à lqm-outil.
inline const QString Texte_Dates_Incoherentes =
    QStringLiteral("Veuillez entrer des dates cohérentes SVP !!!");
inline const QString Titre_Dates_Incoherentes = QStringLiteral("Pb de paramètres !!!");

// Écrit Jour_Debut, Mois_Debut, Annee_Debut (ou les textes de fin) : jour et mois sur deux
// chiffres, année sur quatre, ce que la recherche et les en-têtes attendent.
void Ecrire_Debut_Periode(const QDate& date);
void Ecrire_Fin_Periode(const QDate& date);
// Faux quand le début vient après la fin ; un seul jour est une période valable.
bool Dates_Coherentes(const QDate& debut, const QDate& fin);
// Dates de départ du dialogue : la période montrée en dernier dès qu'un des six textes est
// rempli, sinon « aujourdhui ». Un texte qui ne fait pas une date donne aussi aujourd'hui.
std::pair<QDate, QDate> Dates_Initiales(const QDate& aujourdhui);
// Une date saisie JJ/MM/AAAA ; rien pour ce qui n'est pas une date du calendrier.
std::optional<QDate> Lire_Date(const QString& texte);
