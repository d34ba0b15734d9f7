#include "graphs/Periode_Graphique.h"

#include "store/Declarations.h"

#include <algorithm>

namespace {

bool bissextile(int annee) {
    return annee % 4 == 0;
}

// Dernier jour du mois « mois » ; 0 pour un mois hors de 1 à 12, qui ne passe alors jamais.
int fin_de_mois(int mois, int annee) {
    switch (mois) {
    case 2:
        return bissextile(annee) ? 29 : 28;
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 0;
    }
}

// « jours » (au plus un mois) après « j » ; février suit l'année « annee_fevrier ».
Jour_Calendrier avancer(const Jour_Calendrier& j, int jours, int annee_fevrier) {
    Jour_Calendrier fin{j.annee, j.mois, j.jour + jours};
    const int dernier = fin_de_mois(j.mois, annee_fevrier);
    if (dernier != 0 && fin.jour > dernier) {
        fin.jour -= dernier;
        if (++fin.mois == 13) {
            fin.mois = 1;
            ++fin.annee;
        }
    }
    return fin;
}

} // namespace

Jour_Calendrier Fin_Periode_Graph(const Jour_Calendrier& debut, int duree) {
    return avancer(debut, duree, debut.annee);
}

void Ecrire_Periode_Graph(const QDate& date, int duree) {
    auto& M = Magasin();
    if (duree != 0)
        M.Duree_Graph = static_cast<std::int16_t>(duree);
    M.Nb_Jours_Graph = QString::number(M.Duree_Graph);

    const Jour_Calendrier debut{date.year(), date.month(), date.day()};
    const Jour_Calendrier fin = Fin_Periode_Graph(debut, M.Duree_Graph);
    M.Jour_Debut = QString::number(debut.jour);
    M.Mois_Debut = QString::number(debut.mois);
    M.Annee_Debut = QString::number(debut.annee);
    M.Jour_Fin = QString::number(fin.jour);
    M.Mois_Fin = QString::number(fin.mois);
    M.Annee_Fin = QString::number(fin.annee);

    // Tab_Jours_Graph n'a que 8 lignes : une durée hors de 0 à 7 n'y écrit pas plus loin.
    const int nb = std::clamp<int>(M.Duree_Graph, 0, 7);
    auto ecrire = [&](int ligne, const Jour_Calendrier& j) {
        M.Tab_Jours_Graph(ligne, 1) = QString::number(j.jour);
        M.Tab_Jours_Graph(ligne, 2) = QString::number(j.mois);
        M.Tab_Jours_Graph(ligne, 3) = QString::number(j.annee);
    };
    ecrire(1, debut);
    ecrire(nb + 1, fin);
    Jour_Calendrier j = debut;
    for (M.Ind_k = 2; M.Ind_k <= nb; ++M.Ind_k) {
        // Le lendemain, février selon l'année de début (une période de 7 jours ne va pas de
        // décembre à février).
        j = avancer(j, 1, debut.annee);
        ecrire(M.Ind_k, j);
    }
}

Choix_Graphique Choix_Initial_Graph(const QDate& aujourdhui) {
    const auto& M = Magasin();
    Choix_Graphique choix{Dates_Initiales(aujourdhui).first, 0};
    for (int duree : Durees_Graphique)
        if (M.Nb_Jours_Graph == QString::number(duree))
            choix.duree = duree;
    return choix;
}

void Recherche_Periode_Graph() {
    auto& M = Magasin();
    Recherche(M.Tab_Leq, Nb_Lignes_Leq,
              Critere_Midi_A_Midi{Jour_Debut_Periode(), Jour_Fin_Periode()}, M.Index_Debut,
              M.Index_Fin);
}
