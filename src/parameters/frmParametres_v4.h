#pragma once

#include "parameters/Parametres.h"
#include "shell/Fenetre_Base.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;

// Les réglages de l'appareil : ceux en cours, puis ceux du jeu choisi dans la liste.
class frmParametres_v4 : public Fenetre_Base {
    Q_OBJECT
public:
    frmParametres_v4();

    void Form_Load() override;
    void Form_Unload() override;

    void Combo_Jour_Click(int k);
    void Combo_Jour_Change();
    // Imprime la fenêtre telle qu'elle se montre, en noir sur blanc, sans liste ni boutons.
    void Cmd_Print_Click();
    void Cmd_Exit_Click();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void montrer(const Reglages_Affiches& reglages);

    QLabel* Label_Entete = nullptr;
    QLabel* Label_Date = nullptr;
    QLabel* Label_Version_FirmWare = nullptr;
    QLabel* Label_Numero_Serie = nullptr;
    QLabel* Label_Analyse = nullptr;
    QLabel* Label_Source = nullptr;
    QLabel* Label_Temps_de_Montee = nullptr;
    QLabel* Label_Temps_de_Descente = nullptr;
    std::array<QLabel*, 6> niveaux_{};      // Label_Niveau_Leq_Jour ... Label_Niveau_Capteur
    std::array<QLabel*, 7> attenuations_{}; // Label_Att_63 ... Label_Att_4k
    QComboBox* Combo_Jour = nullptr;
    QPushButton* Cmd_Print = nullptr;
    QPushButton* Cmd_Exit = nullptr;

    QString Texte_Jour;
    Contenu_Parametres contenu_;
};
