#pragma once

#include "shell/Fenetre_Base.h"

class QLabel;
class QProgressBar;

// Fenêtre de progression de la sauvegarde : elle montre l'état tenu par le noyau.
class frmWait_Save : public Fenetre_Base {
    Q_OBJECT
public:
    frmWait_Save();

    void Form_Load() override;

    void Rafraichir();
    static void Brancher_Sauvegarde();

private:
    QProgressBar* ProgressBar_Save = nullptr;
    QLabel* Label_Save_en_Cours = nullptr;
    QLabel* Label_Patientez = nullptr;
    QLabel* Label_Progression = nullptr;
    QLabel* Picture_Good = nullptr;
};
