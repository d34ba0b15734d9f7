#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

class QAbstractButton;
class QLabel;
class QPushButton;
class QWidget;

// Le dossier Images : à côté du programme, sinon celui de l'installation ; "" sans l'un
// ni l'autre.
QString Dossier_Images();
// Les images que les fenêtres demandent.
QStringList Images_Du_Programme();
// Image lue dans le dossier Images ; image nulle si elle manque.
QPixmap Image_Programme(const QString& nom);

// Met l'image sur le bouton ; si elle manque, le bouton montre le texte de son info-bulle.
void Image_Bouton(QAbstractButton* bouton, const QString& nom);
// Bouton à image nommé « nom » (le nom du contrôle), avec son info-bulle et son image.
QPushButton* Bouton_Image(QWidget* parent, const char* nom, const QString& info_bulle,
                          const QString& image);
// Met l'image dans l'étiquette ; si elle manque, l'étiquette montre « texte_secours ».
void Image_Etiquette(QLabel* etiquette, const QString& nom, const QString& texte_secours);
