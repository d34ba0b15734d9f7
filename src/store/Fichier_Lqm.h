#pragma once

#include "store/Declarations.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

// Le fichier .lqm : six lignes de texte Windows-1252 terminées par CR LF.

// « Données_d_un_LQM_70-4_Nova_Version_3!!! », le « é » étant l'octet 0xE9.
extern const QByteArray Signature_Lqm;

// Ce que le fichier contient : les quatre tables et la date et l'heure du téléchargement.
struct Contenu_Lqm {
    Table_Leq Tab_Leq;
    Tableau<Nb_Lignes_Evenements, 8> Tab_Evenements;
    Tableau<Nb_Elements_Config> Tab_Config;
    Tableau<Nb_Lignes_Parametres, Nb_Colonnes_Parametres> Tab_Parametres;
    QString Date_Recuperation;
    QString Heure_Recuperation;
};

enum class Lecture_Lqm {
    Ok,
    Signature, // pas un fichier de LQM 70-4 (signature absente ou différente)
    Illisible, // valeur trop longue, ou fichier coupé
};

// Lit le fichier. « contenu » n'est complet que si le résultat est Ok.
Lecture_Lqm Lire_Lqm(const QByteArray& octets, Contenu_Lqm& contenu);

// Le début du fichier suffit à reconnaître la signature (Ok ou Signature).
inline constexpr qsizetype Taille_Debut_Lqm = 64;
Lecture_Lqm Verifier_Signature_Lqm(const QByteArray& debut);

// Un fichier que le programme écrit fait au plus quelque 540 ko, et aucune valeur lisible
// ne dépasse six caractères : au-delà de cette taille, ce n'est pas un fichier du LQM.
inline constexpr qsizetype Taille_Max_Lqm = 4 * 1024 * 1024;

// Les quatre tables et la date du magasin, figées pour une écriture.
std::unique_ptr<Contenu_Lqm> Copie_Contenu(const Declarations& M);
// L'inverse : les quatre tables et la date dans le magasin.
void Recopier_Contenu(const Contenu_Lqm& contenu, Declarations& M);

// Ce que l'écriture rappelle en chemin : un pas de la barre de sauvegarde (16 700 en tout)
// et un passage des événements (une fois par ligne de table, une fois par valeur des
// lignes 4 et 5).
struct Rappels_Ecriture {
    std::function<void()> pas;
    std::function<void()> evenements;
};
inline constexpr int Pas_Sauvegarde = 8192 + 4096 + 320 + 4092;

// Les octets exacts du fichier.
QByteArray Ecrire_Lqm(const Contenu_Lqm& contenu, const Rappels_Ecriture& rappels = {});
QByteArray Ecrire_Lqm(const Declarations& M, const Rappels_Ecriture& rappels = {});
