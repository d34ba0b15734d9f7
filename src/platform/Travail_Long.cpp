#include "platform/Travail_Long.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace {
struct Etat {
    int profondeur = 0;
    bool sortie_demandee = false;
    std::function<void()> sortie;
};
Etat& etat() {
    static Etat e;
    return e;
}

void lancer_sortie() {
    auto sortie = std::move(etat().sortie);
    etat().sortie = nullptr;
    if (!sortie)
        return;
    // Différée : le gestionnaire qui portait le travail doit d'abord finir de dépiler.
    if (QCoreApplication::instance())
        QMetaObject::invokeMethod(QCoreApplication::instance(), sortie, Qt::QueuedConnection);
    else
        sortie();
}
} // namespace

Travail_Long::Travail_Long() {
    ++etat().profondeur;
}

Travail_Long::~Travail_Long() {
    if (--etat().profondeur == 0 && etat().sortie_demandee)
        lancer_sortie();
}

bool Travail_Long::En_Cours() {
    return etat().profondeur > 0;
}

bool Travail_Long::Sortie_Demandee() {
    return etat().sortie_demandee;
}

void Travail_Long::Demander_Sortie(std::function<void()> sortie) {
    etat().sortie_demandee = true;
    etat().sortie = std::move(sortie);
    if (etat().profondeur == 0)
        lancer_sortie();
}

void Travail_Long::Reinitialiser() {
    etat() = Etat{};
}
