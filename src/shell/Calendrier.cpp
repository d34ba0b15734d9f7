#include "shell/Calendrier.h"

#include "store/Declarations.h"

void Calcul_Num_Serie() {
    auto& M = Magasin();
    M.Num_Serie.clear();
    for (M.Ind_i = 2361; M.Ind_i <= 2368; ++M.Ind_i) {
        M.Chaine_Temp = QString::number(M.Tab_Config(M.Ind_i));
        M.Num_Serie += M.Chaine_Temp;
    }
}
