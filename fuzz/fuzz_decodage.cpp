// Cible libFuzzer : une image reçue de l'appareil, même brouillée par la liaison, se décode
// et se trie sans planter, et les tables qui en sortent restent cohérentes.
//
// L'entrée remplit les premières lignes de chaque région de l'image et le bloc de
// configuration ; le reste de l'image est vide (0xFF). Les lignes se décodent l'une sans
// l'autre et des lignes à 255 restent en fin de table au tri : décoder et trier les seules
// lignes occupées donne le début des tables de l'image entière, dont la suite est à 255. Une
// exécution ne traite ainsi que quelques lignes, pas les 133 632 octets.
//
// L'entrée est une suite d'articles, chacun précédé d'un octet dont le reste par 5 dit la
// sorte ; un article coupé par la fin de l'entrée est complété par 0xFF :
//   0 : la ligne suivante de Tab_Leq (8 octets) ;
//   1 : la ligne suivante de Tab_Evenements (8 octets) ;
//   2 : la ligne suivante de Tab_Parametres (48 octets) ;
//   3 : 16 octets du bloc de configuration, à partir de l'élément donné par 2 octets ;
//   4 : un arrêt (fenêtre fermée, Quitter) après le nombre d'appels donné par 2 octets.
//
// Graines : « fuzz_decodage --graines=DOSSIER DOSSIER ... » écrit d'abord dans DOSSIER des
// images entières du générateur, leurs débuts et quelques variantes abîmées (libFuzzer ignore
// les options en « -- »).
#include "Outils_Fuzz.h"
#include "download/Classement.h"
#include "download/Decodage.h"
#include "download/Generateur.h"
#include "store/Declarations.h"
#include "store/Validite.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

enum Sorte : std::uint8_t { Leq, Evenement, Parametres, Config, Arret, Nb_Sortes };
constexpr std::size_t Octets_Config = 16;

// « Dans son type » : une cellule décodée est ce qu'un seul octet peut donner. Brute
// (colonnes 7 et 8 des événements et des paramètres, début de Tab_Config), 0 à 255 ; en
// DCB, 0 à 106 ou 161 à 255, car aucun octet ne donne 107 à 160. Le tri ne met que 255 de plus.
bool dans_dcb(int v) {
    return (v >= 0 && v <= 106) || (v >= 161 && v <= 255);
}
bool dans_brut(int v) {
    return v >= 0 && v <= 255;
}

// Date et heure d'une ligne, de la plus forte à la plus faible : année, mois, jour, heure, minute.
std::array<int, 5> cle(const std::int16_t* l) {
    return {l[5], l[4], l[2], l[1], l[0]};
}

// Empreinte d'un ensemble de lignes, indépendante de leur ordre : nombre, somme et somme des
// carrés d'un hachage de chaque ligne.
struct Empreinte {
    std::uint64_t nombre = 0, somme = 0, carres = 0;
    void ajouter(const std::int16_t* l, std::size_t colonnes) {
        std::uint64_t h = 0x9E3779B97F4A7C15u;
        for (std::size_t j = 0; j < colonnes; ++j) {
            h = (h ^ static_cast<std::uint16_t>(l[j])) * 0xBF58476D1CE4E5B9u;
            h ^= h >> 31;
        }
        ++nombre;
        somme += h;
        carres += h * h;
    }
    bool operator==(const Empreinte&) const = default;
};

// Une table décodée : ses octets, ses cellules au sortir du décodage, puis après le tri.
struct Table {
    std::size_t colonnes;
    Format_Table format;
    bool mesure; // validité : horodatage et colonnes 7 et 8 (Leq, événements) ou horodatage seul
    std::size_t capacite;
    std::vector<std::uint8_t> octets;
    std::vector<std::int16_t> decodee, rangee;

