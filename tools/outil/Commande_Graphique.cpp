// lqm-outil graphique : les deux graphiques normaux de la fenêtre du graphique Leq, dans une
// image PNG ou, opération par opération, en coordonnées du graphique.

#include "Commande.h"

#include "graphs/Fonctions_Graphiques.h"
#include "graphs/Periode_Graphique.h"
#include "graphs/Surface_Peintre.h"
#include "store/Declarations.h"

#include <QImage>
#include <QSaveFile>

namespace {

const QString Aide = QStringLiteral(
    "Utilisation : lqm-outil graphique FICHIER.lqm --debut JJ/MM/AAAA --jours 1|3|7\n"
    "                                  (--sortie FICHIER.png [--largeur N] | --operations)\n"
    "\n"
    "Dessine les graphiques Leq10 et Leq1 de la fenêtre du graphique, de midi du jour de\n"
    "début à midi du jour de fin : Leq10 au-dessus de Leq1, à la taille de la fenêtre.\n"
    "\n"
    "Options :\n"
    "  --debut JJ/MM/AAAA   jour de début (le graphique commence à midi).\n"
    "  --jours 1|3|7        durée du graphique, en jours.\n"
    "  --sortie FICHIER     écrit l'image PNG dans ce fichier.\n"
    "  --largeur N          largeur de l'image en pixels (100 à 5000).\n"
    "  --operations         écrit ce que dessine chaque graphique, une opération par ligne,\n"
    "                       en coordonnées du graphique (echelle, ligne, point, texte).\n"
    "  -h, --help           affiche cette aide.\n");

constexpr int Largeur_Min = 100, Largeur_Max = 5000;

} // namespace

int Commande_Graphique(const QStringList& arguments) {
    QCommandLineParser parseur;
    const QCommandLineOption sortie(QStringLiteral("sortie"), QString(),
                                    QStringLiteral("FICHIER.png"));
    const QCommandLineOption largeur(QStringLiteral("largeur"), QString(), QStringLiteral("N"));
    const QCommandLineOption operations(QStringLiteral("operations"));
    const int code = Lire_Periode_Graph_Et_Fichier(
        parseur, {sortie, largeur, operations}, arguments, Aide,
        QStringLiteral("La commande graphique attend un fichier .lqm."));
    if (code >= 0)
        return code;
    if (!parseur.isSet(sortie) && !parseur.isSet(operations))
        return Usage(QStringLiteral("Il faut --sortie FICHIER.png ou --operations."), Aide);
    int pixels = 0;
    if (parseur.isSet(largeur)) {
        bool ok = false;
        pixels = parseur.value(largeur).toInt(&ok);
        if (!ok || pixels < Largeur_Min || pixels > Largeur_Max)
            return Usage(
                QStringLiteral("L'option --largeur attend un nombre de pixels de %1 à %2 : "
                               "« %3 » ne convient pas.")
                    .arg(Largeur_Min)
                    .arg(Largeur_Max)
                    .arg(parseur.value(largeur)),
                Aide);
    }

    // Comme la fenêtre : les lignes de midi à midi, puis les deux séries.
    auto& M = Magasin();
    Recherche_Periode_Graph();
    const bool vide = M.Index_Debut == 0 && M.Index_Fin == 0;
    if (!vide)
        Extraction_Periode();
    else
        Erreur(QStringLiteral(
            "Il n'y a aucune valeur de niveau Leq relevée pour cette période !!!\n"));
    const int duree = M.Duree_Graph;

    if (parseur.isSet(operations)) {
        QString texte;
        for (Serie_Leq serie : {Serie_Leq::Leq10, Serie_Leq::Leq1}) {
            Surface_Enregistreuse surface;
            Dessiner_Graphique(surface, {serie, duree, vide, false, 0});
            texte += serie == Serie_Leq::Leq10 ? QStringLiteral("graphique Leq10\n")
                                               : QStringLiteral("graphique Leq1\n");
            texte += surface.Texte_Operations();
        }
        Sortie(texte);
    }
    if (parseur.isSet(sortie)) {
        const QString chemin = parseur.value(sortie);
        const QImage image = Image_Graphiques_Leq(duree, vide, pixels);
        // Par un fichier temporaire : un échec ne laisse jamais une image à moitié écrite.
        QSaveFile fichier(chemin);
        if (!fichier.open(QIODevice::WriteOnly) || !image.save(&fichier, "PNG") ||
            !fichier.commit()) {
            Erreur(QStringLiteral("Impossible d'écrire l'image « %1 » !!!\n").arg(chemin));
            return 1;
        }
    }
    return 0;
}
