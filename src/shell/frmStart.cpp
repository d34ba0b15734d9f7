#include "shell/frmStart.h"

#include "platform/Apparence.h"
#include "platform/Images_Programme.h"
#include "platform/Plateforme.h"
#include "platform/Travail_Long.h"
#include "shell/Fenetres.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace {
// Titres de l'accueil : Comic Sans MS si le système l'a, sinon Comic Neue.
QFont Police_Accueil(double points) {
    QFont police(QStringLiteral("Comic Neue"));
    if (QFontDatabase::hasFamily(QStringLiteral("Comic Sans MS")))
        police.setFamily(QStringLiteral("Comic Sans MS"));
    police.setPointSizeF(points);
    police.setBold(true);
    return police;
}
} // namespace

void Centrer_Sur_Principale(QWidget* fenetre) {
    QWidget* principale = Fenetres::instance().Fenetre(Id_Fenetre::frmMain);
    if (!principale || !principale->isVisible())
        return;
    fenetre->move(principale->frameGeometry().center() - fenetre->rect().center());
}

namespace {
QLabel* titre_blanc(QWidget* parent, const char* nom, const QString& texte, double points) {
    auto* etiquette = new QLabel(texte, parent);
    etiquette->setObjectName(QString::fromLatin1(nom));
    etiquette->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    etiquette->setFont(Police_Accueil(points));
    QPalette palette = etiquette->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    etiquette->setPalette(palette);
    return etiquette;
}
} // namespace

frmStart::frmStart() : Fenetre_Base(Id_Fenetre::frmStart) {
    // Ni titre ni cadre : une fenêtre d'accueil, que le gestionnaire de fenêtres garde devant.
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    Taille_Client_Twips(6600, 3195);

    Acceuil = new QGroupBox(this);
    Acceuil->setObjectName(QStringLiteral("Acceuil"));
    Placer_Twips(Acceuil, 150, 30, 6300, 3060);
    // Positions données par rapport à la fenêtre ; le cadre commence en (150, 30).
    const auto placer = [](QWidget* c, int gauche, int haut, int largeur, int hauteur) {
        Placer_Twips(c, gauche - 150, haut - 30, largeur, hauteur);
    };
    Image_Logo = Creer<QLabel>(Acceuil, "Image_Logo");
    placer(Image_Logo, 240, 240, 2295, 900);
    Image_LQM_Rack = Creer<QLabel>(Acceuil, "Image_LQM_Rack");
    placer(Image_LQM_Rack, 540, 1260, 2280, 1665);
    Label_Nom_Produit =
        titre_blanc(Acceuil, "Label_Nom_Produit", QStringLiteral("TARVO Analyser"), 20.25);
    placer(Label_Nom_Produit, 2760, 480, 3465, 570);
    Label_Version = titre_blanc(Acceuil, "Label_Version", QStringLiteral("LQM 70-4  Nova"), 15);
    placer(Label_Version, 3420, 1770, 2745, 465);
    Label_Firmware = titre_blanc(Acceuil, "Label_Firmware", QStringLiteral("Version 3.0-C"), 14.25);
    placer(Label_Firmware, 3810, 2250, 2055, 405);
}

void frmStart::Form_Load() {
    QPointer<QWidget> principale = Fenetres::instance().Fenetre(Id_Fenetre::frmMain);
    QPointer<QTimer> minuterie =
        principale ? principale->findChild<QTimer*>(QStringLiteral("Timer_Wait")) : nullptr;
    if (principale)
        principale->setEnabled(false);
    Image_Etiquette(Image_Logo, QStringLiteral("Logo Tarvo.bmp"), QString());
    Image_Etiquette(Image_LQM_Rack, QStringLiteral("LQM 70-4 Rack.bmp"), QString());
    Centrer_Sur_Principale(this);
    Rendre_Visible();
    if (minuterie) {
        // Quitter pendant l'accueil attend la fin de l'attente, comme pendant un travail long :
        // la sortie passe alors par la boucle d'événements du programme.
        Travail_Long attente;
        minuterie->start();
        // La boucle dort jusqu'au tick de la minuterie (qui l'arrête), sans tourner à vide.
        Attendre_Ms(minuterie->interval(), [minuterie] {
            return !minuterie || !minuterie->isActive() || Travail_Long::Sortie_Demandee() ||
                   !Fenetres::instance().Chargee(Id_Fenetre::frmStart);
        });
        if (minuterie)
            minuterie->stop();
    }
    // La fenêtre a pu être déchargée pendant l'attente : plus rien de ses membres ici.
    if (principale)
        principale->setEnabled(true);
}
