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
    // Agrandir, quitter le zoom ou revenir à la taille normale, selon l'état du graphique.
    void Cmd_Zoom_Leq1_Click();
    void Cmd_Zoom_Leq10_Click();
    // Imprime le graphique agrandi seul, en paysage, avec sa légende, l'en-tête et la période.
    void Cmd_Print_Leq1_Click();
    void Cmd_Print_Leq10_Click();

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
        Rectangle_Twips place{};
        int haut_legende = 0;
        QString nom, image_zoom, image_retour;
        QString bulle_agrandi, bulle_apres_zoom, bulle_normale;
    };
    void Clic_Liste(Vue_Serie& vue, int ligne);
    void Clic_Zoom(Vue_Serie& vue);
    void Imprimer(Vue_Serie& vue);
    void Selection(Vue_Serie& vue, QPointF debut, QPointF fin);
    // Le graphique agrandi prend toute la fenêtre et cache ce qui n'est pas à lui ; à la
    // taille normale, tout revient (les extrêmes d'une série sans valeur restent cachés).
    void Disposer(Vue_Serie& vue, bool agrandi);
    static void Placer_Boutons(Vue_Serie& vue);

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
