#include "graphs/Graphique_Leq.h"

#include "graphs/Fonctions_Graphiques.h"
#include "graphs/Periode_Graphique.h"
#include "parameters/Parametres.h"
#include "shell/Calendrier.h"
#include "store/Declarations.h"
#include "tables/Evenements.h"
#include "tables/Periode.h"

#include <algorithm>

namespace {

Liste_Affichee aucune_valeur(const QString& message) {
    return {{QString(), QString(), message}, 12, true};
}

// Une série : sa liste, son bouton d'agrandissement et ses extrêmes. Les extrêmes sont ceux
// des valeurs mêmes : partir de 60 et 125 dB faisait lire « Maximum = 60 dB » pour une
// période calme qui n'y montait jamais.
void serie(const Tableau<Nb_Lignes_Leq, 8>& table, std::int32_t nb, bool dix, Liste_Affichee& liste,
           bool& zoom, QString& mini, QString& maxi) {
    const QString nom = dix ? QStringLiteral("Leq10") : QStringLiteral("Leq1");
    if (nb < 2) {
        liste = aucune_valeur(QStringLiteral("    Aucune valeur ") + nom +
                              QStringLiteral(" relevée pour cette période !!!"));
        return;
    }
    zoom = true;
    liste = {{}, 8, false};
    if (dix)
        Liste_Leq10(liste.lignes);
    else
        Liste_Leq1(liste.lignes);
    int bas = Niveau_Ligne(table.ligne(1)), haut = bas;
    for (std::int32_t i = 2; i < std::min<std::int32_t>(nb, Nb_Lignes_Leq + 1); ++i) {
        const int n = Niveau_Ligne(table.ligne(i));
        bas = std::min(bas, n);
        haut = std::max(haut, n);
    }
    const QString prefixe = dix ? QStringLiteral("Niveau Leq 10 ") : QStringLiteral("Niveau Leq1 ");
    mini = prefixe + QStringLiteral("Minimum = ") + QString::number(bas) + QStringLiteral(" dB.");
    maxi = prefixe + QStringLiteral("Maximum = ") + QString::number(haut) + QStringLiteral(" dB.");
}

} // namespace

Contenu_Graphique_Leq Graphique_Leq() {
    auto& M = Magasin();
    Contenu_Graphique_Leq c;
    Calcul_Num_Serie();
    c.Label_Entete =
        QStringLiteral("LQM 70-4 Nova - Version : 3.0 - Numéro de série : ") + M.Num_Serie;
    c.Label_Date = QStringLiteral("Graphique Leq du  ") +
                   Jour_En_Lettres(M.Jour_Debut, M.Mois_Debut, M.Annee_Debut) +
                   QStringLiteral(" à 12 h. au  ") +
                   Jour_En_Lettres(M.Jour_Fin, M.Mois_Fin, M.Annee_Fin) +
                   QStringLiteral(" à 12 h.");

    Recherche_Periode_Graph();
    c.Aucune_Valeur = M.Index_Debut == 0 && M.Index_Fin == 0;
    if (!c.Aucune_Valeur)
        Extraction_Periode();
    if (Liste_Evenements_Graph(c.List_Depassement.lignes)) {
        c.List_Depassement.points = 12;
        c.List_Depassement.gras = true;
    }
    // Sans ligne dans la période, les comptes d'une extraction précédente ne comptent pas.
    serie(M.Tab_Leq10, c.Aucune_Valeur ? 0 : M.Nb_Leq10, true, c.List_Leq10,
          c.Cmd_Zoom_Leq10_Visible, c.Label_Mini_Leq10, c.Label_Maxi_Leq10);
    serie(M.Tab_Leq1, c.Aucune_Valeur ? 0 : M.Nb_Leq1, false, c.List_Leq1, c.Cmd_Zoom_Leq1_Visible,
          c.Label_Mini_Leq1, c.Label_Maxi_Leq1);

    const Reglages_Affiches reglages = Reglages_Courants();
    for (int k = 0; k < 3; ++k)
        c.Label_Niveau_Public[k] = QStringLiteral("Niveau Public %1 = ").arg(k + 1) +
                                   reglages.niveaux[k] + QStringLiteral(" dB.");
    c.Label_Analyse = reglages.analyse;
    c.Label_Source = reglages.source;
    return c;
}

std::int32_t Valeur_De_Ligne(const QStringList& lignes, int k) {
    if (k < 0 || k >= lignes.size() || lignes[k].isEmpty())
        return 0;
    const auto vides = std::count_if(lignes.begin(), lignes.begin() + k + 1,
                                     [](const QString& l) { return l.isEmpty(); });
    return static_cast<std::int32_t>(k + 1 - vides);
}
