#include "tables/Impression_Tableaux.h"

#include "platform/Plateforme.h"
#include "store/Declarations.h"
#include "tables/Periode.h"

namespace {

// Les deux étiquettes du haut d'une page : numéro de série et en-tête.
struct Entete_Page {
    int x_serie, x_entete;
    const QString& serie;
    const QString& entete;
};

// Une section : ses pages, numérotées depuis 1. Un saut de page n'a lieu que si une ligne
// suit : 69 lignes tiennent sur une seule page, sans page d'en-têtes seuls derrière.
void ajouter_section(std::vector<Page_Imprimee>& pages, const Entete_Page& premiere,
                     const Entete_Page& suite, const QStringList& lignes, bool vide,
                     const QString& texte_vide) {
    int numero = 1;
    auto commencer = [&](const Entete_Page& e) {
        pages.push_back({{e.x_serie, 200, e.serie}, {e.x_entete, 400, e.entete}});
    };
    auto pied = [&] {
        // « Page » puis le numéro précédé de son blanc de signe : « Page   1 ».
        pages.back().push_back({5000, 15500, QStringLiteral(" Page   ") + QString::number(numero)});
    };
    commencer(premiere);
    if (vide) {
        pages.back().push_back({3000, 1000, texte_vide});
    } else {
        for (qsizetype i = 0; i < lignes.size(); ++i) {
            const int k = static_cast<int>(i % Lignes_Par_Page) + 1;
            if (k == 1 && i > 0) {
                pied();
                ++numero;
                commencer(suite);
            }
            pages.back().push_back({2350, 1000 + 200 * k, lignes[i]});
        }
    }
    pied();
}

} // namespace

std::vector<Page_Imprimee> Pages_Tableau_Leq(const Contenu_Tableau_Leq& c) {
    std::vector<Page_Imprimee> pages;
    const QString& serie = c.Label_Serial_Number;
    ajouter_section(pages, {3300, 2350, serie, c.Label_Entete10},
                    {3000, 2100, serie, c.Label_Entete10}, c.List_Leq10.lignes, c.Aucune_Leq10,
                    QStringLiteral("   Ancune valeur Leq10 relevée pour cette période !!!"));
    ajouter_section(pages, {3300, 2350, serie, c.Label_Entete1},
                    {3300, 2350, serie, c.Label_Entete1}, c.List_Leq1.lignes, c.Aucune_Leq1,
                    QStringLiteral("    Ancune valeur Leq1 relevée pour cette période !!!"));
    return pages;
}

std::vector<Page_Imprimee> Pages_Tableau_Evenements(const Contenu_Tableau_Evenements& c) {
    std::vector<Page_Imprimee> pages;
    const QString& serie = c.Label_Serial_Number;
    ajouter_section(pages, {3300, c.Un_Jour ? 3000 : 2350, serie, c.Label_Entete},
                    {3300, 2350, serie, c.Label_Entete}, c.List_Evenements.lignes,
                    c.Aucun_Evenement, QStringLiteral("Aucun événement pour cette période !"));
    return pages;
}

std::vector<Page_Imprimee> Pages_Liste(const QString& serie, const QString& entete,
                                       const QStringList& lignes) {
    std::vector<Page_Imprimee> pages;
    ajouter_section(pages, {3300, 2350, serie, entete}, {3300, 2350, serie, entete}, lignes, false,
                    QString());
    return pages;
}

QString Nom_Document(const QString& sujet) {
    const auto& M = Magasin();
    auto jour = [](const QString& j, const QString& m, const QString& a) {
        return QStringLiteral("%1-%2-%3")
            .arg(Valeur_Entiere(j), 2, 10, QLatin1Char('0'))
            .arg(Valeur_Entiere(m), 2, 10, QLatin1Char('0'))
            .arg(Valeur_Entiere(a));
    };
    QString nom = sujet + QStringLiteral(" du ") + jour(M.Jour_Debut, M.Mois_Debut, M.Annee_Debut);
    if (!Periode_D_Un_Jour())
        nom += QStringLiteral(" au ") + jour(M.Jour_Fin, M.Mois_Fin, M.Annee_Fin);
    return nom;
}

bool Imprimer_Pages(Imprimante& imprimante, const std::vector<Page_Imprimee>& pages) {
    // Les 69 lignes d'une page descendent jusqu'à 15500 twips : seul le portrait les tient
    // toutes, quelle que soit l'orientation du travail précédent ou du dialogue.
    imprimante.Paysage(false);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            imprimante.Nouvelle_Page();
        for (const Texte_Imprime& t : pages[p])
            imprimante.Texte(t.x, t.y, t.texte);
    }
    return Terminer_Impression(imprimante);
}
