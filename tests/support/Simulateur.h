#pragma once

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>

// Le simulateur de l'appareil lancé pour un test ; arrêté à la fin du test.
class Simulateur {
public:
    explicit Simulateur(const QStringList& options) {
        processus_.start(QCoreApplication::applicationDirPath() + QStringLiteral("/lqm-simulateur"),
                         options);
        // Une machine chargée (deux constructions en même temps) peut le faire attendre.
        if (processus_.waitForStarted(30000) && processus_.waitForReadyRead(30000))
            chemin_ = QString::fromLocal8Bit(processus_.readLine()).trimmed();
    }
    ~Simulateur() { arreter(); }
    Simulateur(const Simulateur&) = delete;
    Simulateur& operator=(const Simulateur&) = delete;

    QString chemin() const { return chemin_; }
    void arreter() {
        if (processus_.state() != QProcess::NotRunning) {
            processus_.kill();
            processus_.waitForFinished(5000);
        }
    }

private:
    QProcess processus_;
    QString chemin_;
};
