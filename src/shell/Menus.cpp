#include "shell/Menus.h"

#include <array>

namespace {
struct Etat {
    std::array<bool, 5> actifs{true, true, true, true, true};
    Observateur_Menus observateur;
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

void Reinitialiser_Menus() {
    for (Menu m :
         {Menu::mnuPort, Menu::mnuSave_As, Menu::mnuAnalyse, Menu::mnuAbout, Menu::mnuQuitter})
        Activer_Menu(m, true);
}
