#pragma once

// Reconstruit Num_Serie à partir des huit éléments 2361 à 2368 de Tab_Config.
void Calcul_Num_Serie();
