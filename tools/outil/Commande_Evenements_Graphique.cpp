// lqm-outil evenements-graphique : la liste des événements que montre la fenêtre du
// graphique Leq, de midi du jour de début à midi du jour de fin.

#include "Commande.h"

#include "tables/Evenements.h"

namespace {

const QString Aide = QStringLiteral(
    "Utilisation : lqm-outil evenements-graphique FICHIER.lqm --debut JJ/MM/AAAA --jours 1|3|7\n"
    "\n"
    "Affiche la liste des événements du graphique Leq, de midi du jour de début à midi\n"
    "du jour de fin : exactement les lignes de la fenêtre, une par ligne.\n"
    "\n"
    "Options :\n"
    "  --debut JJ/MM/AAAA   jour de début (le graphique commence à midi).\n"
    "  --jours 1|3|7        durée du graphique, en jours.\n"
    "  -h, --help           affiche cette aide.\n");

} // namespace

int Commande_Evenements_Graphique(const QStringList& arguments) {
    QCommandLineParser parseur;
    const int code = Lire_Periode_Graph_Et_Fichier(
        parseur, {}, arguments, Aide,
        QStringLiteral("La commande evenements-graphique attend un fichier .lqm."));
    if (code >= 0)
        return code;
    QStringList lignes;
    Liste_Evenements_Graph(lignes);
    Sortie(lignes.join(u'\n') + u'\n');
    return 0;
}
