#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

// Réglages du téléchargement : 56 000 bauds, sans parité, 8 bits, 1 bit d'arrêt.
inline const QString Reglages_Telechargement = QStringLiteral("56000,N,8,1");
// L'appareil compte sur un tampon d'entrée plafonné à cette taille.
inline constexpr int Taille_Tampon_Entree = 16384;

// La liaison série, réduite aux opérations dont le téléchargement et le choix du port ont
// besoin. Les ports sont numérotés de 1 à 16 (« COM n ») ; voir Ports_Serie.
class Liaison_Serie {
public:
    virtual ~Liaison_Serie() = default;

    // Ouvre le port numéro « numero » avec des réglages « débit,parité,bits,arrêt ».
    // Faux si le port n'existe pas, est tenu par un autre programme, ou refuse les réglages.
    virtual bool Ouvrir(int numero, const QString& reglages, int taille_tampon) = 0;
    virtual bool Ouverte() const = 0;
    virtual void Fermer() = 0;
    // Ligne DTR ; sans effet (et sans erreur) sur un port qui n'en a pas.
    virtual void DTR(bool actif) = 0;
    virtual bool Ecrire_Octet(std::uint8_t octet) = 0;
    // Octets reçus en attente de lecture (jamais plus que la taille du tampon).
    virtual int Octets_En_Attente() = 0;
    // Lit tous les octets en attente.
    virtual QByteArray Lire_Tout() = 0;
    // Vrai après une erreur du port pendant qu'il est ouvert (adaptateur débranché…).
    virtual bool En_Erreur() const = 0;
};

// La liaison en service (par défaut, celle de QSerialPort).
Liaison_Serie& liaison();
// Celle de QSerialPort, même quand une autre est installée (pour l'envelopper).
Liaison_Serie& liaison_par_defaut();
void Installer_Liaison(Liaison_Serie* l);

// Réglages lus dans un texte « 56000,N,8,1 » ; faux si le texte est mal formé.
struct Reglages_Serie {
    int debit = 0;
    char parite = 'N';
    int bits = 8;
    int arret = 1;
};
bool Lire_Reglages(const QString& texte, Reglages_Serie& reglages);
