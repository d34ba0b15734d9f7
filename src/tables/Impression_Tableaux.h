#pragma once

// Les tableaux imprimés : des pages de textes placés en twips, recopiés de la fenêtre
// (étiquettes et lignes des listes), 69 lignes par page et le numéro de page au pied.

#include "tables/Evenements.h"
#include "tables/Lignes_Leq.h"

#include <QString>
#include <vector>

class Imprimante;

struct Texte_Imprime {
    int x = 0, y = 0; // twips depuis le coin de la zone imprimable
    QString texte;
    bool operator==(const Texte_Imprime&) const = default;
};
using Page_Imprimee = std::vector<Texte_Imprime>;

inline constexpr int Lignes_Par_Page = 69;

// Deux sections, Leq10 puis Leq1, chacune numérotée depuis la page 1.
std::vector<Page_Imprimee> Pages_Tableau_Leq(const Contenu_Tableau_Leq& c);
std::vector<Page_Imprimee> Pages_Tableau_Evenements(const Contenu_Tableau_Evenements& c);
// Une liste de textes sous un numéro de série et un en-tête, sur autant de pages qu'il faut.
std::vector<Page_Imprimee> Pages_Liste(const QString& serie, const QString& entete,
                                       const QStringList& lignes);

// Le nom d'un document imprimé : « Tableau Leq du 05-03-2008 au 06-03-2008 », d'après la
// période choisie ; c'est aussi le nom du fichier PDF proposé.
QString Nom_Document(const QString& sujet);

// Envoie les pages et termine le document. Faux quand l'imprimante l'a refusé : l'utilisateur
// l'a alors lu dans un message.
bool Imprimer_Pages(Imprimante& imprimante, const std::vector<Page_Imprimee>& pages);
