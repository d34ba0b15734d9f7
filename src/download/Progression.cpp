#include "download/Progression.h"

#include "store/Declarations.h"

#include <cmath>

namespace {
Vue_Progression& vue() {
    static Vue_Progression v;
    return v;
}
} // namespace

int Partie_Entiere(double valeur) {
    return static_cast<int>(std::floor(valeur));
}

Etat_Attente Etat_Attente_Au_Chargement() {
    Etat_Attente e;
    e.Label_Transmission = QStringLiteral("Transmission en cours ...");
    e.Label_Classement = QStringLiteral("Attente de fin de transmission pour classement...");
    e.Label_Traitement = QStringLiteral(" Traitement des données en cours ...");
    e.Label_Pourcentage = QStringLiteral("Traitement des données effectué à 00 %.");
    return e;
}

void Avancer(Etat_Attente& e, std::int32_t& pas) {
    const int t_max = Partie_Entiere(Max_Transmission), c_max = Partie_Entiere(Max_Classement);
    const int r_max = Partie_Entiere(Max_Traitement), c_min = 0;
    ++pas;
    // Chaque étape relit les valeurs laissées par la précédente : l'appel qui termine la
    // transmission fait aussi les deux premiers pas du classement.
    if (Partie_Entiere(e.ProgressBar_Transmission) < t_max &&
        Partie_Entiere(e.ProgressBar_Classement) == c_min)
        e.ProgressBar_Transmission = Partie_Entiere(e.ProgressBar_Transmission) + 1;
    if (Partie_Entiere(e.ProgressBar_Transmission) == t_max &&
        Partie_Entiere(e.ProgressBar_Classement) == c_min) {
        e.Label_Transmission = QStringLiteral("Transmission effectuée avec succès !!!");
        e.Picture_Transmit_Ok = true;
        e.Label_Classement = QStringLiteral("Classement des données en cours ...");
        e.ProgressBar_Classement = Partie_Entiere(e.ProgressBar_Classement) + 1;
    }
    const int c = Partie_Entiere(e.ProgressBar_Classement);
    if (Partie_Entiere(e.ProgressBar_Transmission) == t_max && c > c_min && c < c_max)
        e.ProgressBar_Classement = c + 1;
    if (Partie_Entiere(e.ProgressBar_Classement) == c_max) {
        e.Label_Classement = QStringLiteral("Classement effectué avec succès !!!");
        e.Picture_Classement_Ok = true;
    }
    e.ProgressBar_Traitement =
        Partie_Entiere(e.ProgressBar_Classement) + Partie_Entiere(e.ProgressBar_Transmission);
    const int p = Partie_Entiere(e.ProgressBar_Traitement) * 100 / r_max;
    QString texte = QString::number(p);
    if (p < 10)
        texte.prepend(u'0');
    Magasin().Chaine_Temp = texte;
    e.Label_Pourcentage =
        QStringLiteral("Traitement des données effectué à ") + texte + QStringLiteral(" %.");
}

Etat_Attente& Etat_Progression() {
    static Etat_Attente e = Etat_Attente_Au_Chargement();
    return e;
}

void Charger_Vue_Progression() {
    if (vue().avant)
        vue().avant();
}

void Progression() {
    Charger_Vue_Progression();
    Avancer(Etat_Progression(), Magasin().Pas_Progression);
    if (vue().apres)
        vue().apres();
}

void Installer_Vue_Progression(Vue_Progression v) {
    vue() = std::move(v);
}
