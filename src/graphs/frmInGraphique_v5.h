#pragma once

#include "shell/Fenetre_Base.h"

class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// Dialogue du graphique Leq : jour de début et durée (1, 3 ou 7 jours).
class frmInGraphique_v5 : public Fenetre_Base {
    Q_OBJECT
public:
    frmInGraphique_v5();

    void Form_Load() override;
    void Form_Unload() override;

    void Cmd_Ok_Click();
    void Cmd_Quitter_Click();

private:
    QLabel* Label_Entete = nullptr;
    QGroupBox* Frame1 = nullptr;
    QDateEdit* DTPicker1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton* Option_1_Jour = nullptr;
    QRadioButton* Option_3_Jours = nullptr;
    QRadioButton* Option_7_Jours = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Cmd_Ok = nullptr;
    QPushButton* Cmd_Quitter = nullptr;
};
