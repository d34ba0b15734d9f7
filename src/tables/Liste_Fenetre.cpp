#include "tables/Liste_Fenetre.h"

#include <QListView>
#include <QStringListModel>

QListView* Creer_Liste(QWidget* parent, const char* nom) {
    auto* liste = new QListView(parent);
    liste->setObjectName(QString::fromLatin1(nom));
    liste->setModel(new QStringListModel(liste));
    liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Toutes les lignes ont la même hauteur : la vue n'a pas à les mesurer une à une.
    liste->setUniformItemSizes(true);
    // Une ligne trop longue se lit en faisant défiler, jamais coupée de « … ».
    liste->setTextElideMode(Qt::ElideNone);
    return liste;
}

void Montrer_Liste(QListView* liste, const Liste_Affichee& contenu) {
    if (contenu.points > 0) {
        QFont police = liste->font();
        police.setPointSize(contenu.points);
        police.setBold(contenu.gras);
        liste->setFont(police);
    } else {
        liste->setFont(QFont()); // celle de la fenêtre
    }
    static_cast<QStringListModel*>(liste->model())->setStringList(contenu.lignes);
}
