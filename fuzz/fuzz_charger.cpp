// Cible libFuzzer : le lecteur de fichiers .lqm ne doit jamais planter, quoi qu'on lui donne.
#include "store/Fichier_Lqm.h"

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    static const auto contenu = std::make_unique<Contenu_Lqm>();
    const QByteArray octets = QByteArray::fromRawData(reinterpret_cast<const char*>(donnees),
                                                      static_cast<qsizetype>(taille));
    const Lecture_Lqm resultat = Lire_Lqm(octets, *contenu);
    // Un fichier accepté donne toujours une date et une heure de longueur bornée.
    if (resultat == Lecture_Lqm::Ok &&
        (contenu->Date_Recuperation.size() > 10 || contenu->Heure_Recuperation.size() > 5))
        __builtin_trap();
    return 0;
}
