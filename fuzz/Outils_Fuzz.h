#pragma once

// Ce que les cibles de fuzzing partagent.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdio>
#include <cstring>
#include <string>

// Un invariant rompu arrête la cible comme un plantage : libFuzzer garde l'entrée.
inline void exiger(bool condition) {
    if (!condition)
        __builtin_trap();
}

inline void Ecrire_Graine(const QString& dossier, const std::string& nom,
                          const QByteArray& entree) {
    QFile f(QDir(dossier).filePath(QString::fromStdString(nom)));
    if (!f.open(QIODevice::WriteOnly) || f.write(entree) != entree.size())
        std::fprintf(stderr, "Impossible d'écrire la graine %s\n", nom.c_str());
}

// « --graines=DOSSIER » parmi les arguments (libFuzzer ignore les options en « -- ») : la
// cible y écrit d'abord ses graines, que DOSSIER soit ou non son corpus.
template <class Ecrire> void Option_Graines(int argc, char** argv, Ecrire ecrire_graines) {
    const char* option = "--graines=";
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], option, std::strlen(option)) == 0) {
            const QString dossier = QString::fromLocal8Bit(argv[i] + std::strlen(option));
            QDir().mkpath(dossier);
            ecrire_graines(dossier);
        }
}
