// lqm-singe : un singe qui pilote les vraies fenêtres du programme au hasard (graine
// donnée) et vérifie après chaque geste ce qui doit toujours tenir. Outil de test : ni
// installé ni empaqueté.

#include "Singe.h"

#include "platform/Plateforme_Qt.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QTemporaryDir>
#include <cstdio>

namespace {
const char* const Aide =
    "Utilisation : lqm-singe [--graine N] [--duree SECONDES] [--journal FICHIER]\n"
    "\n"
    "Pilote les fenêtres de TARVO Analyser par des clics, doubles clics, touches, menus et\n"
    "cases de fermeture tirés au hasard ; répond aux dialogues de fichier (fichiers bons,\n"
    "abîmés, absents), imprime en PDF, télécharge depuis des appareils simulés en panne ou\n"
    "non. Après chaque geste : le programme répond en moins d'une seconde, une seule\n"
    "fenêtre est ouverte, la fenêtre principale n'est grisée que pendant un travail ou une\n"
    "boîte modale, le magasin garde ses données ou celles d'un chargement réussi.\n"
    "Sur une faute : la graine, le numéro du pas et les derniers pas, code de sortie 1.\n"
    "\n"
    "  --graine N          le hasard (1 par défaut) : même graine, mêmes choix\n"
    "  --duree SECONDES    durée de la course (60 par défaut)\n"
    "  --journal FICHIER   écrit chaque pas dans ce fichier\n"
    "  --silence-max MS    silence toléré du programme (1000 par défaut)\n";

bool entier(const QString& texte, long long min, long long& sortie) {
    bool ok = false;
    sortie = texte.toLongLong(&ok);
    return ok && sortie >= min;
}
} // namespace

int main(int argc, char* argv[]) {
    // Le programme écrit ses réglages et son archive dans le dossier de l'utilisateur : le
    // singe lui en donne un jetable, avant que Qt ne lise ces chemins.
    QTemporaryDir dossier;
    if (!dossier.isValid()) {
        std::fputs("lqm-singe : impossible de créer un dossier temporaire\n", stderr);
        return 2;
    }
    qputenv("HOME", QFile::encodeName(dossier.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dossier.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dossier.filePath(QStringLiteral("donnees"))));
    // Un thème de bureau ouvrirait des dialogues natifs que le singe ne voit pas.
    qunsetenv("QT_QPA_PLATFORMTHEME");

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TARVO Analyser"));
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    Charger_Traduction_Qt();

    QCommandLineParser parseur;
    const QCommandLineOption graine(QStringLiteral("graine"), QString(), QStringLiteral("N"));
    const QCommandLineOption duree(QStringLiteral("duree"), QString(), QStringLiteral("S"));
    const QCommandLineOption journal(QStringLiteral("journal"), QString(), QStringLiteral("F"));
    const QCommandLineOption silence(QStringLiteral("silence-max"), QString(),
                                     QStringLiteral("MS"));
    const QCommandLineOption aide(QStringLiteral("help"));
    parseur.addOptions({graine, duree, journal, silence, aide});
    Options_Singe o;
    long long n = 0;
    if (!parseur.parse(QCoreApplication::arguments()) || !parseur.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "lqm-singe : %s\n\n%s",
                     qPrintable(parseur.errorText().isEmpty() ? QStringLiteral("argument en trop")
                                                              : parseur.errorText()),
                     Aide);
        return 2;
    }
    if (parseur.isSet(aide)) {
        std::fputs(Aide, stdout);
        return 0;
    }
    if (parseur.isSet(graine)) {
        if (!entier(parseur.value(graine), 0, n)) {
            std::fprintf(stderr, "lqm-singe : --graine attend un entier.\n\n%s", Aide);
            return 2;
        }
        o.graine = static_cast<std::uint64_t>(n);
    }
    if (parseur.isSet(duree)) {
        if (!entier(parseur.value(duree), 1, n) || n > 86400) {
            std::fprintf(stderr, "lqm-singe : --duree attend des secondes (1 à 86400).\n\n%s",
                         Aide);
            return 2;
        }
        o.duree_s = static_cast<int>(n);
    }
    if (parseur.isSet(silence)) {
        if (!entier(parseur.value(silence), 1, n) || n > 60000) {
            std::fprintf(stderr, "lqm-singe : --silence-max attend des millisecondes.\n\n%s", Aide);
            return 2;
        }
        o.silence_max_ms = static_cast<int>(n);
    }
    o.journal = parseur.value(journal);

    Singe singe(o, dossier.path());
    if (!singe.Preparer())
        return 2;
    return singe.Lancer();
}
