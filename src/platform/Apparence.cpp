#include "platform/Apparence.h"

#include "platform/Twips.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QFont>
#include <QLabel>
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

void Titre_Centre(QLabel* etiquette) {
    etiquette->setAlignment(Qt::AlignCenter);
    QFont gras = etiquette->font();
    gras.setBold(true);
    etiquette->setFont(gras);
}

void Petite_Mention(QLabel* etiquette) {
    QFont petite = etiquette->font();
    petite.setPointSize(7);
    etiquette->setFont(petite);
}

void Placer_Twips(QWidget* controle, int gauche, int haut, int largeur, int hauteur) {
    controle->setGeometry(Twips_En_Pixels(gauche), Twips_En_Pixels(haut), Twips_En_Pixels(largeur),
                          Twips_En_Pixels(hauteur));
}

QDateEdit* Selecteur_Date(QWidget* parent, const char* nom) {
    auto* dtp = new QDateEdit(parent);
    dtp->setObjectName(QString::fromLatin1(nom));
    const QLocale francais(QLocale::French, QLocale::France);
    dtp->setLocale(francais);
    dtp->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    dtp->setCalendarPopup(true);
    dtp->setDateRange(QDate(2000, 1, 1), QDate(2099, 12, 31));
    Preparer_Calendrier(dtp->calendarWidget());
    return dtp;
}

void Preparer_Calendrier(QCalendarWidget* calendrier) {
    calendrier->setLocale(QLocale(QLocale::French, QLocale::France));
    calendrier->setFirstDayOfWeek(Qt::Monday);
    calendrier->setDateEditEnabled(false);
}
