#include "platform/Plateforme.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QStringList>
#include <QThread>
#include <QTimer>
#include <algorithm>

void Plateforme::DoEvents() {
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

std::int64_t Plateforme::Tick_Ms() {
    static QElapsedTimer horloge = [] {
        QElapsedTimer h;
        h.start();
        return h;
    }();
    return horloge.elapsed();
}

void Plateforme::Attendre_Ms(int ms, const std::function<bool()>& arret) {
    if (ms <= 0)
        return;
    if (!QCoreApplication::instance()) {
        QThread::msleep(static_cast<unsigned long>(ms));
        return;
    }
    // La minuterie réveille la boucle à l'échéance ; entre-temps, on dort jusqu'au prochain
    // événement (octets reçus, clic, dessin) au lieu de tourner à vide.
    const std::int64_t fin = Tick_Ms() + ms;
    QTimer reveil;
    reveil.setSingleShot(true);
    reveil.setTimerType(Qt::PreciseTimer);
    reveil.start(ms);
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        if (Tick_Ms() >= fin || (arret && arret()))
            return;
        if (!reveil.isActive())
            reveil.start(static_cast<int>(std::max<std::int64_t>(1, fin - Tick_Ms())));
    }
}

namespace {
class Plateforme_Silencieuse final : public Plateforme {
public:
    void Sablier(bool) override {}
    void Message(const QString&, const QString&, Icone) override {}
    std::optional<QString> Dialogue_Ouvrir(const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> Dialogue_Enregistrer(const QString&, const QString&) override {
        return std::nullopt;
    }
    std::unique_ptr<Imprimante> Dialogue_Imprimante(const QString&, std::optional<bool>) override {
        return nullptr;
    }
};

Plateforme*& installee() {
    static Plateforme* p = nullptr;
    return p;
}
} // namespace

Plateforme& plateforme() {
    static Plateforme_Silencieuse silencieuse;
    return installee() ? *installee() : silencieuse;
}

void Installer_Plateforme(Plateforme* p) {
    installee() = p;
}

bool Terminer_Impression(Imprimante& imprimante) {
    if (imprimante.Terminer())
        return true;
    plateforme().Message(QStringLiteral("L'impression n'a pas pu se faire : l'imprimante, ou le "
                                        "fichier PDF choisi, a refusé le document !!!"),
                         QStringLiteral("Impression impossible !!!"), Icone::Exclamation);
    return false;
}

std::function<void()> Evenements_Espaces() {
    return [compteur = 0u]() mutable {
        if (compteur++ % 64 == 0)
            DoEvents();
    };
}

QString Filtre_Qt(const QString& filtre) {
    const QStringList morceaux = filtre.split(u'|');
    QStringList descriptions;
    for (qsizetype i = 0; i < morceaux.size(); i += 2) {
        QString description = morceaux[i];
        // Une description sans motif visible reçoit le motif, sinon Qt ne filtrerait rien.
        if (i + 1 < morceaux.size() && !description.contains(u'('))
            description += QStringLiteral(" (") + morceaux[i + 1] + u')';
        descriptions << description;
    }
    return descriptions.join(QStringLiteral(";;"));
}
