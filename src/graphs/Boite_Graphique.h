#pragma once

#include "graphs/Fonctions_Graphiques.h"

#include <QPixmap>
#include <QPointF>
#include <QWidget>

// La boîte d'image d'un graphique à l'écran : elle garde l'état de ce qu'elle montre et le
// redessine en entier quand il change. L'image est gardée à la densité de l'écran : la
// repeindre (une fenêtre qui passe dessus, le rectangle de sélection qui bouge) ne retrace
// pas la courbe.
class Boite_Graphique : public QWidget {
    Q_OBJECT
public:
    Boite_Graphique(QWidget* parent, const char* nom, Serie_Leq serie);

    const Etat_Graphique& Etat() const { return etat_; }
    void Changer_Etat(const Etat_Graphique& etat);

    // Un point de la boîte (pixels) en coordonnées du graphique, dans l'échelle de l'état.
    QPointF Vers_Graphique(const QPointF& pixel) const;
    // Le rectangle de sélection montré ; vide quand aucune sélection n'est en cours.
    QRectF Selection_Montree() const;

signals:
    // Une sélection tirée sur un graphique agrandi, relâchée : ses deux coins en coordonnées
    // du graphique (début, fin).
    void Selection_Tiree(QPointF debut, QPointF fin);

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;

private:
    QRectF zone() const;

    Etat_Graphique etat_;
    QPixmap image_;
    bool selection_en_cours_ = false;
    QPointF debut_selection_, fin_selection_; // en pixels
};
