#include "support/Environnement_Ihm.h"

#include "shell/Etat_Principal.h"
#include "shell/Fenetres.h"
#include "shell/frmMain.h"
#include "store/Declarations.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace {

class Dialogue_Donnees : public Environnement_Ihm {
protected:
    // Ouvre le dialogue comme l'entrée « Tableau Leq » du menu.
    void ouvrir(int num_port, bool donnees) {
        Magasin().Num_Port = static_cast<std::int16_t>(num_port);
        Magasin().Donnees_Chargees = donnees;
        action("mnuTab_Leq")->trigger();
        ASSERT_TRUE(chargee("frmData_Type"));
    }
    template <class T> T* controle(const char* nom) const {
        QWidget* dialogue = fenetre("frmData_Type");
        return dialogue ? dialogue->findChild<T*>(QString::fromLatin1(nom)) : nullptr;
    }
    QRadioButton* option(const char* nom) const { return controle<QRadioButton>(nom); }
    QPushButton* bouton(const char* nom) const { return controle<QPushButton>(nom); }
    QString texte_fichier() const { return controle<QLineEdit>("Text_Save_Data")->text(); }
    void entree(QWidget* cible) {
        QKeyEvent appui(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(cible, &appui);
    }
};

TEST_F(Dialogue_Donnees, SansPortNiDonneesSeuleLaSauvegardeEstProposee) {
    ouvrir(0, false);
    EXPECT_FALSE(option("Option_New_Transfert")->isEnabled());
    EXPECT_FALSE(option("Option_Last_Data")->isEnabled());
    EXPECT_TRUE(option("Option_New_Save")->isEnabled());
    EXPECT_TRUE(option("Option_New_Save")->isChecked());
    EXPECT_TRUE(bouton("Cmd_Search")->isEnabled());
    EXPECT_TRUE(texte_fichier().isEmpty());
    EXPECT_EQ(controle<QGroupBox>("Frame1")->title(),
              QStringLiteral("Sélectionnez le type de données pour le Tableau Leq"));
    EXPECT_EQ(fenetre("frmData_Type")->windowTitle(),
              QStringLiteral("Sélection du type de données"));
    EXPECT_TRUE(visible("frmData_Type"));
}

TEST_F(Dialogue_Donnees, AvecUnPortSansDonneesRienNEstPreselectionneEtOkFerme) {
    ouvrir(2, false);
    EXPECT_TRUE(option("Option_New_Transfert")->isEnabled());
    EXPECT_FALSE(option("Option_Last_Data")->isEnabled());
    EXPECT_FALSE(option("Option_New_Transfert")->isChecked());
    EXPECT_FALSE(option("Option_Last_Data")->isChecked());
    EXPECT_FALSE(option("Option_New_Save")->isChecked());
    EXPECT_FALSE(bouton("Cmd_Search")->isEnabled());
    bouton("Cmd_Ok")->click();
    EXPECT_FALSE(chargee("frmData_Type"));
    EXPECT_FALSE(Drapeaux().Ouvert_frmData_Type);
    EXPECT_FALSE(chargee("frmInTableau"));
    EXPECT_TRUE(plateforme_test.messages.empty());
}

TEST_F(Dialogue_Donnees, AvecDesDonneesOkOuvreLeDialogueDeLaVue) {
    ouvrir(2, true);
    EXPECT_TRUE(option("Option_Last_Data")->isChecked());
    EXPECT_FALSE(bouton("Cmd_Search")->isEnabled());
    bouton("Cmd_Ok")->click();
    vider_evenements();
    EXPECT_TRUE(chargee("frmInTableau"));
    EXPECT_TRUE(Drapeaux().Ouvert_frmInTableau);
    EXPECT_FALSE(chargee("frmData_Type"));
    EXPECT_FALSE(Drapeaux().Ouvert_frmData_Type);
}

TEST_F(Dialogue_Donnees, LaVueOuverteSuitTypeAffichage) {
    Magasin().Donnees_Chargees = true;
    action("mnuGraphique")->trigger();
    bouton("Cmd_Ok")->click();
    EXPECT_TRUE(chargee("frmInGraphique_v5"));
    action("mnuParametres")->trigger();
    EXPECT_FALSE(chargee("frmInGraphique_v5"));
    bouton("Cmd_Ok")->click();
    EXPECT_TRUE(chargee("frmParametres_v4"));
    action("mnuEvenements")->trigger();
    bouton("Cmd_Ok")->click();
    EXPECT_TRUE(chargee("frmInTableau"));
}

TEST_F(Dialogue_Donnees, CliquerUneOptionReglePoursuivreLaRecherche) {
    ouvrir(2, true);
    option("Option_New_Save")->click();
    EXPECT_TRUE(bouton("Cmd_Search")->isEnabled());
    option("Option_New_Transfert")->click();
    EXPECT_FALSE(bouton("Cmd_Search")->isEnabled());
    option("Option_New_Save")->click();
    option("Option_Last_Data")->click();
    EXPECT_FALSE(bouton("Cmd_Search")->isEnabled());
}

TEST_F(Dialogue_Donnees, UnFichierEnLQMMajusculesEstRefuse) {
    ouvrir(0, false);
    plateforme_test.reponses_fichier.push_back(QStringLiteral("/donnees/mesures.lqm"));
    bouton("Cmd_Search")->click();
    EXPECT_EQ(texte_fichier(), QStringLiteral("mesures.lqm"));
    EXPECT_EQ(Magasin().Nom_Fichier, QStringLiteral("/donnees/mesures.lqm"));
    EXPECT_EQ(plateforme_test.filtres.last(),
              QStringLiteral("Sauvegarde LQM 70-4 Nova (*.lqm)|*.lqm"));

    plateforme_test.reponses_fichier.push_back(QStringLiteral("/donnees/MESURES.LQM"));
    bouton("Cmd_Search")->click();
    EXPECT_TRUE(texte_fichier().isEmpty());
    EXPECT_TRUE(Magasin().Nom_Fichier.isEmpty());
    EXPECT_EQ(Magasin().Chaine_Temp, QStringLiteral("LQM"));
}

TEST_F(Dialogue_Donnees, AnnulerLaRechercheGardeLeChoixPrecedent) {
    ouvrir(0, false);
    plateforme_test.reponses_fichier.push_back(QStringLiteral("/donnees/a.lqm"));
    bouton("Cmd_Search")->click();
    plateforme_test.reponses_fichier.push_back(std::nullopt);
    bouton("Cmd_Search")->click();
    EXPECT_EQ(texte_fichier(), QStringLiteral("a.lqm"));
    EXPECT_EQ(Magasin().Nom_Fichier, QStringLiteral("/donnees/a.lqm"));
}

TEST_F(Dialogue_Donnees, OkSansFichierAvertitEtGardeLeDialogueOuvert) {
    ouvrir(0, false);
    bouton("Cmd_Ok")->click();
    ASSERT_EQ(plateforme_test.messages.size(), 1u);
    EXPECT_EQ(plateforme_test.messages[0].texte,
              QStringLiteral("Veuillez sélectionner un fichier .lqm à ouvrir SVP !!!"));
    EXPECT_EQ(plateforme_test.messages[0].titre, QStringLiteral("Pas de fichier sélectionné"));
    EXPECT_EQ(plateforme_test.messages[0].icone, Icone::Exclamation);
    vider_evenements();
    EXPECT_TRUE(chargee("frmData_Type"));
    EXPECT_TRUE(visible("frmData_Type"));
    EXPECT_TRUE(Drapeaux().Ouvert_frmData_Type);
}

TEST_F(Dialogue_Donnees, EntreeValideQuelQueSoitLeControleQuiALeFocus) {
    ouvrir(0, false);
    entree(controle<QLineEdit>("Text_Save_Data"));
    ASSERT_EQ(plateforme_test.messages.size(), 1u);
    EXPECT_EQ(plateforme_test.messages[0].titre, QStringLiteral("Pas de fichier sélectionné"));
    // Même sur un bouton désactivé (le port manque : le transfert est grisé).
    entree(option("Option_New_Transfert"));
    EXPECT_EQ(plateforme_test.messages.size(), 2u);
    entree(bouton("Cmd_Annuler"));
    EXPECT_EQ(plateforme_test.messages.size(), 3u);
    EXPECT_TRUE(chargee("frmData_Type"));
}

TEST_F(Dialogue_Donnees, DoubleClicSurUneOptionValide) {
    ouvrir(2, true);
    QWidget* cible = option("Option_Last_Data");
    QMouseEvent double_clic(QEvent::MouseButtonDblClick, QPointF(5, 5),
                            cible->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::LeftButton,
                            Qt::NoModifier);
    QApplication::sendEvent(cible, &double_clic);
    EXPECT_TRUE(chargee("frmInTableau"));
    EXPECT_FALSE(chargee("frmData_Type"));
}

TEST_F(Dialogue_Donnees, UnFichierRefuseNOuvrePasLaVueSurLesDonneesDAvant) {
    ouvrir(2, true);
    option("Option_New_Save")->click();
    plateforme_test.reponses_fichier.push_back(QStringLiteral("/donnees/etranger.lqm"));
    bouton("Cmd_Search")->click();
    bouton("Cmd_Ok")->click();
    vider_evenements();
    EXPECT_TRUE(Magasin().Donnees_Chargees);
    EXPECT_FALSE(chargee("frmInTableau"));
    EXPECT_FALSE(chargee("frmData_Type"));
    EXPECT_EQ(plateforme_test.messages.size(), 1u);
}

TEST_F(Dialogue_Donnees, UneOptionGriseeNeRepondPasAuDoubleClic) {
    ouvrir(0, false);
    for (const char* nom : {"Option_Last_Data", "Option_New_Transfert"}) {
        QWidget* cible = option(nom);
        QMouseEvent double_clic(QEvent::MouseButtonDblClick, QPointF(5, 5),
                                cible->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::LeftButton,
                                Qt::NoModifier);
        QApplication::sendEvent(cible, &double_clic);
    }
    EXPECT_TRUE(plateforme_test.messages.empty());
    EXPECT_TRUE(option("Option_New_Save")->isChecked());
    EXPECT_TRUE(bouton("Cmd_Search")->isEnabled());
}

TEST_F(Dialogue_Donnees, UnDialogueOuvertPendantUnTelechargementRetrouveLeTransfertEnsuite) {
    ouvrir(1, false);
    option("Option_New_Transfert")->click();
    bool pendant = true;
    // Le téléchargement tourne encore (son message est à l'écran) quand la vue est redemandée.
    plateforme_test.pendant_message = [&](const auto&) {
        plateforme_test.pendant_message = nullptr;
        action("mnuTab_Leq")->trigger();
        pendant = option("Option_New_Transfert")->isEnabled();
    };
    bouton("Cmd_Ok")->click();
    vider_evenements();
    ASSERT_TRUE(chargee("frmData_Type"));
    EXPECT_FALSE(pendant);
    EXPECT_TRUE(option("Option_New_Transfert")->isEnabled());
}

TEST_F(Dialogue_Donnees, UnPortDevenuIndisponibleEstSignaleUneFoisEtFermeLeDialogue) {
    // COM 1 a disparu depuis le choix du port.
    ouvrir(1, false);
    option("Option_New_Transfert")->click();
    bouton("Cmd_Ok")->click();
    vider_evenements();
    ASSERT_EQ(plateforme_test.messages.size(), 1u);
    EXPECT_EQ(plateforme_test.messages[0].texte,
              QStringLiteral("Impossible d'ouvrir le port COM 1. Vérifiez qu'aucun autre "
                             "logiciel ne l'utilise !!!"));
    EXPECT_EQ(plateforme_test.messages[0].titre, QStringLiteral("Erreur de transmission"));
    EXPECT_EQ(plateforme_test.messages[0].icone, Icone::Critique);
    EXPECT_FALSE(chargee("frmData_Type"));
    EXPECT_FALSE(chargee("frmWait"));
    EXPECT_FALSE(Magasin().Donnees_Chargees);
    EXPECT_FALSE(Menu_Actif(Menu::mnuSave_As));
}

TEST_F(Dialogue_Donnees, AnnulerFermeLeDialogue) {
    ouvrir(2, false);
    bouton("Cmd_Annuler")->click();
    EXPECT_FALSE(chargee("frmData_Type"));
    EXPECT_FALSE(Drapeaux().Ouvert_frmData_Type);
    vider_evenements();
    EXPECT_EQ(principale()->findChildren<QWidget*>(QStringLiteral("frmData_Type")).size(), 0);
}

} // namespace
