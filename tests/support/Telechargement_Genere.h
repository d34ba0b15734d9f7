#pragma once

#include "download/Decodage.h"
#include "download/Generateur.h"
#include "store/Declarations.h"
#include "store/Fichier_Lqm.h"

#include <memory>

// Un téléchargement complet fabriqué, rangé dans le magasin, dont le dernier enregistrement
// tombe le « jour » à 10 h ; les niveaux dépendent de leur instant, si bien que deux
// téléchargements qui se recouvrent s'accordent, comme ceux d'un même appareil. À l'heure
// légale, une heure reculée est enregistrée deux fois.
inline std::unique_ptr<Contenu_Lqm> Telechargement_Genere(const QDate& jour,
                                                          bool heure_legale = false) {
    Options_Generateur o;
    o.fin = QDateTime(jour, QTime(10, 0));
    o.niveaux_par_instant = true;
    o.heure_legale = heure_legale;
    auto& M = Magasin();
    Ranger_Image(Generer_Image(o), M);
    M.Date_Recuperation = jour.toString(QStringLiteral("dd/MM/yyyy"));
    M.Heure_Recuperation = QStringLiteral("10:02:17");
    return Copie_Contenu(M);
}
