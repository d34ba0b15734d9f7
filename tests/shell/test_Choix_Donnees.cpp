#include "shell/Choix_Donnees.h"

#include <gtest/gtest.h>

namespace {

TEST(Choix_Donnees, EtatsAuChargement) {
    // Port, données chargées -> transfert actif, dernières données actives, présélection.
    using enum Option_Donnees;
    const std::tuple<int, bool, bool, bool, Option_Donnees> cas[] = {
        {0, false, false, false, New_Save},
        {3, false, true, false, Aucune},
        {3, true, true, true, Last_Data},
        {0, true, false, true, Last_Data}};
    for (const auto& [port, donnees, transfert, derniere, preselection] : cas) {
        const auto e = Etat_Initial(port, donnees, QStringLiteral("Tableau Leq"));
        EXPECT_TRUE(e.transfert_actif == transfert && e.derniere_active == derniere &&
                    e.preselection == preselection)
            << port << donnees;
    }
    EXPECT_TRUE(Etat_Initial(0, false, QStringLiteral("Graphique Leq"))
                    .titre_cadre.endsWith(QStringLiteral("pour le Graphique Leq")));
}

TEST(Choix_Donnees, LExtensionEstComparéeEnRespectantLaCasse) {
    EXPECT_TRUE(Fichier_Lqm_Accepte(QStringLiteral("/home/u/Données LQM.lqm")));
    // Seuls les trois derniers caractères comptent, point compris ou non.
    EXPECT_TRUE(Fichier_Lqm_Accepte(QStringLiteral("/home/u/donneeslqm")));
    for (const char* refuse : {"/home/u/DONNEES.LQM", "/home/u/donnees.Lqm", "/home/u/d.txt", ""})
        EXPECT_FALSE(Fichier_Lqm_Accepte(QString::fromUtf8(refuse))) << refuse;
}

// Les vues Leq et Evénements partagent frmInTableau ; un type inconnu n'ouvre rien.
TEST(Choix_Donnees, VueAOuvrirSelonTypeAffichage) {
    EXPECT_EQ(Fenetre_Pour(QStringLiteral("Tableau Evénements")), Id_Fenetre::frmInTableau);
    EXPECT_EQ(Fenetre_Pour(QStringLiteral("Tableau Evenements")), std::nullopt);
}

TEST(Choix_Donnees, IssuesDuTelechargement) {
    using enum Issue_Telechargement;
    // Annulé pendant une attente de la phase finale (essais 1) : une interruption.
    const std::tuple<bool, int, Issue_Telechargement> cas[] = {
        {false, 0, Reussite},  {false, 1, Reussite},    {true, 0, Interrompu},
        {true, 1, Interrompu}, {true, 3, Pas_Commence}, {true, 4, Probleme_Transmission}};
    for (const auto& [abandon, essais, issue] : cas)
        EXPECT_EQ(Issue_Du_Telechargement(abandon, essais), issue) << abandon << essais;
}

} // namespace
