#include "download/Telechargement.h"

#include "download/Classement.h"
#include "download/Decodage.h"
#include "download/Liaison_Serie.h"
#include "download/Ports_Serie.h"
#include "download/Progression.h"
#include "platform/Plateforme.h"
#include "shell/Etat_Principal.h"
#include "shell/Fenetres_Ouvertes.h"
#include "store/Declarations.h"

#include <QDateTime>
#include <QScopeGuard>
#include <cmath>
#include <cstring>
#include <memory>

namespace {

bool en_cours = false;
std::function<void()> observateur_fin;
int delai_silence_ms = 0;

// Ce que le téléchargement attend entre deux coups d'œil au port quand rien n'arrive :
// les octets reçus et les clics le réveillent avant.
constexpr int Veille_Ms = 50;
constexpr int Attente_Reponse_Ms = 500;
constexpr int Seuil_Morceau = 16000;
constexpr int Debut_Phase_Finale = 128000;

bool abandon() {
    return Magasin().Abandon;
}

// Fin comme une transmission coupée : l'image n'arrivera pas entière.
void echec_transmission() {
    auto& M = Magasin();
    M.Compteur_Essais = 4;
    M.Abandon = true;
    liaison().Fermer();
}

// Phase de demande : jusqu'à quatre demandes, 500 ms d'écart. Vrai quand l'appareil répond.
bool demander() {
    auto& M = Magasin();
    for (;;) {
        if (!liaison().Ouvrir(M.Num_Port, Reglages_Telechargement, Taille_Tampon_Entree)) {
            // Un port refusé faute de droits se répare : on dit comment.
            plateforme().Message(
                Ports_Serie::Droits_Manquants(M.Num_Port)
                    ? Ports_Serie::Texte_Droits_Manquants(Ports_Serie::Systeme(M.Num_Port))
                    : QStringLiteral("Impossible d'ouvrir le port COM %1. Vérifiez qu'aucun autre "
                                     "logiciel ne l'utilise !!!")
                          .arg(M.Num_Port),
                QStringLiteral("Erreur de transmission"), Icone::Critique);
            M.Compteur_Essais = Essais_Port_Indisponible;
            M.Abandon = true;
            return false;
        }
        liaison().Ecrire_Octet(0x01);
        liaison().DTR(true);
        M.Pas_Progression = 1;
        M.Temps_Depart = static_cast<double>(Tick_Ms());
        Attendre_Ms(Attente_Reponse_Ms, abandon);
        if (M.Abandon)
            return false;
        if (liaison().Octets_En_Attente() > 0)
            return true;
        liaison().Fermer();
        if (M.Compteur_Essais == 3) {
            M.Abandon = true;
            return false;
        }
        ++M.Compteur_Essais;
    }
}

// Réception de l'image entière dans « tampon ». Faux si elle s'est arrêtée en route.
bool recevoir(QByteArray& tampon) {
    auto& M = Magasin();
    Liaison_Serie& l = liaison();
    M.Compteur_Essais = -1;
    int recus = 0;
    int dernier_compte = -1;
    std::int64_t dernier_octet = Tick_Ms();
    auto copier = [&](const QByteArray& octets) {
        // Jamais au-delà de l'image, quoi que le port livre.
        if (recus + octets.size() > Taille_Image) {
            echec_transmission();
            return false;
        }
        std::memcpy(tampon.data() + recus, octets.constData(), static_cast<size_t>(octets.size()));
        recus += static_cast<int>(octets.size());
        return true;
    };
    while (recus < Taille_Image && !M.Abandon) {
        Attendre_Evenement(Veille_Ms);
        if (M.Abandon)
            break;
        if (l.En_Erreur() || !l.Ouverte()) {
            // Adaptateur débranché, correspondant disparu : jamais d'attente sans fin.
            echec_transmission();
            break;
        }
        const int compte = l.Octets_En_Attente();
        if (compte != dernier_compte) {
            dernier_compte = compte;
            dernier_octet = Tick_Ms();
        } else if (delai_silence_ms > 0 && Tick_Ms() - dernier_octet > delai_silence_ms) {
            echec_transmission();
            break;
        }
        const int second = l.Octets_En_Attente();
        if (M.Pas_Progression * 2750 < compte && second < M.Pas_Progression * 2850) {
            ++M.Pas_Progression;
            Progression();
        }
        if (recus < Debut_Phase_Finale) {
            if (l.Octets_En_Attente() >= Seuil_Morceau) {
                if (!copier(l.Lire_Tout()))
                    break;
                M.Pas_Progression = 1;
                dernier_compte = -1;
            }
        } else if (l.Octets_En_Attente() == Taille_Image - recus) {
            if (!copier(l.Lire_Tout()))
                break;
        } else {
            M.Temps_Depart = static_cast<double>(Tick_Ms());
            Attendre_Ms(Attente_Reponse_Ms, abandon);
            ++M.Compteur_Essais;
            if (M.Compteur_Essais == 4)
                M.Abandon = true;
        }
    }
    return !M.Abandon;
}

} // namespace

bool Telechargement_En_Cours() {
    return en_cours;
}

void Observer_Fin_Telechargement(std::function<void()> observateur) {
    observateur_fin = std::move(observateur);
}

void Definir_Delai_Silence(int millisecondes) {
    delai_silence_ms = millisecondes;
}

void Telechargement() {
    if (en_cours)
        return;
    en_cours = true;
    const auto fin = qScopeGuard([] {
        en_cours = false;
        if (observateur_fin)
            observateur_fin();
    });
    auto& M = Magasin();

    M.Abandon = false;
    M.Pas_Progression = 0;
    M.Donnees_Chargees = false;
    Activer_Menu(Menu::mnuSave_As, false);
    Ouvrir_Fenetre(Id_Fenetre::frmWait);
    M.Compteur_Essais = 0;

    if (!demander())
        return;
    QByteArray tampon(Taille_Image + 1, '\0');
    if (!recevoir(tampon))
        return;

    liaison().Fermer();
    // Utiliser la barre de la fenêtre la recharge si elle avait été fermée.
    Charger_Vue_Progression();
    Etat_Progression().ProgressBar_Transmission = std::floor(Max_Transmission) - 1;
    Progression();

    // Décodé et trié à part : un arrêt en chemin laisse les tables du magasin telles
    // qu'elles étaient, jamais à moitié remplacées.
    const auto* image = reinterpret_cast<const std::uint8_t*>(tampon.constData());
    auto recu = std::make_unique<Declarations>();
    if (!Decoder_Image(image, *recu, {Evenements_Espaces(), [] { Progression(); }, abandon}))
        return;
    Classement_Leq(*recu);
    if (M.Abandon)
        return;
    Classement_Evenements(*recu);
    if (M.Abandon)
        return;
    Classement_Parametres(*recu);
    if (M.Abandon)
        return;

    M.Tab_Leq = recu->Tab_Leq;
    M.Tab_Evenements = recu->Tab_Evenements;
    M.Tab_Config = recu->Tab_Config;
    M.Tab_Parametres = recu->Tab_Parametres;
    M.Donnees_Chargees = true;
    Activer_Menu(Menu::mnuSave_As, true);
    const QDateTime maintenant = QDateTime::currentDateTime();
    M.Date_Recuperation = maintenant.toString(QStringLiteral("dd/MM/yyyy"));
    M.Heure_Recuperation = maintenant.toString(QStringLiteral("HH:mm:ss"));
    // La fenêtre de progression terminée reste lisible un moment.
    Attendre_Ms(1500);
}
