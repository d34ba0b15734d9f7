#include "report/Statistiques.h"

#include "shell/Calendrier.h"
#include "store/Declarations.h"
#include "store/Validite.h"
#include "tables/Evenements.h"
#include "tables/Periode.h"

#include <QDate>
#include <algorithm>
#include <cmath>

namespace {

constexpr std::int64_t Minutes_Par_Jour = 1440;
const std::int64_t Jour_2000 = QDate(2000, 1, 1).toJulianDay();

std::optional<Minute> minute_ligne(const std::int16_t* l) {
    const QDate date(2000 + l[5], l[4], l[2]);
    if (!date.isValid() || l[1] < 0 || l[1] > 23 || l[0] < 0 || l[0] > 59)
        return std::nullopt;
    return Minute_De(date.year(), date.month(), date.day(), l[1], l[0]);
}

void serie(std::vector<Valeur_Leq>& sortie, const Tableau<Nb_Lignes_Leq, 8>& table, int nb) {
    for (int i = 1; i < std::min(nb, Nb_Lignes_Leq + 1); ++i) {
        const std::int16_t* l = table.ligne(i);
        if (const auto m = minute_ligne(l))
            sortie.push_back({*m, l[7] * 100 + l[6]});
    }
}

// Moyenne énergétique d'une somme de 10^(L/10) sur n minutes.
double niveau_moyen(double somme, std::size_t n) {
    return 10 * std::log10(somme / static_cast<double>(n));
}

// Une minute de la série et ses valeurs (plus d'une quand l'horloge a été reculée).
struct Minute_Mesuree {
    Minute minute;
    int valeurs;
    double energie; // somme des 10^(L/10)
};

std::vector<Minute_Mesuree> minutes_mesurees(const std::vector<Valeur_Leq>& leq1) {
    std::vector<Minute_Mesuree> m;
    m.reserve(leq1.size());
    for (const Valeur_Leq& v : leq1) {
        const double e = std::pow(10.0, v.niveau / 10.0);
        if (!m.empty() && m.back().minute == v.minute) {
            ++m.back().valeurs;
            m.back().energie += e;
        } else {
            m.push_back({v.minute, 1, e});
        }
    }
    return m;
}

// Une plage de 60 minutes qui commence à 2 h le dernier dimanche du mois : le changement
// d'heure légale de ce mois-là.
bool changement_heure(Minute debut, Minute fin, int mois) {
    const QDate jour = QDate::fromJulianDay(Jour_2000 + Jour_De(debut));
    return fin - debut + 1 == 60 && debut - Jour_De(debut) * Minutes_Par_Jour == 120 &&
           jour == Dernier_Dimanche(jour.year(), mois);
}

} // namespace

Minute Minute_De(int annee, int mois, int jour, int heure, int minute) {
    return (QDate(annee, mois, jour).toJulianDay() - Jour_2000) * Minutes_Par_Jour + heure * 60 +
           minute;
}

std::int64_t Jour_De(Minute m) {
    return m >= 0 ? m / Minutes_Par_Jour : -((-m + Minutes_Par_Jour - 1) / Minutes_Par_Jour);
}

QString Texte_Date(Minute m) {
    return QDate::fromJulianDay(Jour_2000 + Jour_De(m)).toString(QStringLiteral("dd/MM/yyyy"));
}

QString Texte_Heure(Minute m) {
    const std::int64_t dans_jour = m - Jour_De(m) * Minutes_Par_Jour;
    return QStringLiteral("%1:%2")
        .arg(dans_jour / 60, 2, 10, QLatin1Char('0'))
        .arg(dans_jour % 60, 2, 10, QLatin1Char('0'));
}

Donnees_Periode Donnees_Du_Magasin() {
    const auto& M = Magasin();
    Donnees_Periode d;
    serie(d.leq1, M.Tab_Leq1, M.Nb_Leq1);
    serie(d.leq10, M.Tab_Leq10, M.Nb_Leq10);
    // Les coupures des jours de la période ; Index_Debut et Index_Fin ne bougent pas.
    const Jour_Calendrier premier = Jour_Debut_Periode(), dernier = Jour_Fin_Periode();
    for (int i = 1; i <= Nb_Lignes_Evenements; ++i) {
        const std::int16_t* l = M.Tab_Evenements.ligne(i);
        const Jour_Calendrier j = Jour_Ligne(l);
        if (j < premier || dernier < j)
            continue;
        const auto m = minute_ligne(l);
        const auto marque = Marque_Evenement(l);
        if (!m || !marque)
            continue;
        d.marques.push_back({*m, *marque});
        if (*marque == Marque::Coupure)
            d.coupures.push_back(*m);
    }
    d.niveaux_publics = Niveaux_Publics(M.Tab_Config);
    return d;
}

