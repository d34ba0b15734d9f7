// lqm-outil resume : le résumé d'un fichier .lqm.

#include "Commande.h"

#include "store/Declarations.h"
#include "store/Fonction_Fichiers.h"
#include "store/Resume.h"

namespace {

const QString Aide =
    QStringLiteral("Utilisation : lqm-outil resume FICHIER.lqm\n"
                   "\n"
                   "Charge le fichier et affiche son résumé : numéro de série, date du\n"
                   "téléchargement, nombre de valeurs Leq1 et Leq10, d'événements et de jeux de\n"
                   "paramètres, dates de la première et de la dernière valeur.\n"
                   "\n"
                   "Options :\n"
                   "  -h, --help   affiche cette aide.\n");

} // namespace

int Commande_Resume(const QStringList& arguments) {
    QCommandLineParser parseur;
    const int code = Lire_Commande(parseur, {}, arguments, Aide,
                                   QStringLiteral("La commande resume attend un fichier .lqm."));
    if (code >= 0)
        return code;
    QString chemin = parseur.positionalArguments().constFirst();
    if (!Charger_Fichier(chemin))
        return 1; // le chargement a déjà dit pourquoi, sur la sortie d'erreur
    Sortie(Lignes_Resume(Magasin()).join(u'\n') + u'\n');
    return 0;
}
