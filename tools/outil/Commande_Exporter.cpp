// lqm-outil exporter : le tableau Leq (ou celui des événements) d'une période en CSV.

#include "Commande.h"

#include "report/Csv.h"
#include "tables/Evenements.h"
#include "tables/Lignes_Leq.h"

namespace {

const QString Aide = QStringLiteral(
    "Utilisation : lqm-outil exporter FICHIER.lqm --du JJ/MM/AAAA --au JJ/MM/AAAA\n"
    "                                 --sortie FICHIER.csv [--evenements]\n"
    "\n"
    "Écrit les valeurs du tableau Leq de la période (date, début, fin, genre, niveau), ou\n"
    "avec --evenements celles du tableau des événements (date, heure, événement), dans un\n"
    "fichier CSV que les tableurs ouvrent tel quel : « ; » entre les champs, UTF-8.\n"
    "\n"
    "Options :\n"
    "  --du JJ/MM/AAAA    premier jour de la période.\n"
    "  --au JJ/MM/AAAA    dernier jour de la période (pas avant le premier).\n"
    "  --sortie FICHIER   le fichier CSV à écrire.\n"
    "  --evenements       le tableau des événements au lieu du tableau Leq.\n"
    "  -h, --help         affiche cette aide.\n");

} // namespace

int Commande_Exporter(const QStringList& arguments) {
    QCommandLineParser parseur;
    const QCommandLineOption sortie(QStringLiteral("sortie"), QString(),
                                    QStringLiteral("FICHIER.csv"));
    const QCommandLineOption evenements(QStringLiteral("evenements"));
    const int code =
        Lire_Periode_Et_Fichier(parseur, {sortie, evenements}, arguments, Aide,
                                QStringLiteral("La commande exporter attend un fichier .lqm."));
    if (code >= 0)
        return code;
    if (!parseur.isSet(sortie))
        return Usage(QStringLiteral("L'option --sortie FICHIER.csv manque."), Aide);
    // Comme les fenêtres : le contenu du tableau d'abord (recherche et extraction).
    QByteArray csv;
    if (parseur.isSet(evenements)) {
        Tableau_Evenements();
        csv = Csv_Evenements();
    } else {
        Tableau_Leq();
        csv = Csv_Tableau_Leq();
    }
    if (!Ecrire_Fichier(parseur.value(sortie), csv)) {
        Erreur(QStringLiteral("Impossible d'écrire le fichier « %1 » !!!\n")
                   .arg(parseur.value(sortie)));
        return 1;
    }
    return 0;
}
