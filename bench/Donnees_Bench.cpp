#include "Donnees_Bench.h"

#include <QDateTime>
#include <random>
#include <vector>

namespace {
using Ligne = std::array<std::int16_t, 8>;

Ligne horodatage(const QDateTime& t, int genre, int niveau) {
    const QDate d = t.date();
    const QTime h = t.time();
    return {static_cast<std::int16_t>(h.minute()),   static_cast<std::int16_t>(h.hour()),
            static_cast<std::int16_t>(d.day()),      static_cast<std::int16_t>(genre),
            static_cast<std::int16_t>(d.month()),    static_cast<std::int16_t>(d.year() - 2000),
            static_cast<std::int16_t>(niveau % 100), static_cast<std::int16_t>(niveau / 100)};
}

// Range des lignes en ordre chronologique dans une mémoire circulaire : les plus
// récentes ont écrasé le début.
template <class Table>
void ranger_en_anneau(Table& table, const std::vector<Ligne>& chrono, std::size_t reprise) {
    const std::size_t n = Table::lignes;
    for (std::size_t i = 0; i < n; ++i) {
        const Ligne& l = chrono[i % chrono.size()];
        std::copy(l.begin(), l.end(), table.ligne(1 + (reprise + i) % n));
    }
}
} // namespace

void Remplir_Tables_Bench(Declarations& M) {
    std::mt19937 alea(70);
    const QDateTime debut(QDate(2008, 3, 3), QTime(14, 0));

    std::vector<Ligne> leq;
    for (int minute = 1; static_cast<int>(leq.size()) < Nb_Lignes_Leq; ++minute) {
        const QDateTime t = debut.addSecs(60LL * minute);
        const int heure = t.time().hour();
        const int base = (heure >= 22 || heure < 4) ? 95 : 62; // soirées plus bruyantes
        leq.push_back(horodatage(t, 1, base + static_cast<int>(alea() % 12)));
        if (minute % 10 == 0)
            leq.push_back(horodatage(t, 10, base + 4));
        if (alea() % 400 == 0) // une ligne abîmée de temps en temps
            leq.push_back({255, 255, 255, 255, 255, 255, 255, 255});
    }
    ranger_en_anneau(M.Tab_Leq, leq, 3001);

    std::vector<Ligne> evenements;
    for (int i = 0; i < Nb_Lignes_Evenements; ++i) {
        const QDateTime t = debut.addSecs(60LL * static_cast<int>(alea() % 6) + 97LL * i);
        Ligne l = horodatage(t, 0, 0);
        l[6] = static_cast<std::int16_t>(1 << (alea() % 8));
        l[7] = 0;
        evenements.push_back(l);
    }
    ranger_en_anneau(M.Tab_Evenements, evenements, 1500);

    for (int i = 1; i <= Nb_Lignes_Parametres; ++i) {
        const Ligne l = horodatage(debut.addDays(-i), 0, 0);
        std::copy(l.begin(), l.begin() + 6, M.Tab_Parametres.ligne(Nb_Lignes_Parametres + 1 - i));
        for (int j = 7; j <= Nb_Colonnes_Parametres; ++j)
            M.Tab_Parametres(Nb_Lignes_Parametres + 1 - i, j) =
                static_cast<std::int16_t>(alea() % 100);
    }
}
