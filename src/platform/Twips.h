#pragma once

#include <cmath>

// Les positions des fenêtres sont données en twips (1/1440 de pouce) : 15 twips font
// un pixel à 96 ppp ; Qt met ensuite à l'échelle pour les écrans à haute densité.
inline constexpr int Twips_Par_Pixel = 15;

inline int Twips_En_Pixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / Twips_Par_Pixel));
}
