#include "shell/Ligne_Commande.h"

Options_Programme Analyser_Options(const QStringList& arguments) {
    Options_Programme o;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            o.aide = true;
        } else if (a == QLatin1String("--port")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
                o.erreur = QStringLiteral("L'option --port attend le chemin d'un port série.");
                return o;
            }
            o.ports << arguments[++i];
        } else if (a.startsWith(QLatin1String("--port="))) {
            const QString chemin = a.mid(7);
            if (chemin.isEmpty()) {
                o.erreur = QStringLiteral("L'option --port attend le chemin d'un port série.");
                return o;
            }
            o.ports << chemin;
        } else if (a.startsWith(u'-') && a.size() > 1) {
            o.erreur = QStringLiteral("Option inconnue : %1").arg(a);
            return o;
        } else {
            o.erreur = QStringLiteral("Argument inattendu : %1").arg(a);
            return o;
        }
    }
    return o;
}

QString Texte_Aide_Programme() {
    return QStringLiteral(
        "Utilisation : lqm-analyser [--port CHEMIN]...\n"
        "\n"
        "TARVO Analyser : analyse des données enregistrées par le LQM 70-4 Nova.\n"
        "\n"
        "Options :\n"
        "  --port CHEMIN   donne un port série au programme (par exemple /dev/ttyUSB0,\n"
        "                  ou le pseudo-terminal d'un simulateur). L'option peut être\n"
        "                  répétée : le premier chemin devient COM 1, le suivant COM 2,\n"
        "                  et ainsi de suite ; les ports série du système suivent\n"
        "                  (adaptateurs USB d'abord). Seize ports au plus.\n"
        "  -h, --help      affiche cette aide.\n");
}
