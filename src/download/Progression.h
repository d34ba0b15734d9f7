#pragma once

#include <QString>
#include <cstdint>
#include <functional>

// État des contrôles de la fenêtre de progression frmWait : trois barres, leurs textes,
// les deux coches et le pourcentage.
struct Etat_Attente {
    double ProgressBar_Transmission = 0.0;
    double ProgressBar_Classement = 0.0;
    double ProgressBar_Traitement = 0.0;
    QString Label_Transmission;
    QString Label_Classement;
    QString Label_Traitement;
    QString Label_Pourcentage;
    bool Picture_Transmit_Ok = false;
    bool Picture_Classement_Ok = false;

    bool operator==(const Etat_Attente&) const = default;
};

// Les maximums des barres finissent en .001 ; seules leurs parties entières comptent.
inline constexpr double Max_Transmission = 49.001;
inline constexpr double Max_Classement = 164.001;
inline constexpr double Max_Traitement = 213.001;

// Les barres ne comparent et n'affichent que des parties entières.
int Partie_Entiere(double valeur);

// L'état d'une fenêtre frmWait qui vient d'être chargée.
Etat_Attente Etat_Attente_Au_Chargement();

// Un pas de progression appliqué à « etat » (incrémente aussi « pas »).
void Avancer(Etat_Attente& etat, std::int32_t& pas);

// L'état de l'unique fenêtre frmWait.
Etat_Attente& Etat_Progression();

// Un pas de la fenêtre de progression, appelé par le téléchargement et les tris.
void Progression();
// Recharge la fenêtre de progression si elle a été fermée (avant de toucher à ses barres).
void Charger_Vue_Progression();

// La fenêtre frmWait s'y branche : « avant » la recharge si elle a été fermée (utiliser
// ses contrôles la recharge), « apres » la redessine.
struct Vue_Progression {
    std::function<void()> avant;
    std::function<void()> apres;
};
void Installer_Vue_Progression(Vue_Progression vue);
