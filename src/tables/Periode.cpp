#include "tables/Periode.h"

#include "store/Declarations.h"

#include "store/Validite.h"

#include <algorithm>

int Valeur_Entiere(const QString& texte) {
    qsizetype i = 0;
    while (i < texte.size() && texte[i] == u' ')
        ++i;
    bool negatif = false;
    if (i < texte.size() && (texte[i] == u'-' || texte[i] == u'+'))
        negatif = texte[i++] == u'-';
    long long valeur = 0;
    // Au-delà de neuf chiffres, aucune date n'a de sens : on s'arrête avant tout débordement.
    for (int chiffres = 0; i < texte.size() && texte[i] >= u'0' && texte[i] <= u'9'; ++i)
        if (++chiffres <= 9)
            valeur = valeur * 10 + (texte[i].unicode() - u'0');
    return static_cast<int>(negatif ? -valeur : valeur);
}

Jour_Calendrier Jour_Ligne(const std::int16_t* ligne) {
    return {2000 + ligne[5], ligne[4], ligne[2]};
}

Jour_Calendrier Jour_Debut_Periode() {
    const auto& M = Magasin();
    return {Valeur_Entiere(M.Annee_Debut), Valeur_Entiere(M.Mois_Debut),
            Valeur_Entiere(M.Jour_Debut)};
}

Jour_Calendrier Jour_Fin_Periode() {
    const auto& M = Magasin();
    return {Valeur_Entiere(M.Annee_Fin), Valeur_Entiere(M.Mois_Fin), Valeur_Entiere(M.Jour_Fin)};
}

bool Periode_D_Un_Jour() {
    return Jour_Debut_Periode() == Jour_Fin_Periode();
}

namespace {

// Première suite de lignes qui appartiennent à la période, comme Index_Debut / Index_Fin.
// Les tables étant triées, cette suite est toute la période.
template <typename Table, typename Critere>
void Recherche(const Table& table, int nb_lignes, Critere dedans, std::int32_t& debut,
               std::int32_t& fin) {
    debut = 0;
    fin = 0;
    nb_lignes = std::clamp(nb_lignes, 0, static_cast<int>(Table::lignes));
    for (int i = 1; i <= nb_lignes; ++i) {
        if (dedans(table.ligne(i))) {
            if (debut == 0)
                debut = i;
        } else if (debut != 0) {
            fin = i - 1;
            break;
        }
    }
    if (debut != 0 && fin == 0)
        fin = nb_lignes;
    if (fin < debut)
        debut = fin = 0;
}

void Recherche_Jours_Entiers(const auto& table, int nb_lignes) {
    auto& M = Magasin();
    const Jour_Calendrier debut = Jour_Debut_Periode(), fin = Jour_Fin_Periode();
    // Comparer année, mois puis jour revient aux cas de forme de la période (même jour,
    // même mois, même année, années différentes) ; une fin avant le début ne prend rien.
    Recherche(
        table, nb_lignes,
        [&](const std::int16_t* l) {
            const Jour_Calendrier j = Jour_Ligne(l);
            return debut <= j && j <= fin;
        },
        M.Index_Debut, M.Index_Fin);
}

} // namespace

void Recherche_Periode_Leq(int nb_lignes) {
    Recherche_Jours_Entiers(Magasin().Tab_Leq, nb_lignes);
}

void Recherche_Periode_Evenements() {
    Recherche_Jours_Entiers(Magasin().Tab_Evenements, Nb_Lignes_Evenements);
}

void Periode_Evenements_Graph(std::int32_t& debut, std::int32_t& fin) {
    const Jour_Calendrier premier = Jour_Debut_Periode(), dernier = Jour_Fin_Periode();
    Recherche(
        Magasin().Tab_Evenements, Nb_Lignes_Evenements,
        [&](const std::int16_t* l) {
            const Jour_Calendrier j = Jour_Ligne(l);
            const int heure = l[1];
            return (premier < j || (j == premier && heure >= 12)) &&
                   (j < dernier || (j == dernier && heure <= 11));
        },
        debut, fin);
}

void Extraction_Periode() {
    auto& M = Magasin();
    M.Nb_Leq1 = 1;
    M.Nb_Leq10 = 1;
    if (M.Index_Debut == 0)
        return;
    for (int i = M.Index_Debut; i <= std::min(M.Index_Fin, Nb_Lignes_Leq); ++i) {
        const std::int16_t* l = M.Tab_Leq.ligne(i);
        if (l[3] == Genre_Leq10)
            std::copy(l, l + 8, M.Tab_Leq10.ligne(M.Nb_Leq10++));
        else if (l[3] == Genre_Leq1)
            std::copy(l, l + 8, M.Tab_Leq1.ligne(M.Nb_Leq1++));
    }
}
