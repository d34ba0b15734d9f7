#include "report/Nuits.h"

#include "graphs/Surface_Dessin.h"
#include "report/Csv.h"
#include "shell/Calendrier.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Minute Minutes_Nuit = 1440;

Minute minute_de(const QDate& d, int heure, int minute) {
    return Minute_De(d.year(), d.month(), d.day(), heure, minute);
}

template <typename T> auto depuis(const std::vector<T>& v, Minute m) {
    return std::lower_bound(v.begin(), v.end(), m,
                            [](const T& a, Minute b) { return a.minute < b; });
}

QString db(double v) {
    return Nombre_Fr(v, 1) + QStringLiteral(" dB");
}

QString jour(const QDate& d) {
    const QString date = d.toString(QStringLiteral("dd/MM/yyyy"));
    return Nom_Jour(date).trimmed().toLower() + u' ' + date;
}

} // namespace

QString Texte_Verdict(Verdict v) {
    switch (v) {
    case Verdict::Depassement:
        return QStringLiteral("dépassement");
    case Verdict::Incomplet:
        return QStringLiteral("incomplet");
    case Verdict::Conforme:
        break;
    }
    return QStringLiteral("conforme");
}

Nuit Bilan_Nuit(const Donnees_Periode& d, const Statistiques& s, const QDate& soir) {
    Nuit n;
    n.soir = soir;
    n.midi = minute_de(soir, 12, 0);
    n.debut = n.midi;
    n.fin = n.midi + Minutes_Nuit - 1;
    const auto& leq1 = d.leq1;
    Minute precedente = n.debut - 1;
    for (auto v = depuis(leq1, n.debut); v != leq1.end() && v->minute <= n.fin; ++v) {
        n.minutes_mesurees += v->minute != precedente;
        precedente = v->minute;
    }
    n.trous = Trous_Plage(leq1, d.coupures, n.debut, n.fin);
    for (const Trou& t : n.trous)
        if (!t.changement_heure)
            n.minutes_manquantes += t.minutes();
    for (auto q = depuis(s.leq15, n.debut); q != s.leq15.end() && q->minute <= n.fin; ++q) {
        if (!n.max_leq15 || q->niveau > n.max_leq15->niveau)
            n.max_leq15 = *q;
        if (q->niveau <= s.limite)
            continue;
        if (!n.depassements.empty() && n.depassements.back().fin == q->minute - 1) {
            n.depassements.back().fin = q->minute;
            n.depassements.back().maximum = std::max(n.depassements.back().maximum, q->niveau);
        } else {
            n.depassements.push_back({q->minute, q->minute, q->niveau});
        }
    }
    n.verdict = !n.depassements.empty()    ? Verdict::Depassement
                : n.minutes_manquantes > 0 ? Verdict::Incomplet
                                           : Verdict::Conforme;
    return n;
}

std::vector<Nuit> Nuits_Rapport(const Contenu_Rapport& r) {
    std::vector<Nuit> nuits;
    if (!r.du.isValid() || !r.au.isValid() || r.au < r.du)
        return nuits;
    for (QDate soir = r.du.addDays(-1); soir <= r.au; soir = soir.addDays(1)) {
        Nuit n = Bilan_Nuit(r.donnees_nuits, r.stats_nuits, soir);
        // Aux bords, une nuit sans aucune valeur n'est pas de la période : l'appareil n'était
        // pas encore là, ou a été relevé avant le soir.
        if ((soir < r.du || soir == r.au) && n.minutes_mesurees == 0)
            continue;
        nuits.push_back(std::move(n));
    }
    return nuits;
}

QString Titre_Nuit(const Nuit& n) {
    return QStringLiteral("Nuit du ") + jour(n.soir) + QStringLiteral(" au ") +
           jour(n.soir.addDays(1));
}

QString Ligne_Verdict(const Nuit& n) {
    QString l = QStringLiteral("Nuit du ") + n.soir.toString(QStringLiteral("dd/MM/yyyy")) +
                QStringLiteral(" : ") + Texte_Verdict(n.verdict);
    if (n.verdict == Verdict::Incomplet)
        l += QStringLiteral(" (%1 min manquantes)").arg(n.minutes_manquantes);
    if (n.max_leq15)
        l += QStringLiteral(" ;  Leq 15 min maxi ") + db(n.max_leq15->niveau) +
             QStringLiteral(" à ") + Texte_Heure(n.max_leq15->minute);
    return l;
}

