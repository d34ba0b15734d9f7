#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

// Les réglages de l'appareil en toutes lettres : ceux du bloc de configuration (réglages
// en cours) et ceux de chaque jeu de paramètres enregistré.

// Pondération (valeur ET 12) : « Analyse : ... » et le mot seul, repris par la source.
QString Texte_Analyse(int valeur);
QString Mot_Ponderation(int valeur);
// Bit 0 : capteur ou ligne, suivi du mot de pondération de la même valeur.
QString Texte_Source(int valeur);
// Les deux échelles diffèrent : la descente a des pas de 750 ms et 1.5 s et s'arrête à 4 s.
QString Texte_Temps_Montee(int valeur);
QString Texte_Temps_Descente(int valeur);
// Atténuation d'une bande de la carte filtre sur deux chiffres ; au-delà de 15, « 00 ».
QString Texte_Attenuation(int valeur);
// Niveau en deux parties : a × 100 + b, en décimal simple.
QString Texte_Niveau_Reglage(int a, int b);

// Texte d'un jeu (une ligne de Tab_Parametres) : « Mercredi 05  Mars   2008  à  09 : 05 ».
QString Texte_Jeu(const std::int16_t* ligne);
// Moment du téléchargement, même forme, d'après Date_Recuperation et Heure_Recuperation.
QString Texte_Recuperation();

// Ce que montrent les étiquettes de valeur qui changent d'un jeu à l'autre.
struct Reglages_Affiches {
    std::array<QString, 6> niveaux; // Public 1 à 3, Capteur 1 à 3
    QString analyse, source, montee, descente;
    std::array<QString, 7> attenuations; // 63 Hz à 4 kHz
    bool operator==(const Reglages_Affiches&) const = default;
};
Reglages_Affiches Reglages_Courants();        // bloc de configuration
Reglages_Affiches Reglages_Du_Jeu(int ligne); // ligne de Tab_Parametres

// Tout ce que montre la fenêtre des paramètres ; la fenêtre ne fait que le recopier.
struct Contenu_Parametres {
    QString Label_Version_FirmWare, Label_Numero_Serie, Label_Date;
    // Texte du combo à la fin du chargement : le plus récent des jeux, "" sans jeu.
    QString Texte_Jour;
    // Les jeux valides, du plus récent (indice 0) au plus ancien, et la ligne de chacun.
    QStringList Combo_Jour;
    std::vector<int> lignes;
    Reglages_Affiches reglages;
};
// Au chargement : réglages en cours, période du plus récent des jeux au téléchargement.
// Recalcule Num_Serie.
Contenu_Parametres Contenu_Chargement();
// Choix de l'entrée k de la liste : sa période (jusqu'au jeu suivant, ou jusqu'au
// téléchargement pour le plus récent) et ses réglages. Faux si k est hors de la liste.
bool Choisir_Jeu(Contenu_Parametres& contenu, int k);

// Légendes fixes de la fenêtre, partagées avec lqm-outil.
namespace Legendes_Parametres {
inline const QString Titre = QStringLiteral("Paramètres du LQM 70-4");
inline const QString Entete = QStringLiteral("Tableaux des Paramètres du LQM 70-4 :");
inline const QString Generaux = QStringLiteral("Paramètres Généraux");
inline const QString Niveaux = QStringLiteral("Paramètres de Niveaux");
inline const QString Carte_Filtre = QStringLiteral("Paramètres de la Carte Filtre");
inline const QString Courbes = QStringLiteral("Paramètres des Courbes");
inline const QString Temps = QStringLiteral("Paramètres des Temps d'Action");
inline const QString Version = QStringLiteral("Version FirmWare :");
inline const QString Serie = QStringLiteral("Numéro de Série :");
inline const QString Montee = QStringLiteral("Temps de Montée :");
inline const QString Descente = QStringLiteral("Temps de Descente :");
inline const QString Unite = QStringLiteral("dB.");
inline const std::array<QString, 6> Lignes_Niveaux = {
    QStringLiteral("Niveau Public 1 :"),  QStringLiteral("Niveau Public 2 :"),
    QStringLiteral("Niveau Public 3 :"),  QStringLiteral("Niveau Capteur 1 :"),
    QStringLiteral("Niveau Capteur 2 :"), QStringLiteral("Niveau Capteur 3 :"),
};
inline const std::array<QString, 7> Bandes = {
    QStringLiteral("Atténuation Bande 63 Hz"),  QStringLiteral("Atténuation Bande 125 Hz"),
    QStringLiteral("Atténuation Bande 250 Hz"), QStringLiteral("Atténuation Bande 500 Hz"),
    QStringLiteral("Atténuation Bande 1 kHz"),  QStringLiteral("Atténuation Bande 2 kHz"),
    QStringLiteral("Atténuation Bande 4 kHz"),
};
} // namespace Legendes_Parametres

// La fenêtre ligne à ligne, dans son ordre de lecture (en-tête, période, puis chaque
// section, légende et valeur, « dB. » où la fenêtre l'affiche) : pour lqm-outil.
QStringList Lignes_Parametres(const Contenu_Parametres& contenu);
