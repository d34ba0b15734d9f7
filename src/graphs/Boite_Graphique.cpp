#include "graphs/Boite_Graphique.h"

#include "graphs/Surface_Peintre.h"

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

void Boite_Graphique::resizeEvent(QResizeEvent*) {
    image_ = QPixmap();
}

void Boite_Graphique::paintEvent(QPaintEvent*) {
    const qreal densite = devicePixelRatioF();
    if (image_.isNull() || image_.devicePixelRatio() != densite) {
        image_ = QPixmap(size() * densite);
        image_.setDevicePixelRatio(densite);
        QPainter peintre(&image_);
        Peindre_Graphique(peintre, QRectF(QPointF(0, 0), QSizeF(size())), etat_);
    }
    QPainter(this).drawPixmap(0, 0, image_);
}
