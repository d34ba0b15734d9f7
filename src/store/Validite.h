#pragma once

#include <cstdint>

// Règles de validité des lignes d'enregistrement : colonnes 1 à 6 = minute, heure,
// jour, (colonne propre à la table), mois, année dans le siècle.

inline bool Horodatage_Valide(const std::int16_t* ligne) {
    const int minute = ligne[0], heure = ligne[1], jour = ligne[2];
    const int mois = ligne[4], annee = ligne[5];
    return minute >= 0 && minute <= 59 && heure >= 0 && heure <= 23 && jour >= 1 && jour <= 31 &&
           mois >= 1 && mois <= 12 && annee >= 0 && annee <= 98;
}

// Lignes de Tab_Leq et de Tab_Evenements : 255 en colonne 7 ou 8 marque une ligne vide.
inline bool Ligne_Mesure_Valide(const std::int16_t* ligne) {
    return Horodatage_Valide(ligne) && ligne[6] != 255 && ligne[7] != 255;
}

inline bool Ligne_Parametres_Valide(const std::int16_t* ligne) {
    return Horodatage_Valide(ligne);
}

// Niveau en dB entiers d'une ligne de Tab_Leq : centaines en colonne 8, reste en colonne 7.
inline int Niveau_dB(const std::int16_t* ligne) {
    return 100 * ligne[7] + ligne[6];
}

// Genre d'enregistrement de Tab_Leq (colonne 4).
inline constexpr int Genre_Leq1 = 1;
inline constexpr int Genre_Leq10 = 10;
