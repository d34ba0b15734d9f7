#pragma once

#include <QString>
#include <QStringList>

// Options de lqm-analyser : --port CHEMIN (répétable) et --help.
struct Options_Programme {
    QStringList ports;
    bool aide = false;
    QString erreur; // non vide : la ligne de commande est refusée
};

// « arguments » sans le nom du programme.
Options_Programme Analyser_Options(const QStringList& arguments);

QString Texte_Aide_Programme();
