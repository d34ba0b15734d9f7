#pragma once

#include <QByteArray>
#include <QDateTime>
#include <cstdint>

// Fabrique une image mémoire complète et vraisemblable du LQM 70-4 Nova, dans le codage de
// l'appareil : environ cinq jours d'enregistrement continu d'une salle (Leq1 chaque
// minute, Leq10 toutes les dix minutes, soirées bruyantes, nuits calmes, quelques
// coupures), la mémoire circulaire pleine (les plus anciens enregistrements écrasés, donc
// l'ordre de la mémoire n'est pas celui des dates), des événements des seize sortes,
// plusieurs jeux de paramètres et un bloc de configuration. Même graine, même image.
struct Options_Generateur {
    std::uint32_t graine = 1;
    // Heure du dernier enregistrement.
    QDateTime fin = QDateTime(QDate(2008, 3, 12), QTime(10, 0));
    // Les niveaux tirés de leur instant (et de la graine) plutôt que de la suite : des
    // téléchargements successifs du même appareil donnent les mêmes niveaux aux mêmes
    // minutes.
    bool niveaux_par_instant = false;
    // L'horloge de l'appareil suit l'heure légale française : reculée d'une heure le dernier
    // dimanche d'octobre (une heure enregistrée deux fois, chacune avec ses niveaux), avancée
    // le dernier dimanche de mars (une heure sans enregistrement). Sans elle, l'horloge ne
    // change jamais. « fin » est alors une heure légale.
    bool heure_legale = false;
};

QByteArray Generer_Image(const Options_Generateur& options = {});

// L'heure légale française d'un instant UTC : UTC + 2 du dernier dimanche de mars à 1 h UTC
// au dernier dimanche d'octobre à 1 h UTC, UTC + 1 le reste de l'année. Rendue sans fuseau
// (Qt::UTC), telle que l'appareil l'écrit.
QDateTime Heure_Legale(const QDateTime& instant_utc);
