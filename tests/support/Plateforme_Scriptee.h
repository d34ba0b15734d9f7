#pragma once

#include "platform/Plateforme.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

// Plateforme pour les tests : note chaque message, répond aux dialogues selon un script.
class Plateforme_Scriptee final : public Plateforme {
public:
    struct Message_Affiche {
        QString texte;
        QString titre;
        Icone icone;
    };

    std::vector<Message_Affiche> messages;
    // Réponses des dialogues de fichier, dans l'ordre ; nullopt = Annuler. File vide = Annuler.
    std::deque<std::optional<QString>> reponses_fichier;
    QStringList noms_proposes;
    bool sablier = false;
    // Appelé pendant chaque message, comme si la boîte modale laissait tourner les événements.
    std::function<void(const Message_Affiche&)> pendant_message;

    std::vector<int> attentes;
    std::function<void(int)> pendant_attente;
    // Appelé à chaque passage des événements (un travail long en cours de route).
    std::function<void()> pendant_evenements;

    void DoEvents() override {
        if (pendant_evenements)
            pendant_evenements();
        Plateforme::DoEvents();
    }

    void Sablier(bool actif) override { sablier = actif; }
    // Par défaut, les attentes ne font que laisser passer les événements : les tests ne
    // dorment pas. Avec le simulateur, une attente qui guette ses octets (condition d'arrêt)
    // est réelle ; la pause d'affichage de fin, sans condition, reste notée et sautée.
    bool attentes_reelles = false;
    void Attendre_Ms(int ms, const std::function<bool()>& arret = {}) override {
        attentes.push_back(ms);
        if (pendant_attente)
            pendant_attente(ms);
        if (attentes_reelles && arret)
            Plateforme::Attendre_Ms(ms, arret);
        else
            DoEvents();
    }
    void Message(const QString& texte, const QString& titre, Icone icone) override {
        messages.push_back({texte, titre, icone});
        if (pendant_message)
            pendant_message(messages.back());
    }
    std::optional<QString> Dialogue_Ouvrir(const QString& nom, const QString& filtre) override {
        return repondre(nom, filtre);
    }
    std::optional<QString> Dialogue_Enregistrer(const QString& nom,
                                                const QString& filtre) override {
        return repondre(nom, filtre);
    }
    // Le dialogue d'impression : le nom du document et l'orientation sur laquelle il s'ouvre,
    // puis l'imprimante que rend « imprimante » (aucune : Annuler), dans cette orientation.
    std::vector<std::pair<QString, bool>> impressions;
    std::function<std::unique_ptr<Imprimante>()> imprimante;

protected:
    std::unique_ptr<Imprimante> Choisir_Imprimante(const QString& document, bool paysage) override {
        impressions.emplace_back(document, paysage);
        std::unique_ptr<Imprimante> choisie = imprimante ? imprimante() : nullptr;
        if (choisie)
            choisie->Paysage(paysage);
        return choisie;
    }

private:
    std::optional<QString> repondre(const QString& nom, const QString&) {
        noms_proposes << nom;
        if (reponses_fichier.empty())
            return std::nullopt;
        const auto reponse = reponses_fichier.front();
        reponses_fichier.pop_front();
        return reponse;
    }
};
