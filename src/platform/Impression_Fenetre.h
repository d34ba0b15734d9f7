#pragma once

// L'impression d'une fenêtre telle qu'elle se montre (graphique, paramètres) : mise en page
// le temps d'imprimer, puis remise en l'état.

#include <QPalette>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <vector>

class Imprimante;

// Déplace, cache et blanchit des contrôles pour l'impression ; le destructeur remet tout
// comme avant, que l'impression ait réussi ou non.
class Mise_En_Page_Impression {
public:
    explicit Mise_En_Page_Impression(QWidget* fenetre) : fenetre_(fenetre) {}
    ~Mise_En_Page_Impression();
    Mise_En_Page_Impression(const Mise_En_Page_Impression&) = delete;
    Mise_En_Page_Impression& operator=(const Mise_En_Page_Impression&) = delete;

    void Haut(QWidget* controle, int haut_twips);
    void Cacher(QWidget* controle);
    // La fenêtre et toutes ses étiquettes en blanc.
    void Fond_Blanc();

private:
    struct Etat {
        QPointer<QWidget> controle;
        QRect place;
        bool visible;
        QPalette palette;
    };
    void garder(QWidget* controle);

    QWidget* fenetre_;
    std::vector<Etat> etats_;
};

// L'image de la fenêtre sur une page, à la largeur de la page (ou à sa hauteur si elle ne
// tient pas), dessinée à la résolution de l'imprimante : textes et traits restent nets. Faux
// quand l'imprimante a refusé ; l'utilisateur l'a alors lu dans un message.
bool Imprimer_Fenetre(Imprimante& imprimante, QWidget* fenetre);
