#include "store/frmWait_Save.h"

#include "platform/Apparence.h"
#include "platform/Images_Programme.h"
#include "shell/Fenetres.h"
#include "store/Fonction_Fichiers.h"

#include <QLabel>
#include <QProgressBar>
#include <cmath>

namespace {
// La barre compte en millièmes pour garder le maximum 16 700,002.
int en_milliemes(double valeur) {
    return static_cast<int>(std::lround(valeur * 1000));
}
} // namespace

frmWait_Save::frmWait_Save() : Fenetre_Base(Id_Fenetre::frmWait_Save) {
    setWindowTitle(QStringLiteral("Sauvegarde des données"));
    Taille_Client_Twips(5400, 2160);
    Label_Save_en_Cours = Creer<QLabel>(this, "Label_Save_en_Cours");
    Placer_Twips(Label_Save_en_Cours, 240, 120, 4320, 285);
    Label_Patientez = Creer<QLabel>(this, "Label_Patientez");
    Placer_Twips(Label_Patientez, 240, 480, 4320, 285);
    ProgressBar_Save = Creer<QProgressBar>(this, "ProgressBar_Save");
    ProgressBar_Save->setTextVisible(false);
    Placer_Twips(ProgressBar_Save, 240, 900, 4320, 300);
    Picture_Good = Creer<QLabel>(this, "Picture_Good");
    Placer_Twips(Picture_Good, 4680, 870, 480, 360);
    Label_Progression = Creer<QLabel>(this, "Label_Progression");
    Placer_Twips(Label_Progression, 240, 1380, 4320, 285);
}

void frmWait_Save::Form_Load() {
    Deplacer_Origine();
    Picture_Good->hide();
    Image_Etiquette(Picture_Good, QStringLiteral("Ok.bmp"), QStringLiteral("Ok"));
    ProgressBar_Save->setMinimum(0);
    ProgressBar_Save->setMaximum(en_milliemes(Max_Sauvegarde));
    Etat_Sauvegarde_En_Cours() = Etat_Sauvegarde_Au_Chargement();
    Drapeaux().Ouvert_frmWait_Save = true;
    Rafraichir();
}

void frmWait_Save::Rafraichir() {
    const Etat_Sauvegarde& e = Etat_Sauvegarde_En_Cours();
    ProgressBar_Save->setValue(en_milliemes(e.ProgressBar_Save));
    Label_Save_en_Cours->setText(e.Label_Save_en_Cours);
    Label_Patientez->setText(e.Label_Patientez);
    Label_Progression->setText(e.Label_Progression);
    Picture_Good->setVisible(e.Picture_Good);
}

void frmWait_Save::Brancher_Sauvegarde() {
    Installer_Vue_Sauvegarde([] {
        // Fenêtre fermée en chemin (Quitter) : la sauvegarde continue sans elle.
        if (auto* f = Fenetres::instance().Instance<frmWait_Save>(Id_Fenetre::frmWait_Save))
            f->Rafraichir();
    });
}
