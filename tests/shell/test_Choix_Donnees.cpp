#include "shell/Choix_Donnees.h"

#include <gtest/gtest.h>

namespace {

TEST(Choix_Donnees, EtatsAuChargement) {
    const QString type = QStringLiteral("Tableau Leq");
    // Ni port ni données : seule la sauvegarde, présélectionnée.
    auto e = Etat_Initial(0, false, type);
    EXPECT_FALSE(e.transfert_actif);
    EXPECT_FALSE(e.derniere_active);
    EXPECT_EQ(e.preselection, Option_Donnees::New_Save);
    // Un port, pas de données : rien de présélectionné.
    e = Etat_Initial(3, false, type);
    EXPECT_TRUE(e.transfert_actif);
    EXPECT_FALSE(e.derniere_active);
    EXPECT_EQ(e.preselection, Option_Donnees::Aucune);
    // Des données : les dernières données, avec ou sans port.
    e = Etat_Initial(3, true, type);
    EXPECT_TRUE(e.transfert_actif);
    EXPECT_EQ(e.preselection, Option_Donnees::Last_Data);
    e = Etat_Initial(0, true, type);
    EXPECT_FALSE(e.transfert_actif);
    EXPECT_TRUE(e.derniere_active);
    EXPECT_EQ(e.preselection, Option_Donnees::Last_Data);

    EXPECT_EQ(Etat_Initial(0, false, QStringLiteral("Graphique Leq")).titre_cadre,
              QStringLiteral("Sélectionnez le type de données pour le Graphique Leq"));
}

TEST(Choix_Donnees, LExtensionEstComparéeEnRespectantLaCasse) {
    EXPECT_TRUE(Fichier_Lqm_Accepte(QStringLiteral("/home/u/Données LQM.lqm")));
    EXPECT_FALSE(Fichier_Lqm_Accepte(QStringLiteral("/home/u/DONNEES.LQM")));
    EXPECT_FALSE(Fichier_Lqm_Accepte(QStringLiteral("/home/u/donnees.Lqm")));
    EXPECT_FALSE(Fichier_Lqm_Accepte(QStringLiteral("/home/u/donnees.txt")));
    // Seuls les trois derniers caractères comptent, point compris ou non.
    EXPECT_TRUE(Fichier_Lqm_Accepte(QStringLiteral("/home/u/donneeslqm")));
    EXPECT_FALSE(Fichier_Lqm_Accepte(QString()));
}

TEST(Choix_Donnees, VueAOuvrirSelonTypeAffichage) {
    EXPECT_EQ(Fenetre_Pour(QStringLiteral("Graphique Leq")), Id_Fenetre::frmInGraphique_v5);
    EXPECT_EQ(Fenetre_Pour(QStringLiteral("Tableau Leq")), Id_Fenetre::frmInTableau);
    EXPECT_EQ(Fenetre_Pour(QStringLiteral("Tableau Evénements")), Id_Fenetre::frmInTableau);
    EXPECT_EQ(Fenetre_Pour(QStringLiteral("Tableau Paramètres")), Id_Fenetre::frmParametres_v4);
    EXPECT_EQ(Fenetre_Pour(QStringLiteral("tableau leq")), std::nullopt);
    EXPECT_EQ(Fenetre_Pour(QStringLiteral("Tableau Evenements")), std::nullopt);
    EXPECT_EQ(Fenetre_Pour(QString()), std::nullopt);
}

TEST(Choix_Donnees, IssuesDuTelechargement) {
    EXPECT_EQ(Issue_Du_Telechargement(false, 0), Issue_Telechargement::Reussite);
    EXPECT_EQ(Issue_Du_Telechargement(false, 1), Issue_Telechargement::Reussite);
    EXPECT_EQ(Issue_Du_Telechargement(true, 0), Issue_Telechargement::Interrompu);
    EXPECT_EQ(Issue_Du_Telechargement(true, 3), Issue_Telechargement::Pas_Commence);
    EXPECT_EQ(Issue_Du_Telechargement(true, 4), Issue_Telechargement::Probleme_Transmission);
    // Annulé pendant une attente de la phase finale : une interruption, pas une réussite.
    EXPECT_EQ(Issue_Du_Telechargement(true, 1), Issue_Telechargement::Interrompu);

    const auto interrompu = Message_Echec(Issue_Telechargement::Interrompu);
    EXPECT_EQ(interrompu.texte, QStringLiteral("Téléchargement des données interrompu !!! "
                                               "Traitement des données impossible !!!"));
    EXPECT_EQ(interrompu.titre, QStringLiteral("Téléchargement des données interrompu !!!"));
    EXPECT_EQ(interrompu.icone, Icone::Critique);
    const auto pas_commence = Message_Echec(Issue_Telechargement::Pas_Commence);
    EXPECT_EQ(pas_commence.texte,
              QStringLiteral("La transmission n'a pas commencé. Veuillez vérifier que le capot du "
                             "LQM 70-4 soit bien fermé, et que le câble reliant le LQM au PC soit "
                             "bien branché !!!"));
    EXPECT_EQ(pas_commence.titre, QStringLiteral("Erreur de transmission"));
    const auto probleme = Message_Echec(Issue_Telechargement::Probleme_Transmission);
    EXPECT_EQ(probleme.texte, QStringLiteral("Problème de transmission !!! Veuillez recommencer "
                                             "la transmission SVP !!!"));
    EXPECT_EQ(probleme.titre, QStringLiteral("Erreur de transmission"));
}

} // namespace
