#pragma once

#include "shell/Fenetre_Base.h"
#include "tables/Evenements.h"

class QLabel;
class QListView;
class QPushButton;

// Tableau des événements de la période choisie.
class frmTableau_Evenements : public Fenetre_Base {
    Q_OBJECT
public:
    frmTableau_Evenements();

    void Form_Load() override;
    void Form_Unload() override;

    // Imprime ce que la fenêtre montre, sans rien recalculer.
    void Cmd_Print_Click();
    // Les valeurs montrées, en CSV pour un tableur.
    void Cmd_Export_Click();
    void Cmd_New_Tableau_Click();
    void Cmd_Exit_Click();

private:
    Contenu_Tableau_Evenements contenu_;
    QLabel* Label_Serial_Number = nullptr;
    QLabel* Label_Entete = nullptr;
    QListView* List_Evenements = nullptr;
    QPushButton* Cmd_Print = nullptr;
    QPushButton* Cmd_Export = nullptr;
    QPushButton* Cmd_New_Tableau = nullptr;
    QPushButton* Cmd_Exit = nullptr;
};
