#pragma once

#include "shell/Fenetre_Base.h"

class QGroupBox;
class QLabel;
class QPushButton;

// Boîte « A propos » : logo, textes du programme, bouton Ok. La fenêtre principale est
// grisée tant qu'elle est ouverte.
class frmAbout : public Fenetre_Base {
    Q_OBJECT
public:
    frmAbout();

    void Form_Load() override;
    void Form_Unload() override;
    void cmdOK_Click();

private:
    QGroupBox* Frame1 = nullptr;
    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* Label_Resolution = nullptr;
    QLabel* Label_Firmware = nullptr;
    QLabel* Label_Version = nullptr;
    QPushButton* cmdOK = nullptr;
};
