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
// L'imprimante choisie, dont chaque changement d'orientation est retenu pour les travaux
// suivants, comme le fait une imprimante du système.
class Imprimante_Retenue final : public Imprimante {
public:
    Imprimante_Retenue(std::unique_ptr<Imprimante> imprimante, bool& paysage)
        : imprimante_(std::move(imprimante)), paysage_(paysage) {}
    void Paysage(bool paysage) override {
        paysage_ = paysage;
        imprimante_->Paysage(paysage);
    }
    void Texte(int x_twips, int y_twips, const QString& texte) override {
        imprimante_->Texte(x_twips, y_twips, texte);
    }
    void Nouvelle_Page() override { imprimante_->Nouvelle_Page(); }
    void Dessiner(const std::function<void(QPainter&, const QRectF&)>& dessin) override {
        imprimante_->Dessiner(dessin);
    }
    bool Terminer() override { return imprimante_->Terminer(); }

private:
    std::unique_ptr<Imprimante> imprimante_;
    bool& paysage_;
};

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
    std::unique_ptr<Imprimante> Choisir_Imprimante(const QString&, bool) override {
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

std::unique_ptr<Imprimante> Plateforme::Dialogue_Imprimante(const QString& document,
                                                            std::optional<bool> paysage) {
    if (paysage)
        paysage_ = *paysage;
    std::unique_ptr<Imprimante> choisie = Choisir_Imprimante(document, paysage_);
    if (!choisie)
        return nullptr;
    return std::make_unique<Imprimante_Retenue>(std::move(choisie), paysage_);
}

void Installer_Plateforme(Plateforme* p) {
    installee() = p;
}

bool Terminer_Impression(Imprimante& imprimante) {
    if (imprimante.Terminer())
        return true;
    plateforme().Message(QStringLiteral("L'impression n'a pas pu se faire : l'imprimante, ou le "
                                        "fichier PDF choisi, a refusé le document !!!"),
                         QStringLiteral("Impression impossible !!!"), Icone::Critique);
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
