#include "store/Declarations.h"

#include <memory>

void Declarations::reinitialiser() {
    // Pas de « *this = Declarations{} » : l'objet temporaire ferait près d'un
    // mégaoctet sur la pile.
    Tab_Leq.remplir(0);
    Tab_Evenements.remplir(0);
    Tab_Config.remplir(0);
    Tab_Parametres.remplir(0);
    Jour_Debut.clear();
    Mois_Debut.clear();
    Annee_Debut.clear();
    Jour_Fin.clear();
    Mois_Fin.clear();
    Annee_Fin.clear();
    Index_Debut = Index_Fin = 0;
    Tab_Leq1.remplir(0);
    Tab_Leq10.remplir(0);
    Nb_Leq1 = Nb_Leq10 = 0;
    Nb_Jours_Graph.clear();
    Tab_Jours_Graph.remplir(QString());
    Type_Affichage.clear();
    Donnees_Chargees = false;
    Abandon = false;
    Num_Port = 0;
    Nom_Fichier.clear();
    Date_Recuperation.clear();
    Heure_Recuperation.clear();
    Num_Serie.clear();
    Compteur_Essais = 0;
    Pas_Progression = 0;
    Duree_Graph = 0;
    Ind_i = Ind_j = Ind_k = 0;
    Temps_Depart = 0.0;
    Chaine_Temp.clear();
}

Declarations& Magasin() {
    // Sur le tas : le magasin pèse près d'un mégaoctet.
    static const std::unique_ptr<Declarations> instance = std::make_unique<Declarations>();
    return *instance;
}
