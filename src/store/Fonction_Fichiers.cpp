#include "store/Fonction_Fichiers.h"

#include "platform/Plateforme.h"
#include "store/Declarations.h"

void Charger_Fichier(QString& chemin) {
    Q_UNUSED(chemin);
    // Le format de fichier n'est pas encore lu : tout fichier est refusé comme un
    // fichier étranger, sans toucher au magasin.
    Magasin().Donnees_Chargees = false;
    plateforme().Message(QStringLiteral("Ce fichier n'est pas un fichier de LQM 70-4 !!!!"),
                         QStringLiteral("Impossible d'ouvrir le fichier"), Icone::Critique);
}

void Sauver_Fichier() {
    // L'écriture du fichier n'est pas encore faite : seul le refus sans données existe.
    if (!Magasin().Donnees_Chargees)
        plateforme().Message(QStringLiteral("Veuillez au préalable charger des données pour "
                                            "utiliser cette fonction !!!"),
                             QStringLiteral("Impossible de sauvegarder les données !!!"),
                             Icone::Aucune);
}
