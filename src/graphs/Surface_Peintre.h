#pragma once

// La boîte d'image sur un QPainter : la fenêtre (paintEvent), une image, l'imprimante.
// QtGui : ce fichier n'entre pas dans le noyau.

#include "graphs/Fonctions_Graphiques.h"
#include "graphs/Surface_Dessin.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QRectF>

class Surface_Peintre : public Surface_Dessin {
public:
    // « zone » : la boîte d'image dans le repère du peintre, qui la remplit de blanc et y
    // coupe tout tracé ; « facteur » : les unités du peintre pour un pixel d'écran à
    // 96 ppp (épaisseur des traits, taille des polices).
    Surface_Peintre(QPainter& peintre, const QRectF& zone, double facteur = 1.0);
    ~Surface_Peintre() override;

protected:
    void tracer_ligne(double x1, double y1, double x2, double y2, Couleur c) override;
    void tracer_point(double x, double y, Couleur c) override;
    void tracer_rectangle(double x1, double y1, double x2, double y2, Couleur c) override;
    void tracer_texte(double x, double y, const QString& texte, bool fin) override;

private:
    QPointF vers_peintre(double x, double y) const;
    void plume(Couleur c);

    QPainter& peintre_;
    QRectF zone_;
    double facteur_;
    Couleur couleur_plume_{-1, -1, -1};
    int largeur_plume_ = -1;
    double taille_police_ = -1;
    bool gras_police_ = false;
    QFont police_;
    double ascendante_ = 0;
};

// Une boîte de graphique entière dans « boite » : son cadre gris, puis le graphique de
// « etat » sur fond blanc à l'intérieur.
void Peindre_Graphique(QPainter& peintre, const QRectF& boite, const Etat_Graphique& etat,
                       double facteur = 1.0);

// Les graphiques de frmGraphique_Leq dans une image, comme la fenêtre les montre : les deux
// graphiques normaux (Leq10 au-dessus de Leq1) ou le seul graphique « agrandi », chacun avec
// sa légende ; à la taille de la fenêtre ou « largeur » pixels de large.
QImage Image_Graphiques_Leq(int duree, bool vide, int largeur = 0,
                            const Etat_Graphique* agrandi = nullptr);
