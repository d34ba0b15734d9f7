#include "platform/Plateforme_Console.h"

#include <cstdio>

void Plateforme_Console::Message(const QString& texte, const QString&, Icone) {
    std::fputs(texte.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}
