#pragma once

#include "support/Plateforme_Scriptee.h"

#include <gtest/gtest.h>

class frmMain;
class QAction;
class QWidget;

// Base des tests de fenêtres : magasin, drapeaux et menus neufs, plateforme scriptée,
// fenêtre principale chargée comme au lancement.
class Environnement_Ihm : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    frmMain* principale() const;
    QAction* action(const char* nom) const;
    QWidget* fenetre(const char* nom) const;
    bool chargee(const char* nom) const;
    bool visible(const char* nom) const;
    // Laisse passer les événements en attente, suppressions différées comprises.
    static void vider_evenements();
    // Un double clic, la touche Entrée, reçus par le contrôle comme de l'utilisateur.
    static void double_clic(QWidget* cible);
    static void entree(QWidget* cible);
    // Fait tourner la boucle d'événements jusqu'à la sortie du programme ; faux si le
    // garde-fou a dû l'arrêter.
    static bool attendre_sortie();

    Plateforme_Scriptee plateforme_test;
};
