#include "graphs/Surface_Dessin.h"

#include <QStringList>

QString Texte_Couleur(Couleur c) {
    return QStringLiteral("#%1%2%3")
        .arg(c.rouge, 2, 16, QLatin1Char('0'))
        .arg(c.vert, 2, 16, QLatin1Char('0'))
        .arg(c.bleu, 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString Texte_Nombre(double valeur) {
    QString t = QString::number(valeur, 'f', 4);
    while (t.endsWith(u'0'))
        t.chop(1);
    if (t.endsWith(u'.'))
        t.chop(1);
    return t == QLatin1String("-0") ? QStringLiteral("0") : t;
}

void Surface_Dessin::Echelle(double gauche, double haut, double largeur, double hauteur) {
    gauche_ = gauche;
    haut_ = haut;
    largeur_ = largeur;
    hauteur_ = hauteur;
    tracer_echelle();
}

void Surface_Dessin::Ligne(double x1, double y1, double x2, double y2, Couleur c) {
    tracer_ligne(x1, y1, x2, y2, c);
}

void Surface_Dessin::Point(double x, double y, Couleur c) {
    tracer_point(x, y, c);
}

void Surface_Dessin::Rectangle_Plein(double x1, double y1, double x2, double y2, Couleur c) {
    tracer_rectangle(x1, y1, x2, y2, c);
}

void Surface_Dessin::Ecrire(const QString& texte) {
    tracer_texte(CurrentX, CurrentY, texte, false);
}

void Surface_Dessin::Ecrire_Fin(const QString& texte) {
    tracer_texte(CurrentX, CurrentY, texte, true);
}

void Surface_Enregistreuse::tracer_echelle() {
    operations.push_back(
        {Genre::Echelle, ScaleLeft(), ScaleTop(), ScaleWidth(), ScaleHeight(), Noir, 1, 0, {}});
}

void Surface_Enregistreuse::tracer_ligne(double x1, double y1, double x2, double y2, Couleur c) {
    operations.push_back({Genre::Ligne, x1, y1, x2, y2, c, DrawWidth(), 0, {}});
}

void Surface_Enregistreuse::tracer_point(double x, double y, Couleur c) {
    operations.push_back({Genre::Point, x, y, x, y, c, DrawWidth(), 0, {}});
}

void Surface_Enregistreuse::tracer_rectangle(double x1, double y1, double x2, double y2,
                                             Couleur c) {
    operations.push_back({Genre::Rectangle, x1, y1, x2, y2, c, DrawWidth(), 0, {}});
}

void Surface_Enregistreuse::tracer_texte(double x, double y, const QString& texte, bool fin) {
    operations.push_back(
        {Genre::Texte, x, y, x, y, ForeColor(), DrawWidth(), FontSize(), texte, fin});
}

QString Surface_Enregistreuse::Texte_Operations() const {
    QStringList lignes;
    lignes.reserve(static_cast<qsizetype>(operations.size()));
    const auto n = Texte_Nombre;
    for (const Operation& o : operations) {
        switch (o.genre) {
        case Genre::Echelle:
            lignes << QStringLiteral("echelle %1 %2 %3 %4").arg(n(o.x1), n(o.y1), n(o.x2), n(o.y2));
            break;
        case Genre::Ligne:
            lignes << QStringLiteral("ligne %1 %2 %3 %4 %5 %6")
                          .arg(n(o.x1), n(o.y1), n(o.x2), n(o.y2), Texte_Couleur(o.couleur))
                          .arg(o.largeur);
            break;
        case Genre::Point:
            lignes
                << QStringLiteral("point %1 %2 %3").arg(n(o.x1), n(o.y1), Texte_Couleur(o.couleur));
            break;
        case Genre::Rectangle:
            lignes << QStringLiteral("rectangle %1 %2 %3 %4 %5")
                          .arg(n(o.x1), n(o.y1), n(o.x2), n(o.y2), Texte_Couleur(o.couleur));
            break;
        case Genre::Texte:
            lignes << QStringLiteral("%1 %2 %3 %4 %5 %6")
                          .arg(o.fin ? QStringLiteral("texte-fin") : QStringLiteral("texte"),
                               n(o.x1), n(o.y1), Texte_Couleur(o.couleur), n(o.taille), o.texte);
            break;
        }
    }
    return lignes.isEmpty() ? QString() : lignes.join(u'\n') + u'\n';
}
