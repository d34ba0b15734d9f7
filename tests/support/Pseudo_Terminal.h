#pragma once

#include <QString>

// Un pseudo-terminal : un port série que le programme peut ouvrir (son chemin est donné
// comme avec --port), sans appareil derrière.
class Pseudo_Terminal {
public:
    Pseudo_Terminal();
    ~Pseudo_Terminal();
    Pseudo_Terminal(const Pseudo_Terminal&) = delete;
    Pseudo_Terminal& operator=(const Pseudo_Terminal&) = delete;

    bool valide() const { return maitre_ >= 0; }
    QString chemin() const { return chemin_; }

private:
    int maitre_ = -1;
    QString chemin_;
};
