#include "report/Rapport.h"

#include "parameters/Parametres.h"
#include "report/Csv.h"
#include "shell/Calendrier.h"
#include "store/Declarations.h"
#include "tables/Lignes_Leq.h"
#include "tables/Periode.h"

#include <QLocale>
#include <algorithm>
#include <map>

namespace {

QString db(double v) {
    return Nombre_Fr(v, 1) + QStringLiteral(" dB");
}
QString db(int v) {
    return QString::number(v) + QStringLiteral(" dB");
}
template <typename T> QString db(const std::optional<T>& v) {
    return v ? db(*v) : QStringLiteral("-");
}
// « 1 380 » : les milliers séparés comme on les lit en France.
QString entier(std::int64_t n) {
    return QLocale(QLocale::French, QLocale::France).toString(static_cast<qlonglong>(n));
}
QString moment(Minute m) {
    return Texte_Date(m) + QStringLiteral(" à ") + Texte_Heure(m);
}
QString intervalle(Minute debut, Minute fin) {
    return QStringLiteral("du ") + moment(debut) + QStringLiteral(" au ") + moment(fin) +
           QStringLiteral(" (") + entier(fin - debut + 1) + QStringLiteral(" min)");
}

// Le résumé d'un jour de mesures.
struct Jour {
    std::vector<int> niveaux;
    std::int64_t manquantes = 0, au_dessus = 0;
    std::optional<double> max_leq15;
};

} // namespace

Contenu_Rapport Rapport_De(const Tableau<Nb_Elements_Config>& C, const QString& numero_serie,
                           const QString& periode, const QDate& du, const QDate& au,
                           Donnees_Periode donnees, Donnees_Periode nuits, double limite) {
    Contenu_Rapport r;
    r.numero_serie = Texte_Numero_Serie(numero_serie);
    r.periode = periode;
    r.du = du;
    r.au = au;
    r.analyse = Texte_Analyse(C(7));
    r.source = Texte_Source(C(8));
    r.pondere_a = (C(7) & 12) == 12;
    r.donnees = std::move(donnees);
    r.donnees_nuits = std::move(nuits);
    Changer_Limite(r, limite);
    return r;
}

std::pair<Minute, Minute> Etendue_Nuits(const QDate& du, const QDate& au) {
    const QDate veille = du.addDays(-1), lendemain = au.addDays(1);
    return {Minute_De(veille.year(), veille.month(), veille.day(), 11, 46),
            Minute_De(lendemain.year(), lendemain.month(), lendemain.day(), 11, 59)};
}

Contenu_Rapport Rapport_Du_Magasin(double limite) {
    const auto& M = Magasin();
    Calcul_Num_Serie();
    Recherche_Periode_Leq(Nb_Lignes_Leq);
    Extraction_Periode();
    const Jour_Calendrier j1 = Jour_Debut_Periode(), j2 = Jour_Fin_Periode();
    const QDate du(j1.annee, j1.mois, j1.jour), au(j2.annee, j2.mois, j2.jour);
    Donnees_Periode nuits;
    if (du.isValid() && au.isValid()) {
        const auto [debut, fin] = Etendue_Nuits(du, au);
        nuits = Donnees_Magasin_Entre(debut, fin);
    }
    return Rapport_De(M.Tab_Config, M.Num_Serie, Texte_Periode(), du, au, Donnees_Du_Magasin(),
                      std::move(nuits), limite);
}

namespace {
std::optional<Contenu_Rapport>& rapport_prepare() {
    static std::optional<Contenu_Rapport> r;
    return r;
}
} // namespace

void Preparer_Rapport(Contenu_Rapport rapport) {
    rapport_prepare() = std::move(rapport);
}

Contenu_Rapport Rapport_A_Montrer(double limite) {
    auto& prepare = rapport_prepare();
    if (!prepare)
        return Rapport_Du_Magasin(limite);
    Contenu_Rapport r = std::move(*prepare);
    prepare.reset();
    Changer_Limite(r, limite);
    return r;
}

void Changer_Limite(Contenu_Rapport& rapport, double limite) {
    rapport.stats = Calculer_Statistiques(rapport.donnees, limite);
    rapport.stats_nuits = Calculer_Leq15(rapport.donnees_nuits, limite);
}

QString Titre_Rapport(const Contenu_Rapport& r) {
    return QStringLiteral("Rapport réglementaire du ") + r.periode;
}

