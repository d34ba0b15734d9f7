#pragma once

#include <cmath>

// Un nombre arrondi au dixième comme l'écrit le format « 0.0 » : la moitié s'arrondit en
// s'éloignant de zéro ; le petit écart rattrape les dixièmes que le binaire garde juste
// au-dessous (0,35).
inline double Arrondi_Dixieme(double valeur) {
    return std::round(valeur * 10 + std::copysign(1e-9, valeur)) / 10;
}
