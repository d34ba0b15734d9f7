#include "shell/Fenetre_Provisoire.h"

#include "platform/Apparence.h"
#include "shell/Fenetres.h"

#include <QPushButton>

Fenetre_Provisoire::Fenetre_Provisoire(Id_Fenetre id, const QString& titre, bool ferme_les_autres)
    : Fenetre_Base(id), ferme_les_autres_(ferme_les_autres) {
    setWindowTitle(titre);
    Taille_Client_Twips(4800, 1500);
    auto* annuler = Creer<QPushButton>(this, "Cmd_Annuler", QStringLiteral("Annuler"));
    Placer_Twips(annuler, 1800, 900, 1200, 375);
    connect(annuler, &QPushButton::clicked, this,
            [this] { Fenetres::instance().Decharger(this->id()); });
}

void Fenetre_Provisoire::Form_Load() {
    if (ferme_les_autres_)
        Fermer_Fenetres();
    if (bool* drapeau = Drapeau_De(id()))
        *drapeau = true;
    Deplacer_Origine();
    Rendre_Visible();
}

void Fenetre_Provisoire::Form_Unload() {
    if (bool* drapeau = Drapeau_De(id()))
        *drapeau = false;
}
