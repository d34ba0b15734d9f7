#pragma once

#include "store/Declarations.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <functional>

// Taille de l'image mémoire de l'appareil, et où chaque table y commence.
inline constexpr int Taille_Image = 133632;
inline constexpr int Debut_Leq = 0;
inline constexpr int Debut_Evenements = 65536;
inline constexpr int Debut_Parametres = 98304;
inline constexpr int Debut_Inutilise = 131040;
inline constexpr int Debut_Config = 131072;
// Les éléments de Tab_Config jusqu'à celui-ci sont gardés bruts ; les suivants sont en DCB.
inline constexpr int Dernier_Element_Config_Brut = 2047;

// Décodage d'un octet en décimal codé binaire, par la chaîne de plages de l'appareil :
// 0x9A donne 100, 0xA0 donne 106 (la dernière plage va jusqu'à 160), 0xA1 et au-delà restent.
std::int16_t BCD(std::uint8_t octet);
// L'inverse pour 0 à 99.
std::uint8_t En_BCD(int valeur);
// L'octet que l'appareil aurait dû envoyer pour obtenir « valeur » après décodage :
// 0 à 99 en DCB, 100 à 106 par 0x9A à 0xA0, 161 à 255 tels quels. Aucun octet ne donne
// les autres valeurs ; elles deviennent 0xFF (vide).
std::uint8_t Octet_Pour(int valeur);
// L'image mémoire que l'appareil aurait envoyée pour ce magasin (pour le simulateur).
QByteArray Encoder_Image(const Declarations& M);

struct Rappels_Decodage {
    std::function<void()> evenements;
    std::function<void()> progression;
    std::function<bool()> abandon;
};

// Remplit les quatre tables à partir de l'image (Taille_Image octets). Les événements
// passent avant chaque enregistrement ; la progression est appelée 37 fois en tout ; un
// arrêt demandé termine Tab_Leq, Tab_Evenements et Tab_Config à la cellule près,
// Tab_Parametres seulement à la fin de la table. Rend faux si le décodage a été arrêté.
bool Decoder_Image(const std::uint8_t* image, Declarations& M, const Rappels_Decodage& rappels);

// Comment se décode une table d'enregistrements : colonnes 7 et 8 gardées brutes ou non,
// progression toutes les « pas_progression » lignes, arrêt à la cellule près ou seulement
// en fin de table.
struct Format_Table {
    int pas_progression;
    bool brut_7_8;
    bool arret_par_cellule;
};
inline constexpr Format_Table Format_Leq{512, false, true};
inline constexpr Format_Table Format_Evenements{512, true, true};
inline constexpr Format_Table Format_Parametres{85, true, false};

// Une table, sur un nombre de lignes quelconque : « nb_lignes » enregistrements de
// « colonnes » octets lus à partir de « source », écrits dans « lignes » (la ligne 1 puis
// les suivantes). Les lignes se décodent l'une sans l'autre : les premières lignes d'une
// région de l'image donnent les premières lignes de sa table (la cible de fuzzing s'en sert).
bool Decoder_Table(const std::uint8_t* source, std::int16_t* lignes, std::size_t nb_lignes,
                   std::size_t colonnes, const Format_Table& format,
                   const Rappels_Decodage& rappels);
// Le bloc de configuration (Nb_Elements_Config octets).
bool Decoder_Config(const std::uint8_t* bloc, Tableau<Nb_Elements_Config>& config,
                    const Rappels_Decodage& rappels);

// L'image entière, sans fenêtre ni arrêt possible (outils, tests, mesures).
void Decoder_Image(const QByteArray& image, Declarations& M);
// Décode puis trie les trois tables, comme le téléchargement après le dernier octet.
void Ranger_Image(const QByteArray& image, Declarations& M);
