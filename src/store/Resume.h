#pragma once

#include "store/Declarations.h"

#include <QStringList>

// Les huit lignes du résumé d'un magasin (« Libellé : valeur »), pour lqm-outil resume.
QStringList Lignes_Resume(Declarations& M);
