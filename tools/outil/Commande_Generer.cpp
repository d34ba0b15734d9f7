// lqm-outil generer : un fichier .lqm d'exemple fait par le générateur.

#include "Commande.h"

#include "tables/Periode.h"

#include "download/Decodage.h"
#include "download/Generateur.h"
#include "store/Declarations.h"
#include "store/Fichier_Lqm.h"
#include "store/Fonction_Fichiers.h"

#include <QDateTime>

namespace {

const QString Aide =
    QStringLiteral("Utilisation : lqm-outil generer FICHIER.lqm [--graine N] [--fin JJ/MM/AAAA]\n"
                   "                                    [--heure-legale]\n"
                   "\n"
                   "Écrit un fichier d'exemple : environ cinq jours de mesures vraisemblables\n"
                   "fabriquées par le programme (même graine, même fichier). Un fichier existant\n"
                   "n'est remplacé qu'une fois le nouveau entièrement écrit.\n"
                   "\n"
                   "Options :\n"
                   "  --graine N   d'autres données fabriquées (graine 1 par défaut).\n"
                   "  --fin JJ/MM/AAAA  le jour du dernier enregistrement, à 10 h 00\n"
                   "               (12/03/2008 par défaut). Les niveaux y dépendent de leur\n"
                   "               instant : des fichiers de fins différentes se recouvrent\n"
                   "               comme des téléchargements successifs du même appareil.\n"
                   "  --heure-legale  l'horloge de l'appareil suit l'heure légale française :\n"
                   "               une fin après le dernier dimanche d'octobre donne une heure\n"
                   "               enregistrée deux fois (de 2 h à 3 h), après le dernier\n"
                   "               dimanche de mars une heure sans enregistrement.\n"
                   "  -h, --help   affiche cette aide.\n");

} // namespace

int Commande_Generer(const QStringList& arguments) {
    QCommandLineParser parseur;
    const QCommandLineOption graine(QStringLiteral("graine"), QString(), QStringLiteral("N"),
                                    QStringLiteral("1"));
    const QCommandLineOption fin(QStringLiteral("fin"), QString(), QStringLiteral("JJ/MM/AAAA"));
    const QCommandLineOption heure_legale(QStringLiteral("heure-legale"));
    const int code = Lire_Commande(parseur, {graine, fin, heure_legale}, arguments, Aide,
                                   QStringLiteral("La commande generer attend un fichier .lqm."));
    if (code >= 0)
        return code;
    const QString chemin = parseur.positionalArguments().constFirst();
    Options_Generateur options;
    bool ok = false;
    options.graine = parseur.value(graine).toUInt(&ok);
    if (!ok)
        return Usage(QStringLiteral("La graine doit être un entier positif."), Aide);
    if (parseur.isSet(fin)) {
        const std::optional<QDate> jour = Lire_Date(parseur.value(fin));
        if (!jour || jour->year() < 2001 || jour->year() > 2098)
            return Usage(QStringLiteral("L'option --fin attend une date JJ/MM/AAAA de 2001 à "
                                        "2098 : « %1 » ne convient pas.")
                             .arg(parseur.value(fin)),
                         Aide);
        options.fin.setDate(*jour);
        options.niveaux_par_instant = true;
    }
    options.heure_legale = parseur.isSet(heure_legale);

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
