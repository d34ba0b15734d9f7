#include "download/Liaison_Serie.h"

#include "download/Ports_Serie.h"

#include <QSerialPort>

bool Lire_Reglages(const QString& texte, Reglages_Serie& r) {
    const QStringList parties = texte.split(u',');
    if (parties.size() != 4)
        return false;
    bool ok1 = false, ok2 = false, ok3 = false;
    r.debit = parties[0].trimmed().toInt(&ok1);
    const QString parite = parties[1].trimmed().toUpper();
    r.bits = parties[2].trimmed().toInt(&ok2);
    r.arret = parties[3].trimmed().toInt(&ok3);
    if (!ok1 || !ok2 || !ok3 || parite.size() != 1 || r.debit <= 0)
        return false;
    r.parite = parite[0].toLatin1();
    return QStringLiteral("NEOMS").contains(parite) && r.bits >= 5 && r.bits <= 8 &&
           (r.arret == 1 || r.arret == 2);
}

namespace {

class Liaison_QSerialPort final : public Liaison_Serie {
public:
    bool Ouvrir(int numero, const QString& texte, int taille_tampon) override {
        Fermer();
        Reglages_Serie r;
        const QString systeme = Ports_Serie::Systeme(numero);
        if (systeme.isEmpty() || !Lire_Reglages(texte, r))
            return false;
        port_.setPortName(systeme);
        port_.setReadBufferSize(taille_tampon);
        if (!port_.open(QIODevice::ReadWrite))
            return false;
        const QSerialPort::Parity parite = r.parite == 'E'   ? QSerialPort::EvenParity
                                           : r.parite == 'O' ? QSerialPort::OddParity
                                           : r.parite == 'M' ? QSerialPort::MarkParity
                                           : r.parite == 'S' ? QSerialPort::SpaceParity
                                                             : QSerialPort::NoParity;
        const bool regle =
            port_.setBaudRate(r.debit) &&
            port_.setDataBits(static_cast<QSerialPort::DataBits>(r.bits)) &&
            port_.setParity(parite) &&
            port_.setStopBits(r.arret == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
        if (!regle) {
            port_.close();
            return false;
        }
        port_.setDataTerminalReady(false);
        // Un pseudo-terminal n'a pas de lignes de contrôle : ce n'est pas une erreur.
        port_.clearError();
        port_.clear(QSerialPort::Input);
        return true;
    }

    bool Ouverte() const override { return port_.isOpen(); }

    void Fermer() override {
        if (port_.isOpen())
            port_.close();
        port_.clearError();
    }

    void DTR(bool actif) override {
        if (!port_.isOpen())
            return;
        port_.setDataTerminalReady(actif);
        if (port_.error() == QSerialPort::UnsupportedOperationError)
            port_.clearError();
    }

    bool Ecrire_Octet(std::uint8_t octet) override {
        if (!port_.isOpen())
            return false;
        const char c = static_cast<char>(octet);
        if (port_.write(&c, 1) != 1)
            return false;
        // Part tout de suite : l'appareil attend l'octet de demande pour répondre.
        port_.flush();
        return true;
    }

    int Octets_En_Attente() override {
        if (!port_.isOpen())
            return 0;
        return static_cast<int>(port_.bytesAvailable());
    }

    QByteArray Lire_Tout() override {
        if (!port_.isOpen())
            return {};
        return port_.readAll();
    }

    bool En_Erreur() const override {
        const auto e = port_.error();
        return e != QSerialPort::NoError && e != QSerialPort::UnsupportedOperationError &&
               e != QSerialPort::TimeoutError;
    }

private:
    QSerialPort port_;
};

Liaison_Serie*& installee() {
    static Liaison_Serie* l = nullptr;
    return l;
}

} // namespace

Liaison_Serie& liaison_par_defaut() {
    // Créée au premier usage et jamais détruite : elle ne doit pas survivre à
    // l'application Qt dans un destructeur statique.
    static Liaison_QSerialPort* par_defaut = new Liaison_QSerialPort;
    return *par_defaut;
}

Liaison_Serie& liaison() {
    return installee() ? *installee() : liaison_par_defaut();
}

void Installer_Liaison(Liaison_Serie* l) {
    installee() = l;
}
