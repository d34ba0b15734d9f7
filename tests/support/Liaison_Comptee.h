#pragma once

#include "download/Liaison_Serie.h"

#include <QTimer>
#include <functional>
#include <utility>

// La vraie liaison, dont on compte les ouvertures, fermetures et demandes, et qui laisse
// un test agir quand l'appareil a vraiment envoyé des octets (plutôt qu'après un délai).
class Liaison_Comptee final : public Liaison_Serie {
public:
    int ouvertures = 0, fermetures = 0, demandes = 0;

    // Le geste part de la boucle d'événements dès qu'au moins « octets » attendent.
    void quand_recu(int octets, std::function<void()> geste) {
        seuil_ = octets;
        geste_ = std::move(geste);
    }

    bool Ouvrir(int n, const QString& r, int t) override {
        ++ouvertures;
        return vraie().Ouvrir(n, r, t);
    }
    bool Ouverte() const override { return vraie().Ouverte(); }
    void Fermer() override {
        if (vraie().Ouverte())
            ++fermetures;
        vraie().Fermer();
    }
    void DTR(bool a) override { vraie().DTR(a); }
    bool Ecrire_Octet(std::uint8_t o) override {
        demandes += o == 0x01;
        return vraie().Ecrire_Octet(o);
    }
    int Octets_En_Attente() override {
        const int n = vraie().Octets_En_Attente();
        if (geste_ && n >= seuil_)
            QTimer::singleShot(0, std::exchange(geste_, nullptr));
        return n;
    }
    QByteArray Lire_Tout() override { return vraie().Lire_Tout(); }
    bool En_Erreur() const override { return vraie().En_Erreur(); }

private:
    static Liaison_Serie& vraie() { return liaison_par_defaut(); }
    int seuil_ = 0;
    std::function<void()> geste_;
};
