#include "shell/Fenetres_Ouvertes.h"

namespace {
Dechargeur& dechargeur_installe() {
    static Dechargeur d;
    return d;
}
Ouvreur& ouvreur_installe() {
    static Ouvreur o;
    return o;
}
} // namespace

const char* Nom_Fenetre(Id_Fenetre id) {
    switch (id) {
    case Id_Fenetre::frmMain:
        return "frmMain";
    case Id_Fenetre::frmPort:
        return "frmPort";
    case Id_Fenetre::frmData_Type:
        return "frmData_Type";
    case Id_Fenetre::frmWait:
        return "frmWait";
    case Id_Fenetre::frmWait_Save:
        return "frmWait_Save";
    case Id_Fenetre::frmInTableau:
        return "frmInTableau";
    case Id_Fenetre::frmInGraphique_v5:
        return "frmInGraphique_v5";
    case Id_Fenetre::frmTableau_Leq_V5:
        return "frmTableau_Leq_V5";
    case Id_Fenetre::frmTableau_Evenements:
        return "frmTableau_Evenements";
    case Id_Fenetre::frmGraphique_Leq:
        return "frmGraphique_Leq";
    case Id_Fenetre::frmParametres_v4:
        return "frmParametres_v4";
    case Id_Fenetre::frmRapport:
        return "frmRapport";
    case Id_Fenetre::frmArchive:
        return "frmArchive";
    case Id_Fenetre::frmParc:
        return "frmParc";
    case Id_Fenetre::frmStart:
        return "frmStart";
    case Id_Fenetre::frmAbout:
        return "frmAbout";
    }
    return "";
}

Drapeaux_Ouverture& Drapeaux() {
    static Drapeaux_Ouverture d;
    return d;
}

bool* Drapeau_De(Id_Fenetre id) {
    auto& d = Drapeaux();
    switch (id) {
    case Id_Fenetre::frmPort:
        return &d.Ouvert_frmPort;
    case Id_Fenetre::frmData_Type:
        return &d.Ouvert_frmData_Type;
    case Id_Fenetre::frmGraphique_Leq:
        return &d.Ouvert_frmGraphique_Leq;
    case Id_Fenetre::frmInTableau:
        return &d.Ouvert_frmInTableau;
    case Id_Fenetre::frmTableau_Evenements:
        return &d.Ouvert_frmTableau_Evenements;
    case Id_Fenetre::frmWait_Save:
        return &d.Ouvert_frmWait_Save;
    case Id_Fenetre::frmInGraphique_v5:
        return &d.Ouvert_frmInGraphique_v5;
    case Id_Fenetre::frmWait:
        return &d.Ouvert_frmWait;
    case Id_Fenetre::frmTableau_Leq_V5:
        return &d.Ouvert_frmTableau_Leq_V5;
    case Id_Fenetre::frmParametres_v4:
        return &d.Ouvert_frmParametres_v4;
    case Id_Fenetre::frmRapport:
        return &d.Ouvert_frmRapport;
    case Id_Fenetre::frmArchive:
        return &d.Ouvert_frmArchive;
    case Id_Fenetre::frmParc:
        return &d.Ouvert_frmParc;
    case Id_Fenetre::frmMain:
    case Id_Fenetre::frmStart:
    case Id_Fenetre::frmAbout:
        return nullptr;
    }
    return nullptr;
}

void Installer_Dechargeur(Dechargeur dechargeur) {
    dechargeur_installe() = std::move(dechargeur);
}

void Installer_Ouvreur(Ouvreur ouvreur) {
    ouvreur_installe() = std::move(ouvreur);
}

void Ouvrir_Fenetre(Id_Fenetre id) {
    if (ouvreur_installe())
        ouvreur_installe()(id);
}

void Decharger_Fenetre(Id_Fenetre id) {
    if (dechargeur_installe())
        dechargeur_installe()(id);
}

void Fermer_Fenetres() {
    for (Id_Fenetre id : Ordre_Fermeture) {
        // Le drapeau est relu à chaque tour : décharger une fenêtre peut en fermer une autre.
        if (*Drapeau_De(id) && dechargeur_installe())
            dechargeur_installe()(id);
    }
}
