// lqm-outil : les données du LQM 70-4 Nova en ligne de commande.

#include "download/Classement.h"
#include "download/Decodage.h"
#include "download/Generateur.h"
#include "platform/Plateforme_Console.h"
#include "store/Declarations.h"
#include "store/Fichier_Lqm.h"
#include "store/Fonction_Fichiers.h"
#include "store/Resume.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {

const char* const Aide =
    "Utilisation : lqm-outil COMMANDE [ARGUMENTS]\n"
    "\n"
    "Les données du LQM 70-4 Nova sans fenêtre.\n"
    "\n"
    "Commandes :\n"
    "  resume FICHIER.lqm\n"
    "      Charge le fichier et affiche son résumé : numéro de série, date du\n"
    "      téléchargement, nombre de valeurs Leq1 et Leq10, d'événements et de jeux de\n"
    "      paramètres, dates de la première et de la dernière valeur.\n"
    "  generer FICHIER.lqm [--graine N]\n"
    "      Écrit un fichier d'exemple : environ cinq jours de mesures vraisemblables\n"
    "      fabriquées par le programme (même graine, même fichier). Un fichier existant\n"
    "      n'est remplacé qu'une fois le nouveau entièrement écrit.\n"
    "  --help\n"
    "      Affiche cette aide.\n"
    "\n"
    "Code de sortie : 0 si tout va bien, 1 si le fichier est refusé ou ne peut être\n"
    "écrit, 2 si la commande est mal formée.\n";

void sortie(const QString& texte) {
    std::fputs(texte.toUtf8().constData(), stdout);
}
void erreur(const QString& texte) {
    std::fputs(texte.toUtf8().constData(), stderr);
}

int usage(const QString& message) {
    erreur(message + QStringLiteral("\n\n") + QString::fromUtf8(Aide));
    return 2;
}

int resume(const QString& chemin) {
    QString copie = chemin;
    Charger_Fichier(copie);
    if (!Magasin().Donnees_Chargees)
        return 1; // le chargement a déjà dit pourquoi, sur la sortie d'erreur
    sortie(Lignes_Resume(Magasin()).join(u'\n') + u'\n');
    return 0;
}

int generer(const QString& chemin, std::uint32_t graine) {
    Options_Generateur options;
    options.graine = graine;
    const QByteArray image = Generer_Image(options);
    auto& M = Magasin();
    const Rappels_Decodage muet{[] {}, [] {}, [] { return false; }};
    Decoder_Image(reinterpret_cast<const std::uint8_t*>(image.constData()), M, muet);
    const Rappels_Classement tri{[] {}, [] {}, [] { return false; }};
    Classer_Table(M.Tab_Leq, true, tri);
    Classer_Table(M.Tab_Evenements, true, tri);
    Classer_Table(M.Tab_Parametres, false, tri);
    const QDateTime recuperation = options.fin.addSecs(137);
    M.Date_Recuperation = recuperation.toString(QStringLiteral("dd/MM/yyyy"));
    M.Heure_Recuperation = recuperation.toString(QStringLiteral("HH:mm:ss"));
    const QString probleme = Ecrire_Fichier_Sur(chemin, Ecrire_Lqm(M));
    if (!probleme.isEmpty()) {
        erreur(QStringLiteral("Impossible d'écrire le fichier %1 : %2\n").arg(chemin, probleme));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    Plateforme_Console console;
    Installer_Plateforme(&console);

    const QStringList a = QCoreApplication::arguments().mid(1);
    if (a.isEmpty())
        return usage(QStringLiteral("Aucune commande."));
    if (a[0] == QLatin1String("--help") || a[0] == QLatin1String("-h")) {
        sortie(QString::fromUtf8(Aide));
        return 0;
    }
    if (a[0] == QLatin1String("resume")) {
        if (a.size() != 2)
            return usage(QStringLiteral("La commande resume attend un fichier .lqm."));
        return resume(a[1]);
    }
    if (a[0] == QLatin1String("generer")) {
        std::uint32_t graine = 1;
        if (a.size() == 4 && a[2] == QLatin1String("--graine")) {
            bool ok = false;
            graine = a[3].toUInt(&ok);
            if (!ok)
                return usage(QStringLiteral("La graine doit être un entier positif."));
        } else if (a.size() != 2) {
            return usage(QStringLiteral("La commande generer attend un fichier .lqm."));
        }
        return generer(a[1], graine);
    }
    return usage(QStringLiteral("Commande inconnue : %1").arg(a[0]));
}
