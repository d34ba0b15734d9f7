#include "shell/frmMain.h"

#include "archive/Archivage.h"
#include "shell/frmData_Type.h"

#include "download/frmWait.h"
#include "platform/Apparence.h"
#include "platform/Plateforme.h"
#include "platform/Travail_Long.h"
#include "shell/Fenetres.h"
#include "shell/Textes.h"
#include "store/Declarations.h"
#include "store/Fonction_Fichiers.h"
#include "store/frmWait_Save.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <QTimer>

frmMain::frmMain() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Legende_Actuelle());
    Appliquer_Apparence(this);
    resize(1024, 720);

    zone_ = new QMdiArea(this);
    zone_->setObjectName(QStringLiteral("MDIForm"));
    zone_->setBackground(QColor(171, 171, 171));
    setCentralWidget(zone_);

    QMenuBar* barre = menuBar();
    barre->addAction(entree("mnuPort", QStringLiteral("&Sélection Port"), &frmMain::mnuPort_Click));
    barre->addAction(entree("sep3", QStringLiteral("|"), nullptr));
    barre->addAction(
        entree("mnuSave_As", QStringLiteral("&Enregistrer Sous ..."), &frmMain::mnuSave_As_Click));
    barre->addAction(entree("sep4", QStringLiteral("|"), nullptr));

    menu_analyse_ = new QMenu(QStringLiteral("&Analyse"), this);
    menu_analyse_->menuAction()->setObjectName(QStringLiteral("mnuAnalyse"));
    menu_analyse_->addAction(
        entree("mnuGraphique", QStringLiteral("Graphique Leq"), &frmMain::mnuGraphique_Click));
    menu_analyse_->addAction(
        entree("mnuTab_Leq", QStringLiteral("Tableau Leq"), &frmMain::mnuTab_Leq_Click));
    menu_analyse_->addSeparator()->setObjectName(QStringLiteral("sep1"));
    menu_analyse_->addAction(entree("mnuEvenements", QStringLiteral("Tableau Evénements"),
                                    &frmMain::mnuEvenements_Click));
    menu_analyse_->addSeparator()->setObjectName(QStringLiteral("sep2"));
    menu_analyse_->addAction(entree("mnuParametres", QStringLiteral("Tableau Paramètres"),
                                    &frmMain::mnuParametres_Click));
    // Au-delà des quatre vues de l'appareil, séparé d'elles.
    menu_analyse_->addSeparator()->setObjectName(QStringLiteral("sep_rapport"));
    menu_analyse_->addAction(
        entree("mnuRapport", QStringLiteral("Rapport réglementaire"), &frmMain::mnuRapport_Click));
    menu_analyse_->addSeparator()->setObjectName(QStringLiteral("sep_archive"));
    QAction* archiver =
        entree("mnuArchiver", QStringLiteral("Archiver les données"), &frmMain::mnuArchiver_Click);
    archiver->setCheckable(true);
    archiver->setChecked(Lire_Reglages_Archive().actif);
    archiver->setToolTip(QStringLiteral("Chaque téléchargement et chaque fichier chargé "
                                        "s'ajoutent à l'archive de leur appareil"));
    menu_analyse_->addAction(archiver);
    menu_analyse_->addAction(
        entree("mnuArchive", QStringLiteral("Données archivées..."), &frmMain::mnuArchive_Click));
    menu_analyse_->addAction(
        entree("mnuParc", QStringLiteral("Parc d'appareils..."), &frmMain::mnuParc_Click));
    barre->addMenu(menu_analyse_);

    barre->addAction(entree("sep5", QStringLiteral("|"), nullptr));
    barre->addAction(
        entree("mnuAbout", QStringLiteral("A Propos de ..."), &frmMain::mnuAbout_Click));
    barre->addAction(entree("sep6", QStringLiteral("|"), nullptr));
    barre->addAction(entree("mnuQuitter", QStringLiteral("&Quitter"), &frmMain::mnuQuitter_Click));

    Timer_Wait = new QTimer(this);
    Timer_Wait->setObjectName(QStringLiteral("Timer_Wait"));
    Timer_Wait->setInterval(3000);
    // Précise : c'est son tick, et non l'échéance de secours de l'attente, qui clôt l'accueil.
    Timer_Wait->setTimerType(Qt::PreciseTimer);
    connect(Timer_Wait, &QTimer::timeout, this, &frmMain::Timer_Wait_Timer);

    Fenetres::instance().Definir_Zone(zone_);
    Observer_Menus([this](Menu menu, bool actif) { refleter_menu(menu, actif); });
    Observer_Legende([this](const QString& legende) { setWindowTitle(legende); });
    frmWait::Brancher_Progression();
    frmWait_Save::Brancher_Sauvegarde();
    for (Menu m :
         {Menu::mnuPort, Menu::mnuSave_As, Menu::mnuAnalyse, Menu::mnuAbout, Menu::mnuQuitter})
        refleter_menu(m, Menu_Actif(m));
}

frmMain::~frmMain() {
    Observer_Menus(nullptr);
    Observer_Legende(nullptr);
}

QAction* frmMain::entree(const char* nom, const QString& texte, void (frmMain::*gestionnaire)()) {
    auto* action = new QAction(texte, this);
    action->setObjectName(QString::fromLatin1(nom));
    if (gestionnaire)
        connect(action, &QAction::triggered, this, gestionnaire);
    return action;
}

