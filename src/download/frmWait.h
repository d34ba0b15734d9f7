#pragma once

#include "shell/Fenetre_Base.h"

class QLabel;
class QProgressBar;
class QPushButton;

// Fenêtre de progression du téléchargement : trois étapes, trois barres. Elle ne fait que
// montrer l'état tenu par le noyau (Progression) ; la fermer, c'est annuler.
class frmWait : public Fenetre_Base {
    Q_OBJECT
public:
    frmWait();

    void Form_Load() override;
    void Form_Unload() override;

    void Cmd_Annuler_Click();
    // Recopie l'état du noyau dans les contrôles.
    void Rafraichir();

    // Branche Progression sur cette fenêtre : la recharge si elle a été fermée, la redessine.
    static void Brancher_Progression();

private:
    QProgressBar* ProgressBar_Transmission = nullptr;
    QProgressBar* ProgressBar_Classement = nullptr;
    QProgressBar* ProgressBar_Traitement = nullptr;
    QLabel* Label_Transmission = nullptr;
    QLabel* Label_Classement = nullptr;
    QLabel* Label_Traitement = nullptr;
    QLabel* Label_Pourcentage = nullptr;
    QLabel* Picture_Transmit_Ok = nullptr;
    QLabel* Picture_Classement_Ok = nullptr;
    QPushButton* Cmd_Annuler = nullptr;
};
