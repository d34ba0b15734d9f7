#include "shell/frmAbout.h"

#include "platform/Apparence.h"
#include "platform/Images_Programme.h"
#include "shell/Fenetres.h"
#include "shell/frmStart.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

namespace {
// Un seul saut de ligne (LF) entre les lignes : un CR après lui, Qt l'afficherait comme une
// espace en tête de la ligne suivante.
const QString Description =
    QStringLiteral("*  Description de l'application :\n"
                   "Ce logiciel est un logiciel d'analyse des données enregistrées par le "
                   "LQM 70-4 Nova.\n"
                   "Ces données peuvent être récupérées sous forme de tableau, de graphique "
                   "ou être sauvegardées.");
const QString Resolutions = QStringLiteral("*  Résolutions compatibles :\n"
                                           "    _ 800 x 600.\n"
                                           "    _ 1024 x 768.\n"
                                           "    _ 1152 x 864 ou +  (Recommandé).");
const QString Firmware = QStringLiteral("*  Compatibilté Firmware LQM 70-4 :\n"
                                        "    _ Version Nova 3.0 (Liaison Série ou Adaptateur "
                                        "USB TARVO).");

QLabel* etiquette(QWidget* parent, const char* nom, const QString& texte, bool centree,
                  bool blanche) {
    auto* e = new QLabel(texte, parent);
    e->setObjectName(QString::fromLatin1(nom));
    e->setWordWrap(true);
    e->setAlignment((centree ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    if (blanche) {
        QPalette palette = e->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        e->setPalette(palette);
    }
    return e;
}
} // namespace

frmAbout::frmAbout() : Fenetre_Base(Id_Fenetre::frmAbout) {
    // Fenêtre de premier niveau sans parent : griser la fenêtre principale ne la grise pas.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QString());
    Taille_Client_Twips(5955, 5010);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Placer_Twips(Frame1, 90, 60, 5775, 4875);
    // Positions données par rapport à la fenêtre ; le cadre commence en (90, 60).
    const auto placer = [](QWidget* c, int gauche, int haut, int largeur, int hauteur) {
        Placer_Twips(c, gauche - 90, haut - 60, largeur, hauteur);
    };
    picIcon = Creer<QLabel>(Frame1, "picIcon");
    placer(picIcon, 120, 360, 2325, 1035);
    lblTitle =
        etiquette(Frame1, "lblTitle",
                  QStringLiteral("LOGICIEL D'ANALYSE DES DONNEES DU LQM 70-4 NOVA"), true, true);
    placer(lblTitle, 2505, 390, 3135, 585);
    lblVersion = etiquette(Frame1, "lblVersion", QStringLiteral("Version 3.0 - C"), true, true);
    placer(lblVersion, 2520, 960, 3135, 285);
    lblDescription = etiquette(Frame1, "lblDescription", QString(), false, false);
    placer(lblDescription, 375, 1440, 5025, 1170);
    Label_Resolution = etiquette(Frame1, "Label_Resolution", QString(), false, false);
    placer(Label_Resolution, 270, 2790, 5175, 915);
    Label_Firmware = etiquette(Frame1, "Label_Firmware", QString(), false, false);
    placer(Label_Firmware, 270, 3720, 5295, 465);
    Label_Version =
        etiquette(Frame1, "Label_Version", QStringLiteral("Version : 01122008"), true, false);
    placer(Label_Version, 3720, 4440, 1935, 225);
    cmdOK = Creer<QPushButton>(Frame1, "cmdOK", QStringLiteral("Ok"));
    placer(cmdOK, 2265, 4350, 1260, 404);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

void frmAbout::Form_Load() {
    if (QWidget* principale = Fenetres::instance().Fenetre(Id_Fenetre::frmMain))
        principale->setEnabled(false);
    Fermer_Fenetres();
    Image_Etiquette(picIcon, QStringLiteral("Logo Tarvo.bmp"), QString());
    lblDescription->setText(Description);
    Label_Resolution->setText(Resolutions);
    Label_Firmware->setText(Firmware);
    Centrer_Sur_Principale(this);
    // Sans parent Qt (elle serait grisée avec la fenêtre principale), la boîte reste tout de
    // même au-dessus d'elle : un clic sur la fenêtre grisée ne doit pas la cacher.
    if (QWidget* principale = Fenetres::instance().Fenetre(Id_Fenetre::frmMain)) {
        winId();
        if (windowHandle() && principale->windowHandle())
            windowHandle()->setTransientParent(principale->windowHandle());
    }
}

void frmAbout::Form_Unload() {
    if (QWidget* principale = Fenetres::instance().Fenetre(Id_Fenetre::frmMain))
        principale->setEnabled(true);
}

void frmAbout::cmdOK_Click() {
    Fenetres::instance().Decharger(id());
}
