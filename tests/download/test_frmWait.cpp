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
    QString texte(const char* nom) const { return controle<QLabel>(nom)->text(); }
};

TEST_F(Fenetre_Attente, AuChargementEtAuFilDeLaProgression) {
    Fenetres::instance().Ouvrir(Id_Fenetre::frmWait);
    ASSERT_TRUE(chargee("frmWait"));
    EXPECT_TRUE(Drapeaux().Ouvert_frmWait);
    EXPECT_EQ(fenetre("frmWait")->windowTitle(),
              QStringLiteral("Transfert des données en cours ..."));
    EXPECT_EQ(texte("Label_Pourcentage"),
              QStringLiteral("Traitement des données effectué à 00 %."));
    EXPECT_FALSE(controle<QLabel>("Picture_Transmit_Ok")->isVisible());
    EXPECT_EQ(controle<QProgressBar>("ProgressBar_Transmission")->maximum(), 49);
    EXPECT_EQ(controle<QProgressBar>("ProgressBar_Classement")->maximum(), 164);
    EXPECT_EQ(controle<QProgressBar>("ProgressBar_Traitement")->maximum(), 213);

    Etat_Progression().ProgressBar_Transmission = 48;
    Progression();
    EXPECT_EQ(controle<QProgressBar>("ProgressBar_Transmission")->value(), 49);
    EXPECT_EQ(controle<QProgressBar>("ProgressBar_Classement")->value(), 2);
    EXPECT_EQ(texte("Label_Transmission"),
              QStringLiteral("Transmission effectuée avec succès !!!"));
    EXPECT_TRUE(controle<QLabel>("Picture_Transmit_Ok")->isVisible());
    EXPECT_FALSE(controle<QLabel>("Picture_Transmit_Ok")->pixmap().isNull());
    EXPECT_FALSE(controle<QLabel>("Picture_Classement_Ok")->isVisible());
}

TEST_F(Fenetre_Attente, AnnulerDemandeLArretEtFermeLePort) {
    Pseudo_Terminal terminal;
    ASSERT_TRUE(terminal.valide());
    Ports_Serie::Definir_Chemins({terminal.chemin()});
    ASSERT_TRUE(liaison().Ouvrir(1, Reglages_Telechargement, Taille_Tampon_Entree));
    Magasin().Compteur_Essais = -1;
    Fenetres::instance().Ouvrir(Id_Fenetre::frmWait);
    controle<QPushButton>("Cmd_Annuler")->click();
    EXPECT_FALSE(chargee("frmWait"));
    EXPECT_FALSE(Drapeaux().Ouvert_frmWait);
    EXPECT_TRUE(Magasin().Abandon);
    EXPECT_EQ(Magasin().Compteur_Essais, 0);
    EXPECT_FALSE(liaison().Ouverte());
}

TEST_F(Fenetre_Attente, LaCaseDeFermetureAnnuleAussi) {
    Fenetres::instance().Ouvrir(Id_Fenetre::frmWait);
    fenetre("frmWait")->parentWidget()->close();
    EXPECT_FALSE(chargee("frmWait"));
    EXPECT_TRUE(Magasin().Abandon);
}

TEST_F(Fenetre_Attente, UneProgressionApresFermetureRechargeLaFenetre) {
    Fenetres::instance().Ouvrir(Id_Fenetre::frmWait);
    for (int i = 0; i < 10; ++i)
        Progression();
    Fenetres::instance().Decharger(Id_Fenetre::frmWait);
    vider_evenements();
    Progression();
    ASSERT_TRUE(chargee("frmWait"));
    EXPECT_TRUE(visible("frmWait"));
    EXPECT_TRUE(Drapeaux().Ouvert_frmWait);
    // Rechargée à neuf : barres et textes repartent du début, puis un pas.
    EXPECT_EQ(controle<QProgressBar>("ProgressBar_Transmission")->value(), 1);
}

TEST_F(Fenetre_Attente, UneImageManquanteLaisseLeTexteDeLInfoBulle) {
    QPushButton bouton;
    bouton.setToolTip(QStringLiteral("Imprimer ce tableau"));
    Image_Bouton(&bouton, QStringLiteral("Image absente.bmp"));
    EXPECT_EQ(bouton.text(), QStringLiteral("Imprimer ce tableau"));
    EXPECT_TRUE(bouton.icon().isNull());
    Image_Bouton(&bouton, QStringLiteral("Print.bmp"));
    EXPECT_FALSE(bouton.icon().isNull());
    EXPECT_TRUE(bouton.text().isEmpty());
}

} // namespace
