#pragma once

#include "graphs/Fonctions_Graphiques.h"
#include "shell/Fenetre_Base.h"

#include <array>

class Boite_Graphique;
class QLabel;
class QListView;
class QPushButton;

// Les deux graphiques Leq de la période (Leq10 au-dessus, Leq1 dessous), les listes de leurs
// valeurs et des événements, les extrêmes et les réglages de l'appareil.
class frmGraphique_Leq : public Fenetre_Base {
    Q_OBJECT
public:
    frmGraphique_Leq();

    void Form_Load() override;
    void Form_Unload() override;

    void Cmd_New_Graph_Click();
    // « ligne » : la ligne cliquée de la liste, comptée depuis 0.
    void List_Leq1_Click(int ligne);
    void List_Leq10_Click(int ligne);

private:
    // Ce qui appartient à une série : son graphique, sa légende, ses boutons, sa liste et ses
    // extrêmes.
    struct Vue_Serie {
        Boite_Graphique* Graphique = nullptr;
        QLabel* Legende = nullptr;
        QPushButton* Cmd_Print = nullptr;
        QPushButton* Cmd_Zoom = nullptr;
        QListView* Liste = nullptr;
        QLabel* Mini = nullptr;
        QLabel* Maxi = nullptr;
    };
    void Clic_Liste(Vue_Serie& vue, int ligne);

    Vue_Serie Leq10, Leq1;
    QLabel* Label_Entete = nullptr;
    QLabel* Label_Date = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label_List_Leq1 = nullptr;
    QListView* List_Depassement = nullptr;
    std::array<QLabel*, 3> Label_Niveau_Public{};
    QLabel* Label_Analyse = nullptr;
    QLabel* Label_Source = nullptr;
    QPushButton* Cmd_New_Graph = nullptr;
};
