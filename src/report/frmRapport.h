#pragma once

#include "report/Nuits.h"
#include "shell/Fenetre_Base.h"

class QDoubleSpinBox;
class QLabel;
class QListView;
class QListWidget;
class QPushButton;

// Le rapport réglementaire de la période choisie : le verdict et l'image de chaque nuit, puis
// réglages, limite, résumé par jour, statistiques, dépassements et trous ; impression, PDF et
// CSV minute par minute.
class frmRapport : public Fenetre_Base {
    Q_OBJECT
public:
    frmRapport();

    void Form_Load() override;
    void Form_Unload() override;

    void Txt_Limite_Change();
    void List_Nuits_Click();
    void Cmd_Jeune_Public_Click();
    void Cmd_Print_Click();
    void Cmd_Pdf_Click();
    void Cmd_Csv_Click();
    void Cmd_New_Click();
    void Cmd_Exit_Click();

private:
    void Montrer();

    Contenu_Rapport rapport_;
    std::vector<Nuit> nuits_;
    QLabel* Label_Serial_Number = nullptr;
    QLabel* Label_Entete = nullptr;
    QLabel* Label_Avertissement = nullptr;
    QLabel* Label_Limite = nullptr;
    QDoubleSpinBox* Txt_Limite = nullptr;
    QPushButton* Cmd_Jeune_Public = nullptr;
    QListWidget* List_Nuits = nullptr;
    QWidget* Image_Nuit = nullptr;
    QListView* List_Rapport = nullptr;
    QPushButton* Cmd_Print = nullptr;
    QPushButton* Cmd_Pdf = nullptr;
    QPushButton* Cmd_Csv = nullptr;
    QPushButton* Cmd_New = nullptr;
    QPushButton* Cmd_Exit = nullptr;
};
