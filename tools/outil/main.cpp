// lqm-outil : les données du LQM 70-4 Nova en ligne de commande. Chaque commande vit dans
// son fichier Commande_*.cpp ; en ajouter une, c'est ce fichier et une ligne du tableau.

#include "Commande.h"

#include "platform/Plateforme_Console.h"
#include "shell/Ligne_Commande.h"

#include <QCoreApplication>

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
                          "« lqm-outil COMMANDE --help » décrit une commande et ses options.\n"
                          "\n"
                          "Code de sortie : 0 si tout va bien, 1 si le fichier est refusé ou ne\n"
                          "peut être écrit ou si le téléchargement échoue, 2 si la commande est\n"
                          "mal formée.\n");
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
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
    const QStringList a = parseur.positionalArguments();
    if (a.isEmpty())
        return Usage(QStringLiteral("Aucune commande."), aide());
    for (const Commande& c : Commandes)
        if (a[0] == QLatin1String(c.nom))
            return c.executer(a.mid(1));
    return Usage(QStringLiteral("Commande inconnue : %1").arg(a[0]), aide());
}
