#include "download/Classement.h"

#include "download/Progression.h"
#include "platform/Plateforme.h"
#include "store/Declarations.h"
#include "store/Validite.h"

#include <algorithm>
#include <array>
#include <limits>
#include <memory>
#include <vector>

namespace {

// Colonnes (à partir de 0) des clés des cinq passes : année, mois, jour, heure, minute.
constexpr std::size_t Colonnes_Cles[5] = {5, 4, 2, 1, 0};

// Arbre des minimums sur les positions 0..n-1. Chaque feuille tient (clé << 16) | position :
// le plus petit entier est la plus petite clé, puis la plus petite position, comme le premier
// minimum strict d'un parcours croissant. Les clés (0 à 255) et les positions (moins de
// 65 536) y tiennent.
class Arbre_Minimums {
public:
    explicit Arbre_Minimums(const std::vector<std::uint32_t>& valeurs) {
        feuilles_ = 1;
        while (feuilles_ < valeurs.size())
            feuilles_ *= 2;
        noeuds_.assign(2 * feuilles_, std::numeric_limits<std::uint32_t>::max());
        std::copy(valeurs.begin(), valeurs.end(), noeuds_.begin() + feuilles_);
        for (std::size_t i = feuilles_ - 1; i >= 1; --i)
            noeuds_[i] = std::min(noeuds_[2 * i], noeuds_[2 * i + 1]);
    }

    void changer(std::size_t position, std::uint32_t valeur) {
        std::size_t i = feuilles_ + position;
        noeuds_[i] = valeur;
        for (i /= 2; i >= 1; i /= 2)
            noeuds_[i] = std::min(noeuds_[2 * i], noeuds_[2 * i + 1]);
    }

    // Plus petite valeur sur [debut, fin], bornes comprises.
    std::uint32_t minimum(std::size_t debut, std::size_t fin) const {
        std::uint32_t m = std::numeric_limits<std::uint32_t>::max();
        for (std::size_t a = debut + feuilles_, b = fin + feuilles_ + 1; a < b; a /= 2, b /= 2) {
            if (a & 1)
                m = std::min(m, noeuds_[a++]);
            if (b & 1)
                m = std::min(m, noeuds_[--b]);
        }
        return m;
    }

private:
    std::size_t feuilles_ = 1;
    std::vector<std::uint32_t> noeuds_;
};

// Après la validation, toute clé est entre 0 et 255 (une ligne invalide vaut 255 partout).
std::uint32_t empaqueter(std::uint32_t cle, std::size_t position) {
    return (cle << 16) | static_cast<std::uint32_t>(position);
}

// En deçà, un parcours simple de la plage coûte moins que l'arbre.
constexpr std::size_t Plage_Courte = 24;

void echanger(std::int16_t* lignes, std::size_t colonnes, std::size_t a, std::size_t b) {
    std::swap_ranges(lignes + a * colonnes, lignes + (a + 1) * colonnes, lignes + b * colonnes);
}

Rappels_Classement rappels_du_programme() {
    return {Evenements_Espaces(), [] { Progression(); }, [] { return Magasin().Abandon; }};
}

} // namespace

void Classer_Table(std::int16_t* lignes, std::size_t nb_lignes, std::size_t colonnes,
                   bool teste_colonnes_7_8, const Rappels_Classement& rappels) {
    auto ligne = [&](std::size_t i) { return lignes + i * colonnes; };

    // Une ligne invalide devient 255 partout et part en fin de table.
    for (std::size_t i = 0; i < nb_lignes; ++i) {
        const std::int16_t* l = ligne(i);
        const bool valide = teste_colonnes_7_8 ? Ligne_Mesure_Valide(l) : Horodatage_Valide(l);
        if (!valide)
            std::fill(ligne(i), ligne(i) + colonnes, std::int16_t{255});
    }

    std::vector<std::uint32_t> valeurs(nb_lignes);
    std::vector<std::size_t> fin_plage(nb_lignes);
    for (int passe = 0; passe < 5; ++passe) {
        const std::size_t colonne_cle = Colonnes_Cles[passe];
        for (std::size_t i = 0; i < nb_lignes; ++i)
            valeurs[i] = empaqueter(static_cast<std::uint8_t>(ligne(i)[colonne_cle]), i);
        // Plages de lignes qui partagent les clés des passes précédentes : les passes
        // précédentes les ont rendues contiguës.
        auto meme_plage = [&](std::size_t a, std::size_t b) {
            for (int q = 0; q < passe; ++q)
                if (ligne(a)[Colonnes_Cles[q]] != ligne(b)[Colonnes_Cles[q]])
                    return false;
            return true;
        };
        for (std::size_t i = nb_lignes; i-- > 0;)
            fin_plage[i] = i + 1 < nb_lignes && meme_plage(i, i + 1) ? fin_plage[i + 1] : i;

        Arbre_Minimums arbre(valeurs);
        // Nombre de lignes de chaque clé qui restent à placer dans la plage en cours : tant
        // que la ligne k porte déjà la plus petite clé restante, elle reste où elle est.
        std::array<std::uint32_t, 256> restantes{};
        std::uint32_t cle_min = 0;
        bool arret = false;
        for (std::size_t k = 0; k + 1 < nb_lignes; ++k) {
            rappels.evenements();
            if (rappels.abandon()) {
                arret = true;
                break;
            }
            const std::size_t fin = fin_plage[k];
            if (fin == k) {
                restantes[valeurs[k] >> 16] = 0;
            } else {
                if (k == 0 || fin_plage[k - 1] != fin) {
                    for (std::size_t i = k; i <= fin; ++i)
                        ++restantes[valeurs[i] >> 16];
                    cle_min = 0;
                }
                while (restantes[cle_min] == 0)
                    ++cle_min;
                --restantes[cle_min];
                if ((valeurs[k] >> 16) != cle_min) {
                    const std::uint32_t minimum =
                        fin - k < Plage_Courte
                            ? *std::min_element(valeurs.begin() + k, valeurs.begin() + fin + 1)
                            : arbre.minimum(k, fin);
                    const std::size_t m = minimum & 0xFFFFu;
                    echanger(lignes, colonnes, k, m);
                    // Les clés changent de place, les positions restent.
                    const std::uint32_t cle_k = valeurs[k] >> 16;
                    valeurs[k] = empaqueter(cle_min, k);
                    valeurs[m] = empaqueter(cle_k, m);
                    arbre.changer(k, valeurs[k]);
                    arbre.changer(m, valeurs[m]);
                }
            }
            if ((k + 1) % Pas_Classement_Progression == 0)
                rappels.progression();
        }
        if (arret || rappels.abandon())
            return;
        rappels.progression();
    }
}

void Classement_Leq(Declarations& M) {
    Classer_Table(M.Tab_Leq, true, rappels_du_programme());
}

void Classement_Evenements(Declarations& M) {
    Classer_Table(M.Tab_Evenements, true, rappels_du_programme());
}

void Classement_Parametres(Declarations& M) {
    Classer_Table(M.Tab_Parametres, false, rappels_du_programme());
}
