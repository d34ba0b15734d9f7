#pragma once

#include "shell/Choix_Donnees.h"
#include "shell/Fenetre_Base.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Dialogue du choix de la source des données : nouveau téléchargement, dernières
// données, ou fichier sauvegardé.
class frmData_Type : public Fenetre_Base {
    Q_OBJECT
public:
    frmData_Type();

    void Form_Load() override;
    void Form_Unload() override;

    void Option_New_Transfert_Click();
    void Option_Last_Data_Click();
    void Option_New_Save_Click();
    void Cmd_Search_Click();
    // « Données sauvegardées » avec ce fichier déjà choisi (un .lqm ouvert depuis le bureau).
    void Choisir_Fichier(const QString& chemin);
    void Cmd_Ok_Click();
    void Cmd_Annuler_Click();

private:
    void selectionner(Option_Donnees option);
    static void ouvrir_vue_demandee();
    static void decharger();

    QGroupBox* Frame1 = nullptr;
    QRadioButton* Option_New_Transfert = nullptr;
    QRadioButton* Option_Last_Data = nullptr;
    QRadioButton* Option_New_Save = nullptr;
    QLineEdit* Text_Save_Data = nullptr;
    QPushButton* Cmd_Search = nullptr;
    QPushButton* Cmd_Ok = nullptr;
    QPushButton* Cmd_Annuler = nullptr;
};
