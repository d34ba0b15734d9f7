#include "support/Environnement_Ihm.h"
#include "support/Outil.h"

#include "shell/Etat_Principal.h"
#include "shell/Fenetres.h"
#include "shell/frmMain.h"
#include "store/Declarations.h"

#include <QAction>
#include <QLineEdit>
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
};

// La recherche : Annuler garde le fichier choisi, un .LQM en majuscules est refusé.
// Entrée valide quel que soit le contrôle qui a le focus, même un bouton grisé : sans
// fichier, un avertissement et le dialogue reste.
TEST_F(Dialogue_Donnees, LaRechercheDeFichierEtEntree) {
    ouvrir(0, false);
    plateforme_test.reponses_fichier = {"/donnees/a.lqm", std::nullopt, "/donnees/MESURES.LQM"};
    bouton("Cmd_Search")->click();
    bouton("Cmd_Search")->click();
    auto* texte = controle<QLineEdit>("Text_Save_Data");
    EXPECT_TRUE(texte->text() == "a.lqm" && Magasin().Nom_Fichier == "/donnees/a.lqm");
    bouton("Cmd_Search")->click();
    const auto avant = plateforme_test.messages.size();
    entree(texte);
    entree(option("Option_New_Transfert"));
    entree(bouton("Cmd_Annuler"));
    EXPECT_EQ(plateforme_test.messages.size(), avant + 3);
    vider_evenements();
    EXPECT_TRUE(visible("frmData_Type"));
}

TEST_F(Dialogue_Donnees, UnFichierRefuseNOuvrePasLaVueSurLesDonneesDAvant) {
    ouvrir(2, true);
    option("Option_New_Save")->click();
    plateforme_test.reponses_fichier.push_back(QStringLiteral("/donnees/etranger.lqm"));
    bouton("Cmd_Search")->click();
    bouton("Cmd_Ok")->click();
    vider_evenements();
    EXPECT_TRUE(Magasin().Donnees_Chargees);
    EXPECT_FALSE(chargee("frmInTableau") || chargee("frmData_Type"));
    EXPECT_EQ(plateforme_test.messages.size(), 1u);
}

// Un .lqm donné au lancement : chargé, puis le dialogue du tableau Leq l'a déjà choisi et
// Ok mène à la période ; un fichier refusé n'a que son message.
TEST_F(Dialogue_Donnees, UnFichierDonneAuLancement) {
    Fichier_Genere g;
    ASSERT_TRUE(g.ecrit);
    principale()->Ouvrir_Fichier(g.chemin);
    ASSERT_TRUE(chargee("frmData_Type") && Magasin().Donnees_Chargees);
    EXPECT_TRUE(option("Option_New_Save")->isChecked());
    EXPECT_EQ(controle<QLineEdit>("Text_Save_Data")->text(), QStringLiteral("g.lqm"));
    bouton("Cmd_Ok")->click();
    vider_evenements();
    EXPECT_TRUE(visible("frmInTableau") && plateforme_test.messages.empty());
    Fenetres::instance().Decharger(Id_Fenetre::frmInTableau);
    principale()->Ouvrir_Fichier(QStringLiteral("/donnees/absent.lqm"));
    EXPECT_EQ(plateforme_test.messages.size(), 1u);
    EXPECT_FALSE(chargee("frmData_Type"));
}

TEST_F(Dialogue_Donnees, UneOptionGriseeNeRepondPasAuDoubleClic) {
    ouvrir(0, false);
    for (const char* nom : {"Option_Last_Data", "Option_New_Transfert"})
        double_clic(option(nom));
    EXPECT_TRUE(plateforme_test.messages.empty());
    EXPECT_TRUE(option("Option_New_Save")->isChecked() && bouton("Cmd_Search")->isEnabled());
    // Sur l'option active, le double clic fait Ok (ici : pas de fichier choisi).
    double_clic(option("Option_New_Save"));
    EXPECT_EQ(plateforme_test.messages.size(), 1u);
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
    ouvrir(1, false); // COM 1 a disparu depuis le choix du port
    option("Option_New_Transfert")->click();
    bouton("Cmd_Ok")->click();
    vider_evenements();
    ASSERT_EQ(plateforme_test.messages.size(), 1u);
    EXPECT_EQ(plateforme_test.messages[0].icone, Icone::Critique);
    EXPECT_FALSE(chargee("frmData_Type") || chargee("frmWait") || Menu_Actif(Menu::mnuSave_As));
}

} // namespace
