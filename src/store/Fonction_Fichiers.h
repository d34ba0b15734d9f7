#pragma once

#include "store/Declarations.h"

#include <QDate>
#include <QString>
#include <functional>

// Lit un fichier .lqm dans le magasin. Vrai si ce fichier-ci a été chargé ; un fichier
// refusé laisse le magasin, Donnees_Chargees et la sauvegarde tels qu'ils étaient.
bool Charger_Fichier(QString& chemin);

// Demande un nom de fichier et y écrit tout le magasin, tel qu'il était au départ.
void Sauver_Fichier();
// Vrai pendant une sauvegarde : aucun chargement ni téléchargement ne démarre alors.
bool Sauvegarde_En_Cours();

// Nom proposé à la sauvegarde : les dates du premier et du dernier enregistrement
// valides de Tab_Leq, ou la date du jour quand il n'y en a pas.
QString Nom_Par_Defaut(const Table_Leq& Tab_Leq, const QDate& aujourdhui);
QString Nom_Sauvegarde_Du_Jour(const QDate& aujourdhui);

// Écrit « contenu » dans « chemin » sans jamais laisser un fichier à moitié écrit : le
// fichier existant n'est remplacé qu'une fois le nouveau entièrement écrit. Rend le
// message d'erreur du système, vide en cas de succès.
QString Ecrire_Fichier_Sur(const QString& chemin, const QByteArray& contenu);

// État des contrôles de la fenêtre de sauvegarde frmWait_Save.
struct Etat_Sauvegarde {
    double ProgressBar_Save = 0.0;
    QString Label_Save_en_Cours;
    QString Label_Patientez;
    QString Label_Progression;
    bool Picture_Good = false;
};
inline constexpr double Max_Sauvegarde = 16700.002;

Etat_Sauvegarde Etat_Sauvegarde_Au_Chargement();
Etat_Sauvegarde& Etat_Sauvegarde_En_Cours();

// Un pas de la barre de sauvegarde ; la fenêtre redessine si elle est ouverte.
void Progression_Sauvegarde();

// La fenêtre frmWait_Save s'y branche pour être redessinée.
void Installer_Vue_Sauvegarde(std::function<void()> rafraichir);
