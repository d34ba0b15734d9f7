#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Tableau de taille fixe numéroté à partir de 1, comme les tables de l'appareil.
// Les cellules sont des entiers 16 bits signés, comme dans la mémoire du LQM.
template <std::size_t Lignes, std::size_t Colonnes = 1, typename Cellule = std::int16_t>
class Tableau {
public:
    static constexpr std::size_t lignes = Lignes;
    static constexpr std::size_t colonnes = Colonnes;

    Cellule& operator()(std::size_t ligne, std::size_t colonne = 1) {
        return cellules_[indice(ligne, colonne)];
    }
    const Cellule& operator()(std::size_t ligne, std::size_t colonne = 1) const {
        return cellules_[indice(ligne, colonne)];
    }

    void remplir(const Cellule& valeur) { cellules_.fill(valeur); }

    // Accès brut, ligne par ligne, pour les routines qui déplacent des lignes entières.
    Cellule* ligne(std::size_t ligne) { return &cellules_[indice(ligne, 1)]; }
    const Cellule* ligne(std::size_t ligne) const { return &cellules_[indice(ligne, 1)]; }

    bool operator==(const Tableau&) const = default;

private:
    static std::size_t indice(std::size_t ligne, std::size_t colonne) {
#ifdef LQM_VERIFIER_BORNES
        // Une vraie vérification, gardée avec NDEBUG : mieux vaut arrêter le programme
        // que lire ou écrire à côté d'une table.
        if (ligne < 1 || ligne > Lignes || colonne < 1 || colonne > Colonnes) [[unlikely]]
            hors_bornes(ligne, colonne);
#endif
        return (ligne - 1) * Colonnes + (colonne - 1);
    }

    [[noreturn]] static void hors_bornes(std::size_t ligne, std::size_t colonne) {
        std::fprintf(stderr, "Tableau %zux%zu : cellule (%zu, %zu) hors des bornes\n", Lignes,
                     Colonnes, ligne, colonne);
        std::abort();
    }

    std::array<Cellule, Lignes * Colonnes> cellules_{};
};