void frmMain::refleter_menu(Menu menu, bool actif) {
    const char* nom = "";
    switch (menu) {
    case Menu::mnuPort:
        nom = "mnuPort";
        break;
    case Menu::mnuSave_As:
        nom = "mnuSave_As";
        break;
    case Menu::mnuAnalyse:
        menu_analyse_->menuAction()->setEnabled(actif);
        return;
    case Menu::mnuAbout:
        nom = "mnuAbout";
        break;
    case Menu::mnuQuitter:
        nom = "mnuQuitter";
        break;
    }
    if (auto* action = findChild<QAction*>(QString::fromLatin1(nom)))
        action->setEnabled(actif);
}

void frmMain::Form_Load() {
    auto& M = Magasin();
    auto& registre = Fenetres::instance();
    Activer_Menu(Menu::mnuSave_As, false);
    registre.Decharger(Id_Fenetre::frmWait);
    registre.Decharger(Id_Fenetre::frmAbout);
    show();
    registre.Ouvrir(Id_Fenetre::frmStart);
    registre.Decharger(Id_Fenetre::frmStart);
    auto& d = Drapeaux();
    d.Ouvert_frmPort = false;
    d.Ouvert_frmData_Type = false;
    d.Ouvert_frmWait = false;
    M.Num_Port = 0;
    M.Type_Affichage.clear();
    M.Chaine_Temp.clear();
    M.Duree_Graph = 1;
    M.Tab_Jours_Graph.remplir(QStringLiteral("0"));
    // Quitter pendant l'accueil : la sortie est en route, on n'ouvre plus rien.
    if (!Travail_Long::Sortie_Demandee())
        registre.Ouvrir(Id_Fenetre::frmPort);
}

void frmMain::mnuPort_Click() {
    Fenetres::instance().Ouvrir(Id_Fenetre::frmPort);
}

void frmMain::mnuSave_As_Click() {
    Travail_Long travail;
    Sauver_Fichier();
}

void frmMain::ouvrir_vue(const QString& type_affichage, bool vider_periode, bool graphique) {
    auto& M = Magasin();
    if (vider_periode) {
        M.Jour_Debut.clear();
        M.Mois_Debut.clear();
        M.Annee_Debut.clear();
        M.Jour_Fin.clear();
        M.Mois_Fin.clear();
        M.Annee_Fin.clear();
    }
    if (graphique)
        M.Nb_Jours_Graph = QStringLiteral("1");
    Fermer_Fenetres();
    M.Type_Affichage = type_affichage;
    Fenetres::instance().Ouvrir(Id_Fenetre::frmData_Type);
}

void frmMain::mnuGraphique_Click() {
    ouvrir_vue(Vue::Graphique, true, true);
}
void frmMain::mnuTab_Leq_Click() {
    ouvrir_vue(Vue::Tableau_Leq, true, false);
}
void frmMain::mnuEvenements_Click() {
    ouvrir_vue(Vue::Tableau_Evenements, true, false);
}
void frmMain::mnuParametres_Click() {
    ouvrir_vue(Vue::Tableau_Parametres, false, false);
}
void frmMain::mnuRapport_Click() {
    ouvrir_vue(Vue::Rapport, true, false);
}

void frmMain::mnuArchiver_Click() {
    Reglages_Archive reglages = Lire_Reglages_Archive();
    if (auto* a = findChild<QAction*>(QStringLiteral("mnuArchiver")))
        reglages.actif = a->isChecked();
    Ecrire_Reglages_Archive(reglages);
}

void frmMain::mnuArchive_Click() {
    Fenetres::instance().Ouvrir(Id_Fenetre::frmArchive);
}

void frmMain::mnuParc_Click() {
    Fenetres::instance().Ouvrir(Id_Fenetre::frmParc);
}

void frmMain::Ouvrir_Fichier(const QString& chemin) {
    QString c = QFileInfo(chemin).absoluteFilePath();
    // Un fichier refusé a déjà eu son message ; le programme reste comme au lancement.
    if (!Charger_Fichier(c))
        return;
    mnuTab_Leq_Click();
    if (auto* dialogue = Fenetres::instance().Instance<frmData_Type>(Id_Fenetre::frmData_Type))
        dialogue->Choisir_Fichier(c);
}

void frmMain::mnuAbout_Click() {
    Fenetres::instance().Ouvrir(Id_Fenetre::frmAbout);
}

void frmMain::mnuQuitter_Click() {
    quitter();
}

void frmMain::Timer_Wait_Timer() {
    Timer_Wait->stop();
}

void frmMain::quitter() {
    auto& M = Magasin();
    M.Abandon = true;
    M.Compteur_Essais = 0;
    Fermer_Fenetres();
    // Un travail long encore sur la pile verra Abandon à son prochain test ; on ne ferme
    // qu'une fois qu'il est revenu, pour ne rien détruire sous ses pieds.
    QPointer<frmMain> moi(this);
    Travail_Long::Demander_Sortie([moi] {
        Fenetres::instance().Decharger(Id_Fenetre::frmAbout);
        Fenetres::instance().Decharger(Id_Fenetre::frmStart);
        if (moi) {
            moi->sortie_autorisee_ = true;
            moi->hide();
        }
        QCoreApplication::quit();
    });
}

void frmMain::closeEvent(QCloseEvent* evenement) {
    if (sortie_autorisee_) {
        evenement->accept();
        return;
    }
    // La case de fermeture fait comme Quitter (même pendant une sauvegarde : on la laisse
    // finir avant de sortir, plutôt que de couper un fichier en deux).
    evenement->ignore();
    quitter();
}