    std::size_t lignes() const { return octets.size() / colonnes; }
    bool valide(const std::int16_t* l) const {
        return mesure ? Ligne_Mesure_Valide(l) : Ligne_Parametres_Valide(l);
    }
    bool dans_son_type(const std::int16_t* l) const {
        for (std::size_t j = 0; j < colonnes; ++j)
            if (!(format.brut_7_8 && (j == 6 || j == 7) ? dans_brut(l[j]) : dans_dcb(l[j])))
                return false;
        return true;
    }
};

// Le décodage et le tri d'une table, comme le téléchargement les enchaîne ; faux si arrêté.
bool decoder(Table& t, const Rappels_Decodage& r) {
    // Ce que le magasin tenait avant : des lignes vides.
    t.decodee.assign(t.octets.size(), 255);
    return Decoder_Table(t.octets.data(), t.decodee.data(), t.lignes(), t.colonnes, t.format, r);
}

void classer(Table& t, const Rappels_Classement& r) {
    t.rangee = t.decodee;
    Classer_Table(t.rangee.data(), t.lignes(), t.colonnes, t.mesure, r);
}

// Après le tri, même interrompu : chaque ligne est valide ou à 255 partout, dans son type, et
// ni ligne perdue ni ligne inventée. Terminé : les lignes valides par date et heure
// croissantes, puis les lignes à 255.
void verifier(const Table& t, bool termine) {
    const std::size_t C = t.colonnes;
    Empreinte attendues, obtenues;
    std::size_t nb_valides = 0;
    for (std::size_t i = 0; i < t.lignes(); ++i) {
        const std::int16_t* avant = t.decodee.data() + i * C;
        if (t.valide(avant))
            attendues.ajouter(avant, C);
        const std::int16_t* l = t.rangee.data() + i * C;
        exiger(t.dans_son_type(l));
        if (t.valide(l)) {
            exiger(!termine || nb_valides == i);
            exiger(!termine || i == 0 || cle(l - C) <= cle(l));
            obtenues.ajouter(l, C);
            ++nb_valides;
        } else {
            exiger(std::all_of(l, l + C, [](std::int16_t v) { return v == 255; }));
        }
    }
    exiger(attendues == obtenues);
}

// Lit l'entrée : les lignes de chaque table et le bloc de configuration ; rend le nombre
// d'appels avant l'arrêt demandé.
std::uint64_t lire(const std::uint8_t* d, std::size_t n, std::array<Table, 3>& tables,
                   std::vector<std::uint8_t>& config) {
    std::uint64_t arret = std::numeric_limits<std::uint64_t>::max();
    bool arret_lu = false;
    std::size_t i = 0;
    auto octets = [&](std::size_t combien, std::uint8_t* vers) {
        for (std::size_t k = 0; k < combien; ++k)
            vers[k] = i < n ? d[i++] : 0xFF;
    };
    while (i < n) {
        const auto sorte = static_cast<Sorte>(d[i++] % Nb_Sortes);
        if (sorte == Config || sorte == Arret) {
            std::uint8_t p[2];
            octets(2, p);
            const std::size_t valeur = p[0] | (p[1] << 8);
            if (sorte == Arret) {
                if (!arret_lu)
                    arret = valeur;
                arret_lu = true;
                continue;
            }
            std::uint8_t bloc[Octets_Config];
            octets(Octets_Config, bloc);
            for (std::size_t k = 0; k < Octets_Config; ++k)
                config[(valeur + k) % config.size()] = bloc[k];
            continue;
        }
        Table& t = tables[sorte];
        std::vector<std::uint8_t> ligne(t.colonnes);
        octets(t.colonnes, ligne.data());
        if (t.lignes() < t.capacite)
            t.octets.insert(t.octets.end(), ligne.begin(), ligne.end());
    }
    return arret;
}

std::array<Table, 3> tables_vides() {
    return {
        Table{8, Format_Leq, true, Nb_Lignes_Leq, {}, {}, {}},
        Table{8, Format_Evenements, true, Nb_Lignes_Evenements, {}, {}, {}},
        Table{Nb_Colonnes_Parametres, Format_Parametres, false, Nb_Lignes_Parametres, {}, {}, {}}};
}

