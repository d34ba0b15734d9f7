#pragma once

#include "shell/Fenetres_Ouvertes.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

#include <QMdiArea>
class Chargeable;

// Le registre des fenêtres : une seule instance par fenêtre, chargée au premier usage
// (Form_Load), déchargée par Decharger (Form_Unload, puis libérée par deleteLater).
// On ne détruit jamais une fenêtre directement : son propre gestionnaire peut encore
// être sur la pile.
class Fenetres {
public:
    static Fenetres& instance();

    // La zone multi-documents de la fenêtre principale, qui héberge les fenêtres filles.
    void Definir_Zone(QMdiArea* zone) { zone_ = zone; }

    // Charge la fenêtre si besoin (son Form_Load la rend visible) puis l'affiche.
    QWidget* Ouvrir(Id_Fenetre id);
    // Charge la fenêtre si besoin, sans l'afficher de plus.
    QWidget* Charger(Id_Fenetre id);
    void Decharger(Id_Fenetre id);
    bool Chargee(Id_Fenetre id) const;
    QWidget* Fenetre(Id_Fenetre id) const;

    template <class T> T* Instance(Id_Fenetre id) const { return qobject_cast<T*>(Fenetre(id)); }

    // Remplace la fabrique d'une fenêtre (tests).
    using Fabrique = std::function<QWidget*()>;
    void Definir_Fabrique(Id_Fenetre id, Fabrique fabrique);

    // Détruit tout, tout de suite : fin de programme et fin de test seulement.
    void Tout_Detruire();

private:
    Fenetres();
    QWidget* creer(Id_Fenetre id);

    struct Entree {
        QPointer<QWidget> fenetre;
        QPointer<QWidget> cadre; // sous-fenêtre, ou la fenêtre elle-même
        Chargeable* chargeable = nullptr;
    };
    std::array<Entree, Nb_Fenetres> entrees_{};
    std::array<Fabrique, Nb_Fenetres> fabriques_{};
    QPointer<QMdiArea> zone_;
};
