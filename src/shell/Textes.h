#pragma once

#include <QString>

// Textes de la barre de titre de la fenêtre principale, qui sert de ligne d'état.
namespace Legende {
inline const QString Base = QStringLiteral("TARVO Analyser - LQM 70-4 Nova - Version 3.0-C");
inline QString Port(int num_port) {
    return Base + QStringLiteral("  |  Port de com. : COM ") + QString::number(num_port);
}
inline const QString Sans_Port =
    Base + QStringLiteral("  |  Pas de port de COM.  |  Mode d'ouverture de fichier actif");
// Après le chargement d'un fichier : la version y est écrite « 3.0-B ».
inline QString Fichier(int num_port) {
    const QString base = QStringLiteral("TARVO Analyser - LQM 70-4 Nova - Version 3.0-B");
    const QString fichier = QStringLiteral("  |  Mode d'ouverture de fichier actif");
    if (num_port == 0)
        return base + QStringLiteral("  |  Pas de port de COM.") + fichier;
    return base + QStringLiteral("  |  Port de com. : COM ") + QString::number(num_port) + fichier;
}
// Après un chargement depuis l'archive.
inline QString Archive(int num_port, const QString& numero_serie) {
    return (num_port == 0 ? Base + QStringLiteral("  |  Pas de port de COM.") : Port(num_port)) +
           QStringLiteral("  |  Données archivées de l'appareil ") + numero_serie;
}
} // namespace Legende

// Noms des vues, tels que les menus les écrivent dans Type_Affichage.
namespace Vue {
inline const QString Graphique = QStringLiteral("Graphique Leq");
inline const QString Tableau_Leq = QStringLiteral("Tableau Leq");
inline const QString Tableau_Evenements = QStringLiteral("Tableau Evénements");
inline const QString Tableau_Parametres = QStringLiteral("Tableau Paramètres");
inline const QString Rapport = QStringLiteral("Rapport réglementaire");
} // namespace Vue

// Filtre des dialogues de fichier, au format « description|motif ».
inline const QString Filtre_Lqm = QStringLiteral("Sauvegarde LQM 70-4 Nova (*.lqm)|*.lqm");