Donnees_Periode Donnees_Magasin_Entre(Minute debut, Minute fin) {
    const auto& M = Magasin();
    Donnees_Periode d;
    for (int i = 1; i <= Nb_Lignes_Leq; ++i) {
        const std::int16_t* l = M.Tab_Leq.ligne(i);
        const auto m = l[3] == Genre_Leq1 ? minute_ligne(l) : std::nullopt;
        if (m && *m >= debut && *m <= fin)
            d.leq1.push_back({*m, l[7] * 100 + l[6]});
    }
    for (int i = 1; i <= Nb_Lignes_Evenements; ++i) {
        const std::int16_t* l = M.Tab_Evenements.ligne(i);
        const auto m = minute_ligne(l);
        const auto marque = Marque_Evenement(l);
        if (!m || !marque || *m < debut || *m > fin)
            continue;
        d.marques.push_back({*m, *marque});
        if (*marque == Marque::Coupure)
            d.coupures.push_back(*m);
    }
    return d;
}

std::optional<Marque> Marque_Evenement(const std::int16_t* l) {
    static const std::array<std::pair<QString, Marque>, 5> sortes = {{
        {QStringLiteral("Coupure Alimentation"), Marque::Coupure},
        {QStringLiteral("ByPass Activé"), Marque::Bypass_Active},
        {QStringLiteral("ByPass Désactivé"), Marque::Bypass_Desactive},
        {QStringLiteral("Défaut Liaison Capteur"), Marque::Defaut_Capteur},
        {QStringLiteral("Fin Défaut Liaison Capteur"), Marque::Fin_Defaut_Capteur},
    }};
    const QString texte = Texte_Evenement(l, Vocabulaire::Tableau);
    for (const auto& [nom, marque] : sortes)
        if (texte == nom)
            return marque;
    return std::nullopt;
}

std::array<int, 3> Niveaux_Publics(const Tableau<Nb_Elements_Config>& C) {
    std::array<int, 3> n{};
    for (int k = 0; k < 3; ++k)
        n[k] = C(2177 + 2 * k) * 100 + C(2178 + 2 * k);
    return n;
}

std::optional<double> Moyenne_Energetique(const std::vector<int>& niveaux) {
    if (niveaux.empty())
        return std::nullopt;
    double somme = 0;
    for (int n : niveaux)
        somme += std::pow(10.0, n / 10.0);
    return niveau_moyen(somme, niveaux.size());
}

std::optional<int> Niveau_Depasse(std::vector<int> niveaux, int pourcentage) {
    if (niveaux.empty())
        return std::nullopt;
    std::sort(niveaux.begin(), niveaux.end(), std::greater<>());
    const std::size_t n = niveaux.size();
    const std::size_t rang = std::max<std::size_t>(1, (pourcentage * n + 99) / 100);
    return niveaux[std::min(rang, n) - 1];
}

namespace {
Trou trou(Minute debut, Minute fin, const std::vector<Minute>& coupures) {
    Trou t{debut, fin};
    t.changement_heure = changement_heure(t.debut, t.fin, 3);
    t.coupure = !t.changement_heure && std::any_of(coupures.begin(), coupures.end(), [&](Minute c) {
        return std::abs(c - t.debut) <= 2;
    });
    return t;
}
} // namespace

std::vector<Trou> Trous_Plage(const std::vector<Valeur_Leq>& leq1,
                              const std::vector<Minute>& coupures, Minute debut, Minute fin) {
    std::vector<Trou> trous;
    auto v = std::lower_bound(leq1.begin(), leq1.end(), debut,
                              [](const Valeur_Leq& a, Minute m) { return a.minute < m; });
    Minute attendue = debut; // la première minute pas encore vue
    for (; v != leq1.end() && v->minute <= fin; ++v) {
        if (v->minute > attendue)
            trous.push_back(trou(attendue, v->minute - 1, coupures));
        attendue = std::max(attendue, v->minute + 1);
    }
    if (attendue <= fin)
        trous.push_back(trou(attendue, fin, coupures));
    return trous;
}

