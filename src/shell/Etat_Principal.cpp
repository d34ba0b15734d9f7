#include "shell/Etat_Principal.h"

#include "shell/Textes.h"

#include <array>

namespace {
struct Etat {
    std::array<bool, 5> actifs{true, true, true, true, true};
    Observateur_Menus observateur;
    QString legende = Legende::Base;
    std::function<void(const QString&)> observateur_legende;
};
Etat& etat() {
    static Etat e;
    return e;
}
} // namespace

void Activer_Menu(Menu menu, bool actif) {
    etat().actifs[static_cast<int>(menu)] = actif;
    if (etat().observateur)
        etat().observateur(menu, actif);
}

bool Menu_Actif(Menu menu) {
    return etat().actifs[static_cast<int>(menu)];
}

void Observer_Menus(Observateur_Menus observateur) {
    etat().observateur = std::move(observateur);
}

void Reinitialiser_Etat_Principal() {
    Definir_Legende(Legende::Base);
    for (Menu m :
         {Menu::mnuPort, Menu::mnuSave_As, Menu::mnuAnalyse, Menu::mnuAbout, Menu::mnuQuitter})
        Activer_Menu(m, true);
}

void Definir_Legende(const QString& legende) {
    etat().legende = legende;
    if (etat().observateur_legende)
        etat().observateur_legende(legende);
}

QString Legende_Actuelle() {
    return etat().legende;
}

void Observer_Legende(std::function<void(const QString&)> observateur) {
    etat().observateur_legende = std::move(observateur);
}
