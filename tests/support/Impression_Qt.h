#pragma once

// Affichage lisible des textes Qt dans les messages d'échec de GoogleTest.
#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& texte, std::ostream* flux) {
    *flux << '"' << texte.toStdString() << '"';
}

inline void PrintTo(const QStringList& liste, std::ostream* flux) {
    *flux << '{';
    for (qsizetype i = 0; i < liste.size(); ++i)
        *flux << (i ? ", \"" : "\"") << liste[i].toStdString() << '"';
    *flux << '}';
}
