#pragma once

// Ce que le programme fait de l'archive : ses réglages (gardés par QSettings) et la fusion
// de chaque téléchargement complet et de chaque fichier chargé.

#include "archive/Archive.h"

#include <functional>

struct Reglages_Archive {
    bool actif = true; // « Archiver les données » du menu Analyse
    QString connexion; // vide : le fichier SQLite de l'utilisateur
};
Reglages_Archive Lire_Reglages_Archive();
void Ecrire_Reglages_Archive(const Reglages_Archive& reglages);

// « 12 enregistrements ajoutés, 8180 déjà présents, 0 conflit ».
QString Texte_Bilan(const Bilan_Fusion& bilan);

// Fusionne une copie des données du magasin quand l'archive est active, dans un fil à part :
// l'affichage n'attend pas la base. Un échec (ou un conflit) se dit ensuite dans un message ;
// les données restent dans le magasin. « origine » : le port ou le fichier.
void Archiver_Magasin(const QString& origine);
// Attend la fin des fusions en cours (avant de quitter ; les tests).
void Attendre_Archivage();
// Vrai tant qu'une fusion lancée n'est pas finie.
bool Archivage_En_Cours();
// Fait « suite » dans le fil de l'interface une fois les fusions finies (tout de suite s'il
// n'y en a pas) ; rien si « contexte » a été détruit entre-temps. Les fenêtres qui lisent
// l'archive s'en servent pour ne pas figer le programme derrière une fusion lente.
void Apres_Archivage(QObject* contexte, std::function<void()> suite);
// Ce qu'une fenêtre de l'archive montre en attendant.
inline const QString Texte_Archivage_En_Cours =
    QStringLiteral("Le dernier téléchargement s'ajoute à l'archive : elle se lit dès qu'il est "
                   "archivé.");

// Met dans le magasin les enregistrements archivés de l'appareil à partir du jour « debut »,
// comme un fichier chargé (Donnees_Chargees, titre de la fenêtre principale). Rien si
// l'archive ne s'ouvre pas ou ne connaît pas l'appareil : un message le dit et le magasin
// reste ce qu'il était.
std::optional<Couverture> Charger_Depuis_Archive(const QString& numero_serie, const QDate& debut);

// Prépare le rapport réglementaire d'une période de l'archive : la fenêtre du rapport le
// montre à sa prochaine ouverture. Faux (et un message) si l'archive ne le donne pas.
bool Preparer_Rapport_Archive(const QString& numero_serie, const QDate& du, const QDate& au);
