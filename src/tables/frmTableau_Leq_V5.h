#pragma once

#include "shell/Fenetre_Base.h"
#include "tables/Lignes_Leq.h"

class QLabel;
class QListView;
class QPushButton;

// Tableau des valeurs Leq1 et Leq10 de la période choisie, côte à côte.
class frmTableau_Leq_V5 : public Fenetre_Base {
    Q_OBJECT
public:
    frmTableau_Leq_V5();

    void Form_Load() override;
    void Form_Unload() override;

    // Imprime ce que la fenêtre montre, sans rien recalculer.
    void Cmd_Print_Click();
    // Les valeurs montrées, en CSV pour un tableur.
    void Cmd_Export_Click();
    void Cmd_New_Tableau_Click();
    void Cmd_Exit_Click();

private:
    Contenu_Tableau_Leq contenu_;
    QLabel* Label_Serial_Number = nullptr;
    QLabel* Label_Entete10 = nullptr;
    QLabel* Label_Entete1 = nullptr;
    QListView* List_Leq10 = nullptr;
    QListView* List_Leq1 = nullptr;
    QPushButton* Cmd_Print = nullptr;
    QPushButton* Cmd_Export = nullptr;
    QPushButton* Cmd_New_Tableau = nullptr;
    QPushButton* Cmd_Exit = nullptr;
};
