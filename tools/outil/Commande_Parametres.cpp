// lqm-outil parametres : les réglages de l'appareil, comme la fenêtre des paramètres.

#include "Commande.h"

#include "parameters/Parametres.h"
#include "store/Fonction_Fichiers.h"

namespace {

const QString Aide = QStringLiteral(
    "Utilisation : lqm-outil parametres FICHIER.lqm [--jeu N]\n"
    "\n"
    "Charge le fichier et affiche les réglages comme la fenêtre des paramètres, une\n"
    "ligne par étiquette : l'en-tête, la période, puis chaque légende et sa valeur.\n"
    "Sans --jeu, les réglages en cours au téléchargement.\n"
    "\n"
    "Options :\n"
    "  --jeu N      le jeu de paramètres N de la liste (0 = le plus récent).\n"
    "  -h, --help   affiche cette aide.\n");

} // namespace

int Commande_Parametres(const QStringList& arguments) {
    QCommandLineParser parseur;
    const QCommandLineOption jeu(QStringLiteral("jeu"), QString(), QStringLiteral("N"));
    const int code =
        Lire_Commande(parseur, {jeu}, arguments, Aide,
                      QStringLiteral("La commande parametres attend un fichier .lqm."));
    if (code >= 0)
        return code;
    int k = -1;
    if (parseur.isSet(jeu)) {
        bool ok = false;
        k = parseur.value(jeu).toInt(&ok);
        if (!ok || k < 0)
            return Usage(QStringLiteral("Le numéro de jeu doit être un entier positif ou nul."),
                         Aide);
    }
    QString chemin = parseur.positionalArguments().constFirst();
    if (!Charger_Fichier(chemin))
        return 1; // le chargement a déjà dit pourquoi, sur la sortie d'erreur
    Contenu_Parametres contenu = Contenu_Chargement();
    if (k >= 0 && !Choisir_Jeu(contenu, k)) {
        const auto n = contenu.Combo_Jour.size();
        Erreur(n == 0 ? QStringLiteral("Ce fichier ne contient aucun jeu de paramètres.\n")
                      : QStringLiteral("Pas de jeu %1 : ce fichier en contient %2, numérotés de 0 "
                                       "à %3.\n")
                            .arg(k)
                            .arg(n)
                            .arg(n - 1));
        return 2;
    }
    Sortie(Lignes_Parametres(contenu).join(u'\n') + u'\n');
    return 0;
}
