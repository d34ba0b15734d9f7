#include "download/Ports_Serie.h"

#include <QFileInfo>
#include <QSerialPortInfo>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
struct Etat {
    QStringList chemins;
    bool enumeration = true;
    QStringList ports; // indice 0 = COM 1
    bool actualise = false;
    std::function<QStringList()> source;
    std::function<bool(const QString&)> droits_refuses;
};
Etat& etat() {
    static Etat e;
    return e;
}
} // namespace

namespace Ports_Serie {

void Definir_Chemins(const QStringList& chemins) {
    etat().chemins = chemins;
    etat().actualise = false;
}

void Activer_Enumeration(bool active) {
    etat().enumeration = active;
    etat().actualise = false;
}

bool Avant_Naturel(const QString& a, const QString& b) {
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype fi = i, fj = j;
            while (fi < a.size() && a[fi].isDigit())
                ++fi;
            while (fj < b.size() && b[fj].isDigit())
                ++fj;
            const qulonglong na = a.mid(i, fi - i).toULongLong();
            const qulonglong nb = b.mid(j, fj - j).toULongLong();
            if (na != nb)
                return na < nb;
            i = fi;
            j = fj;
        } else {
            if (a[i] != b[j])
                return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

// Adaptateurs USB d'abord, puis les autres, dans l'ordre naturel des noms.
static QStringList ports_du_systeme() {
    QList<QSerialPortInfo> usb, autres;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        (info.hasVendorIdentifier() ? usb : autres) << info;
    auto ordre = [](const QSerialPortInfo& a, const QSerialPortInfo& b) {
        return Avant_Naturel(a.portName(), b.portName());
    };
    std::sort(usb.begin(), usb.end(), ordre);
    std::sort(autres.begin(), autres.end(), ordre);
    QStringList chemins;
    for (const auto* liste : {&usb, &autres})
        for (const QSerialPortInfo& info : *liste)
            chemins << info.systemLocation();
    return chemins;
}

void Definir_Source_Systeme(std::function<QStringList()> source) {
    etat().source = std::move(source);
    etat().actualise = false;
}

void Actualiser() {
    Etat& e = etat();
    // Un port qui a reçu un numéro le garde tant que le programme tourne, même débranché
    // (il est alors seulement indisponible) : « COM 2 » ne désigne jamais un autre
    // appareil que celui choisi. Les nouveaux ports prennent les numéros libres suivants.
    if (!e.actualise)
        e.ports.clear();
#ifdef Q_OS_WIN
    e.ports.clear();
    for (int n = 1; n <= Nombre; ++n)
        e.ports << QStringLiteral("COM%1").arg(n);
#else
    for (const QString& chemin : e.chemins)
        if (!e.ports.contains(chemin))
            e.ports << chemin;
    if (e.enumeration)
        for (const QString& chemin : e.source ? e.source() : ports_du_systeme())
            if (!e.ports.contains(chemin))
                e.ports << chemin;
#endif
    while (e.ports.size() > Nombre)
        e.ports.removeLast();
    e.actualise = true;
}

bool Droits_Manquants(int numero) {
    const QString chemin = Systeme(numero);
    if (chemin.isEmpty())
        return false;
    if (etat().droits_refuses)
        return etat().droits_refuses(chemin);
#ifdef Q_OS_UNIX
    return QFileInfo::exists(chemin) &&
           ::access(chemin.toLocal8Bit().constData(), R_OK | W_OK) != 0;
#else
    return false;
#endif
}

void Definir_Controle_Droits(std::function<bool(const QString& chemin)> refuse) {
    etat().droits_refuses = std::move(refuse);
}

QString Texte_Droits_Manquants(const QString& chemin) {
    const QString compte = qEnvironmentVariable("USER", QStringLiteral("VOTRE_NOM"));
    return QStringLiteral("Ce compte n'a pas le droit d'utiliser le port série %1.\n"
                          "Pour le lui donner, tapez dans un terminal :\n"
                          "    sudo usermod -aG dialout %2\n"
                          "puis fermez la session et reconnectez-vous.")
        .arg(chemin, compte);
}

QString Systeme(int numero) {
    if (!etat().actualise)
        Actualiser();
    if (numero < 1 || numero > etat().ports.size())
        return QString();
    return etat().ports[numero - 1];
}

} // namespace Ports_Serie