namespace {

// La place des choses dans l'image, en pixels.
constexpr double Gauche = 64, Droite = 896, Haut = 44, Bas = 316;

constexpr Couleur Gris_Leq1{150, 150, 150};
constexpr Couleur Bleu_Leq15{0, 60, 200};
constexpr Couleur Rouge_Clair{255, 205, 205};
constexpr Couleur Gris_Trou{205, 205, 205};
constexpr Couleur Gris_Grille{222, 222, 222};
constexpr Couleur Gris_Texte{90, 90, 90};
constexpr Couleur Orange_Bypass{200, 100, 0};
constexpr Couleur Violet_Capteur{128, 0, 160};
constexpr Couleur Vert_Conforme{0, 128, 0};
constexpr Couleur Orange_Incomplet{180, 100, 0};

// L'horodatage marque la fin de sa minute : la valeur de m couvre m − 1 à m, comme dans les
// graphiques ; la minute de midi, qui ouvre la nuit, commence au bord du cadre.
struct Axes {
    Minute midi;
    double bas_db, haut_db;
    double x(Minute m) const {
        return std::max(Gauche,
                        Gauche + static_cast<double>(m - midi) * (Droite - Gauche) / Minutes_Nuit);
    }
    double y(double db) const { return Bas - (db - bas_db) * (Bas - Haut) / (haut_db - bas_db); }
};

// Une dizaine au-dessous du plus petit niveau et une au-dessus du plus grand : aucune valeur
// ne touche le cadre.
Axes axes(const Contenu_Rapport& r, const Nuit& n) {
    double mini = r.stats_nuits.limite, maxi = r.stats_nuits.limite;
    const auto& leq1 = r.donnees_nuits.leq1;
    for (auto v = depuis(leq1, n.debut); v != leq1.end() && v->minute <= n.fin; ++v) {
        mini = std::min(mini, static_cast<double>(v->niveau));
        maxi = std::max(maxi, static_cast<double>(v->niveau));
    }
    return {n.midi, std::ceil(mini / 10) * 10 - 10, std::floor(maxi / 10) * 10 + 10};
}

void texte(Surface_Dessin& s, double x, double y, const QString& t, Couleur c, double taille,
           bool gras = false, bool fin = false) {
    s.CurrentX = x;
    s.CurrentY = y;
    s.Couleur_Avant(c);
    s.Taille_Police(taille);
    s.Gras(gras);
    if (fin)
        s.Ecrire_Fin(t);
    else
        s.Ecrire(t);
}

// La largeur d'un texte de 8 points, à peu près (Arial) : de quoi ne pas en écrire deux l'un
// sur l'autre.
double largeur_texte(const QString& t, double taille = 8) {
    return 0.56 * taille * 96 / 72 * static_cast<double>(t.size());
}

// Des textes sur une ligne, chacun seulement s'il ne chevauche pas un texte déjà posé.
struct Ligne_Textes {
    std::vector<std::pair<double, double>> pris;
    bool libre(double x1, double x2) {
        for (const auto& [a, b] : pris)
            if (x1 < b + 4 && a < x2 + 4)
                return false;
        pris.emplace_back(x1, x2);
        return true;
    }
};

QString cause(const Trou& t) {
    return t.coupure            ? QStringLiteral("coupure d'alimentation")
           : t.changement_heure ? QStringLiteral("changement d'heure")
                                : QString();
}

struct Style_Marque {
    const char* lettre;
    Couleur couleur;
};
Style_Marque style(Marque m) {
    switch (m) {
    case Marque::Coupure:
        return {"C", Noir};
    case Marque::Bypass_Active:
        return {"B", Orange_Bypass};
    case Marque::Bypass_Desactive:
        return {"b", Orange_Bypass};
    case Marque::Defaut_Capteur:
        return {"D", Violet_Capteur};
    case Marque::Fin_Defaut_Capteur:
        break;
    }
    return {"d", Violet_Capteur};
}

void fonds(Surface_Dessin& s, const Axes& a, const Nuit& n) {
    for (const Trou& t : n.trous)
        s.Rectangle_Plein(a.x(t.debut - 1), Haut, a.x(t.fin), Bas, Gris_Trou);
    for (const Depassement& p : n.depassements)
        s.Rectangle_Plein(a.x(p.debut - 1), Haut, a.x(p.fin), Bas, Rouge_Clair);
}

void grille(Surface_Dessin& s, const Axes& a) {
    s.Largeur_Trait(1);
    for (int h = 0; h <= 24; ++h) {
        const double x = a.x(a.midi + h * 60);
        s.Ligne(x, Haut, x, Bas, Gris_Grille);
        if (h % 2 == 0)
            texte(s, x - 10, Bas + 30, QStringLiteral("%1 h").arg((12 + h) % 24), Noir, 8);
    }
    for (double db = a.bas_db; db <= a.haut_db; db += 10) {
        s.Ligne(Gauche, a.y(db), Droite, a.y(db), Gris_Grille);
        texte(s, Gauche - 6, a.y(db) - 7, QString::number(db), Noir, 8, false, true);
    }
    texte(s, Gauche - 6, Haut - 20, QStringLiteral("dB"), Noir, 8, false, true);
    for (const auto& [x1, y1, x2, y2] :
         {std::array{Gauche, Haut, Droite, Haut}, std::array{Droite, Haut, Droite, Bas},
          std::array{Droite, Bas, Gauche, Bas}, std::array{Gauche, Bas, Gauche, Haut}})
        s.Ligne(x1, y1, x2, y2, Noir);
}

// Une suite de paliers d'une minute : les minutes qui se suivent au même niveau font un seul
// trait (moins de tracé, à l'écran comme dans le PDF) ; une minute qui manque coupe la suite.
template <typename Valeur, typename Niveau>
void paliers(Surface_Dessin& s, const Axes& a, const std::vector<Valeur>& valeurs, const Nuit& n,
             Niveau niveau, Couleur c) {
    const Valeur* debut = nullptr; // le premier palier du trait en cours
    const Valeur* avant = nullptr;
    auto finir = [&] {
        if (debut)
            s.Ligne(a.x(debut->minute - 1), a.y(niveau(*debut)), a.x(avant->minute),
                    a.y(niveau(*debut)), c);
    };
    for (auto v = depuis(valeurs, n.debut); v != valeurs.end() && v->minute <= n.fin; ++v) {
        const bool suite = avant && v->minute - avant->minute <= 1;
        if (!suite || niveau(*v) != niveau(*debut)) {
            finir();
            if (suite)
                s.Ligne(a.x(v->minute - 1), a.y(niveau(*avant)), a.x(v->minute - 1),
                        a.y(niveau(*v)), c);
            debut = &*v;
        }
        avant = &*v;
    }
    finir();
}

void courbes(Surface_Dessin& s, const Axes& a, const Contenu_Rapport& r, const Nuit& n) {
    s.Largeur_Trait(1);
    paliers(
        s, a, r.donnees_nuits.leq1, n, [](const Valeur_Leq& v) { return double(v.niveau); },
        Gris_Leq1);
    s.Largeur_Trait(3);
    paliers(
        s, a, r.stats_nuits.leq15, n, [](const Leq15& q) { return q.niveau; }, Bleu_Leq15);
    s.Largeur_Trait(2);
    const double y = a.y(r.stats_nuits.limite);
    s.Ligne(Gauche, y, Droite, y, Rouge);
    s.Largeur_Trait(1);
    texte(s, Droite - 4, y - 16, QStringLiteral("Limite ") + db(r.stats_nuits.limite), Rouge, 8,
          true, true);
}

// Par-dessus les traits : le maximum de chaque dépassement (le plus fort d'abord, puis ceux
// qui ont la place), la cause des trous, « aucune mesure ».
void annotations(Surface_Dessin& s, const Axes& a, const Nuit& n) {
    std::vector<const Depassement*> plus_forts;
    for (const Depassement& p : n.depassements)
        plus_forts.push_back(&p);
    std::stable_sort(
        plus_forts.begin(), plus_forts.end(),
        [](const Depassement* p, const Depassement* q) { return p->maximum > q->maximum; });
    Ligne_Textes haut;
    for (const Depassement* p : plus_forts) {
        const QString t = QStringLiteral("maxi ") + db(p->maximum);
        const double x = std::min(a.x(p->debut - 1) + 2, Droite - 2 - largeur_texte(t));
        if (haut.libre(x, x + largeur_texte(t)))
            texte(s, x, Haut + 4, t, Rouge, 8, true);
    }
    Ligne_Textes bas[2];
    for (const Trou& t : n.trous) {
        const QString c = cause(t);
        if (c.isEmpty())
            continue;
        const double x = std::min(a.x(t.debut - 1) + 2, Droite - 2 - largeur_texte(c));
        for (int rang = 0; rang < 2; ++rang)
            if (bas[rang].libre(x, x + largeur_texte(c))) {
                texte(s, x, Bas - 18 - 14 * rang, c, Gris_Texte, 8);
                break;
            }
    }
    if (n.minutes_mesurees == 0)
        texte(s, (Gauche + Droite) / 2 - 40, (Haut + Bas) / 2 - 8, QStringLiteral("aucune mesure"),
              Gris_Texte, 10, true);
}

// Sous l'axe du temps ; une lettre trop proche de la précédente descend d'un rang.
void marques(Surface_Dessin& s, const Axes& a, const Contenu_Rapport& r, const Nuit& n) {
    Ligne_Textes rangs[2];
    for (const Evenement_Marque& e : r.donnees_nuits.marques) {
        if (e.minute < n.debut || e.minute > n.fin)
            continue;
        const Style_Marque m = style(e.marque);
        const double x = a.x(e.minute);
        s.Largeur_Trait(2);
        s.Ligne(x, Bas + 1, x, Bas + 6, m.couleur);
        s.Largeur_Trait(1);
        for (int rang = 0; rang < 2; ++rang)
            if (rangs[rang].libre(x - 3, x + 4) || rang == 1) {
                texte(s, x - 3, Bas + 5 + 11 * rang, QString::fromLatin1(m.lettre), m.couleur, 7,
                      true);
                break;
            }
    }
}

void legende(Surface_Dessin& s) {
    double x = Gauche;
    const double y = 370;
    auto place = [&](const QString& t) {
        texte(s, x + 30, y, t, Noir, 8);
        x += 30 + largeur_texte(t) + 18;
    };
    auto trait = [&](Couleur c, int largeur, const QString& t) {
        s.Largeur_Trait(largeur);
        s.Ligne(x, y + 7, x + 24, y + 7, c);
        s.Largeur_Trait(1);
        place(t);
    };
    auto plage = [&](Couleur c, const QString& t) {
        s.Rectangle_Plein(x, y + 1, x + 24, y + 13, c);
        place(t);
    };
    trait(Gris_Leq1, 1, QStringLiteral("Leq 1 min"));
    trait(Bleu_Leq15, 3, QStringLiteral("Leq 15 min glissant"));
    trait(Rouge, 2, QStringLiteral("limite"));
    plage(Rouge_Clair, QStringLiteral("au-dessus de la limite"));
    plage(Gris_Trou, QStringLiteral("minutes sans mesure"));
    texte(s, Gauche, y + 22,
          QStringLiteral("Événements : C coupure d'alimentation ;  B / b bypass activé / "
                         "désactivé ;  D / d défaut de liaison du capteur / fin du défaut."),
          Noir, 8);
}

} // namespace

