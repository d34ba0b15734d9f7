// Cible libFuzzer : le lecteur de fichiers .lqm ne doit jamais planter, quoi qu'on lui donne ;
// un fichier qu'il accepte, sans valeur négative, s'écrit et se relit avec les mêmes tables.
#include "Outils_Fuzz.h"
#include "store/Fichier_Lqm.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace {
// Le format écrit le signe moins à la place de l'espace qui sépare les valeurs : une valeur
// négative ne se relit pas (aucun appareil n'en donne ; seul un fichier retouché en a).
template <class Table> bool sans_negatif(const Table& t) {
    const std::int16_t* c = t.ligne(1);
    return std::none_of(c, c + Table::lignes * Table::colonnes,
                        [](std::int16_t v) { return v < 0; });
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    static const auto contenu = std::make_unique<Contenu_Lqm>();
    static const auto relu = std::make_unique<Contenu_Lqm>();
    const QByteArray octets = QByteArray::fromRawData(reinterpret_cast<const char*>(donnees),
                                                      static_cast<qsizetype>(taille));
    if (Lire_Lqm(octets, *contenu) != Lecture_Lqm::Ok)
        return 0;
    // Un fichier accepté donne toujours une date et une heure de longueur bornée.
    exiger(contenu->Date_Recuperation.size() <= 10 && contenu->Heure_Recuperation.size() <= 5);
    if (!sans_negatif(contenu->Tab_Leq) || !sans_negatif(contenu->Tab_Evenements) ||
        !sans_negatif(contenu->Tab_Config) || !sans_negatif(contenu->Tab_Parametres))
        return 0;
    // Enregistré puis rechargé : les mêmes tables (la date peut changer de forme).
    exiger(Lire_Lqm(Ecrire_Lqm(*contenu), *relu) == Lecture_Lqm::Ok);
    exiger(relu->Tab_Leq == contenu->Tab_Leq && relu->Tab_Evenements == contenu->Tab_Evenements &&
           relu->Tab_Config == contenu->Tab_Config &&
           relu->Tab_Parametres == contenu->Tab_Parametres);
    return 0;
}
