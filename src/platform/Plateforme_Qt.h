#pragma once

#include "platform/Plateforme.h"

class QWidget;

// Plateforme réelle : boîtes et dialogues de Qt, rattachés à la fenêtre principale.
class Plateforme_Qt final : public Plateforme {
public:
    void Definir_Parent(QWidget* parent) { parent_ = parent; }

    void Sablier(bool actif) override;
    void Message(const QString& texte, const QString& titre, Icone icone) override;
    std::optional<QString> Dialogue_Ouvrir(const QString& nom, const QString& filtre) override;
    std::optional<QString> Dialogue_Enregistrer(const QString& nom, const QString& filtre) override;

protected:
    std::unique_ptr<Imprimante> Choisir_Imprimante(const QString& document, bool paysage) override;

private:
    QWidget* parent_ = nullptr;
    int sablier_ = 0;
};

// Charge la traduction française des dialogues de Qt (fichier, impression, messages).
void Charger_Traduction_Qt();