std::vector<Trou> Trous(const std::vector<Valeur_Leq>& leq1, const std::vector<Minute>& coupures) {
    std::vector<Trou> trous;
    for (std::size_t i = 1; i < leq1.size(); ++i) {
        const Minute avant = leq1[i - 1].minute, apres = leq1[i].minute;
        // Chaque jour se compte de sa première à sa dernière minute enregistrée : la nuit
        // entre deux jours de mesures n'est pas un trou.
        if (apres - avant <= 1 || Jour_De(avant) != Jour_De(apres))
            continue;
        trous.push_back(trou(avant + 1, apres - 1, coupures));
    }
    return trous;
}

namespace {
std::vector<Repetition> repetitions(const std::vector<Minute_Mesuree>& minutes) {
    std::vector<Repetition> r;
    for (const Minute_Mesuree& m : minutes) {
        if (m.valeurs < 2)
            continue;
        if (!r.empty() && r.back().fin == m.minute - 1)
            r.back().fin = m.minute;
        else
            r.push_back({m.minute, m.minute});
    }
    for (Repetition& p : r)
        p.changement_heure = changement_heure(p.debut, p.fin, 10);
    return r;
}
} // namespace

std::vector<Repetition> Repetitions(const std::vector<Valeur_Leq>& leq1) {
    return repetitions(minutes_mesurees(leq1));
}

namespace {
// Le Leq 15 min glissant de chaque minute, son maximum et les dépassements de s.limite.
void glisser_leq15(Statistiques& s, const std::vector<Minute_Mesuree>& m) {
    // Quinze minutes qui se suivent, chacune avec une seule valeur : la fenêtre glisse d'une
    // minute à la fois.
    for (std::size_t i = 14; i < m.size(); ++i) {
        if (m[i].minute - m[i - 14].minute != 14)
            continue; // une minute manque
        double somme = 0;
        bool unique = true;
        for (std::size_t k = i - 14; k <= i; ++k) {
            somme += m[k].energie;
            unique = unique && m[k].valeurs == 1;
        }
        if (!unique)
            continue; // une minute a deux valeurs : on ne sait laquelle est de ce quart d'heure
        const Leq15 l{m[i].minute, Arrondi_Dixieme(niveau_moyen(somme, 15))};
        s.leq15.push_back(l);
        if (!s.max_leq15 || l.niveau > s.max_leq15->niveau)
            s.max_leq15 = l;
        if (l.niveau <= s.limite)
            continue;
        ++s.minutes_au_dessus;
        if (!s.depassements.empty() && s.depassements.back().fin == l.minute - 1) {
            Depassement& p = s.depassements.back();
            p.fin = l.minute;
            p.maximum = std::max(p.maximum, l.niveau);
        } else {
            s.depassements.push_back({l.minute, l.minute, l.niveau});
        }
    }
}
} // namespace

Statistiques Calculer_Leq15(const Donnees_Periode& d, double limite) {
    Statistiques s;
    s.limite = limite;
    glisser_leq15(s, minutes_mesurees(d.leq1));
    return s;
}

Statistiques Calculer_Statistiques(const Donnees_Periode& d, double limite) {
    Statistiques s;
    s.limite = limite;
    std::vector<int> niveaux1, niveaux10;
    for (const Valeur_Leq& v : d.leq1)
        niveaux1.push_back(v.niveau);
    for (const Valeur_Leq& v : d.leq10)
        niveaux10.push_back(v.niveau);
    s.minutes_mesurees = static_cast<std::int64_t>(d.leq1.size());
    if (const auto leq = Moyenne_Energetique(niveaux1))
        s.leq = Arrondi_Dixieme(*leq);
    s.l10 = Niveau_Depasse(niveaux1, 10);
    s.l50 = Niveau_Depasse(niveaux1, 50);
    s.l90 = Niveau_Depasse(niveaux1, 90);
    if (!niveaux1.empty()) {
        s.min_leq1 = *std::min_element(niveaux1.begin(), niveaux1.end());
        s.max_leq1 = *std::max_element(niveaux1.begin(), niveaux1.end());
    }
    if (!niveaux10.empty()) {
        s.min_leq10 = *std::min_element(niveaux10.begin(), niveaux10.end());
        s.max_leq10 = *std::max_element(niveaux10.begin(), niveaux10.end());
    }
    for (int k = 0; k < 3; ++k)
        s.minutes_niveaux_publics[k] = std::count_if(
            niveaux1.begin(), niveaux1.end(), [&](int n) { return n >= d.niveaux_publics[k]; });
    s.trous = Trous(d.leq1, d.coupures);
    for (const Trou& t : s.trous)
        s.minutes_manquantes += t.minutes();

    const std::vector<Minute_Mesuree> m = minutes_mesurees(d.leq1);
    s.repetitions = repetitions(m);
    glisser_leq15(s, m);
    return s;
}
