#pragma once

#include "shell/Fenetre_Base.h"

class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;

// Dialogue du choix des dates de début et de fin d'un tableau (Leq ou événements).
class frmInTableau : public Fenetre_Base {
    Q_OBJECT
public:
    frmInTableau();

    void Form_Load() override;
    void Form_Unload() override;

    void Cmd_Ok_Click();
    void Cmd_Annuler_Click();

private:
    QLabel* Label7 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label_Date_Start = nullptr;
    QLabel* Label_Date_End = nullptr;
    QDateEdit* DTP_Jour_Start = nullptr;
    QDateEdit* DTP_Jour_End = nullptr;
    QPushButton* Cmd_Ok = nullptr;
    QPushButton* Cmd_Annuler = nullptr;
};
