#include "graphs/Boite_Graphique.h"

#include "graphs/Surface_Peintre.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>

Boite_Graphique::Boite_Graphique(QWidget* parent, const char* nom, Serie_Leq serie)
    : QWidget(parent) {
    setObjectName(QString::fromLatin1(nom));
    etat_.serie = serie;
    // Le graphique couvre toute la boîte : rien dessous à peindre d'abord.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Boite_Graphique::Changer_Etat(const Etat_Graphique& etat) {
    etat_ = etat;
    image_ = QPixmap();
    update();
}

QRectF Boite_Graphique::zone() const {
    // L'intérieur du cadre d'un pixel : là où Peindre_Graphique pose l'échelle.
    return QRectF(rect()).adjusted(1, 1, -1, -1);
}

QPointF Boite_Graphique::Vers_Graphique(const QPointF& pixel) const {
    const Echelle_Graphique e = Echelle_Etat(etat_);
    const QRectF z = zone();
    return {e.gauche + (pixel.x() - z.left()) * e.largeur / z.width(),
            e.haut + (pixel.y() - z.top()) * e.hauteur / z.height()};
}

QRectF Boite_Graphique::Selection_Montree() const {
    if (!selection_en_cours_)
        return {};
    return QRectF(debut_selection_, fin_selection_).normalized();
}

void Boite_Graphique::resizeEvent(QResizeEvent*) {
    image_ = QPixmap();
}

void Boite_Graphique::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    if (peintre.paintEngine()->type() == QPaintEngine::Picture) {
        // Une impression : le graphique en traits et textes, pas l'image de l'écran.
        Peindre_Graphique(peintre, QRectF(QPointF(0, 0), QSizeF(size())), etat_);
        return;
    }
    const qreal densite = devicePixelRatioF();
    if (image_.isNull() || image_.devicePixelRatio() != densite) {
        image_ = QPixmap(size() * densite);
        image_.setDevicePixelRatio(densite);
        QPainter peintre_image(&image_);
        Peindre_Graphique(peintre_image, QRectF(QPointF(0, 0), QSizeF(size())), etat_);
    }
    peintre.drawPixmap(0, 0, image_);
    if (selection_en_cours_) {
        peintre.setPen(QPen(Qt::black, 1, Qt::DashLine));
        peintre.drawRect(Selection_Montree());
    }
}

void Boite_Graphique::mousePressEvent(QMouseEvent* evenement) {
    // Seul un graphique agrandi (zoomé ou non) se sélectionne, au bouton gauche.
    selection_en_cours_ = evenement->button() == Qt::LeftButton && etat_.agrandi && !etat_.vide;
    debut_selection_ = fin_selection_ = evenement->position();
    update();
}

void Boite_Graphique::mouseMoveEvent(QMouseEvent* evenement) {
    if (!selection_en_cours_)
        return;
    fin_selection_ = evenement->position();
    update();
}

void Boite_Graphique::mouseReleaseEvent(QMouseEvent* evenement) {
    if (!selection_en_cours_ || evenement->button() != Qt::LeftButton)
        return;
    fin_selection_ = evenement->position();
    selection_en_cours_ = false;
    update();
    emit Selection_Tiree(Vers_Graphique(debut_selection_), Vers_Graphique(fin_selection_));
}
