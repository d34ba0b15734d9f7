#pragma once

#include "store/Declarations.h"

#include <QByteArray>
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

// Les mêmes, sans fenêtre ni arrêt possible (outils, tests, mesures).
void Decoder_Image(const QByteArray& image, Declarations& M);
// Décode puis trie les trois tables, comme le téléchargement après le dernier octet.
void Ranger_Image(const QByteArray& image, Declarations& M);
