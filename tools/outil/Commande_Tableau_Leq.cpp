// lqm-outil tableau-leq : le tableau des valeurs Leq d'une période, tel que la fenêtre le
// montre.

#include "Commande.h"

#include "tables/Lignes_Leq.h"

namespace {

const QString Aide = QStringLiteral(
    "Utilisation : lqm-outil tableau-leq FICHIER.lqm --du JJ/MM/AAAA --au JJ/MM/AAAA\n"
    "\n"
    "Affiche le tableau des valeurs Leq de la période, du premier au dernier jour\n"
    "compris : l'en-tête Leq10 et ses lignes, une ligne vide, puis l'en-tête Leq1 et ses\n"
    "lignes, exactement les textes de la fenêtre, un par ligne.\n"
    "\n"
    "Options :\n"
    "  --du JJ/MM/AAAA   premier jour de la période.\n"
    "  --au JJ/MM/AAAA   dernier jour de la période (pas avant le premier).\n"
    "  -h, --help        affiche cette aide.\n");

} // namespace

int Commande_Tableau_Leq(const QStringList& arguments) {
    const int code = Lire_Periode_Et_Fichier(
        arguments, Aide, QStringLiteral("La commande tableau-leq attend un fichier .lqm."));
    if (code >= 0)
        return code;
    const Contenu_Tableau_Leq c = Tableau_Leq();
    QStringList lignes{c.Label_Entete10};
    lignes << c.List_Leq10.lignes << QString() << c.Label_Entete1 << c.List_Leq1.lignes;
    Sortie(lignes.join(u'\n') + u'\n');
    return 0;
}
