#pragma once

#include "archive/Archive.h"
#include "shell/Fenetre_Base.h"

class QLabel;
class QPushButton;
class QTableWidget;

// Le parc d'appareils : chaque appareil de l'archive, ses nuits des 30 derniers jours et son
// dernier relevé, ceux qui demandent attention d'abord ; un double-clic ouvre ses données
// archivées.
class frmParc : public Fenetre_Base {
    Q_OBJECT
public:
    frmParc();

    void Form_Load() override;
    void Form_Unload() override;

    void Table_Parc_DblClick(int ligne);
    void Cmd_Csv_Click();
    void Cmd_Fermer_Click();

private:
    void Lire_Archive();

    std::vector<Ligne_Parc> lignes_;
    QDate aujourdhui_;
    QLabel* Label_Titre = nullptr;
    QLabel* Label_Base = nullptr;
    QTableWidget* Table_Parc = nullptr;
    QPushButton* Cmd_Csv = nullptr;
    QPushButton* Cmd_Fermer = nullptr;
};
