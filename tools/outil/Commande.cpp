#include "Commande.h"

#include "graphs/Periode_Graphique.h"
#include "shell/Ligne_Commande.h"
#include "store/Fonction_Fichiers.h"
#include "tables/Periode.h"

#include <cstdio>

void Sortie(const QString& texte) {
    std::fputs(texte.toUtf8().constData(), stdout);
}

void Sortie_Pages(const std::vector<Page_Imprimee>& pages) {
    QString texte;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        texte += QStringLiteral("page %1\n").arg(p + 1);
        for (const Texte_Imprime& t : pages[p])
            texte += QStringLiteral("%1 %2 %3\n").arg(t.x, 5).arg(t.y, 5).arg(t.texte);
    }
    Sortie(texte);
}

void Erreur(const QString& texte) {
    std::fputs(texte.toUtf8().constData(), stderr);
}

int Usage(const QString& message, const QString& aide) {
    Erreur(message + QStringLiteral("\n\n") + aide);
    return 2;
}

int Lire_Commande(QCommandLineParser& parseur, const QList<QCommandLineOption>& options,
                  const QStringList& arguments, const QString& aide, const QString& sans_fichier,
                  int max_fichiers) {
    const QString erreur = Lire_Ligne_Commande(parseur, options, arguments, max_fichiers);
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

int Lire_Periode_Et_Fichier(const QStringList& arguments, const QString& aide,
                            const QString& sans_fichier) {
    QCommandLineParser parseur;
    return Lire_Periode_Et_Fichier(parseur, {}, arguments, aide, sans_fichier);
}

int Lire_Limite(const QCommandLineParser& parseur, const QCommandLineOption& limite,
                const QString& aide, double& valeur) {
    if (!parseur.isSet(limite))
        return -1;
    bool ok = false;
    valeur = QString(parseur.value(limite)).replace(u',', u'.').toDouble(&ok);
    if (!ok || !(valeur >= 30 && valeur <= 140)) // « nan » aussi
        return Usage(QStringLiteral("L'option --limite attend un niveau de 30 à 140 dB : « %1 » "
                                    "ne convient pas.")
                         .arg(parseur.value(limite)),
                     aide);
    return -1;
}

int Lire_Dates(const QCommandLineParser& parseur, const QCommandLineOption& du,
               const QCommandLineOption& au, const QString& aide, QDate& debut, QDate& fin) {
    std::optional<QDate> dates[2];
    const QCommandLineOption* options[2] = {&du, &au};
    for (int i = 0; i < 2; ++i) {
        const QString nom = options[i]->names().constFirst();
        if (!parseur.isSet(*options[i]))
            return Usage(QStringLiteral("L'option --%1 JJ/MM/AAAA manque.").arg(nom), aide);
        dates[i] = Lire_Date(parseur.value(*options[i]));
        if (!dates[i])
            return Usage(QStringLiteral("L'option --%1 attend une date JJ/MM/AAAA : « %2 » n'en "
                                        "est pas une.")
                             .arg(nom, parseur.value(*options[i])),
                         aide);
    }
    if (!Dates_Coherentes(*dates[0], *dates[1])) {
        Erreur(Texte_Dates_Incoherentes + u'\n');
        return 1;
    }
    debut = *dates[0];
    fin = *dates[1];
    return -1;
}

int Lire_Periode_Et_Fichier(QCommandLineParser& parseur, QList<QCommandLineOption> options_commande,
                            const QStringList& arguments, const QString& aide,
                            const QString& sans_fichier) {
    const QCommandLineOption du(QStringLiteral("du"), QString(), QStringLiteral("JJ/MM/AAAA"));
    const QCommandLineOption au(QStringLiteral("au"), QString(), QStringLiteral("JJ/MM/AAAA"));
    options_commande << du << au;
    const int code = Lire_Commande(parseur, options_commande, arguments, aide, sans_fichier);
    if (code >= 0)
        return code;
    QDate debut, fin;
    if (const int code_dates = Lire_Dates(parseur, du, au, aide, debut, fin); code_dates >= 0)
        return code_dates;
    QString chemin = parseur.positionalArguments().constFirst();
    if (!Charger_Fichier(chemin))
        return 1; // le chargement a déjà dit pourquoi, sur la sortie d'erreur
    Ecrire_Debut_Periode(debut);
    Ecrire_Fin_Periode(fin);
    return -1;
}

int Lire_Periode_Graph_Et_Fichier(QCommandLineParser& parseur, QList<QCommandLineOption> options,
                                  const QStringList& arguments, const QString& aide,
                                  const QString& sans_fichier) {
    const QCommandLineOption debut(QStringLiteral("debut"), QString(),
                                   QStringLiteral("JJ/MM/AAAA"));
    const QCommandLineOption jours(QStringLiteral("jours"), QString(), QStringLiteral("1|3|7"));
    options << debut << jours;
    const int code = Lire_Commande(parseur, options, arguments, aide, sans_fichier);
    if (code >= 0)
        return code;
    if (!parseur.isSet(debut))
        return Usage(QStringLiteral("L'option --debut JJ/MM/AAAA manque."), aide);
    const std::optional<QDate> date = Lire_Date(parseur.value(debut));
    if (!date)
        return Usage(QStringLiteral("L'option --debut attend une date JJ/MM/AAAA : « %1 » n'en "
                                    "est pas une.")
                         .arg(parseur.value(debut)),
                     aide);
    if (!parseur.isSet(jours))
        return Usage(QStringLiteral("L'option --jours 1|3|7 manque."), aide);
    int duree = 0;
    for (int d : Durees_Graphique)
        if (parseur.value(jours) == QString::number(d))
            duree = d;
    if (duree == 0)
        return Usage(QStringLiteral("L'option --jours attend 1, 3 ou 7 : « %1 » ne convient pas.")
                         .arg(parseur.value(jours)),
                     aide);
    QString chemin = parseur.positionalArguments().constFirst();
    if (!Charger_Fichier(chemin))
        return 1; // le chargement a déjà dit pourquoi, sur la sortie d'erreur
    Ecrire_Periode_Graph(*date, duree);
    return -1;
}
