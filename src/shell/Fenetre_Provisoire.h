#pragma once

#include "shell/Fenetre_Base.h"

// Fenêtre d'attente pour une vue qui n'est pas encore construite : son titre, son
// drapeau d'ouverture et un bouton « Annuler ».
class Fenetre_Provisoire : public Fenetre_Base {
    Q_OBJECT
public:
    Fenetre_Provisoire(Id_Fenetre id, const QString& titre, bool ferme_les_autres = true);

    void Form_Load() override;
    void Form_Unload() override;

private:
    bool ferme_les_autres_;
};