QStringList Lignes_Rapport(const Contenu_Rapport& r) {
    const Statistiques& s = r.stats;
    const Donnees_Periode& d = r.donnees;
    QStringList l;
    l << QStringLiteral("Réglages de l'appareil (bloc de configuration) :")
      << QStringLiteral("   ") + r.analyse + QStringLiteral("   ") + r.source;
    if (!r.pondere_a)
        l << QStringLiteral("Attention : l'analyse n'est pas pondérée A ;")
          << QStringLiteral("la limite réglementaire porte sur un niveau pondéré A (dB(A)).");
    l << QStringLiteral("Limite du Leq sur 15 minutes glissantes : ") + db(s.limite) << QString();
    if (d.leq1.empty()) {
        l << QStringLiteral("Aucune valeur Leq1 relevée pour cette période !!!");
        return l;
    }

    std::map<Minute, Jour> jours;
    for (const Valeur_Leq& v : d.leq1)
        jours[Jour_De(v.minute)].niveaux.push_back(v.niveau);
    for (const Trou& t : s.trous)
        jours[Jour_De(t.debut)].manquantes += t.minutes();
    for (const Leq15& q : s.leq15) {
        Jour& j = jours[Jour_De(q.minute)];
        j.max_leq15 = std::max(j.max_leq15.value_or(q.niveau), q.niveau);
        j.au_dessus += q.niveau > s.limite;
    }
    l << QStringLiteral("Résumé par jour :");
    for (const auto& [numero, j] : jours) {
        const auto leq = Moyenne_Energetique(j.niveaux);
        // Deux lignes par jour : la page imprimée n'en coupe aucune.
        l << QStringLiteral("   ") + Texte_Date(numero * 1440) + QStringLiteral(" :  ") +
                 entier(static_cast<std::int64_t>(j.niveaux.size())) +
                 QStringLiteral(" min mesurées, ") + entier(j.manquantes) +
                 QStringLiteral(" manquantes ;  Leq ") +
                 db(leq ? std::optional(Arrondi_Dixieme(*leq)) : leq) +
                 QStringLiteral(" ;  Leq1 maxi ") +
                 db(*std::max_element(j.niveaux.begin(), j.niveaux.end()));
        l << QStringLiteral("                  Leq 15 min maxi ") + db(j.max_leq15) +
                 QStringLiteral(" ;  ") + entier(j.au_dessus) +
                 QStringLiteral(" min au-dessus de la limite");
    }
    l << QString() << QStringLiteral("Statistiques de la période :");
    l << QStringLiteral("   Minutes mesurées : ") + entier(s.minutes_mesurees) +
             QStringLiteral(" ;  minutes manquantes : ") + entier(s.minutes_manquantes);
    l << QStringLiteral("   Leq de la période : ") + db(s.leq);
    l << QStringLiteral("   L10 : ") + db(s.l10) + QStringLiteral(" ;  L50 : ") + db(s.l50) +
             QStringLiteral(" ;  L90 : ") + db(s.l90);
    l << QStringLiteral("   Leq1 mini / maxi : ") + db(s.min_leq1) + QStringLiteral(" / ") +
             db(s.max_leq1) + QStringLiteral(" ;  Leq10 mini / maxi : ") + db(s.min_leq10) +
             QStringLiteral(" / ") + db(s.max_leq10);
    for (int k = 0; k < 3; ++k)
        l << QStringLiteral("   Minutes au niveau public %1 (%2) ou au-dessus : ")
                     .arg(k + 1)
                     .arg(db(d.niveaux_publics[k])) +
                 entier(s.minutes_niveaux_publics[k]);
    l << QStringLiteral("   Leq 15 min maxi : ") +
             (s.max_leq15
                  ? db(s.max_leq15->niveau) + QStringLiteral(" le ") + moment(s.max_leq15->minute)
                  : QStringLiteral("aucun quart d'heure complet"));
    l << QStringLiteral("   Minutes au-dessus de la limite : ") + entier(s.minutes_au_dessus);

    l << QString() << QStringLiteral("Dépassements de la limite (Leq 15 min) :");
    for (const Depassement& p : s.depassements)
        l << QStringLiteral("   ") + intervalle(p.debut, p.fin) + QStringLiteral(", maximum ") +
                 db(p.maximum);
    if (s.depassements.empty())
        l << QStringLiteral("   Aucun dépassement.");
    l << QString() << QStringLiteral("Trous de l'enregistrement :");
    for (const Trou& t : s.trous)
        l << QStringLiteral("   ") + intervalle(t.debut, t.fin) +
                 (t.coupure            ? QStringLiteral(" : coupure d'alimentation")
                  : t.changement_heure ? QStringLiteral(" : changement d'heure d'été")
                                       : QString());
    if (s.trous.empty())
        l << QStringLiteral("   Aucun trou.");
    l << QString() << QStringLiteral("Heures enregistrées deux fois (horloge reculée) :");
    for (const Repetition& p : s.repetitions)
        l << QStringLiteral("   ") + intervalle(p.debut, p.fin) +
                 (p.changement_heure ? QStringLiteral(" : changement d'heure d'hiver") : QString());
    if (s.repetitions.empty())
        l << QStringLiteral("   Aucune.");
    else
        l << QStringLiteral(
                 "   Toutes leurs valeurs comptent dans les statistiques ; le Leq 15 min")
          << QStringLiteral(
                 "   n'y est pas calculé, l'heure de chaque valeur n'étant plus connue.");
    return l;
}

QByteArray Csv_Rapport(const Contenu_Rapport& r) {
    std::vector<QStringList> lignes;
    lignes.reserve(r.donnees.leq1.size());
    auto q = r.stats.leq15.begin();
    for (const Valeur_Leq& v : r.donnees.leq1) {
        while (q != r.stats.leq15.end() && q->minute < v.minute)
            ++q;
        const bool calcule = q != r.stats.leq15.end() && q->minute == v.minute;
        lignes.push_back({Texte_Date(v.minute), Texte_Heure(v.minute), QString::number(v.niveau),
                          calcule ? Nombre_Fr(q->niveau, 1) : QString()});
    }
    return Texte_Csv({QStringLiteral("Date"), QStringLiteral("Heure"),
                      QStringLiteral("Leq 1 min (dB)"), QStringLiteral("Leq 15 min glissant (dB)")},
                     lignes);
}
