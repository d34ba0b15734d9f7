#pragma once

// Les fichiers CSV à la française, que les tableurs ouvrent tels quels : « ; » entre les
// champs, virgule décimale, UTF-8 avec BOM, une ligne d'en-tête, fins de ligne CRLF.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

QByteArray Texte_Csv(const QStringList& entete, const std::vector<QStringList>& lignes);
// « 97,4 » : « decimales » chiffres après la virgule.
QString Nombre_Fr(double valeur, int decimales);

// Les valeurs Leq1 puis Leq10 extraites, et les événements de Index_Debut à Index_Fin, tels
// que les tableaux les montrent.
QByteArray Csv_Tableau_Leq();
QByteArray Csv_Evenements();

// Écrit par un fichier temporaire : un échec ne laisse jamais un fichier à moitié écrit.
bool Ecrire_Fichier(const QString& chemin, const QByteArray& contenu);

// Demande où enregistrer (« nom » proposé, sans extension) et écrit ; un échec se dit dans
// un message. Faux si rien n'est écrit.
bool Exporter_Csv(const QString& nom, const QByteArray& contenu);

inline const QString Filtre_Csv = QStringLiteral("Fichier CSV (*.csv)|*.csv");