// --- Graines ---

// Une image mise sous forme d'entrée : les premières lignes de chaque table (autant que
// « lignes » en donne pour chacune), en alternant les tables, puis son bloc de configuration :
// entier, ou seulement ses morceaux lus par le programme (premiers éléments, passage du brut
// à la DCB, niveaux publics, numéro de série).
QByteArray entree_de(const QByteArray& image, std::array<int, 3> lignes, bool config_entiere) {
    QByteArray e;
    const struct {
        Sorte sorte;
        int debut, colonnes;
    } regions[] = {{Leq, Debut_Leq, 8},
                   {Evenement, Debut_Evenements, 8},
                   {Parametres, Debut_Parametres, Nb_Colonnes_Parametres}};
    for (int i = 0; i < *std::max_element(lignes.begin(), lignes.end()); ++i)
        for (const auto& r : regions)
            if (i < lignes[r.sorte]) {
                e.append(static_cast<char>(r.sorte));
                e.append(image.mid(r.debut + i * r.colonnes, r.colonnes));
            }
    std::vector<int> morceaux;
    for (int k = 0; k < Nb_Elements_Config; k += static_cast<int>(Octets_Config))
        morceaux.push_back(k);
    if (!config_entiere)
        morceaux = {0, Dernier_Element_Config_Brut - 8, 2176, 2360};
    for (const int k : morceaux) {
        e.append(static_cast<char>(Config));
        e.append(static_cast<char>(k & 0xFF));
        e.append(static_cast<char>(k >> 8));
        e.append(image.mid(Debut_Config + k, Octets_Config));
    }
    return e;
}

void ecrire_graines(const QString& dossier) {
    // Images entières (environ 145 ko chacune) : -max_len les réduit à leurs premières lignes.
    for (std::uint32_t graine : {1u, 2u, 3u})
        Ecrire_Graine(dossier, "entiere_" + std::to_string(graine),
                      entree_de(Generer_Image({graine}),
                                {Nb_Lignes_Leq, Nb_Lignes_Evenements, Nb_Lignes_Parametres}, true));
    const QByteArray image = Generer_Image({7});
    Ecrire_Graine(dossier, "debut_40", entree_de(image, {40, 40, 8}, false));
    // Assez de lignes d'une table pour une progression (toutes les 512 ou 85 lignes).
    Ecrire_Graine(dossier, "progression_leq", entree_de(image, {513, 0, 0}, false));
    Ecrire_Graine(dossier, "progression_evenements", entree_de(image, {0, 513, 0}, false));
    Ecrire_Graine(dossier, "progression_parametres", entree_de(image, {0, 0, 86}, false));
    // Octets brouillés, dont les valeurs que la DCB n'attend pas.
    QByteArray brouillee = image;
    for (int i = 0; i < brouillee.size(); i += 7)
        brouillee[i] = static_cast<char>(0x9A + (i / 7) % 102);
    Ecrire_Graine(dossier, "brouillee", entree_de(brouillee, {40, 40, 8}, false));
    // Décalée d'un octet : chaque ligne à cheval sur deux enregistrements.
    Ecrire_Graine(dossier, "decalee", entree_de(image.mid(1) + '\xFF', {40, 40, 8}, false));
    Ecrire_Graine(dossier, "zeros", entree_de(QByteArray(Taille_Image, '\0'), {30, 30, 4}, false));
    // Arrêts au milieu du décodage, puis au milieu du tri.
    for (int appels : {100, 900}) {
        QByteArray arret = entree_de(image, {30, 30, 4}, false);
        arret.prepend(QByteArray::fromRawData("\x04\x00\x00", 3));
        arret[1] = static_cast<char>(appels & 0xFF);
        arret[2] = static_cast<char>(appels >> 8);
        Ecrire_Graine(dossier, "arret_" + std::to_string(appels), arret);
    }
}

