#pragma once

#include <array>
#include <functional>

// Les fenêtres du programme. Chacune a une seule instance (voir Fenetres côté interface).
enum class Id_Fenetre {
    frmMain,
    frmPort,
    frmData_Type,
    frmWait,
    frmWait_Save,
    frmInTableau,
    frmInGraphique_v5,
    frmTableau_Leq_V5,
    frmTableau_Evenements,
    frmGraphique_Leq,
    frmParametres_v4,
    frmStart,
    frmAbout,
    frmRapport,
    frmArchive,
    frmParc,
};
inline constexpr int Nb_Fenetres = 16;

const char* Nom_Fenetre(Id_Fenetre id);

// Drapeaux « fenêtre ouverte » des douze fenêtres suivies. Chaque fenêtre lève le sien
// dans son chargement et le baisse dans son déchargement.
struct Drapeaux_Ouverture {
    bool Ouvert_frmPort = false;
    bool Ouvert_frmData_Type = false;
    bool Ouvert_frmGraphique_Leq = false;
    bool Ouvert_frmInTableau = false;
    bool Ouvert_frmTableau_Evenements = false;
    bool Ouvert_frmWait_Save = false;
    bool Ouvert_frmInGraphique_v5 = false;
    bool Ouvert_frmWait = false;
    bool Ouvert_frmTableau_Leq_V5 = false;
    bool Ouvert_frmParametres_v4 = false;
    bool Ouvert_frmRapport = false;
    bool Ouvert_frmArchive = false;
    bool Ouvert_frmParc = false;
};

Drapeaux_Ouverture& Drapeaux();

// Le drapeau d'une fenêtre suivie ; nullptr pour frmMain, frmStart et frmAbout.
bool* Drapeau_De(Id_Fenetre id);

// Ordre dans lequel Fermer_Fenetres examine les drapeaux.
inline constexpr std::array<Id_Fenetre, 13> Ordre_Fermeture = {
    Id_Fenetre::frmPort,
    Id_Fenetre::frmData_Type,
    Id_Fenetre::frmGraphique_Leq,
    Id_Fenetre::frmInTableau,
    Id_Fenetre::frmTableau_Evenements,
    Id_Fenetre::frmWait_Save,
    Id_Fenetre::frmInGraphique_v5,
    Id_Fenetre::frmWait,
    Id_Fenetre::frmTableau_Leq_V5,
    Id_Fenetre::frmParametres_v4,
    Id_Fenetre::frmRapport,
    Id_Fenetre::frmArchive,
    Id_Fenetre::frmParc,
};

// Le registre des fenêtres installe ici les routines qui déchargent et ouvrent une
// fenêtre, pour que le noyau (sauvegarde, téléchargement) puisse s'en servir.
using Dechargeur = std::function<void(Id_Fenetre)>;
void Installer_Dechargeur(Dechargeur dechargeur);
using Ouvreur = std::function<void(Id_Fenetre)>;
void Installer_Ouvreur(Ouvreur ouvreur);

// Sans registre (outils en ligne de commande), ne font rien.
void Ouvrir_Fenetre(Id_Fenetre id);
void Decharger_Fenetre(Id_Fenetre id);

// Décharge, dans l'ordre fixe, chaque fenêtre dont le drapeau est levé.
void Fermer_Fenetres();
