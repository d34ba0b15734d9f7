#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

// Lecture des lignes de commande des trois programmes. Chacun connaît -h/--help et --version. Les
// textes d'aide et d'erreur de QCommandLineParser sont en anglais : on ne garde que son analyse,
// les messages sont les nôtres. Ajoute -h/--help et « options » au parseur, lit « arguments » (sans
// le nom du programme) et rend l'erreur d'usage, vide si la ligne est bonne. Les options se placent
// avant, entre ou après les arguments positionnels, au plus « max_positionnels » (sans compter avec
// --help). Avec max_positionnels < 0, tout ce qui suit le premier positionnel lui est
// laissé tel quel : c'est le nom d'une commande qui lit ses propres options.
QString Lire_Ligne_Commande(QCommandLineParser& parseur, const QList<QCommandLineOption>& options,
                            const QStringList& arguments, int max_positionnels);

// Options de lqm-analyser : --port CHEMIN (répétable) et --help.
struct Options_Programme {
    QStringList ports;
    bool aide = false;
    bool version = false;
    bool verifier_images = false;
    QString fichier; // un .lqm à ouvrir au lancement
    QString erreur;  // non vide : la ligne de commande est refusée
};

// « arguments » sans le nom du programme.
Options_Programme Analyser_Options(const QStringList& arguments);

QString Texte_Aide_Programme();
// « lqm-outil 3.0.0 » : le nom du programme et sa version, celle de son paquet.
QString Texte_Version(const QString& programme);