// Ce sur quoi la cible repose, vérifié une fois au départ : décoder et trier les premières
// lignes seules donne le début des tables de l'image entière (Ranger_Image, comme le
// téléchargement), dont la suite est à 255.
void verifier_debut_d_image() {
    auto M = std::make_unique<Declarations>();
    for (std::uint32_t graine : {1u, 2u}) {
        QByteArray image = Generer_Image({graine});
        const std::array<int, 3> lignes{300, 200, 40};
        std::array<Table, 3> tables = tables_vides();
        const int debuts[] = {Debut_Leq, Debut_Evenements, Debut_Parametres};
        const int fins[] = {Debut_Evenements, Debut_Parametres, Debut_Inutilise};
        const Rappels_Decodage rd{[] {}, [] {}, [] { return false; }};
        const Rappels_Classement rc{[] {}, [] {}, [] { return false; }};
        for (std::size_t t = 0; t < 3; ++t) {
            const int occupes = debuts[t] + lignes[t] * static_cast<int>(tables[t].colonnes);
            const auto* o = reinterpret_cast<const std::uint8_t*>(image.constData());
            tables[t].octets.assign(o + debuts[t], o + occupes);
            image.replace(occupes, fins[t] - occupes, QByteArray(fins[t] - occupes, '\xFF'));
            exiger(decoder(tables[t], rd));
            classer(tables[t], rc);
        }
        Ranger_Image(image, *M);
        const std::int16_t* entieres[] = {M->Tab_Leq.ligne(1), M->Tab_Evenements.ligne(1),
                                          M->Tab_Parametres.ligne(1)};
        const std::size_t tailles[] = {Nb_Lignes_Leq, Nb_Lignes_Evenements, Nb_Lignes_Parametres};
        for (std::size_t t = 0; t < 3; ++t) {
            const auto& r = tables[t].rangee;
            exiger(std::equal(r.begin(), r.end(), entieres[t]));
            exiger(std::all_of(entieres[t] + r.size(),
                               entieres[t] + tailles[t] * tables[t].colonnes,
                               [](std::int16_t v) { return v == 255; }));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    verifier_debut_d_image();
    Option_Graines(*argc, *argv, ecrire_graines);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    std::array<Table, 3> tables = tables_vides();
    std::vector<std::uint8_t> bloc(Nb_Elements_Config, 0xFF);
    const std::uint64_t arret = lire(donnees, taille, tables, bloc);

    // Une fois levé, l'arrêt le reste, comme Abandon.
    std::uint64_t appels = 0;
    auto abandon = [&] { return ++appels > arret; };
    auto arrete = [&] { return appels > arret; };
    const Rappels_Decodage rd{[] {}, [] {}, abandon};
    const Rappels_Classement rc{[] {}, [] {}, abandon};

    // Dans l'ordre du téléchargement ; un arrêt laisse la suite telle quelle.
    bool suite = true;
    for (Table& t : tables) {
        suite = suite && decoder(t, rd);
        for (std::size_t k = 0; k < t.decodee.size(); ++k)
            exiger(t.format.brut_7_8 && (k % t.colonnes == 6 || k % t.colonnes == 7)
                       ? dans_brut(t.decodee[k])
                       : dans_dcb(t.decodee[k]));
    }
    auto config = std::make_unique<Tableau<Nb_Elements_Config>>();
    config->remplir(255);
    suite = suite && Decoder_Config(bloc.data(), *config, rd);
    for (int n = 1; n <= Nb_Elements_Config; ++n)
        exiger(n <= Dernier_Element_Config_Brut ? dans_brut((*config)(n)) : dans_dcb((*config)(n)));
    if (!suite)
        return 0;
    for (Table& t : tables) {
        classer(t, rc);
        verifier(t, !arrete());
        if (arrete())
            break;
    }
    return 0;
}