void Dessiner_Nuit(Surface_Dessin& s, const Contenu_Rapport& r, const Nuit& n) {
    s.Echelle(0, 0, Largeur_Image_Nuit, Hauteur_Image_Nuit);
    const Axes a = axes(r, n);
    const Couleur couleur = n.verdict == Verdict::Depassement ? Rouge
                            : n.verdict == Verdict::Incomplet ? Orange_Incomplet
                                                              : Vert_Conforme;
    texte(s, Gauche, 8, Titre_Nuit(n), Noir, 10, true);
    texte(s, Droite, 8, Texte_Verdict(n.verdict), couleur, 10, true, true);
    fonds(s, a, n);
    grille(s, a);
    courbes(s, a, r, n);
    annotations(s, a, n);
    marques(s, a, r, n);
    legende(s);
}

std::vector<Page_Rapport> Pages_Rapport(const Contenu_Rapport& r, const std::vector<Nuit>& nuits) {
    std::vector<Page_Rapport> pages;
    const QString titre = Titre_Rapport(r);
    auto nouvelle = [&] {
        pages.push_back({{{3300, 200, r.numero_serie}, {2350, 400, titre}}, {}});
    };
    // Des lignes de texte, 69 par page, comme les tableaux imprimés.
    auto lignes = [&](const QStringList& l) {
        for (qsizetype i = 0; i < l.size(); ++i) {
            const int k = static_cast<int>(i % Lignes_Par_Page) + 1;
            if (k == 1)
                nouvelle();
            pages.back().textes.push_back({1200, 1000 + 200 * k, l[i]});
        }
    };

    QStringList premiere = Lignes_Rapport(r).mid(0, r.pondere_a ? 3 : 5);
    premiere << QString() << QStringLiteral("Verdict de chaque nuit (de midi à midi) :");
    std::array<int, 3> comptes{};
    for (const Nuit& n : nuits) {
        premiere << QStringLiteral("   ") + Ligne_Verdict(n);
        ++comptes[static_cast<std::size_t>(n.verdict)];
    }
    if (nuits.empty())
        premiere << QStringLiteral("   Aucune nuit dans cette période.");
    else
        premiere << QString()
                 << QStringLiteral("   Nuits conformes : %1 ;  avec dépassement : %2 ;  "
                                   "incomplètes : %3.")
                        .arg(comptes[0])
                        .arg(comptes[1])
                        .arg(comptes[2]);
    lignes(premiere);
    for (std::size_t i = 0; i < nuits.size(); ++i) {
        if (i % 2 == 0)
            nouvelle();
        pages.back().nuits.push_back(i);
    }
    lignes(Lignes_Rapport(r));

    const auto total = static_cast<qsizetype>(pages.size());
    for (qsizetype p = 0; p < total; ++p) {
        auto& t = pages[static_cast<std::size_t>(p)].textes;
        t.push_back({1200, 15500, titre.simplified()});
        t.push_back({9600, 15500, QStringLiteral("Page %1 / %2").arg(p + 1).arg(total)});
    }
    return pages;
}
