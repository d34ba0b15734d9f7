#include "support/Environnement_Ihm.h"
#include "support/Pseudo_Terminal.h"

#include "download/Liaison_Serie.h"
#include "download/Ports_Serie.h"
#include "download/Progression.h"
#include "platform/Images_Programme.h"
#include "shell/Fenetres.h"
#include "store/Declarations.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

class Fenetre_Attente : public Environnement_Ihm {
protected:
    template <class T> T* controle(const char* nom) const {
        return fenetre("frmWait")->findChild<T*>(QString::fromLatin1(nom));
    }
};

// La fenêtre suit l'état de la progression (l'appel qui finit la transmission fait aussi
// deux pas de classement), et une progression après sa fermeture la recharge à neuf.
TEST_F(Fenetre_Attente, SuitLaProgressionEtSeRechargeApresFermeture) {
    Fenetres::instance().Ouvrir(Id_Fenetre::frmWait);
    EXPECT_FALSE(controle<QLabel>("Picture_Transmit_Ok")->isVisible());
    Etat_Progression().ProgressBar_Transmission = 48;
    Progression();
    EXPECT_EQ(controle<QProgressBar>("ProgressBar_Classement")->value(), 2);
    EXPECT_FALSE(controle<QLabel>("Picture_Transmit_Ok")->pixmap().isNull());
    EXPECT_TRUE(controle<QLabel>("Picture_Transmit_Ok")->isVisible());

    Fenetres::instance().Decharger(Id_Fenetre::frmWait);
    vider_evenements();
    Progression();
    ASSERT_TRUE(visible("frmWait"));
    EXPECT_EQ(controle<QProgressBar>("ProgressBar_Transmission")->value(), 1);
    // 1 / 213 : le pourcentage garde ses deux chiffres.
    EXPECT_TRUE(controle<QLabel>("Label_Pourcentage")->text().endsWith(QStringLiteral(" 00 %.")));
}

// Annuler et la case de fermeture passent par le déchargement : arrêt demandé, port fermé.
TEST_F(Fenetre_Attente, AnnulerOuFermerDemandeLArretEtFermeLePort) {
    Pseudo_Terminal terminal;
    ASSERT_TRUE(terminal.valide());
    Ports_Serie::Definir_Chemins({terminal.chemin()});
    for (bool par_la_case : {false, true}) {
        ASSERT_TRUE(liaison().Ouvrir(1, Reglages_Telechargement, Taille_Tampon_Entree));
        Magasin().Abandon = false;
        Magasin().Compteur_Essais = -1;
        Fenetres::instance().Ouvrir(Id_Fenetre::frmWait);
        if (par_la_case)
            fenetre("frmWait")->parentWidget()->close();
        else
            controle<QPushButton>("Cmd_Annuler")->click();
        EXPECT_FALSE(chargee("frmWait")) << par_la_case;
        EXPECT_TRUE(Magasin().Abandon) << par_la_case;
        EXPECT_EQ(Magasin().Compteur_Essais, 0) << par_la_case;
        EXPECT_FALSE(liaison().Ouverte()) << par_la_case;
        vider_evenements();
    }
}

// Une image manquante laisse au bouton le texte de son info-bulle, jamais un bouton muet.
TEST_F(Fenetre_Attente, UneImageManquanteLaisseLeTexteDeLInfoBulle) {
    QPushButton bouton;
    bouton.setToolTip(QStringLiteral("Imprimer ce tableau"));
    Image_Bouton(&bouton, QStringLiteral("Image absente.bmp"));
    EXPECT_EQ(bouton.text(), QStringLiteral("Imprimer ce tableau"));
    Image_Bouton(&bouton, QStringLiteral("Print.bmp"));
    EXPECT_TRUE(bouton.text().isEmpty() && !bouton.icon().isNull());
}

} // namespace
