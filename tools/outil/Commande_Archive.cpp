// lqm-outil archiver et archive : l'historique de chaque appareil, fichier après fichier.

#include "Commande.h"

#include "archive/Archivage.h"
#include "report/Csv.h"
#include "shell/Ligne_Commande.h"
#include "store/Fichier_Lqm.h"
#include "store/Fonction_Fichiers.h"
#include "tables/Lignes_Leq.h"
#include "tables/Periode.h"

#include <climits>

namespace {

const QString Aide_Base = QStringLiteral(
    "  --base CONNEXION  l'archive : le chemin d'un fichier SQLite, ou une adresse\n"
    "                    postgresql://utilisateur@hote:port/base (mot de passe dans\n"
    "                    ~/.pgpass), ou « host=... dbname=... ». Par défaut : celle\n"
    "                    des réglages du programme, sinon\n"
    "                    ~/.local/share/lqm-analyser/archive.sqlite.\n");

const QString Aide_Archiver =
    QStringLiteral("Utilisation : lqm-outil archiver [--base CONNEXION] FICHIER.lqm...\n"
                   "\n"
                   "Ajoute à l'archive de chaque appareil les enregistrements de ces fichiers\n"
                   "qu'elle n'a pas encore (un fichier en une transaction : tout ou rien). Pour\n"
                   "chaque fichier : enregistrements ajoutés, déjà présents, et conflits (un même\n"
                   "instant avec une autre valeur : l'archive garde la première).\n"
                   "\n"
                   "Options :\n") +
    Aide_Base + QStringLiteral("  -h, --help        affiche cette aide.\n");

const QString Aide_Archive =
    QStringLiteral(
        "Utilisation : lqm-outil archive [--base CONNEXION]\n"
        "              lqm-outil archive --appareil NUMERO --du JJ/MM/AAAA --au JJ/MM/AAAA\n"
        "                                (--sortie FICHIER.lqm | --csv FICHIER.csv)\n"
        "              lqm-outil archive --appareil NUMERO --nom \"LIEU\"\n"
        "\n"
        "Sans --appareil : les appareils de l'archive, leurs premier et dernier jours et\n"
        "leurs nombres d'enregistrements. Avec : les enregistrements de la période, dans\n"
        "la limite de la mémoire du programme (8192 valeurs Leq, 4096 événements, 682 jeux de\n"
        "paramètres), écrits en fichier .lqm ou en CSV des valeurs Leq.\n"
        "\n"
        "Options :\n"
        "  --appareil NUMERO le numéro de série de l'appareil.\n"
        "  --du JJ/MM/AAAA   premier jour de la période.\n"
        "  --au JJ/MM/AAAA   dernier jour de la période.\n"
        "  --sortie FICHIER  écrit la période en fichier .lqm.\n"
        "  --csv FICHIER     écrit le tableau des valeurs Leq de la période en CSV.\n"
        "  --nom LIEU        donne à l'appareil le nom de son lieu (texte libre ; vide : "
        "l'ôte).\n") +
    Aide_Base + QStringLiteral("  -h, --help        affiche cette aide.\n");

QCommandLineOption option_base() {
    return QCommandLineOption(QStringLiteral("base"), QString(), QStringLiteral("CONNEXION"));
}

QString connexion(const QCommandLineParser& parseur) {
    return parseur.isSet(QStringLiteral("base")) ? parseur.value(QStringLiteral("base"))
                                                 : Lire_Reglages_Archive().connexion;
}

int Ouvrir_Archive(Archive& archive) {
    if (archive.ouvrir())
        return -1;
    Erreur(archive.erreur() + u'\n');
    return 1;
}

} // namespace

int Commande_Archiver(const QStringList& arguments) {
    QCommandLineParser parseur;
    const int code =
        Lire_Commande(parseur, {option_base()}, arguments, Aide_Archiver,
                      QStringLiteral("La commande archiver attend des fichiers .lqm."), INT_MAX);
    if (code >= 0)
        return code;
    Archive archive(connexion(parseur));
    if (const int c = Ouvrir_Archive(archive); c >= 0)
        return c;
    int sortie = 0;
    for (QString chemin : parseur.positionalArguments()) {
        const QString nom = chemin;
        if (!Charger_Fichier(chemin)) { // le chargement a dit pourquoi
            sortie = 1;
            continue;
        }
        const Bilan_Fusion bilan = archive.fusionner(*Copie_Contenu(Magasin()), nom);
        if (!bilan.reussie()) {
            Erreur(nom + QStringLiteral(" : ") + bilan.erreur + u'\n');
            sortie = 1;
            continue;
        }
        Sortie(QStringLiteral("%1 : appareil %2 : %3\n")
                   .arg(nom, bilan.numero_serie, Texte_Bilan(bilan)));
    }
    return sortie;
}

