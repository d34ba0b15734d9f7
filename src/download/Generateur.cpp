#include "download/Generateur.h"

#include "download/Decodage.h"
#include "shell/Calendrier.h"
#include "store/Declarations.h"

#include <array>
#include <random>
#include <vector>

namespace {

using Octets = std::array<std::uint8_t, 8>;

class Hasard {
public:
    explicit Hasard(std::uint32_t graine) : moteur_(graine) {}
    // Entier de [0, n) ; calcul explicite pour la même suite partout.
    int entier(int n) { return static_cast<int>(moteur_() % static_cast<std::uint32_t>(n)); }
    bool chance(int sur) { return entier(sur) == 0; }

private:
    std::mt19937 moteur_;
};

// « t » : l'heure de l'horloge de l'appareil.
Octets horodatage(const QDateTime& t, int genre) {
    const QDate d = t.date();
    const QTime h = t.time();
    return {En_BCD(h.minute()),
            En_BCD(h.hour()),
            En_BCD(d.day()),
            En_BCD(genre),
            En_BCD(d.month()),
            En_BCD(d.year() - 2000),
            0,
            0};
}

// L'heure que l'horloge de l'appareil montre à l'instant « u » (UTC).
QDateTime heure_appareil(const QDateTime& u, const Options_Generateur& options) {
    return options.heure_legale ? Heure_Legale(u) : u;
}

// Niveau d'une salle de concert à l'instant « u » : soirées fortes, journées calmes, nuits
// silencieuses.
int niveau(const QDateTime& u, Hasard& suite, const Options_Generateur& options) {
    // Tiré de l'instant lui-même : deux téléchargements qui se recouvrent s'accordent, et les
    // deux passages d'une heure reculée ont chacun les leurs.
    Hasard instant(options.graine * 2654435761u ^
                   static_cast<std::uint32_t>(u.toSecsSinceEpoch() / 60));
    Hasard& h = options.niveaux_par_instant ? instant : suite;
    const int heure = heure_appareil(u, options).time().hour();
    int base;
    if (heure >= 22 || heure < 2)
        base = 94;
    else if (heure >= 20)
        base = 84;
    else if (heure >= 9 && heure < 20)
        base = 58;
    else
        base = 41;
    int n = base + h.entier(9) - 4;
    if (base == 94 && h.chance(40))
        n += 8 + h.entier(5); // pointes au-delà de 100 dB
    return n;
}

void ecrire_niveau(Octets& o, int n) {
    o[6] = En_BCD(n % 100);
    o[7] = En_BCD(n / 100);
}

} // namespace

QDateTime Heure_Legale(const QDateTime& instant_utc) {
    const QDateTime u = instant_utc.toUTC();
    const int annee = u.date().year();
    const QDateTime ete(Dernier_Dimanche(annee, 3), QTime(1, 0), Qt::UTC);
    const QDateTime hiver(Dernier_Dimanche(annee, 10), QTime(1, 0), Qt::UTC);
    return u.addSecs(u >= ete && u < hiver ? 7200 : 3600);
}

