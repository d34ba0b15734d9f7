#include "platform/Images_Programme.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

QString Dossier_Images() {
    // À côté du programme (construction, copie portable), sinon là où l'installation les
    // met (/usr/share/lqm-analyser/Images).
    const QDir programme(QCoreApplication::applicationDirPath());
    for (const QString& chemin :
         {programme.filePath(QStringLiteral("Images")),
          programme.filePath(QStringLiteral(LQM_DONNEES_DEPUIS_BIN "/Images"))})
        if (QFileInfo(chemin).isDir())
            return QDir::cleanPath(chemin);
    return {};
}

QStringList Images_Du_Programme() {
    return {QStringLiteral("Exit.jpg"),           QStringLiteral("LQM 70-4 Rack.bmp"),
            QStringLiteral("Logo Tarvo.bmp"),     QStringLiteral("New Graphique.bmp"),
            QStringLiteral("New Tableau.bmp"),    QStringLiteral("No Zoom Leq 1.bmp"),
            QStringLiteral("No Zoom Leq 10.bmp"), QStringLiteral("Ok.bmp"),
            QStringLiteral("Print.bmp"),          QStringLiteral("Zoom Leq 1.bmp"),
            QStringLiteral("Zoom Leq 10.bmp")};
}

QPixmap Image_Programme(const QString& nom) {
    static const QString dossier = Dossier_Images();
    return QPixmap(dossier + u'/' + nom);
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
