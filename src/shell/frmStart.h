#pragma once

#include "shell/Fenetre_Base.h"

class QGroupBox;
class QLabel;

// Fenêtre d'accueil du lancement : logo, appareil, nom et version du programme, le temps
// d'un tour de la minuterie Timer_Wait de la fenêtre principale.
class frmStart : public Fenetre_Base {
    Q_OBJECT
public:
    frmStart();

    void Form_Load() override;

private:
    QGroupBox* Acceuil = nullptr;
    QLabel* Image_Logo = nullptr;
    QLabel* Image_LQM_Rack = nullptr;
    QLabel* Label_Nom_Produit = nullptr;
    QLabel* Label_Version = nullptr;
    QLabel* Label_Firmware = nullptr;
};

// Centre une fenêtre de premier niveau sur la fenêtre principale.
void Centrer_Sur_Principale(QWidget* fenetre);
