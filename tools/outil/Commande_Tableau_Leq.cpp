// lqm-outil tableau-leq : le tableau des valeurs Leq d'une période, tel que la fenêtre le
// montre.

#include "Commande.h"

namespace {

const QString Aide = QStringLiteral(
    "Utilisation : lqm-outil tableau-leq FICHIER.lqm --du JJ/MM/AAAA --au JJ/MM/AAAA\n"
    "                                 [--pages]\n"
    "\n"
    "Affiche le tableau des valeurs Leq de la période, du premier au dernier jour\n"
    "compris : l'en-tête Leq10 et ses lignes, une ligne vide, puis l'en-tête Leq1 et ses\n"
    "lignes, exactement les textes de la fenêtre, un par ligne.\n"
    "\n"
    "Options :\n"
    "  --du JJ/MM/AAAA   premier jour de la période.\n"
    "  --au JJ/MM/AAAA   dernier jour de la période (pas avant le premier).\n"
    "  --pages           écrit plutôt les pages imprimées : chaque texte et sa place en\n"
    "                    twips depuis le coin de la page.\n"
    "  -h, --help        affiche cette aide.\n");

} // namespace

int Commande_Tableau_Leq(const QStringList& arguments) {
    QCommandLineParser parseur;
    const QCommandLineOption pages(QStringLiteral("pages"));
    const int code =
        Lire_Periode_Et_Fichier(parseur, {pages}, arguments, Aide,
                                QStringLiteral("La commande tableau-leq attend un fichier .lqm."));
    if (code >= 0)
        return code;
    const Contenu_Tableau_Leq c = Tableau_Leq();
    if (parseur.isSet(pages)) {
        Sortie_Pages(Pages_Tableau_Leq(c));
        return 0;
    }
    QStringList lignes{c.Label_Entete10};
    lignes << c.List_Leq10.lignes << QString() << c.Label_Entete1 << c.List_Leq1.lignes;
    Sortie(lignes.join(u'\n') + u'\n');
    return 0;
}
