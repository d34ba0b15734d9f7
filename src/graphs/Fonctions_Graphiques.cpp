#include "graphs/Fonctions_Graphiques.h"

#include "store/Declarations.h"

#include <cmath>
#include <vector>

namespace {

QString deux_chiffres(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// Date de la ligne d du tableau des jours : « 15 / 11 / 2008 » (année telle que gardée),
// ou « 15/11/08 » sous un graphique de 7 jours de taille normale.
QString Texte_Date_Graph(int d, bool courte) {
    const auto& J = Magasin().Tab_Jours_Graph;
    const QString jour = deux_chiffres(Valeur_Entiere(J(d, 1)));
    const QString mois = deux_chiffres(Valeur_Entiere(J(d, 2)));
    if (courte)
        return jour + u'/' + mois + u'/' + deux_chiffres(Valeur_Entiere(J(d, 3)) - 2000);
    return jour + QStringLiteral(" / ") + mois + QStringLiteral(" / ") + J(d, 3);
}

QString Texte_Heure_Axe(int duree, int i) {
    switch (duree) {
    case 1:
        return deux_chiffres((12 + i) % 24);
    case 3: {
        static const char* const heures[] = {"12", "18", "00", "06"};
        return QString::fromLatin1(heures[(i % 8) / 2]);
    }
    case 7:
        return i % 4 == 0 ? QStringLiteral("12") : QStringLiteral("00");
    default:
        return {};
    }
}

void ecrire(Surface_Dessin& s, double x, double y, const QString& texte) {
    s.CurrentX = x;
    s.CurrentY = y;
    s.Ecrire(texte);
}

Echelle_Graphique echelle_axes(int duree, bool agrandi) {
    if (agrandi && duree != 7)
        return {9, -130, 30, 80};
    return {9, -129, duree == 7 ? 34.0 : 30.0, 81};
}

// Les axes d'un graphique normal ou agrandi : mêmes étapes, quelques positions changent.
void Axes(Surface_Dessin& s, int duree, Couleur c, bool agrandi, Serie_Leq serie) {
    const bool sept = duree == 7;
    s.Taille_Police(agrandi ? 10 : 8);
    s.Gras(false);
    s.Largeur_Trait(1);
    const Echelle_Graphique e = echelle_axes(duree, agrandi);
    s.Echelle(e.gauche, e.haut, e.largeur, e.hauteur);
    const double SL = s.ScaleLeft(), SW = s.ScaleWidth();
    s.Couleur_Avant(c);

    // Axe du temps et sa flèche.
    s.Ligne(SL + 1, -60, SL + SW - 1, -60, c);
    const double a = agrandi && sept ? 1.55 : (sept ? 2 : 1.75);
    const double h = sept && !agrandi ? 2 : 1;
    s.Ligne(SL + SW - a, -60 - h, SL + SW - 1, -60, c);
    s.Ligne(SL + SW - a, -60 + h, SL + SW - 1, -60, c);

    // Graduations et heures, une sur deux.
    const int n = sept ? 28 : 24;
    const double decalage_heure = agrandi && !sept ? 2.8 : 2.7;
    for (int i = 0; i <= n; ++i) {
        const double x = SL + 3 + i;
        if (i % 2 == 0) {
            s.Ligne(x, -58, x, -62, c);
            ecrire(s, SL + decalage_heure + i, -57, Texte_Heure_Axe(duree, i));
        } else {
            s.Ligne(x, -59, x, -61, c);
        }
    }
    if (agrandi)
        ecrire(s, sept ? SL + SW - 1.5 : 37, -57, QStringLiteral("Heures"));
    else
        ecrire(s, SL + SW - (sept ? 1.5 : 2), -57, QStringLiteral("Hrs"));

    // Dates des jours, séparées à minuit.
    const double y_date = agrandi && !sept ? -53.5 : -52.5;
    const double y1_separateur = agrandi && !sept ? -51 : -49;
    const double y2_separateur = agrandi ? -54 : -52.5;
    const bool courte = sept && !agrandi;
    auto separateur = [&](double x) { s.Ligne(x, y1_separateur, x, y2_separateur, c); };
    if (duree == 1) {
        ecrire(s, SL + 7, y_date, Texte_Date_Graph(1, courte));
        ecrire(s, SL + 19, y_date, Texte_Date_Graph(2, courte));
        separateur(SL + 15);
    } else if (duree == 3) {
        for (int d = 1; d <= 4; ++d)
            ecrire(s, d == 1 ? SL + 2 : SL + 1 + 8 * (d - 1), y_date, Texte_Date_Graph(d, courte));
        for (int d = 1; d <= 3; ++d)
            separateur(SL - 1 + 8 * d);
    } else if (sept) {
        for (int d = 0; d <= 7; ++d)
            ecrire(s, SL + 1.75 + 4 * d, y_date, Texte_Date_Graph(d + 1, courte));
        for (int d = 1; d <= 7; ++d)
            separateur(SL + 1 + 4 * d);
    }

    // Axe des niveaux, sa flèche, ses graduations.
    s.Ligne(SL + 2, -55, SL + 2, -125, c);
    const double b = sept && !agrandi ? 0.5 : 0.25;
    s.Ligne(SL + 2, -125, SL + 2 - b, -122.5, c);
    s.Ligne(SL + 2, -125, SL + 2 + b, -122.5, c);
    for (int i = 1; i <= 12; ++i) {
        const int niveau = 60 + 5 * i;
        s.Ligne(SL + 1.75, -niveau, SL + 2.25, -niveau, c);
        // Les niveaux à trois chiffres commencent un peu plus à gauche.
        const double x = (agrandi ? SL + 1 : SL + 0.5) - (i >= 8 ? 0.25 : 0);
        const double y = !agrandi ? -62 - 5 * i : (sept ? -61.25 - 5 * i : -61 - 5 * i);
        ecrire(s, x, y, QString::number(niveau));
    }
    if (!agrandi)
        ecrire(s, SL + 0.5, -128, QStringLiteral("dB"));
    else
        ecrire(s, SL + 0.5, -128,
               serie == Serie_Leq::Leq10 ? QStringLiteral("Niveau Leq 10 (dB)")
                                         : QStringLiteral("Niveau Leq 1 (dB)"));
}

struct Serie {
    const Tableau<Nb_Lignes_Leq, 8>& table;
    std::int32_t nb; // prochaine ligne libre
    int minutes;     // période de mesure d'une valeur
};

Serie Serie_Du_Magasin(Serie_Leq serie) {
    const auto& M = Magasin();
    if (serie == Serie_Leq::Leq10)
        return {M.Tab_Leq10, M.Nb_Leq10, 10};
    return {M.Tab_Leq1, M.Nb_Leq1, 1};
}

} // namespace

int Minutes_Par_Unite(int duree) {
    switch (duree) {
    case 1:
        return 60;
    case 3:
        return 180;
    case 7:
        return 360;
    default:
        return 0;
    }
}

std::optional<QDate> Jour_Debut_Graph() {
    const Jour_Calendrier j = Jour_Debut_Periode();
    const QDate date(j.annee, j.mois, j.jour);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

int Niveau_Ligne(const std::int16_t* ligne) {
    return ligne[7] * 100 + ligne[6];
}

int Niveau_Public_1() {
    const auto& C = Magasin().Tab_Config;
    return C(2177) * 100 + C(2178);
}

std::optional<double> X_Temps(const std::int16_t* ligne, const QDate& debut,
                              int minutes_par_unite) {
    const int minute = ligne[0], heure = ligne[1];
    const QDate jour(2000 + ligne[5], ligne[4], ligne[2]);
    if (!jour.isValid() || heure < 0 || heure > 23 || minute < 0 || minute > 59 ||
        minutes_par_unite == 0)
        return std::nullopt;
    // L'écart en jours, arrondi à 7 décimales, se compte en entiers : aucun nombre entier
    // de minutes ne tombe à mi-chemin entre deux arrondis.
    const long long minutes =
        (jour.toJulianDay() - debut.toJulianDay()) * 1440 + heure * 60 + minute - 12 * 60;
    const long long n = minutes * 10'000'000;
    const long long septiemes = n >= 0 ? (n + 720) / 1440 : -((-n + 720) / 1440);
    const double jours = static_cast<double>(septiemes) / 1e7;
    return jours / Minute_Graphique / minutes_par_unite + 12;
}

void Trace_Axes(Surface_Dessin& s, int duree, Couleur c) {
    Axes(s, duree, c, false, Serie_Leq::Leq1);
}

void Trace_Axes_Zoom(Surface_Dessin& s, Serie_Leq serie, int duree, Couleur c) {
    Axes(s, duree, c, true, serie);
}

void Trace_Courbe(Surface_Dessin& s, Serie_Leq serie, int duree, Couleur c) {
    const auto& M = Magasin();
    const int m = Minutes_Par_Unite(duree);
    const std::optional<QDate> debut = Jour_Debut_Graph();
    if (M.Index_Debut == 0 || M.Index_Fin == 0 || m == 0 || !debut)
        return;
    const Serie sr = Serie_Du_Magasin(serie);
    const double barre = static_cast<double>(sr.minutes) / m;
    const double seuil_trou = static_cast<double>(sr.minutes + 1) / m;
    bool premier = true;
    double x_precedent = 0, y_precedent = 0;
    for (std::int32_t i = 1; i < std::min<std::int32_t>(sr.nb, Nb_Lignes_Leq + 1); ++i) {
        const std::int16_t* ligne = sr.table.ligne(i);
        const std::optional<double> x = X_Temps(ligne, *debut, m);
        if (!x)
            continue;
        const double y = -Niveau_Ligne(ligne);
        s.Point(*x, y, c);
        if (premier || *x - x_precedent >= seuil_trou) {
            // Première valeur, ou première après un trou : une barre seule.
            s.Ligne(*x - barre, y, *x, y, c);
        } else {
            s.Ligne(x_precedent, y_precedent, x_precedent, y, c);
            s.Ligne(x_precedent, y, *x, y, c);
        }
        premier = false;
        x_precedent = *x;
        y_precedent = y;
    }
}

void Trace_Niveau_Public(Surface_Dessin& s, int duree, Couleur c) {
    const double y = -Niveau_Public_1();
    s.Ligne(11, y, duree == 7 ? 41 : 37, y, c);
}

void Trace_Marque(Surface_Dessin& s, Serie_Leq serie, int duree, std::int32_t index, Couleur c) {
    const Serie sr = Serie_Du_Magasin(serie);
    const std::optional<QDate> debut = Jour_Debut_Graph();
    if (index < 1 || index >= sr.nb || index > Nb_Lignes_Leq || !debut)
        return;
    const std::int16_t* ligne = sr.table.ligne(index);
    const std::optional<double> xp = X_Temps(ligne, *debut, Minutes_Par_Unite(duree));
    if (!xp)
        return;
    const double x = *xp, y = -Niveau_Ligne(ligne);
    s.Ligne(x, y - 1, x, y - 5, c);
    s.Ligne(x, y - 0.1, x - 0.05, y - 1, c);
    s.Ligne(x, y - 0.1, x + 0.05, y - 1, c);
    s.Ligne(x - 0.05, y - 1, x + 0.05, y - 1, c);
}

void Trace_Grille_Zoom(Surface_Dessin& s, int duree, bool montrer) {
    // Les lignes de la grille : un gris fin, bien visible sous la courbe.
    constexpr Couleur Gris_Grille{160, 160, 160};
    const double L = s.ScaleLeft(), T = s.ScaleTop(), W = s.ScaleWidth(), H = s.ScaleHeight();
    s.Couleur_Avant(montrer ? Noir : Blanc);
    for (int k = 0; k <= 24; ++k) {
        const double x = k + 12;
        if (montrer)
            s.Ligne(x, T, x, T + H, Gris_Grille);
        QString heure;
        if (duree == 1) {
            heure = deux_chiffres((12 + k) % 24);
        } else if (duree == 3) {
            heure = deux_chiffres((12 + 3 * (k % 8)) % 24);
        } else if (duree == 7) {
            heure = deux_chiffres((12 + 6 * (k % 4)) % 24);
        }
        if (!heure.isEmpty())
            heure += QStringLiteral("h.");
        ecrire(s, x + 0.0033 * H, T, heure);
        ecrire(s, x + 0.0033 * H, T + H - 0.025 * H, heure);
    }
    for (int j = 0; j <= 11; ++j) {
        const int niveau = 65 + 5 * j;
        if (montrer)
            s.Ligne(L, -niveau, L + W, -niveau, Gris_Grille);
        const QString texte = QString::number(niveau) + QStringLiteral(" dB");
        ecrire(s, L, -niveau - 0.025 * H, texte);
        s.CurrentX = L + W - 0.015 * W;
        s.Ecrire_Fin(texte);
    }
}

QString Texte_Date_Jour(int d) {
    return Texte_Date_Graph(d, false);
}

void Trace_Dates_Zoom(Surface_Dessin& s, int duree, int a, int b, Couleur c) {
    // Limites des jours montrés (les minuits) ; le premier n'a pas de début, le dernier
    // pas de fin.
    std::vector<double> minuits;
    if (duree == 1)
        minuits = {24};
    else if (duree == 3)
        minuits = {16, 24, 32};
    else if (duree == 7)
        minuits = {14, 18, 22, 26, 30, 34, 38};
    else
        return;
    s.Couleur_Avant(c);
    const double y = Arrondi_Dixieme(s.ScaleTop() + s.ScaleHeight() - 0.075 * s.ScaleHeight());
    for (std::size_t d = 0; d <= minuits.size(); ++d) {
        const double debut = d == 0 ? a : std::max<double>(a, minuits[d - 1]);
        const double fin = d == minuits.size() ? b : std::min<double>(b, minuits[d]);
        if (fin > debut)
            ecrire(s, Arrondi_Dixieme((debut + fin) / 2), y,
                   Texte_Date_Jour(static_cast<int>(d) + 1));
    }
}

std::optional<Zoom_Graphique> Zoom_Selection(double xd, double yd, double xf, double yf) {
    if (std::abs(xd - xf) < 1 || std::abs(std::abs(yd) - std::abs(yf)) < 5)
        return std::nullopt;
    if (xd > xf)
        std::swap(xd, xf);
    if (std::abs(yf) < std::abs(yd))
        std::swap(yd, yf);
    return Zoom_Graphique{Arrondi_Dixieme(xd), Arrondi_Dixieme(xf), Arrondi_Dixieme(std::abs(yd)),
                          Arrondi_Dixieme(std::abs(yf))};
}

Passage_Zoom Basculer_Zoom(Etat_Graphique& etat) {
    etat.marque_otee = false;
    if (!etat.agrandi) {
        etat.agrandi = true;
        return Passage_Zoom::Agrandir;
    }
    if (etat.zoom) {
        etat.zoom.reset();
        return Passage_Zoom::Quitter_Zoom;
    }
    etat.agrandi = false;
    return Passage_Zoom::Revenir;
}

bool Marquer_Valeur(Etat_Graphique& etat, std::int32_t valeur, std::int32_t nb) {
    // Période vide : les comptes sont ceux d'une période précédente.
    if (etat.vide || nb < 2)
        return false;
    etat.marque_otee = valeur == 0;
    if (valeur != 0)
        etat.index_marque = valeur;
    return true;
}

Echelle_Graphique Echelle_Etat(const Etat_Graphique& etat) {
    if (etat.agrandi && etat.zoom) {
        const Zoom_Graphique& z = *etat.zoom;
        return {z.x_debut, -z.y_fin, z.x_fin - z.x_debut, z.y_fin - z.y_debut};
    }
    return echelle_axes(etat.duree, etat.agrandi);
}

void Dessiner_Graphique(Surface_Dessin& s, const Etat_Graphique& etat) {
    if (etat.vide)
        return;
    const bool marque = etat.index_marque != 0 && !etat.marque_otee;
    if (etat.agrandi && etat.zoom) {
        const Echelle_Graphique e = Echelle_Etat(etat);
        s.Echelle(e.gauche, e.haut, e.largeur, e.hauteur);
        // Les textes d'un zoom gardent la taille de ceux du graphique agrandi.
        s.Taille_Police(10);
        s.Gras(false);
        Trace_Grille_Zoom(s, etat.duree, true);
        // Le niveau public d'un zoom : plus vif et deux pixels de large.
        s.Largeur_Trait(2);
        Trace_Niveau_Public(s, etat.duree, Vert_Zoom);
        s.Largeur_Trait(1);
        Trace_Courbe(s, etat.serie, etat.duree, Rouge);
        if (marque)
            Trace_Marque(s, etat.serie, etat.duree, etat.index_marque, Bleu);
        Trace_Dates_Zoom(s, etat.duree, static_cast<int>(std::floor(etat.zoom->x_debut)),
                         static_cast<int>(std::floor(etat.zoom->x_fin)), Noir);
        return;
    }
    if (etat.agrandi)
        Trace_Axes_Zoom(s, etat.serie, etat.duree, Noir);
    else
        Trace_Axes(s, etat.duree, Noir);
    if (Minutes_Par_Unite(etat.duree) == 0)
        return; // une autre durée : les axes seuls
    Trace_Niveau_Public(s, etat.duree, Vert_Public);
    Trace_Courbe(s, etat.serie, etat.duree, Rouge);
    if (marque)
        Trace_Marque(s, etat.serie, etat.duree, etat.index_marque, Bleu);
}
