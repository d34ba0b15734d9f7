#pragma once

#include "archive/Archive.h"
#include "shell/Fenetre_Base.h"

#include <memory>

class QCalendarWidget;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;

// Les données archivées : l'appareil, ses jours sur un calendrier (jours complets, jours
// avec des trous), le premier jour à charger dans le magasin, ou une période de rapport.
class frmArchive : public Fenetre_Base {
    Q_OBJECT
public:
    frmArchive();
    // L'appareil que la prochaine ouverture montre d'abord (la vue du parc y mène).
    static void Preselectionner(const QString& numero_serie);
    ~frmArchive() override;

    void Form_Load() override;
    void Form_Unload() override;

    void Combo_Appareil_Change();
    void Calendrier_Change();
    void Cmd_Ok_Click();
    void Cmd_Rapport_Click();
    void Cmd_Annuler_Click();

private:
    QString numero() const;
    void Lire_Archive();

    std::unique_ptr<Archive> archive_;
    std::vector<Appareil_Archive> appareils_;
    QLabel* Label_Titre = nullptr;
    QLabel* Label_Appareil = nullptr;
    QComboBox* Combo_Appareil = nullptr;
    QCalendarWidget* Calendrier = nullptr;
    QLabel* Label_Legende = nullptr;
    QLabel* Label_Debut = nullptr;
    QLabel* Label_Couverture = nullptr;
    QLabel* Label_Fin = nullptr;
    QDateEdit* Date_Fin = nullptr;
    QPushButton* Cmd_Rapport = nullptr;
    QLabel* Label_Base = nullptr;
    QPushButton* Cmd_Ok = nullptr;
    QPushButton* Cmd_Annuler = nullptr;
};
