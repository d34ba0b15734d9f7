#pragma once

#include <functional>

// Un travail long (téléchargement, tri, sauvegarde) tourne dans un gestionnaire
// d'événement et laisse passer les événements : l'utilisateur peut demander à quitter
// en plein milieu. On lève alors Abandon, on laisse le travail remonter, et on ne
// quitte qu'une fois le dernier travail terminé.
class Travail_Long {
public:
    Travail_Long();
    ~Travail_Long();
    Travail_Long(const Travail_Long&) = delete;
    Travail_Long& operator=(const Travail_Long&) = delete;

    static bool En_Cours();
    // Vrai dès qu'une sortie a été demandée : un travail qui revient ne doit plus
    // rien afficher.
    static bool Sortie_Demandee();
    // Lance « sortie » tout de suite si aucun travail ne tourne, sinon dès que le
    // dernier s'achève (par la boucle d'événements, une fois les piles dépilées).
    static void Demander_Sortie(std::function<void()> sortie);
    // Pour les tests.
    static void Reinitialiser();
};
