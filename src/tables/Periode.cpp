#include "tables/Periode.h"

#include "store/Declarations.h"

#include "store/Validite.h"

#include <algorithm>

int Valeur_Entiere(const QString& texte) {
    qsizetype i = 0;
    while (i < texte.size() && texte[i] == u' ')
        ++i;
    bool negatif = false;
    if (i < texte.size() && (texte[i] == u'-' || texte[i] == u'+'))
        negatif = texte[i++] == u'-';
    long long valeur = 0;
    // Au-delà de neuf chiffres, aucune date n'a de sens : on s'arrête avant tout débordement.
    for (int chiffres = 0; i < texte.size() && texte[i] >= u'0' && texte[i] <= u'9'; ++i)
        if (++chiffres <= 9)
            valeur = valeur * 10 + (texte[i].unicode() - u'0');
    return static_cast<int>(negatif ? -valeur : valeur);
}

Jour_Calendrier Jour_Ligne(const std::int16_t* ligne) {
    return {2000 + ligne[5], ligne[4], ligne[2]};
}

Jour_Calendrier Jour_Debut_Periode() {
    const auto& M = Magasin();
    return {Valeur_Entiere(M.Annee_Debut), Valeur_Entiere(M.Mois_Debut),
            Valeur_Entiere(M.Jour_Debut)};
}

Jour_Calendrier Jour_Fin_Periode() {
    const auto& M = Magasin();
    return {Valeur_Entiere(M.Annee_Fin), Valeur_Entiere(M.Mois_Fin), Valeur_Entiere(M.Jour_Fin)};
}

bool Critere_Midi_A_Midi::operator()(const std::int16_t* ligne) const {
    const Jour_Calendrier j = Jour_Ligne(ligne);
    const int heure = ligne[1];
    return (premier < j || (j == premier && heure >= 12)) &&
           (j < dernier || (j == dernier && heure <= 11));
}

bool Periode_D_Un_Jour() {
    return Jour_Debut_Periode() == Jour_Fin_Periode();
}

namespace {

void Recherche_Jours_Entiers(const auto& table, int nb_lignes) {
    auto& M = Magasin();
    const Jour_Calendrier debut = Jour_Debut_Periode(), fin = Jour_Fin_Periode();
    // Comparer année, mois puis jour revient aux cas de forme de la période (même jour,
    // même mois, même année, années différentes) ; une fin avant le début ne prend rien.
    Recherche(
        table, nb_lignes,
        [&](const std::int16_t* l) {
            const Jour_Calendrier j = Jour_Ligne(l);
            return debut <= j && j <= fin;
        },
        M.Index_Debut, M.Index_Fin);
}

} // namespace

void Recherche_Periode_Leq(int nb_lignes) {
    Recherche_Jours_Entiers(Magasin().Tab_Leq, nb_lignes);
}

void Recherche_Periode_Evenements() {
    Recherche_Jours_Entiers(Magasin().Tab_Evenements, Nb_Lignes_Evenements);
}

void Periode_Evenements_Graph(std::int32_t& debut, std::int32_t& fin) {
    Recherche(Magasin().Tab_Evenements, Nb_Lignes_Evenements,
              Critere_Midi_A_Midi{Jour_Debut_Periode(), Jour_Fin_Periode()}, debut, fin);
}

void Extraction_Periode() {
    auto& M = Magasin();
    M.Nb_Leq1 = 1;
    M.Nb_Leq10 = 1;
    if (M.Index_Debut == 0)
        return;
    for (int i = M.Index_Debut; i <= std::min(M.Index_Fin, Nb_Lignes_Leq); ++i) {
        const std::int16_t* l = M.Tab_Leq.ligne(i);
        if (l[3] == Genre_Leq10)
            std::copy(l, l + 8, M.Tab_Leq10.ligne(M.Nb_Leq10++));
        else if (l[3] == Genre_Leq1)
            std::copy(l, l + 8, M.Tab_Leq1.ligne(M.Nb_Leq1++));
    }
}

namespace {
QString deux_chiffres(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}
QString quatre_chiffres(int n) {
    return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
}
} // namespace

void Ecrire_Debut_Periode(const QDate& date) {
    auto& M = Magasin();
    M.Jour_Debut = deux_chiffres(date.day());
    M.Mois_Debut = deux_chiffres(date.month());
    M.Annee_Debut = quatre_chiffres(date.year());
}

void Ecrire_Fin_Periode(const QDate& date) {
    auto& M = Magasin();
    M.Jour_Fin = deux_chiffres(date.day());
    M.Mois_Fin = deux_chiffres(date.month());
    M.Annee_Fin = quatre_chiffres(date.year());
}

bool Dates_Coherentes(const QDate& debut, const QDate& fin) {
    return Jour_Calendrier{debut.year(), debut.month(), debut.day()} <=
           Jour_Calendrier{fin.year(), fin.month(), fin.day()};
}

std::pair<QDate, QDate> Dates_Initiales(const QDate& aujourdhui) {
    const auto& M = Magasin();
    const bool vide = M.Jour_Debut.isEmpty() && M.Mois_Debut.isEmpty() && M.Annee_Debut.isEmpty() &&
                      M.Jour_Fin.isEmpty() && M.Mois_Fin.isEmpty() && M.Annee_Fin.isEmpty();
    if (vide)
        return {aujourdhui, aujourdhui};
    auto date = [&](const QString& j, const QString& m, const QString& a) {
        const QDate d(Valeur_Entiere(a), Valeur_Entiere(m), Valeur_Entiere(j));
        return d.isValid() ? d : aujourdhui;
    };
    return {date(M.Jour_Debut, M.Mois_Debut, M.Annee_Debut),
            date(M.Jour_Fin, M.Mois_Fin, M.Annee_Fin)};
}

std::optional<QDate> Lire_Date(const QString& texte) {
    // Jour et mois sur un ou deux chiffres, l'année sur quatre : 5/3/2008 vaut 05/03/2008.
    const QDate date = QDate::fromString(texte.trimmed(), QStringLiteral("d/M/yyyy"));
    if (!date.isValid())
        return std::nullopt;
    return date;
}
