#pragma once

#include "shell/Etat_Principal.h"
#include "shell/Fenetre_Base.h"

#include <QMainWindow>

class QAction;
class QMdiArea;
class QMenu;
class QTimer;

// Fenêtre principale : cadre multi-documents, menus, et titre qui sert de ligne d'état.
class frmMain : public QMainWindow, public Chargeable {
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;

    void Form_Load() override;

    // Gestionnaires des menus.
    void mnuPort_Click();
    void mnuSave_As_Click();
    void mnuGraphique_Click();
    void mnuTab_Leq_Click();
    void mnuEvenements_Click();
    void mnuParametres_Click();
    void mnuRapport_Click();
    // « Archiver les données » (coché : chaque téléchargement et fichier chargé s'ajoutent
    // à l'archive) et « Données archivées... ».
    void mnuArchiver_Click();
    void mnuArchive_Click();
    void mnuParc_Click();
    // Un fichier donné au lancement (ce que fait le gestionnaire de fichiers) : chargé comme
    // « Données sauvegardées », puis le dialogue de source du tableau Leq s'ouvre avec lui.
    void Ouvrir_Fichier(const QString& chemin);
    void mnuAbout_Click();
    void mnuQuitter_Click();
    void Timer_Wait_Timer();

protected:
    void closeEvent(QCloseEvent* evenement) override;

private:
    QAction* entree(const char* nom, const QString& texte, void (frmMain::*gestionnaire)());
    void ouvrir_vue(const QString& type_affichage, bool vider_periode, bool graphique);
    void quitter();
    void refleter_menu(Menu menu, bool actif);

    QMdiArea* zone_ = nullptr;
    QMenu* menu_analyse_ = nullptr;
    QTimer* Timer_Wait = nullptr;
    bool sortie_autorisee_ = false;
};
