// Cible libFuzzer : une image reçue de l'appareil, même brouillée par la liaison, se décode
// et se trie sans planter, et les tables qui en sortent restent cohérentes.
//
// L'entrée devient une image de Taille_Image octets : plus courte, elle est complétée par
// 0xFF (mémoire vide, comme après une coupure) ; plus longue, elle est tronquée.
//
// Graines : « fuzz_decodage --graines=DOSSIER DOSSIER ... » écrit d'abord dans DOSSIER des
// images du générateur et quelques variantes abîmées (libFuzzer ignore les options en « -- »).
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
#include <memory>
#include <string>

namespace {

// « Dans son type » : une cellule décodée est ce qu'un seul octet peut donner. Brute
// (colonnes 7 et 8 des événements et des paramètres, début de Tab_Config), 0 à 255 ; en
// DCB, 0 à 106 ou 161 à 255, car aucun octet ne donne 107 à 160. Le tri ne met que 255 de plus.
bool dans_dcb(int v) {
    return (v >= 0 && v <= 106) || (v >= 161 && v <= 255);
}
bool dans_brut(int v) {
    return v >= 0 && v <= 255;
}

void exiger(bool condition) {
    if (!condition)
        __builtin_trap();
}

// Date et heure d'une ligne, de la plus forte à la plus faible : année, mois, jour, heure, minute.
std::array<int, 5> cle(const std::int16_t* l) {
    return {l[5], l[4], l[2], l[1], l[0]};
}

// Empreinte d'un ensemble de lignes, indépendante de leur ordre : nombre, somme et somme des
// carrés d'un hachage de chaque ligne. Linéaire, pour que la vérification coûte peu à côté
// du tri qu'elle surveille.
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

// Après le tri : les lignes valides de l'image, par date et heure croissantes, puis des
// lignes à 255 partout ; ni ligne perdue ni ligne inventée.
template <class Table>
void verifier_table(const Table& decodee, const Table& rangee, bool mesure, bool brut_7_8) {
    constexpr std::size_t C = Table::colonnes;
    auto valide = [&](const std::int16_t* l) {
        return mesure ? Ligne_Mesure_Valide(l) : Ligne_Parametres_Valide(l);
    };
    Empreinte attendues, obtenues;
    bool vides = false;
    for (std::size_t i = 1; i <= Table::lignes; ++i) {
        const std::int16_t* l = rangee.ligne(i);
        for (std::size_t j = 0; j < C; ++j)
            exiger(brut_7_8 && (j == 6 || j == 7) ? dans_brut(l[j]) : dans_dcb(l[j]));
        if (!vides && !valide(l))
            vides = true;
        if (vides) {
            exiger(std::all_of(l, l + C, [](std::int16_t v) { return v == 255; }));
        } else {
            exiger(i == 1 || cle(rangee.ligne(i - 1)) <= cle(l));
            obtenues.ajouter(l, C);
        }
        if (valide(decodee.ligne(i)))
            attendues.ajouter(decodee.ligne(i), C);
    }
    exiger(attendues == obtenues);
}

void ecrire(const QString& dossier, const char* nom, const QByteArray& image) {
    QFile f(QDir(dossier).filePath(QString::fromLatin1(nom)));
    if (!f.open(QIODevice::WriteOnly) || f.write(image) != image.size())
        std::fprintf(stderr, "Impossible d'écrire la graine %s\n", nom);
}

void ecrire_graines(const QString& dossier) {
    QDir().mkpath(dossier);
    for (std::uint32_t graine : {1u, 2u, 3u}) {
        const QByteArray image = Generer_Image({graine});
        ecrire(dossier, ("generee_" + std::to_string(graine)).c_str(), image);
    }
    const QByteArray image = Generer_Image({7});
    // Transfert coupé au milieu des événements : la suite reste à 0xFF.
    ecrire(dossier, "coupee", image.left(Debut_Evenements + 10000));
    // Octets brouillés : un octet sur 97 remplacé, dont les valeurs que la DCB n'attend pas.
    QByteArray brouillee = image;
    for (int i = 0; i < brouillee.size(); i += 97)
        brouillee[i] = static_cast<char>(0x9A + (i / 97) % 102);
    ecrire(dossier, "brouillee", brouillee);
    // Décalée d'un octet : toutes les lignes à cheval sur deux enregistrements.
    ecrire(dossier, "decalee", image.mid(1));
    ecrire(dossier, "zeros", QByteArray(Taille_Image, '\0'));
    ecrire(dossier, "vide", QByteArray(Taille_Image, static_cast<char>(0xFF)));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    const char* option = "--graines=";
    for (int i = 1; i < *argc; ++i)
        if (std::strncmp((*argv)[i], option, std::strlen(option)) == 0)
            ecrire_graines(QString::fromLocal8Bit((*argv)[i] + std::strlen(option)));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    static const auto decodee = std::make_unique<Declarations>();
    static const auto rangee = std::make_unique<Declarations>();
    static QByteArray image(Taille_Image, static_cast<char>(0xFF));

    const std::size_t utiles = std::min<std::size_t>(taille, Taille_Image);
    char* o = image.data();
    if (utiles > 0)
        std::memcpy(o, donnees, utiles);
    std::memset(o + utiles, 0xFF, Taille_Image - utiles);

    Decoder_Image(image, *decodee);
    Ranger_Image(image, *rangee);

    verifier_table(decodee->Tab_Leq, rangee->Tab_Leq, true, false);
    verifier_table(decodee->Tab_Evenements, rangee->Tab_Evenements, true, true);
    verifier_table(decodee->Tab_Parametres, rangee->Tab_Parametres, false, true);
    for (int n = 1; n <= Nb_Elements_Config; ++n) {
        const int v = rangee->Tab_Config(n);
        exiger(n <= Dernier_Element_Config_Brut ? dans_brut(v) : dans_dcb(v));
    }
    exiger(decodee->Tab_Config == rangee->Tab_Config);
    return 0;
}
