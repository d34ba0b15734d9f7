#pragma once

// Télécharge l'image mémoire de l'appareil sur le port Num_Port, la décode dans le
// magasin et la trie. L'issue est laissée dans Abandon, Compteur_Essais et
// Donnees_Chargees.
void Telechargement();
