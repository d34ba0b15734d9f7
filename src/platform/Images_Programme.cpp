#include "platform/Images_Programme.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

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

QPushButton* Bouton_Image(QWidget* parent, const char* nom, const QString& info_bulle,
                          const QString& image) {
    auto* bouton = new QPushButton(parent);
    bouton->setObjectName(QString::fromLatin1(nom));
    bouton->setToolTip(info_bulle);
    Image_Bouton(bouton, image);
    return bouton;
}

void Image_Etiquette(QLabel* etiquette, const QString& nom, const QString& texte_secours) {
    const QPixmap image = Image_Programme(nom);
    if (image.isNull())
        etiquette->setText(texte_secours);
    else
        etiquette->setPixmap(image);
}
