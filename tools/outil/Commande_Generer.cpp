// lqm-outil generer : un fichier .lqm d'exemple fait par le générateur.

#include "Commande.h"

#include "download/Decodage.h"
#include "download/Generateur.h"
#include "store/Declarations.h"
#include "store/Fichier_Lqm.h"
#include "store/Fonction_Fichiers.h"

#include <QDateTime>

namespace {

const QString Aide =
    QStringLiteral("Utilisation : lqm-outil generer FICHIER.lqm [--graine N]\n"
                   "\n"
                   "Écrit un fichier d'exemple : environ cinq jours de mesures vraisemblables\n"
                   "fabriquées par le programme (même graine, même fichier). Un fichier existant\n"
                   "n'est remplacé qu'une fois le nouveau entièrement écrit.\n"
                   "\n"
                   "Options :\n"
                   "  --graine N   d'autres données fabriquées (graine 1 par défaut).\n"
                   "  -h, --help   affiche cette aide.\n");

} // namespace

int Commande_Generer(const QStringList& arguments) {
    QCommandLineParser parseur;
    const QCommandLineOption graine(QStringLiteral("graine"), QString(), QStringLiteral("N"),
                                    QStringLiteral("1"));
    const int code = Lire_Commande(parseur, {graine}, arguments, Aide,
                                   QStringLiteral("La commande generer attend un fichier .lqm."));
    if (code >= 0)
        return code;
    const QString chemin = parseur.positionalArguments().constFirst();
    Options_Generateur options;
    bool ok = false;
    options.graine = parseur.value(graine).toUInt(&ok);
    if (!ok)
        return Usage(QStringLiteral("La graine doit être un entier positif."), Aide);

    const QByteArray image = Generer_Image(options);
    auto& M = Magasin();
    Ranger_Image(image, M);
    const QDateTime recuperation = options.fin.addSecs(137);
    M.Date_Recuperation = recuperation.toString(QStringLiteral("dd/MM/yyyy"));
    M.Heure_Recuperation = recuperation.toString(QStringLiteral("HH:mm:ss"));
    const QString probleme = Ecrire_Fichier_Sur(chemin, Ecrire_Lqm(M));
    if (!probleme.isEmpty()) {
        Erreur(QStringLiteral("Impossible d'écrire le fichier %1 : %2\n").arg(chemin, probleme));
        return 1;
    }
    return 0;
}
