#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Correspondance entre les numéros « COM 1 » à « COM 16 » de l'interface et les ports du
// système. Sous Windows, le port n est COMn. Ailleurs, les numéros vont d'abord aux chemins
// donnés par --port sur la ligne de commande, puis aux ports que le système énumère
// (adaptateurs USB d'abord, puis les autres, dans l'ordre naturel des noms).
namespace Ports_Serie {

inline constexpr int Nombre = 16;

void Definir_Chemins(const QStringList& chemins);
// Les tests coupent l'énumération du système pour ne dépendre que des chemins donnés.
void Activer_Enumeration(bool active);
// Remplace l'énumération du système (les tests y branchent et débranchent des ports).
void Definir_Source_Systeme(std::function<QStringList()> source);
// Relit les ports du système (à chaque sondage du dialogue de choix du port). Les numéros
// déjà donnés ne changent pas ; un nouveau port prend le premier numéro libre.
void Actualiser();
// Le port du système pour le numéro n (1 à 16), "" s'il n'y en a pas.
QString Systeme(int numero);

// Tri « naturel » : ttyUSB2 avant ttyUSB10.
bool Avant_Naturel(const QString& a, const QString& b);

} // namespace Ports_Serie
