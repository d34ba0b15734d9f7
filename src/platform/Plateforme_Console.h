#pragma once

#include "platform/Plateforme.h"

// Plateforme des outils en ligne de commande : les messages vont sur la sortie d'erreur,
// les dialogues n'existent pas (ils répondent comme sur « Annuler »).
class Plateforme_Console final : public Plateforme {
public:
    void Sablier(bool) override {}
    void Message(const QString& texte, const QString& titre, Icone icone) override;
    std::optional<QString> Dialogue_Ouvrir(const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> Dialogue_Enregistrer(const QString&, const QString&) override {
        return std::nullopt;
    }
    std::unique_ptr<Imprimante> Choisir_Imprimante(const QString&, bool) override {
        return nullptr;
    }
};
