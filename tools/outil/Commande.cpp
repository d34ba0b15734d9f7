#include "Commande.h"

#include "shell/Ligne_Commande.h"

#include <cstdio>

void Sortie(const QString& texte) {
    std::fputs(texte.toUtf8().constData(), stdout);
}

void Erreur(const QString& texte) {
    std::fputs(texte.toUtf8().constData(), stderr);
}

int Usage(const QString& message, const QString& aide) {
    Erreur(message + QStringLiteral("\n\n") + aide);
    return 2;
}

int Lire_Commande(QCommandLineParser& parseur, const QList<QCommandLineOption>& options,
                  const QStringList& arguments, const QString& aide, const QString& sans_fichier) {
    const QString erreur = Lire_Ligne_Commande(parseur, options, arguments, 1);
    if (!erreur.isEmpty())
        return Usage(erreur, aide);
    if (parseur.isSet(QStringLiteral("help"))) {
        Sortie(aide);
        return 0;
    }
    if (parseur.positionalArguments().isEmpty())
        return Usage(sans_fichier, aide);
    return -1;
}
