// lqm-outil graphique : les deux graphiques normaux de la fenêtre du graphique Leq, dans une
// image PNG ou, opération par opération, en coordonnées du graphique.

#include "Commande.h"

#include "graphs/Fonctions_Graphiques.h"
#include "graphs/Graphique_Leq.h"
#include "graphs/Periode_Graphique.h"
#include "graphs/Surface_Peintre.h"
#include "store/Declarations.h"

#include <QImage>
#include <QSaveFile>
#include <array>
#include <cmath>
#include <optional>

namespace {

const QString Aide = QStringLiteral(
    "Utilisation : lqm-outil graphique FICHIER.lqm --debut JJ/MM/AAAA --jours 1|3|7\n"
    "                                  (--sortie FICHIER.png [--largeur N] | --operations)\n"
    "                                  [--serie leq1|leq10 [--agrandi] [--zoom X1 Y1 X2 Y2]...]\n"
    "                                  [--marque N]\n"
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
    "  --zoom X1 Y1 X2 Y2   agrandit le graphique de --serie et y tire une sélection de\n"
    "                       (X1, Y1) à (X2, Y2), en coordonnées du graphique (y = −niveau) ;\n"
    "                       seul ce graphique est dessiné, zoomé. Répétée : un zoom dans\n"
    "                       le zoom, chaque sélection lue dans l'échelle du précédent.\n"
    "  --agrandi            le graphique de --serie agrandi, sans zoom.\n"
    "  --serie leq1|leq10   le graphique à agrandir ou à zoomer.\n"
    "  --marque N           la flèche bleue sur la valeur N de la série (N à partir de 1),\n"
    "                       comme après un clic dans sa liste.\n"
    "  -h, --help           affiche cette aide.\n");

constexpr int Largeur_Min = 100, Largeur_Max = 5000;

// Retire chaque « --zoom X1 Y1 X2 Y2 » des arguments avant la lecture : les y sont négatifs et
// ne doivent pas passer pour des options. Rend le message d'erreur, vide si tout va bien.
QString Extraire_Zoom(QStringList& arguments, std::vector<std::array<double, 4>>& selections) {
    for (qsizetype i = arguments.indexOf(QStringLiteral("--zoom")); i >= 0;
         i = arguments.indexOf(QStringLiteral("--zoom"))) {
        if (arguments.size() - i - 1 < 4)
            return QStringLiteral("L'option --zoom attend quatre nombres : X1 Y1 X2 Y2.");
        std::array<double, 4> valeurs{};
        for (int k = 0; k < 4; ++k) {
            bool ok = false;
            QString texte = arguments[i + 1 + k];
            valeurs[k] = texte.replace(u',', u'.').toDouble(&ok);
            if (!ok || !std::isfinite(valeurs[k]))
                return QStringLiteral(
                           "L'option --zoom attend quatre nombres : « %1 » n'en est pas un.")
                    .arg(arguments[i + 1 + k]);
        }
        arguments.remove(i, 5);
        selections.push_back(valeurs);
    }
    return {};
}

} // namespace

int Commande_Graphique(const QStringList& arguments_commande) {
    QStringList arguments = arguments_commande;
    std::vector<std::array<double, 4>> selections;
    if (const QString erreur = Extraire_Zoom(arguments, selections); !erreur.isEmpty())
        return Usage(erreur, Aide);
    QCommandLineParser parseur;
    const QCommandLineOption sortie(QStringLiteral("sortie"), QString(),
                                    QStringLiteral("FICHIER.png"));
    const QCommandLineOption largeur(QStringLiteral("largeur"), QString(), QStringLiteral("N"));
    const QCommandLineOption operations(QStringLiteral("operations"));
    const QCommandLineOption serie_option(QStringLiteral("serie"), QString(),
                                          QStringLiteral("leq1|leq10"));
    const QCommandLineOption agrandi(QStringLiteral("agrandi"));
    const QCommandLineOption marque(QStringLiteral("marque"), QString(), QStringLiteral("N"));
    const int code = Lire_Periode_Graph_Et_Fichier(
        parseur, {sortie, largeur, operations, serie_option, agrandi, marque}, arguments, Aide,
        QStringLiteral("La commande graphique attend un fichier .lqm."));
    if (code >= 0)
        return code;
    if (!parseur.isSet(sortie) && !parseur.isSet(operations))
        return Usage(QStringLiteral("Il faut --sortie FICHIER.png ou --operations."), Aide);
    const QString nom_serie = parseur.value(serie_option);
    const bool seul = !selections.empty() || parseur.isSet(agrandi);
    if (seul != parseur.isSet(serie_option))
        return Usage(QStringLiteral("--serie va avec --agrandi ou --zoom."), Aide);
    if (seul && nom_serie != QStringLiteral("leq1") && nom_serie != QStringLiteral("leq10"))
        return Usage(
            QStringLiteral("L'option --serie attend leq1 ou leq10 : « %1 » ne convient pas.")
                .arg(nom_serie),
            Aide);
    std::int32_t index_marque = 0;
    if (parseur.isSet(marque)) {
        bool ok = false;
        index_marque = parseur.value(marque).toInt(&ok);
        if (!ok || index_marque < 1)
            return Usage(QStringLiteral("L'option --marque attend un numéro de valeur à partir "
                                        "de 1 : « %1 » ne convient pas.")
                             .arg(parseur.value(marque)),
                         Aide);
    }
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
        Erreur(Message_Aucune_Valeur_Graph + u'\n');
    const int duree = M.Duree_Graph;

    // Le graphique agrandi, puis zoomé autant de fois que la souris le ferait dans la fenêtre.
    std::optional<Etat_Graphique> zoome;
    if (seul) {
        Etat_Graphique etat{nom_serie == QStringLiteral("leq10") ? Serie_Leq::Leq10
                                                                 : Serie_Leq::Leq1,
                            duree, vide, true, index_marque};
        for (const auto& [x1, y1, x2, y2] : selections) {
            etat.zoom = Zoom_Selection(x1, y1, x2, y2);
            if (!etat.zoom) {
                Erreur(QStringLiteral("Sélection trop petite : il faut au moins une unité de x "
                                      "de large et 5 dB de haut.\n"));
                return 1;
            }
        }
        zoome = etat;
    }

    if (parseur.isSet(operations)) {
        QString texte;
        for (Serie_Leq serie : {Serie_Leq::Leq10, Serie_Leq::Leq1}) {
            if (zoome && zoome->serie != serie)
                continue;
            Surface_Enregistreuse surface;
            Dessiner_Graphique(
                surface, zoome ? *zoome : Etat_Graphique{serie, duree, vide, false, index_marque});
            texte += serie == Serie_Leq::Leq10 ? QStringLiteral("graphique Leq10\n")
                                               : QStringLiteral("graphique Leq1\n");
            texte += surface.Texte_Operations();
        }
        Sortie(texte);
    }
    if (parseur.isSet(sortie)) {
        const QString chemin = parseur.value(sortie);
        const QImage image = Image_Graphiques_Leq(duree, vide, pixels, zoome ? &*zoome : nullptr);
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
