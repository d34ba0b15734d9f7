#include "support/Environnement_Ihm.h"

#include "archive/Archivage.h"
#include "download/Liaison_Serie.h"
#include "download/Ports_Serie.h"
#include "platform/Travail_Long.h"
#include "shell/Etat_Principal.h"
#include "shell/Fenetres.h"
#include "shell/Fenetres_Ouvertes.h"
#include "shell/frmMain.h"
#include "store/Declarations.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QTimer>

void Environnement_Ihm::SetUp() {
    Magasin().reinitialiser();
    // Les fichiers que chargent les tests ne s'archivent que là où un test le demande.
    Ecrire_Reglages_Archive({false, QString()});
    Drapeaux() = Drapeaux_Ouverture{};
    Reinitialiser_Etat_Principal();
    Travail_Long::Reinitialiser();
    Installer_Plateforme(&plateforme_test);
    // Jamais les ports de la machine de test : seulement ceux que le test donne.
    Ports_Serie::Activer_Enumeration(false);
    Ports_Serie::Definir_Chemins({});
    Fenetres::instance().Charger(Id_Fenetre::frmMain);
    // L'attente de l'accueil, sautée par la plateforme scriptée, n'est pas le sujet des tests.
    plateforme_test.attentes.clear();
}

void Environnement_Ihm::TearDown() {
    Attendre_Archivage();
    Fenetres::instance().Tout_Detruire();
    for (int i = 0; i < Nb_Fenetres; ++i)
        Fenetres::instance().Definir_Fabrique(static_cast<Id_Fenetre>(i), nullptr);
    Installer_Plateforme(nullptr);
    if (liaison().Ouverte())
        liaison().Fermer();
    Ports_Serie::Definir_Chemins({});
    Travail_Long::Reinitialiser();
    Observer_Menus(nullptr);
    Observer_Legende(nullptr);
    Reinitialiser_Etat_Principal();
    Drapeaux() = Drapeaux_Ouverture{};
    Magasin().reinitialiser();
}

frmMain* Environnement_Ihm::principale() const {
    return Fenetres::instance().Instance<frmMain>(Id_Fenetre::frmMain);
}

QAction* Environnement_Ihm::action(const char* nom) const {
    return principale()->findChild<QAction*>(QString::fromLatin1(nom));
}

namespace {
Id_Fenetre id_de(const char* nom) {
    for (int i = 0; i < Nb_Fenetres; ++i) {
        const auto id = static_cast<Id_Fenetre>(i);
        if (QLatin1String(Nom_Fenetre(id)) == QLatin1String(nom))
            return id;
    }
    ADD_FAILURE() << "fenêtre inconnue " << nom;
    return Id_Fenetre::frmMain;
}
} // namespace

QWidget* Environnement_Ihm::fenetre(const char* nom) const {
    return Fenetres::instance().Fenetre(id_de(nom));
}

bool Environnement_Ihm::chargee(const char* nom) const {
    return Fenetres::instance().Chargee(id_de(nom));
}

bool Environnement_Ihm::visible(const char* nom) const {
    QWidget* f = fenetre(nom);
    if (!f || !f->isVisible())
        return false;
    auto* sous = qobject_cast<QMdiSubWindow*>(f->parentWidget());
    return !sous || sous->isVisible();
}

void Environnement_Ihm::vider_evenements() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Environnement_Ihm::double_clic(QWidget* cible) {
    QMouseEvent e(QEvent::MouseButtonDblClick, QPointF(3, 3), cible->mapToGlobal(QPointF(3, 3)),
                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(cible, &e);
}

void Environnement_Ihm::entree(QWidget* cible) {
    QKeyEvent appui(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(cible, &appui);
}

bool Environnement_Ihm::attendre_sortie() {
    bool garde_fou = false;
    QTimer minuterie;
    minuterie.callOnTimeout([&] {
        garde_fou = true;
        QCoreApplication::quit();
    });
    minuterie.start(10000);
    QCoreApplication::exec();
    return !garde_fou;
}
