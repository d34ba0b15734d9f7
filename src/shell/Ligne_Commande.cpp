#include "shell/Ligne_Commande.h"

namespace {

const QCommandLineOption* trouver(const QList<QCommandLineOption>& options, const QString& nom) {
    for (const QCommandLineOption& o : options)
        if (o.names().contains(nom))
            return &o;
    return nullptr;
}

QString avec_tirets(const QString& nom) {
    return (nom.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nom;
}

// La première faute de la ligne, dans l'ordre où l'utilisateur l'a écrite.
QString premiere_faute(const QList<QCommandLineOption>& options, const QStringList& arguments,
                       bool commande) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--"))
            break;
        if (!a.startsWith(u'-') || a == QLatin1String("-")) {
            if (commande)
                break;
            continue;
        }
        const QString corps = a.mid(a.startsWith(QLatin1String("--")) ? 2 : 1);
        const qsizetype egal = corps.indexOf(u'=');
        const QString nom = egal < 0 ? corps : corps.left(egal);
        const QCommandLineOption* o = trouver(options, nom);
        if (!o)
            return QStringLiteral("Option inconnue : %1").arg(avec_tirets(nom));
        if (o->valueName().isEmpty()) {
            if (egal >= 0)
                return QStringLiteral("L'option %1 ne prend pas de valeur.").arg(avec_tirets(nom));
        } else if (egal < 0 && ++i >= arguments.size()) {
            return QStringLiteral("L'option %1 attend une valeur.").arg(avec_tirets(nom));
        }
    }
    return {};
}

} // namespace

QString Lire_Ligne_Commande(QCommandLineParser& parseur, const QList<QCommandLineOption>& options,
                            const QStringList& arguments, int max_positionnels) {
    QList<QCommandLineOption> toutes = options;
    toutes.prepend(QCommandLineOption(QStringLiteral("version")));
    toutes.prepend(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    parseur.addOptions(toutes);
    // « -port » vaut « --port » ; pas de paquets d'options courtes à la « -abc ».
    parseur.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const bool commande = max_positionnels < 0;
    if (commande)
        parseur.setOptionsAfterPositionalArgumentsMode(
            QCommandLineParser::ParseAsPositionalArguments);
    // parse() attend le nom du programme en tête.
    if (!parseur.parse(QStringList{QString()} + arguments)) {
        const QString faute = premiere_faute(toutes, arguments, commande);
        return faute.isEmpty() ? parseur.errorText() : faute;
    }
    const QStringList positionnels = parseur.positionalArguments();
    if (!commande && !parseur.isSet(QStringLiteral("help")) &&
        !parseur.isSet(QStringLiteral("version")) && positionnels.size() > max_positionnels)
        return QStringLiteral("Argument inattendu : %1").arg(positionnels[max_positionnels]);
    return {};
}

Options_Programme Analyser_Options(const QStringList& arguments) {
    Options_Programme o;
    QCommandLineParser parseur;
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("CHEMIN"));
    const QCommandLineOption images(QStringLiteral("verifier-images"));
    o.erreur = Lire_Ligne_Commande(parseur, {port, images}, arguments, 1);
    if (!o.erreur.isEmpty())
        return o;
    o.aide = parseur.isSet(QStringLiteral("help"));
    o.version = parseur.isSet(QStringLiteral("version"));
    o.ports = parseur.values(port);
    o.verifier_images = parseur.isSet(images);
    if (!parseur.positionalArguments().isEmpty())
        o.fichier = parseur.positionalArguments().constFirst();
    if (o.ports.contains(QString()))
        o.erreur = QStringLiteral("L'option --port attend le chemin d'un port série.");
    return o;
}

QString Texte_Aide_Programme() {
    return QStringLiteral(
        "Utilisation : lqm-analyser [--port CHEMIN]... [FICHIER.lqm]\n"
        "\n"
        "TARVO Analyser : analyse des données enregistrées par le LQM 70-4 Nova.\n"
        "Avec un FICHIER.lqm, le programme le charge et ouvre le tableau Leq sur lui.\n"
        "\n"
        "Options :\n"
        "  --port CHEMIN   donne un port série au programme (par exemple /dev/ttyUSB0,\n"
        "                  ou le pseudo-terminal d'un simulateur). L'option peut être\n"
        "                  répétée : le premier chemin devient COM 1, le suivant COM 2,\n"
        "                  et ainsi de suite ; les ports série du système suivent\n"
        "                  (adaptateurs USB d'abord). Seize ports au plus.\n"
        "  --verifier-images  dit où le programme trouve ses images et s'il en manque\n"
        "                  (code 1), sans rien ouvrir.\n"
        "  -h, --help      affiche cette aide.\n"
        "  --version       affiche la version du programme.\n");
}

QString Texte_Version(const QString& programme) {
    return programme + QStringLiteral(" " LQM_VERSION "\n");
}
