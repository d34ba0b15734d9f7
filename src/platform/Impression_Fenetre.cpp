#include "platform/Impression_Fenetre.h"

#include "platform/Plateforme.h"
#include "platform/Twips.h"

#include <QPainter>
#include <QPicture>
#include <algorithm>

Mise_En_Page_Impression::~Mise_En_Page_Impression() {
    // Dans l'ordre inverse : un contrôle touché deux fois retrouve son tout premier état.
    for (auto e = etats_.rbegin(); e != etats_.rend(); ++e) {
        if (!e->controle)
            continue;
        e->controle->setGeometry(e->place);
        e->controle->setVisible(e->visible);
        e->controle->setPalette(e->palette);
    }
}

void Mise_En_Page_Impression::garder(QWidget* controle) {
    etats_.push_back(
        {controle, controle->geometry(), controle->isVisibleTo(fenetre_), controle->palette()});
}

void Mise_En_Page_Impression::Haut(QWidget* controle, int haut_twips) {
    garder(controle);
    controle->move(controle->x(), Twips_En_Pixels(haut_twips));
}

void Mise_En_Page_Impression::Cacher(QWidget* controle) {
    garder(controle);
    controle->hide();
}

void Mise_En_Page_Impression::Fond_Blanc() {
    garder(fenetre_);
    QPalette blanche = fenetre_->palette();
    blanche.setColor(QPalette::Window, Qt::white);
    fenetre_->setPalette(blanche);
}

bool Imprimer_Fenetre(Imprimante& imprimante, QWidget* fenetre) {
    imprimante.Dessiner([fenetre](QPainter& peintre, const QRectF& zone) {
        // Par une image vectorielle : rendre la fenêtre droit sur l'imprimante passerait par
        // une copie d'écran.
        QPicture image;
        {
            QPainter enregistreur(&image);
            fenetre->render(&enregistreur, QPoint(), QRegion(),
                            QWidget::DrawWindowBackground | QWidget::DrawChildren);
        }
        const double echelle =
            std::min(zone.width() / fenetre->width(), zone.height() / fenetre->height());
        peintre.translate(zone.topLeft());
        peintre.scale(echelle, echelle);
        peintre.drawPicture(0, 0, image);
    });
    return Terminer_Impression(imprimante);
}
