#pragma once

#include "graphs/Fonctions_Graphiques.h"

#include <QPixmap>
#include <QWidget>

// La boîte d'image d'un graphique à l'écran : elle garde l'état de ce qu'elle montre et le
// redessine en entier quand il change. L'image est gardée à la densité de l'écran : la
// repeindre (une fenêtre qui passe dessus) ne retrace pas la courbe.
class Boite_Graphique : public QWidget {
    Q_OBJECT
public:
    Boite_Graphique(QWidget* parent, const char* nom, Serie_Leq serie);

    const Etat_Graphique& Etat() const { return etat_; }
    void Changer_Etat(const Etat_Graphique& etat);

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;

private:
    Etat_Graphique etat_;
    QPixmap image_;
};
