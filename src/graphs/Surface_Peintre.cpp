#include "graphs/Surface_Peintre.h"

#include "graphs/Fonctions_Graphiques.h"
#include "platform/Apparence.h"
#include "platform/Twips.h"

#include <QImage>
#include <cmath>
#include <vector>

Surface_Peintre::Surface_Peintre(QPainter& peintre, const QRectF& zone, double facteur)
    : peintre_(peintre), zone_(zone), facteur_(facteur), police_(QStringLiteral("Arial")) {
    peintre_.save();
    peintre_.fillRect(zone_, Qt::white);
    peintre_.setClipRect(zone_);
    // Des traits nets, pixel pour pixel, comme les marches de la courbe le demandent ; le
    // texte garde son lissage.
    peintre_.setRenderHint(QPainter::Antialiasing, false);
    peintre_.setRenderHint(QPainter::TextAntialiasing, true);
}

Surface_Peintre::~Surface_Peintre() {
    peintre_.restore();
}

QPointF Surface_Peintre::vers_peintre(double x, double y) const {
    return {zone_.left() + (x - ScaleLeft()) * zone_.width() / ScaleWidth(),
            zone_.top() + (y - ScaleTop()) * zone_.height() / ScaleHeight()};
}

void Surface_Peintre::plume(Couleur c) {
    if (c == couleur_plume_ && DrawWidth() == largeur_plume_)
        return;
    couleur_plume_ = c;
    largeur_plume_ = DrawWidth();
    QPen p(QColor(c.rouge, c.vert, c.bleu), std::max(1, largeur_plume_) * facteur_);
    p.setCapStyle(Qt::SquareCap);
    peintre_.setPen(p);
}

void Surface_Peintre::tracer_ligne(double x1, double y1, double x2, double y2, Couleur c) {
    plume(c);
    peintre_.drawLine(QLineF(vers_peintre(x1, y1), vers_peintre(x2, y2)));
}

void Surface_Peintre::tracer_point(double x, double y, Couleur c) {
    plume(c);
    peintre_.drawPoint(vers_peintre(x, y));
}

void Surface_Peintre::tracer_rectangle(double x1, double y1, double x2, double y2, Couleur c) {
    peintre_.fillRect(QRectF(vers_peintre(x1, y1), vers_peintre(x2, y2)).normalized(),
                      QColor(c.rouge, c.vert, c.bleu));
}

void Surface_Peintre::tracer_texte(double x, double y, const QString& texte, bool fin) {
    if (FontSize() != taille_police_ || FontBold() != gras_police_) {
        taille_police_ = FontSize();
        gras_police_ = FontBold();
        // Des points à 96 ppp, quel que soit l'appareil du peintre.
        police_.setPixelSize(
            std::max(1, static_cast<int>(std::lround(taille_police_ * 96.0 / 72.0 * facteur_))));
        police_.setBold(gras_police_);
        peintre_.setFont(police_);
        ascendante_ = QFontMetricsF(police_).ascent();
    }
    plume(ForeColor());
    const QPointF p = vers_peintre(x, y);
    const double largeur = fin ? QFontMetricsF(police_).horizontalAdvance(texte) : 0;
    peintre_.drawText(QPointF(p.x() - largeur, p.y() + ascendante_), texte);
}

void Peindre_Graphique(QPainter& peintre, const QRectF& boite, const Etat_Graphique& etat,
                       double facteur) {
    peintre.save();
    peintre.setPen(QPen(QColor(128, 128, 128), facteur));
    const double demi = facteur / 2;
    peintre.drawRect(boite.adjusted(demi, demi, -demi, -demi));
    peintre.restore();
    Surface_Peintre surface(peintre, boite.adjusted(facteur, facteur, -facteur, -facteur), facteur);
    Dessiner_Graphique(surface, etat);
}

QImage Image_Graphiques_Leq(int duree, bool vide, int largeur, const Etat_Graphique* agrandi) {
    struct Graphique {
        Etat_Graphique etat;
        Rectangle_Twips place;
        int haut_legende;
        const char* legende;
    };
    auto legende = [](Serie_Leq serie) {
        return serie == Serie_Leq::Leq10 ? "Graphique des niveaux Leq sur 10 minutes."
                                         : "Graphique des niveaux Leq sur 1 minute.";
    };
    std::vector<Graphique> graphiques;
    if (agrandi) {
        graphiques.push_back({*agrandi, Place_Graphique_Agrandi, 9240, legende(agrandi->serie)});
    } else {
        for (Serie_Leq serie : {Serie_Leq::Leq10, Serie_Leq::Leq1}) {
            const bool dix = serie == Serie_Leq::Leq10;
            graphiques.push_back({{serie, duree, vide, false, 0},
                                  dix ? Place_Graphique_Leq10 : Place_Graphique_Leq1,
                                  dix ? 4890 : 9240,
                                  legende(serie)});
        }
    }
    // La partie de la fenêtre qui tient les graphiques et leurs légendes, en twips.
    const int gauche = Place_Graphique_Leq10.gauche, haut = Place_Graphique_Leq10.haut;
    const int largeur_twips = graphiques.front().place.largeur;
    const int bas_twips = 9240 + 255;
    const double naturelle = static_cast<double>(largeur_twips) / Twips_Par_Pixel;
    const double facteur = largeur > 0 ? largeur / naturelle : 1.0;
    const QSize taille(
        static_cast<int>(std::lround(naturelle * facteur)),
        static_cast<int>(std::lround((bas_twips - haut) * facteur / Twips_Par_Pixel)));
    QImage image(taille, QImage::Format_RGB32);
    image.fill(Couleur_Fond);
    QPainter peintre(&image);
    peintre.scale(facteur, facteur);
    auto pixels = [&](int twips) { return static_cast<double>(twips) / Twips_Par_Pixel; };

    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(11); // 8,25 points à 96 ppp, la police des fenêtres
    for (const Graphique& g : graphiques) {
        const QRectF boite(pixels(g.place.gauche - gauche), pixels(g.place.haut - haut),
                           pixels(g.place.largeur), pixels(g.place.hauteur));
        Peindre_Graphique(peintre, boite, g.etat);
        peintre.setPen(Qt::black);
        peintre.setFont(police);
        peintre.drawText(QRectF(0, pixels(g.haut_legende - haut), naturelle, pixels(255)),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(g.legende));
    }
    return image;
}
