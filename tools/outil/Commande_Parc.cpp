// lqm-outil parc : chaque appareil de l'archive, ses nuits et son dernier relevé, ceux qui
// demandent attention d'abord.

#include "Commande.h"

#include "archive/Archivage.h"
#include "archive/Parc.h"
#include "report/Csv.h"
#include "report/Rapport.h"
#include "shell/Ligne_Commande.h"

#include <QFileInfo>

namespace {

const QString Aide = QStringLiteral(
    "Utilisation : lqm-outil parc [--base CONNEXION] [--du JJ/MM/AAAA] [--au JJ/MM/AAAA]\n"
    "                             [--limite DB] [--le JJ/MM/AAAA] [--csv FICHIER.csv]\n"
    "\n"
    "Une ligne par appareil de l'archive : son lieu, son dernier relevé, les nuits (de midi à\n"
    "midi, nommées par leur soir) complètes, incomplètes ou manquantes de la période, celles\n"
    "dont un Leq 15 min glissant dépasse la limite, et le Leq 15 min le plus fort. D'abord les\n"
    "appareils non relevés depuis 14 jours ou plus, puis ceux qui ont des dépassements, puis\n"
    "ceux qui ont des nuits incomplètes ou manquantes.\n"
    "\n"
    "Options :\n"
    "  --du JJ/MM/AAAA   premier soir de la période (par défaut : 30 jours avant --le).\n"
    "  --au JJ/MM/AAAA   dernier soir de la période (par défaut : la veille de --le).\n"
    "  --limite DB       limite du Leq 15 min en dB (102 par défaut).\n"
    "  --le JJ/MM/AAAA   le jour de la vue (par défaut : aujourd'hui).\n"
    "  --csv FICHIER     écrit aussi la vue en CSV.\n"
    "  --base CONNEXION  l'archive (voir « lqm-outil archive --help »).\n"
    "  -h, --help        affiche cette aide.\n");

QDate lire_date(const QString& texte) {
    return QDate::fromString(texte, QStringLiteral("dd/MM/yyyy"));
}

} // namespace

int Commande_Parc(const QStringList& arguments) {
    QCommandLineParser parseur;
    const QCommandLineOption base(QStringLiteral("base"), QString(), QStringLiteral("CONNEXION"));
    const QCommandLineOption du(QStringLiteral("du"), QString(), QStringLiteral("JJ/MM/AAAA"));
    const QCommandLineOption au(QStringLiteral("au"), QString(), QStringLiteral("JJ/MM/AAAA"));
    const QCommandLineOption le(QStringLiteral("le"), QString(), QStringLiteral("JJ/MM/AAAA"));
    const QCommandLineOption limite(QStringLiteral("limite"), QString(), QStringLiteral("DB"));
    const QCommandLineOption csv(QStringLiteral("csv"), QString(), QStringLiteral("FICHIER.csv"));
    const QString erreur =
        Lire_Ligne_Commande(parseur, {base, du, au, le, limite, csv}, arguments, 0);
    if (!erreur.isEmpty())
        return Usage(erreur, Aide);
    if (parseur.isSet(QStringLiteral("help"))) {
        Sortie(Aide);
        return 0;
    }
    const QDate aujourdhui =
        parseur.isSet(le) ? lire_date(parseur.value(le)) : QDate::currentDate();
    if (!aujourdhui.isValid())
        return Usage(QStringLiteral("L'option --le attend une date JJ/MM/AAAA qui existe : « %1 » "
                                    "ne convient pas.")
                         .arg(parseur.value(le)),
                     Aide);
    auto [debut, fin] = Periode_Parc_Defaut(aujourdhui);
    for (const auto& [option, date] : {std::pair{&du, &debut}, std::pair{&au, &fin}}) {
        if (!parseur.isSet(*option))
            continue;
        *date = lire_date(parseur.value(*option));
        if (!date->isValid())
            return Usage(QStringLiteral("L'option --%1 attend une date JJ/MM/AAAA qui existe : "
                                        "« %2 » ne convient pas.")
                             .arg(option->names().first(), parseur.value(*option)),
                         Aide);
    }
    if (aujourdhui < fin) {
        Erreur(QStringLiteral("La période finit le %1, après le jour de la vue (%2) : ses nuits ne "
                              "peuvent pas encore être relevées.\n")
                   .arg(fin.toString(QStringLiteral("dd/MM/yyyy")),
                        aujourdhui.toString(QStringLiteral("dd/MM/yyyy"))));
        return 1;
    }
    if (fin < debut) {
        Erreur(QStringLiteral("La fin de la période (%1) précède son début (%2).\n")
                   .arg(fin.toString(QStringLiteral("dd/MM/yyyy")),
                        debut.toString(QStringLiteral("dd/MM/yyyy"))));
        return 1;
    }
    double valeur_limite = Limite_Defaut;
    if (const int code = Lire_Limite(parseur, limite, Aide, valeur_limite); code >= 0)
        return code;
    const QString connexion =
        parseur.isSet(base) ? parseur.value(base) : Lire_Reglages_Archive().connexion;
    // Une vue ne crée pas d'archive : un chemin mal tapé le dit au lieu d'en ouvrir une vide.
    if (Forme_De(connexion) == Forme_Connexion::SQLite &&
        !QFileInfo::exists(connexion.isEmpty() ? Chemin_Archive_Defaut() : connexion)) {
        Erreur(QStringLiteral("L'archive « %1 » n'existe pas.\n")
                   .arg(connexion.isEmpty() ? Chemin_Archive_Defaut() : connexion));
        return 1;
    }
    Archive archive(connexion);
    const auto lignes = archive.parc(debut, fin, valeur_limite, aujourdhui);
    if (!lignes) {
        Erreur(archive.erreur() + u'\n');
        return 1;
    }
    Sortie(QStringLiteral("%1 : nuits du %2 au %3, limite %4 dB\n")
               .arg(archive.description(), debut.toString(QStringLiteral("dd/MM/yyyy")),
                    fin.toString(QStringLiteral("dd/MM/yyyy")), Nombre_Fr(valeur_limite, 1)));
    // Des colonnes alignées, séparées par deux blancs.
    std::vector<QStringList> table{En_Tetes_Parc()};
    for (const Ligne_Parc& l : *lignes)
        table.push_back(Cellules_Parc(l, aujourdhui));
    std::vector<qsizetype> largeurs(table.front().size(), 0);
    for (const QStringList& t : table)
        for (qsizetype i = 0; i < t.size(); ++i)
            largeurs[std::size_t(i)] = std::max(largeurs[std::size_t(i)], t[i].size());
    for (const QStringList& t : table) {
        QString ligne;
        for (qsizetype i = 0; i < t.size(); ++i)
            ligne += t[i].leftJustified(largeurs[std::size_t(i)]) + QStringLiteral("  ");
        Sortie(ligne.trimmed() + u'\n');
    }
    if (lignes->empty())
        Sortie(QStringLiteral("L'archive n'a aucun appareil.\n"));
    if (parseur.isSet(csv) && !Ecrire_Fichier(parseur.value(csv), Csv_Parc(*lignes, aujourdhui))) {
        Erreur(
            QStringLiteral("Impossible d'écrire le fichier « %1 » !!!\n").arg(parseur.value(csv)));
        return 1;
    }
    return 0;
}
