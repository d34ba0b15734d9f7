#pragma once

#include <functional>

// Entrées de la barre de menus dont la disponibilité change en cours de route.
enum class Menu { mnuPort, mnuSave_As, mnuAnalyse, mnuAbout, mnuQuitter };

// La disponibilité est tenue ici, hors fenêtre, pour que le téléchargement, la
// sauvegarde et le chargement puissent la changer et que les tests puissent la lire.
void Activer_Menu(Menu menu, bool actif);
bool Menu_Actif(Menu menu);

// La fenêtre principale s'abonne pour refléter chaque changement.
using Observateur_Menus = std::function<void(Menu, bool)>;
void Observer_Menus(Observateur_Menus observateur);

// Tout disponible, comme au dessin de la fenêtre principale (sert aussi aux tests).
void Reinitialiser_Menus();
