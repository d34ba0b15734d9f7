#include "shell/Fenetres.h"

#include "archive/frmArchive.h"
#include "archive/frmParc.h"
#include "download/frmWait.h"
#include "graphs/frmGraphique_Leq.h"
#include "graphs/frmInGraphique_v5.h"
#include "parameters/frmParametres_v4.h"
#include "report/frmRapport.h"
#include "shell/Fenetre_Base.h"
#include "shell/frmAbout.h"
#include "shell/frmData_Type.h"
#include "shell/frmMain.h"
#include "shell/frmPort.h"
#include "shell/frmStart.h"
#include "store/frmWait_Save.h"
#include "tables/frmInTableau.h"
#include "tables/frmTableau_Evenements.h"
#include "tables/frmTableau_Leq_V5.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {
bool est_fille(Id_Fenetre id) {
    return id != Id_Fenetre::frmMain && id != Id_Fenetre::frmStart && id != Id_Fenetre::frmAbout;
}

int rang(Id_Fenetre id) {
    return static_cast<int>(id);
}

QWidget* fabrique_par_defaut(Id_Fenetre id) {
    switch (id) {
    case Id_Fenetre::frmMain:
        return new frmMain;
    case Id_Fenetre::frmData_Type:
        return new frmData_Type;
    case Id_Fenetre::frmPort:
        return new frmPort;
    case Id_Fenetre::frmWait:
        return new frmWait;
    case Id_Fenetre::frmWait_Save:
        return new frmWait_Save;
    case Id_Fenetre::frmInTableau:
        return new frmInTableau;
    case Id_Fenetre::frmInGraphique_v5:
        return new frmInGraphique_v5;
    case Id_Fenetre::frmTableau_Leq_V5:
        return new frmTableau_Leq_V5;
    case Id_Fenetre::frmTableau_Evenements:
        return new frmTableau_Evenements;
    case Id_Fenetre::frmGraphique_Leq:
        return new frmGraphique_Leq;
    case Id_Fenetre::frmParametres_v4:
        return new frmParametres_v4;
    case Id_Fenetre::frmStart:
        return new frmStart;
    case Id_Fenetre::frmAbout:
        return new frmAbout;
    case Id_Fenetre::frmRapport:
        return new frmRapport;
    case Id_Fenetre::frmArchive:
        return new frmArchive;
    case Id_Fenetre::frmParc:
        return new frmParc;
    }
    return nullptr;
}
} // namespace

Fenetres::Fenetres() {
    Installer_Dechargeur([](Id_Fenetre id) { Fenetres::instance().Decharger(id); });
    Installer_Ouvreur([](Id_Fenetre id) { Fenetres::instance().Ouvrir(id); });
}

Fenetres& Fenetres::instance() {
    static Fenetres registre;
    return registre;
}

void Fenetres::Definir_Fabrique(Id_Fenetre id, Fabrique fabrique) {
    fabriques_[rang(id)] = std::move(fabrique);
}

QWidget* Fenetres::creer(Id_Fenetre id) {
    const auto& fabrique = fabriques_[rang(id)];
    QWidget* fenetre = fabrique ? fabrique() : fabrique_par_defaut(id);
    Entree& e = entrees_[rang(id)];
    e.fenetre = fenetre;
    e.cadre = fenetre;
    e.chargeable = dynamic_cast<Chargeable*>(fenetre);
    if (est_fille(id) && zone_) {
        // La case de fermeture de la sous-fenêtre ferme la fenêtre hébergée, qui se décharge.
        auto* sous = new QMdiSubWindow;
        sous->setWidget(fenetre);
        sous->setAttribute(Qt::WA_DeleteOnClose, false);
        // Ni agrandir ni réduire : les fenêtres ont une disposition fixe.
        sous->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        zone_->addSubWindow(sous);
        sous->hide();
        e.cadre = sous;
        if (auto* base = qobject_cast<Fenetre_Base*>(fenetre))
            base->Definir_Sous_Fenetre(sous);
    }
    return fenetre;
}

QWidget* Fenetres::Charger(Id_Fenetre id) {
    if (Chargee(id))
        return Fenetre(id);
    QWidget* fenetre = creer(id);
    if (auto* c = entrees_[rang(id)].chargeable)
        c->Form_Load();
    Q_UNUSED(fenetre);
    return Fenetre(id);
}

QWidget* Fenetres::Ouvrir(Id_Fenetre id) {
    QWidget* fenetre = Charger(id);
    if (!fenetre)
        return nullptr;
    if (auto* base = qobject_cast<Fenetre_Base*>(fenetre))
        base->Rendre_Visible();
    else
        fenetre->show();
    return fenetre;
}

void Fenetres::Decharger(Id_Fenetre id) {
    Entree e = entrees_[rang(id)];
    if (!e.fenetre)
        return;
    // Sortie du registre d'abord : un déchargement imbriqué de la même fenêtre ne fait rien.
    entrees_[rang(id)] = Entree{};
    if (e.chargeable)
        e.chargeable->Form_Unload();
    if (e.cadre) {
        e.cadre->hide();
        e.cadre->deleteLater();
    }
}

bool Fenetres::Chargee(Id_Fenetre id) const {
    return !entrees_[rang(id)].fenetre.isNull();
}

QWidget* Fenetres::Fenetre(Id_Fenetre id) const {
    return entrees_[rang(id)].fenetre.data();
}

void Fenetres::Tout_Detruire() {
    for (int i = Nb_Fenetres - 1; i >= 0; --i) {
        Entree e = entrees_[i];
        entrees_[i] = Entree{};
        delete e.cadre.data();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    zone_ = nullptr;
}
