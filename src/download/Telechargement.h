#pragma once

#include <functional>

// Télécharge l'image mémoire de l'appareil sur le port Num_Port, la décode dans le
// magasin et la trie. L'issue est laissée dans Abandon, Compteur_Essais et
// Donnees_Chargees.
void Telechargement();

// Vrai pendant un téléchargement : un second ne peut pas démarrer dedans.
bool Telechargement_En_Cours();
// Appelé à la fin de chaque téléchargement, quelle qu'en soit l'issue (un dialogue ouvert
// pendant le téléchargement rend alors « Nouvelles Données » à nouveau possible).
void Observer_Fin_Telechargement(std::function<void()> observateur);

// Compteur_Essais quand le port ne s'ouvre plus au moment du téléchargement (le message
// a déjà été montré).
inline constexpr int Essais_Port_Indisponible = -2;

// Sans fenêtre pour annuler (ligne de commande), une réception muette pendant ce délai
// finit comme une transmission coupée. 0 : on attend l'utilisateur, comme la fenêtre.
void Definir_Delai_Silence(int millisecondes);
