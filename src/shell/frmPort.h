#pragma once

#include "shell/Fenetre_Base.h"

#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

// Dialogue du choix du port série (COM 1 à COM 16), sondés à chaque ouverture.
class frmPort : public Fenetre_Base {
    Q_OBJECT
public:
    frmPort();

    void Form_Load() override;
    void Form_Unload() override;

    void Option_COM_Click(int index);
    void Option_COM_DblClick(int index);
    void Cmd_Ok_Click();
    void Cmd_Annuler_Click();

private:
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 17> Option_COM{}; // indices 1 à 16
    QPushButton* Cmd_Ok = nullptr;
    QPushButton* Cmd_Annuler = nullptr;
};
