// lqm-outil rapport : le rapport réglementaire d'une période, en texte, en PDF et en CSV.

#include "Commande.h"

#include "archive/Archivage.h"
#include "report/Csv.h"
#include "report/Impression_Rapport.h"
#include "report/Rapport.h"
#include "shell/Ligne_Commande.h"

namespace {

const QString Aide = QStringLiteral(
    "Utilisation : lqm-outil rapport FICHIER.lqm --du JJ/MM/AAAA --au JJ/MM/AAAA\n"
    "                                [--limite DB] [--pdf FICHIER.pdf] [--csv FICHIER.csv]\n"
    "                                [--images DOSSIER]\n"
    "              lqm-outil rapport --archive --appareil NUMERO [--base CONNEXION]\n"
    "                                --du JJ/MM/AAAA --au JJ/MM/AAAA [--limite DB] ...\n"
    "\n"
    "Affiche le rapport réglementaire de la période : réglages en vigueur, résumé par jour,\n"
    "Leq, L10, L50, L90, Leq glissant sur 15 minutes, dépassements de la limite et trous de\n"
    "l'enregistrement.\n"
    "\n"
    "Options :\n"
    "  --du JJ/MM/AAAA   premier jour de la période.\n"
    "  --au JJ/MM/AAAA   dernier jour de la période (pas avant le premier).\n"
    "  --limite DB       limite du Leq 15 min en dB (102 par défaut ; 94 pour les\n"
    "                    spectacles destinés aux enfants de six ans et moins).\n"
    "  --pdf FICHIER     écrit aussi le rapport imprimé dans ce fichier PDF : verdict de\n"
    "                    chaque nuit, images des nuits, puis le texte.\n"
    "  --images DOSSIER  écrit l'image de chaque nuit (de midi à midi) dans ce dossier,\n"
    "                    un fichier PNG par nuit : « nuit du AAAA-MM-JJ.png ».\n"
    "  --csv FICHIER     écrit une ligne par minute : date, heure, Leq 1 min et Leq 15 min\n"
    "                    glissant (vide quand il manque une des 15 minutes).\n"
    "  --archive         lit la période dans l'archive de l'appareil NUMERO (--appareil),\n"
    "                    sans limite de durée, au lieu d'un fichier ; --base choisit\n"
    "                    l'archive (voir « lqm-outil archive --help »).\n"
    "  -h, --help        affiche cette aide.\n");

} // namespace

int Commande_Rapport(const QStringList& arguments) {
    QCommandLineParser parseur;
    const QCommandLineOption limite(QStringLiteral("limite"), QString(), QStringLiteral("DB"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("FICHIER.pdf"));
    const QCommandLineOption csv(QStringLiteral("csv"), QString(), QStringLiteral("FICHIER.csv"));
    const QCommandLineOption images(QStringLiteral("images"), QString(), QStringLiteral("DOSSIER"));
    const QCommandLineOption archive(QStringLiteral("archive"));
    const QCommandLineOption appareil(QStringLiteral("appareil"), QString(),
                                      QStringLiteral("NUMERO"));
    const QCommandLineOption base(QStringLiteral("base"), QString(), QStringLiteral("CONNEXION"));
    const QCommandLineOption du(QStringLiteral("du"), QString(), QStringLiteral("JJ/MM/AAAA"));
    const QCommandLineOption au(QStringLiteral("au"), QString(), QStringLiteral("JJ/MM/AAAA"));
    QDate debut, fin;
    const bool depuis_archive = arguments.contains(QStringLiteral("--archive"));
    if (depuis_archive) {
        const QString erreur = Lire_Ligne_Commande(
            parseur, {limite, pdf, csv, images, archive, appareil, base, du, au}, arguments, 0);
        if (!erreur.isEmpty())
            return Usage(erreur, Aide);
        if (!parseur.isSet(appareil))
            return Usage(QStringLiteral("L'option --archive attend --appareil NUMERO."), Aide);
        if (const int code = Lire_Dates(parseur, du, au, Aide, debut, fin); code >= 0)
            return code;
    } else {
        const int code =
            Lire_Periode_Et_Fichier(parseur, {limite, pdf, csv, images}, arguments, Aide,
                                    QStringLiteral("La commande rapport attend un fichier .lqm."));
        if (code >= 0)
            return code;
    }
    double valeur_limite = Limite_Defaut;
    if (const int code = Lire_Limite(parseur, limite, Aide, valeur_limite); code >= 0)
        return code;
    Contenu_Rapport rapport;
    if (depuis_archive) {
        Archive a(parseur.isSet(base) ? parseur.value(base) : Lire_Reglages_Archive().connexion);
        const auto lu = a.rapport(parseur.value(appareil), debut, fin, valeur_limite);
        if (!lu) {
            Erreur((a.erreur().isEmpty() ? QStringLiteral("L'appareil %1 n'est pas dans "
                                                          "l'archive.")
                                               .arg(parseur.value(appareil))
                                         : a.erreur()) +
                   u'\n');
            return 1;
        }
        rapport = *lu;
    } else {
        rapport = Rapport_Du_Magasin(valeur_limite);
    }
    Sortie(QStringList({rapport.numero_serie, Titre_Rapport(rapport), QString()}).join(u'\n') +
           u'\n' + Lignes_Rapport(rapport).join(u'\n') + u'\n');
    if (parseur.isSet(csv) && !Ecrire_Fichier(parseur.value(csv), Csv_Rapport(rapport))) {
        Erreur(
            QStringLiteral("Impossible d'écrire le fichier « %1 » !!!\n").arg(parseur.value(csv)));
        return 1;
    }
    if (parseur.isSet(pdf) && !Ecrire_Pdf_Rapport(parseur.value(pdf), rapport))
        return 1; // le message est déjà écrit
    if (parseur.isSet(images)) {
        if (const QString erreur = Ecrire_Images_Nuits(parseur.value(images), rapport);
            !erreur.isEmpty()) {
            Erreur(erreur + u'\n');
            return 1;
        }
    }
    return 0;
}
