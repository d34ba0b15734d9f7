#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// Une liste telle qu'une fenêtre la montre : ses lignes, et la police qu'elle impose à
// toute la liste (0 point : celle de la fenêtre).
struct Liste_Affichee {
    QStringList lignes;
    int points = 0;
    bool gras = false;
    bool operator==(const Liste_Affichee&) const = default;
};

// Niveau d'une ligne de Tab_Leq sur trois caractères : « 107 », «  85 », «  07 ».
QString Texte_Niveau(const std::int16_t* ligne);

// Ajoutent à « lignes » une ligne par enregistrement de Tab_Leq1 (lignes 1 à Nb_Leq1 - 1)
// ou de Tab_Leq10, avec une ligne vide entre deux jours. Ne vident pas la liste : le
// tableau, le graphique et lqm-outil s'en servent tels quels.
void Liste_Leq1(QStringList& lignes);
void Liste_Leq10(QStringList& lignes);

// Les valeurs extraites en champs, Leq1 puis Leq10 : date et heure de début, heure de fin,
// genre, niveau (l'export CSV du tableau).
std::vector<QStringList> Intervalles_Leq();

// Un jour des textes de la période en lettres : « Mercredi 05  Mars   2008 ».
QString Jour_En_Lettres(const QString& jour, const QString& mois, const QString& annee);
QString Jour_En_Lettres(const QDate& date);
// La période choisie en toutes lettres : « Mercredi 05  Mars   2008 », suivie de
// « au ... » quand elle dure plus d'un jour. Sert aux en-têtes des deux tableaux.
QString Texte_Periode();
// « LQM 70-4 Nova - Version : 3.0-B - Numéro de Série : ... », Num_Serie recalculé.
QString Texte_Numero_Serie();
QString Texte_Numero_Serie(const QString& numero);

// Tout ce que montre le tableau des valeurs Leq pour la période choisie ; la fenêtre ne
// fait que le recopier. Cherche la période dans Tab_Leq et l'extrait (Index_Debut,
// Index_Fin, Tab_Leq1, Tab_Leq10 et leurs comptes sont à jour ensuite).
struct Contenu_Tableau_Leq {
    QString Label_Serial_Number, Label_Entete10, Label_Entete1;
    Liste_Affichee List_Leq10, List_Leq1;
    bool Cmd_Print_Visible = true;
    // Séries sans valeur : l'impression écrit son propre texte à la place de la liste.
    bool Aucune_Leq10 = false, Aucune_Leq1 = false;
    // Position gauche de Cmd_New_Tableau en twips quand rien n'est relevé ; 0 sinon (la
    // fenêtre garde sa place ordinaire).
    int Cmd_New_Tableau_Gauche = 0;
};
Contenu_Tableau_Leq Tableau_Leq();
