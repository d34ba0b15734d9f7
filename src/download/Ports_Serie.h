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

// Vrai quand le port du numéro n existe mais que ce compte n'a pas le droit de l'ouvrir
// (sous Linux : le compte n'est pas dans le groupe dialout).
bool Droits_Manquants(int numero);
// Les tests remplacent le contrôle des droits (root passe outre les droits des fichiers).
void Definir_Controle_Droits(std::function<bool(const QString& chemin)> refuse);
// Ce qu'on dit à l'utilisateur d'un port qu'il n'a pas le droit d'ouvrir, avec la commande
// qui répare.
QString Texte_Droits_Manquants(const QString& chemin);

// Tri « naturel » : ttyUSB2 avant ttyUSB10.
bool Avant_Naturel(const QString& a, const QString& b);

} // namespace Ports_Serie
