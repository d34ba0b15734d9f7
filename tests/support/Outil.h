#pragma once

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// lqm-outil lancé jusqu'à sa fin, à côté des tests.
struct Resultat_Outil {
    int code;
    QString sortie, erreur;
};

inline Resultat_Outil outil(const QStringList& arguments) {
    QProcess p;
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/lqm-outil"), arguments);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// Un fichier d'exemple écrit par « lqm-outil generer » dans un dossier temporaire.
struct Fichier_Genere {
    QTemporaryDir dossier;
    QString chemin = dossier.filePath(QStringLiteral("g.lqm"));
    bool ecrit = outil({QStringLiteral("generer"), chemin}).code == 0;
};
