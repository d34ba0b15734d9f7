#pragma once

// Les sorties attendues : des fichiers écrits une fois, relus contre ce que le programme doit
// montrer, puis comparés octet pour octet. Une différence s'affiche comme « diff -u ».

#include <QByteArray>
#include <QString>

// Le chemin d'un fichier de tests/attendus.
QString Chemin_Attendu(const QString& nom);
// Vide si « obtenu » est le contenu du fichier attendu « nom » ; sinon la différence lisible.
QString Difference_Attendue(const QString& nom, const QByteArray& obtenu);
