#include "platform/Apparence.h"

#include "platform/Twips.h"

#include <QFont>
#include <QPalette>
#include <QWidget>

void Appliquer_Apparence(QWidget* fenetre) {
    QPalette palette = fenetre->palette();
    palette.setColor(QPalette::Window, Couleur_Fond);
    fenetre->setPalette(palette);
    fenetre->setAutoFillBackground(true);
    QFont police(QStringLiteral("Arial"));
    police.setPointSizeF(8.25);
    fenetre->setFont(police);
}

void Placer_Twips(QWidget* controle, int gauche, int haut, int largeur, int hauteur) {
    controle->setGeometry(Twips_En_Pixels(gauche), Twips_En_Pixels(haut), Twips_En_Pixels(largeur),
                          Twips_En_Pixels(hauteur));
}
