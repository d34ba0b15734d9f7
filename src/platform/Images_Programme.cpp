#include "platform/Images_Programme.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>

QPixmap Image_Programme(const QString& nom) {
    return QPixmap(QCoreApplication::applicationDirPath() + QStringLiteral("/Images/") + nom);
}

void Image_Bouton(QAbstractButton* bouton, const QString& nom) {
    const QPixmap image = Image_Programme(nom);
    if (image.isNull()) {
        bouton->setIcon(QIcon());
        bouton->setText(bouton->toolTip());
        return;
    }
    bouton->setText(QString());
    bouton->setIcon(QIcon(image));
    bouton->setIconSize(image.size());
}

void Image_Etiquette(QLabel* etiquette, const QString& nom, const QString& texte_secours) {
    const QPixmap image = Image_Programme(nom);
    if (image.isNull())
        etiquette->setText(texte_secours);
    else
        etiquette->setPixmap(image);
}
