#include "download/Telechargement.h"

#include "shell/Etat_Principal.h"
#include "store/Declarations.h"

void Telechargement() {
    // La liaison série n'est pas encore branchée : le téléchargement se termine comme
    // celui d'un appareil qui ne répond pas.
    auto& M = Magasin();
    Activer_Menu(Menu::mnuSave_As, false);
    M.Donnees_Chargees = false;
    M.Abandon = true;
    M.Compteur_Essais = 3;
}
