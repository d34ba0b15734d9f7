#include "shell/Choix_Port.h"

#include "download/Liaison_Serie.h"

Ports_Disponibles Sonder_Ports() {
    Ports_Disponibles d{};
    for (int n = 1; n <= 16; ++n) {
        Liaison_Serie& l = liaison();
        l.Ouvrir(n, Reglages_Telechargement, Taille_Tampon_Entree);
        if (l.Ouverte()) {
            l.Fermer();
            d[n] = true;
        }
    }
    return d;
}

Etat_Apres_Sondage Etat_Apres(const Ports_Disponibles& d, int num_port) {
    Etat_Apres_Sondage e;
    e.num_port = num_port;
    if (num_port < 1 || num_port > 16 || !d[num_port])
        e.num_port = 0;
    int nombre = 0, premier = 0;
    for (int n = 1; n <= 16; ++n) {
        if (d[n]) {
            ++nombre;
            if (!premier)
                premier = n;
        }
    }
    if (nombre == 1)
        e.num_port = premier;
    if (e.num_port != 0)
        e.selection = e.num_port;
    else
        e.ok_actif = false;
    return e;
}
