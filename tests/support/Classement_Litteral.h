#pragma once

#include "download/Classement.h"

#include <cstdint>
#include <utility>

// Les cinq passes de sélection en O(N²), telles quelles, avec leur validation : l'ordre de
// référence des égalités, oracle des tests et référence des mesures, sans rien emprunter au
// tri rapide.
inline void Classer_Litteral(std::int16_t* lignes, std::size_t n, std::size_t colonnes,
                             bool teste_colonnes_7_8, const Rappels_Classement& rappels) {
    auto cell = [&](std::size_t ligne, std::size_t colonne) -> std::int16_t& {
        return lignes[(ligne - 1) * colonnes + (colonne - 1)];
    };
    for (std::size_t i = 1; i <= n; ++i) {
        bool valide = cell(i, 1) >= 0 && cell(i, 1) <= 59 && cell(i, 2) >= 0 && cell(i, 2) <= 23 &&
                      cell(i, 3) >= 1 && cell(i, 3) <= 31 && cell(i, 5) >= 1 && cell(i, 5) <= 12 &&
                      cell(i, 6) >= 0 && cell(i, 6) < 99;
        if (teste_colonnes_7_8 && (cell(i, 7) == 255 || cell(i, 8) == 255))
            valide = false;
        if (!valide)
            for (std::size_t j = 1; j <= colonnes; ++j)
                cell(i, j) = 255;
    }
    // Passe p : colonnes comparées à égalité (les passes précédentes), puis clé de la passe.
    const std::size_t cles[5] = {6, 5, 3, 2, 1};
    for (int passe = 0; passe < 5; ++passe) {
        bool arret = false;
        for (std::size_t k = 1; k < n; ++k) {
            rappels.evenements();
            if (rappels.abandon()) {
                arret = true;
                break;
            }
            std::size_t m = k;
            for (std::size_t i = k; i <= n; ++i) {
                bool meme = true;
                for (int q = 0; q < passe; ++q)
                    meme = meme && cell(i, cles[q]) == cell(m, cles[q]);
                if (meme && cell(i, cles[passe]) < cell(m, cles[passe]))
                    m = i;
            }
            if (m != k)
                for (std::size_t j = 1; j <= colonnes; ++j)
                    std::swap(cell(k, j), cell(m, j));
            if (k % 512 == 0)
                rappels.progression();
        }
        if (arret || rappels.abandon())
            return;
        rappels.progression();
    }
}