int Commande_Archive(const QStringList& arguments) {
    QCommandLineParser parseur;
    const QCommandLineOption appareil(QStringLiteral("appareil"), QString(),
                                      QStringLiteral("NUMERO"));
    const QCommandLineOption du(QStringLiteral("du"), QString(), QStringLiteral("JJ/MM/AAAA"));
    const QCommandLineOption au(QStringLiteral("au"), QString(), QStringLiteral("JJ/MM/AAAA"));
    const QCommandLineOption sortie(QStringLiteral("sortie"), QString(),
                                    QStringLiteral("FICHIER.lqm"));
    const QCommandLineOption csv(QStringLiteral("csv"), QString(), QStringLiteral("FICHIER.csv"));
    const QCommandLineOption nom(QStringLiteral("nom"), QString(), QStringLiteral("LIEU"));
    const QString erreur = Lire_Ligne_Commande(
        parseur, {option_base(), appareil, du, au, sortie, csv, nom}, arguments, 0);
    if (!erreur.isEmpty())
        return Usage(erreur, Aide_Archive);
    if (parseur.isSet(QStringLiteral("help"))) {
        Sortie(Aide_Archive);
        return 0;
    }
    if (parseur.isSet(nom) && !parseur.isSet(appareil))
        return Usage(QStringLiteral("L'option --nom attend --appareil NUMERO."), Aide_Archive);
    if (parseur.isSet(nom) &&
        (parseur.isSet(du) || parseur.isSet(au) || parseur.isSet(sortie) || parseur.isSet(csv)))
        return Usage(QStringLiteral("L'option --nom se donne seule avec --appareil."),
                     Aide_Archive);
    Archive archive(connexion(parseur));
    if (const int c = Ouvrir_Archive(archive); c >= 0)
        return c;

    if (!parseur.isSet(appareil)) {
        const auto appareils = archive.appareils();
        if (!archive.erreur().isEmpty())
            return Erreur(archive.erreur() + u'\n'), 1;
        Sortie(archive.description() + u'\n');
        if (appareils.empty())
            Sortie(QStringLiteral("L'archive est vide.\n"));
        for (const Appareil_Archive& a : appareils)
            Sortie(QStringLiteral("Appareil %1%8 : du %2 au %3, %4, %5, %6, %7\n")
                       .arg(a.numero_serie, a.premier_jour.toString(QStringLiteral("dd/MM/yyyy")),
                            a.dernier_jour.toString(QStringLiteral("dd/MM/yyyy")),
                            Texte_Compte(a.nb_leq, QStringLiteral("valeur Leq"),
                                         QStringLiteral("valeurs Leq")),
                            Texte_Compte(a.nb_evenements, QStringLiteral("événement"),
                                         QStringLiteral("événements")),
                            Texte_Compte(a.nb_parametres, QStringLiteral("jeu de paramètres"),
                                         QStringLiteral("jeux de paramètres")),
                            Texte_Compte(a.nb_telechargements, QStringLiteral("téléchargement"),
                                         QStringLiteral("téléchargements")),
                            a.nom.isEmpty() ? QString() : QStringLiteral(" (") + a.nom + u')'));
        return 0;
    }
    if (parseur.isSet(nom)) {
        if (!archive.nommer(parseur.value(appareil), parseur.value(nom))) {
            Erreur(archive.erreur() + u'\n');
            return 1;
        }
        const QString lieu = parseur.value(nom).trimmed();
        Sortie(lieu.isEmpty()
                   ? QStringLiteral("Appareil %1 : nom du lieu ôté.\n").arg(parseur.value(appareil))
                   : QStringLiteral("Appareil %1 : lieu « %2 ».\n")
                         .arg(parseur.value(appareil), lieu));
        return 0;
    }
    QDate debut, fin;
    if (const int c = Lire_Dates(parseur, du, au, Aide_Archive, debut, fin); c >= 0)
        return c;
    if (!parseur.isSet(sortie) && !parseur.isSet(csv))
        return Usage(QStringLiteral("La commande archive attend --sortie ou --csv avec "
                                    "--appareil."),
                     Aide_Archive);
    auto& M = Magasin();
    const auto contenu = std::make_unique<Contenu_Lqm>();
    const auto couverture = archive.charger(parseur.value(appareil), debut, fin, *contenu);
    if (!couverture) {
        Erreur(archive.erreur().isEmpty()
                   ? QStringLiteral("L'appareil %1 n'est pas dans l'archive.\n")
                         .arg(parseur.value(appareil))
                   : archive.erreur() + u'\n');
        return 1;
    }
    if (couverture->nb_leq == 0) {
        Erreur(QStringLiteral("Aucune valeur Leq archivée pour l'appareil %1 du %2 au %3 : rien "
                              "n'est écrit.\n")
                   .arg(parseur.value(appareil), debut.toString(QStringLiteral("dd/MM/yyyy")),
                        fin.toString(QStringLiteral("dd/MM/yyyy"))));
        return 1;
    }
    Erreur(Texte_Couverture(*couverture) + u'\n');
    Recopier_Contenu(*contenu, M);
    M.Donnees_Chargees = true;
    if (parseur.isSet(sortie)) {
        const QString probleme = Ecrire_Fichier_Sur(parseur.value(sortie), Ecrire_Lqm(*contenu));
        if (!probleme.isEmpty()) {
            Erreur(QStringLiteral("Impossible d'écrire le fichier %1 : %2\n")
                       .arg(parseur.value(sortie), probleme));
            return 1;
        }
    }
    if (parseur.isSet(csv)) {
        Ecrire_Debut_Periode(debut);
        Ecrire_Fin_Periode(fin);
        Tableau_Leq();
        if (!Ecrire_Fichier(parseur.value(csv), Csv_Tableau_Leq())) {
            Erreur(QStringLiteral("Impossible d'écrire le fichier « %1 » !!!\n")
                       .arg(parseur.value(csv)));
            return 1;
        }
    }
    return 0;
}

int Archiver_Telechargement(const QString& base, const QString& origine) {
    Archive archive(base);
    const Bilan_Fusion bilan = archive.fusionner(*Copie_Contenu(Magasin()), origine);
    if (!bilan.reussie()) {
        Erreur(bilan.erreur + u'\n');
        return 1;
    }
    Erreur(QStringLiteral("Archive (%1) : appareil %2 : %3\n")
               .arg(archive.description(), bilan.numero_serie, Texte_Bilan(bilan)));
    return 0;
}