QByteArray Generer_Image(const Options_Generateur& options) {
    Hasard h(options.graine);
    QByteArray image(Taille_Image, static_cast<char>(0xFF));
    auto* octets = reinterpret_cast<std::uint8_t*>(image.data());

    // Niveaux, du plus récent au plus ancien, jusqu'à remplir la mémoire.
    std::vector<Octets> leq; // ordre antichronologique
    // Le temps avance en instants UTC ; chaque enregistrement porte l'heure de l'horloge.
    auto horloge = [&](const QDateTime& u) { return heure_appareil(u, options); };
    const QDateTime fin_horloge(options.fin.date(), options.fin.time(), Qt::UTC);
    QDateTime fin = fin_horloge;
    if (options.heure_legale) {
        fin = fin_horloge.addSecs(-3600);
        if (horloge(fin) != fin_horloge)
            fin = fin_horloge.addSecs(-7200);
    }
    std::vector<QDateTime> coupures;
    // Le dernier enregistrement tombe sur une dizaine : Leq1 et Leq10 de même minute.
    QDateTime u = fin.addSecs(-60LL * (horloge(fin).time().minute() % 10));
    while (static_cast<int>(leq.size()) < Nb_Lignes_Leq) {
        const QDateTime t = horloge(u);
        const int n = niveau(u, h, options);
        if (t.time().minute() % 10 == 0) {
            // Le Leq10 suit le Leq1 de la même minute dans la mémoire.
            int somme = n;
            for (int i = 0; i < 9; ++i)
                somme += niveau(u.addSecs(-60LL * (i + 1)), h, options);
            Octets o = horodatage(t, 10);
            ecrire_niveau(o, somme / 10);
            leq.push_back(o);
        }
        Octets o = horodatage(t, 1);
        ecrire_niveau(o, n);
        leq.push_back(o);
        u = u.addSecs(-60);
        if (h.chance(1500)) { // coupure de courant : quelques minutes sans mesure
            coupures.push_back(u);
            u = u.addSecs(-60LL * (2 + h.entier(25)));
        }
    }
    leq.resize(Nb_Lignes_Leq);
    // Mémoire circulaire : l'écriture en est à « reprise », les plus anciens sont juste après.
    const int reprise = 1 + h.entier(Nb_Lignes_Leq - 2);
    for (int k = 0; k < Nb_Lignes_Leq; ++k) {
        // k = 0 : le plus récent, écrit juste avant la reprise.
        const int ligne = ((reprise - 1 - k) % Nb_Lignes_Leq + Nb_Lignes_Leq) % Nb_Lignes_Leq;
        std::copy(leq[k].begin(), leq[k].end(), octets + Debut_Leq + 8 * ligne);
    }
    const QDateTime debut = u;

    // Événements : les seize sortes (un seul bit levé, en colonne 7 ou 8), dans l'ordre,
    // la mémoire des événements pas encore pleine.
    int nombre = 0;
    auto evenement = [&](const QDateTime& quand, int bit) {
        if (nombre >= Nb_Lignes_Evenements)
            return;
        Octets o = horodatage(horloge(quand), 0);
        o[6] = bit < 8 ? static_cast<std::uint8_t>(1u << bit) : 0;
        o[7] = bit >= 8 ? static_cast<std::uint8_t>(1u << (bit - 8)) : 0;
        std::copy(o.begin(), o.end(), octets + Debut_Evenements + 8 * nombre);
        ++nombre;
    };
    for (int bit = 0; bit < 16; ++bit) // une de chaque au début
        evenement(debut.addSecs(60LL * (bit + 1)), bit);
    for (QDateTime quand = debut.addSecs(3600); quand < fin;
         quand = quand.addSecs(60LL * (5 + h.entier(40)))) {
        const int heure = quand.time().hour();
        // Les dépassements de la régulation arrivent surtout le soir.
        int bit = h.entier(16);
        if ((heure >= 21 || heure < 2) && h.chance(2))
            bit = 3 + h.entier(2);
        evenement(quand, bit);
    }
    for (const QDateTime& c : coupures)
        evenement(c, 1);

    // Jeux de paramètres : un réglage tous les jours ou deux, le plus récent en dernier.
    int jeu = 0;
    auto parametres = [&](const QDateTime& quand) {
        std::uint8_t* l = octets + Debut_Parametres + 48 * jeu;
        const Octets o = horodatage(horloge(quand), 0);
        std::copy(o.begin(), o.begin() + 6, l);
        for (int j = 9; j <= 48; ++j)
            l[j - 1] = En_BCD(h.entier(100));
        l[6] = static_cast<std::uint8_t>(h.entier(4) * 4);               // pondération
        l[7] = static_cast<std::uint8_t>(h.entier(4) * 4 + h.entier(2)); // source
        l[9] = En_BCD(h.entier(8));                                      // montée
        l[11] = En_BCD(h.entier(8));                                     // descente
        for (int j = 16; j <= 28; j += 2)
            l[j - 1] = En_BCD(h.chance(5) ? 99 : h.entier(16)); // atténuations
        const int publics[3] = {95 + h.entier(8), 100 + h.entier(5), 102 + h.entier(4)};
        for (int p = 0; p < 3; ++p) {
            l[28 + 2 * p] = En_BCD(publics[p] / 100);
            l[29 + 2 * p] = En_BCD(publics[p] % 100);
            l[36 + 2 * p] = En_BCD((publics[p] - 3) / 100);
            l[37 + 2 * p] = En_BCD((publics[p] - 3) % 100);
        }
        ++jeu;
    };
    for (QDateTime quand = debut.addSecs(-86400LL * 20); quand < fin && jeu < 12;
         quand = quand.addSecs(3600LL * (20 + h.entier(30))))
        parametres(quand);

    // Bloc de configuration : les réglages en cours et le numéro de série.
    std::uint8_t* config = octets + Debut_Config - 1; // config[n] = élément n
    for (int n = 1; n <= Nb_Elements_Config; ++n)
        config[n] = n <= Dernier_Element_Config_Brut ? static_cast<std::uint8_t>(h.entier(256))
                                                     : En_BCD(h.entier(100));
    config[7] = 12; // pondération A
    config[8] = 12; // capteur, pondération A
    config[2050] = En_BCD(3);
    config[2052] = En_BCD(4);
    for (int n = 2056; n <= 2068; n += 2)
        config[n] = En_BCD(h.entier(13));
    const int niveaux[6] = {96, 102, 105, 93, 99, 102};
    const int paires[6] = {2177, 2179, 2181, 2185, 2187, 2189};
    for (int p = 0; p < 6; ++p) {
        config[paires[p]] = En_BCD(niveaux[p] / 100);
        config[paires[p] + 1] = En_BCD(niveaux[p] % 100);
    }
    const int serie[8] = {7, 0, 4, 12, 3, 5, 1 + h.entier(9), h.entier(100)};
    for (int i = 0; i < 8; ++i)
        config[2361 + i] = En_BCD(serie[i]);
    return image;
}
