// lqm-outil : les données du LQM 70-4 Nova en ligne de commande. Chaque commande vit dans
// son fichier Commande_*.cpp ; en ajouter une, c'est ce fichier et une ligne du tableau.

#include "Commande.h"

#include "platform/Plateforme_Console.h"
#include "shell/Ligne_Commande.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstring>
#include <memory>

namespace {

struct Commande {
    const char* nom;
    const char* description;
    Fonction_Commande executer;
};

const Commande Commandes[] = {
    {"resume", "affiche le résumé d'un fichier .lqm", Commande_Resume},
    {"generer", "écrit un fichier .lqm d'exemple, fait par le programme", Commande_Generer},
    {"telecharger", "télécharge la mémoire de l'appareil dans un fichier .lqm",
     Commande_Telecharger},
    {"parametres", "affiche les réglages de l'appareil d'un fichier .lqm", Commande_Parametres},
    {"tableau-leq", "affiche le tableau des valeurs Leq d'une période", Commande_Tableau_Leq},
    {"evenements", "affiche le tableau des événements d'une période", Commande_Evenements},
    {"evenements-graphique", "affiche les événements d'un graphique Leq (midi à midi)",
     Commande_Evenements_Graphique},
    {"graphique", "dessine les graphiques Leq10 et Leq1 d'une période (image PNG)",
     Commande_Graphique},
    {"rapport", "rapport réglementaire d'une période (texte, PDF, CSV par minute)",
     Commande_Rapport},
    {"exporter", "écrit le tableau Leq (ou des événements) d'une période en CSV",
     Commande_Exporter},
    {"archiver", "ajoute des fichiers .lqm à l'archive de leur appareil", Commande_Archiver},
    {"archive", "les appareils de l'archive ; une période en .lqm ou en CSV", Commande_Archive},
    {"parc", "chaque appareil de l'archive, ses nuits et son dernier relevé", Commande_Parc},
};

QString aide() {
    QString texte = QStringLiteral("Utilisation : lqm-outil COMMANDE [OPTIONS] [ARGUMENTS]\n"
                                   "\n"
                                   "Les données du LQM 70-4 Nova sans fenêtre.\n"
                                   "\n"
                                   "Commandes :\n");
    for (const Commande& c : Commandes)
        texte += QStringLiteral("  %1 %2\n")
                     .arg(QString::fromUtf8(c.nom), -12)
                     .arg(QString::fromUtf8(c.description));
    return texte +
           QStringLiteral("\n"
                          "« lqm-outil COMMANDE --help » décrit une commande et ses options ;\n"
                          "« lqm-outil --version » donne la version du programme.\n"
                          "\n"
                          "Code de sortie : 0 si tout va bien, 1 si le fichier est refusé ou ne\n"
                          "peut être écrit, si le téléchargement échoue ou si la période finit\n"
                          "avant de commencer, 2 si la commande est mal formée.\n");
}

// Sans session graphique, QtGui se plaint de XDG_RUNTIME_DIR : l'image n'en a pas besoin,
// et ce bruit ne doit pas passer pour une erreur de la commande.
void sans_avis_dossier_runtime(QtMsgType genre, const QMessageLogContext& contexte,
                               const QString& texte) {
    if (!texte.startsWith(QLatin1String("QStandardPaths:")))
        Erreur(qFormatLogMessage(genre, contexte, texte) + u'\n');
}

} // namespace

int main(int argc, char* argv[]) {
    // « graphique » et « rapport » écrivent du texte dans une image ou un PDF : il leur faut
    // QtGui et ses polices, même sans écran.
    bool images = false;
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] != '-') {
            images = std::strcmp(argv[i], "graphique") == 0 || std::strcmp(argv[i], "rapport") == 0;
            break;
        }
    if (images && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (images)
        qInstallMessageHandler(sans_avis_dossier_runtime);
    const std::unique_ptr<QCoreApplication> application =
        images ? std::make_unique<QGuiApplication>(argc, argv)
               : std::make_unique<QCoreApplication>(argc, argv);
    Plateforme_Console console;
    Installer_Plateforme(&console);

    QCommandLineParser parseur;
    const QString erreur =
        Lire_Ligne_Commande(parseur, {}, QCoreApplication::arguments().mid(1), -1);
    if (!erreur.isEmpty())
        return Usage(erreur, aide());
    if (parseur.isSet(QStringLiteral("help"))) {
        Sortie(aide());
        return 0;
    }
    if (parseur.isSet(QStringLiteral("version"))) {
        Sortie(Texte_Version(QStringLiteral("lqm-outil")));
        return 0;
    }
    const QStringList a = parseur.positionalArguments();
    if (a.isEmpty())
        return Usage(QStringLiteral("Aucune commande."), aide());
    for (const Commande& c : Commandes)
        if (a[0] == QLatin1String(c.nom))
            return c.executer(a.mid(1));
    return Usage(QStringLiteral("Commande inconnue : %1").arg(a[0]), aide());
}
