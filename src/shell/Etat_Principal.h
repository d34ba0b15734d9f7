#pragma once

#include <QString>
#include <functional>

// État de la fenêtre principale que le noyau change : disponibilité des menus et titre
// (qui sert de ligne d'état). La fenêtre principale s'y abonne pour le refléter.

// Entrées de la barre de menus dont la disponibilité change en cours de route.
enum class Menu { mnuPort, mnuSave_As, mnuAnalyse, mnuAbout, mnuQuitter };

// La disponibilité est tenue ici, hors fenêtre, pour que le téléchargement, la
// sauvegarde et le chargement puissent la changer et que les tests puissent la lire.
void Activer_Menu(Menu menu, bool actif);
bool Menu_Actif(Menu menu);

// La fenêtre principale s'abonne pour refléter chaque changement.
using Observateur_Menus = std::function<void(Menu, bool)>;
void Observer_Menus(Observateur_Menus observateur);

// Menus tous disponibles et titre de départ, comme au dessin de la fenêtre principale.
void Reinitialiser_Etat_Principal();

// Titre de la fenêtre principale.
void Definir_Legende(const QString& legende);
QString Legende_Actuelle();
void Observer_Legende(std::function<void(const QString&)> observateur);
