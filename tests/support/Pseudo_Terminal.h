#pragma once

#include <QByteArray>
#include <QString>

// Un pseudo-terminal : le programme ouvre le côté esclave comme un port série (son chemin
// est donné comme avec --port), le test joue l'appareil côté maître.
class Pseudo_Terminal {
public:
    Pseudo_Terminal();
    ~Pseudo_Terminal();
    Pseudo_Terminal(const Pseudo_Terminal&) = delete;
    Pseudo_Terminal& operator=(const Pseudo_Terminal&) = delete;

    bool valide() const { return maitre_ >= 0; }
    QString chemin() const { return chemin_; }

    // Écrit sans attendre ce que le terminal accepte à partir de « position », qui avance.
    void pousser(const QByteArray& octets, qsizetype& position);
    // Lit ce qui est arrivé côté maître, en attendant au plus « attente_ms ».
    QByteArray lire(int attente_ms);

private:
    int maitre_ = -1;
    QString chemin_;
};
