#include "report/Impression_Rapport.h"

#include "graphs/Surface_Peintre.h"
#include "platform/Imprimante_Peintre.h"
#include "platform/Twips.h"
#include "report/Csv.h"

#include <QDir>
#include <QPainter>

QImage Image_Nuit(const Contenu_Rapport& r, const Nuit& n, int largeur) {
    const double facteur = static_cast<double>(largeur) / Largeur_Image_Nuit;
    QImage image(largeur, static_cast<int>(std::lround(Hauteur_Image_Nuit * facteur)),
                 QImage::Format_RGB32);
    QPainter peintre(&image);
    Surface_Peintre surface(peintre, QRectF(QPointF(0, 0), QSizeF(image.size())), facteur);
    Dessiner_Nuit(surface, r, n);
    return image;
}

bool Imprimer_Rapport(Imprimante& imprimante, const Contenu_Rapport& r) {
    const std::vector<Nuit> nuits = Nuits_Rapport(r);
    const std::vector<Page_Rapport> pages = Pages_Rapport(r, nuits);
    imprimante.Paysage(false);
    auto pixels = [](int twips) { return static_cast<double>(twips) / Twips_Par_Pixel; };
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            imprimante.Nouvelle_Page();
        for (std::size_t k = 0; k < pages[p].nuits.size(); ++k) {
            const Nuit& n = nuits[pages[p].nuits[k]];
            imprimante.Dessiner([&](QPainter& peintre, const QRectF& zone) {
                const double largeur = std::min(pixels(Largeur_Image_Twips),
                                                zone.width() - pixels(Gauche_Image_Twips));
                const QRectF place(pixels(Gauche_Image_Twips), pixels(Haut_Image_Twips(k)), largeur,
                                   largeur * Hauteur_Image_Nuit / Largeur_Image_Nuit);
                Surface_Peintre surface(peintre, place, largeur / Largeur_Image_Nuit);
                Dessiner_Nuit(surface, r, n);
            });
        }
        for (const Texte_Imprime& t : pages[p].textes)
            imprimante.Texte(t.x, t.y, t.texte);
    }
    return Terminer_Impression(imprimante);
}

bool Ecrire_Pdf_Rapport(const QString& chemin, const Contenu_Rapport& r) {
    const std::unique_ptr<Imprimante> pdf = Imprimante_Pdf(
        chemin, false,
        {Titre_Rapport(r).simplified(), QStringLiteral("Leq 15 min glissant et limite de ") +
                                            Nombre_Fr(r.stats.limite, 1) + QStringLiteral(" dB, ") +
                                            r.numero_serie});
    return Imprimer_Rapport(*pdf, r);
}

QString Ecrire_Images_Nuits(const QString& dossier, const Contenu_Rapport& r) {
    if (!QDir().mkpath(dossier))
        return QStringLiteral("Impossible de créer le dossier « %1 » !!!").arg(dossier);
    for (const Nuit& n : Nuits_Rapport(r)) {
        const QString chemin = QDir(dossier).filePath(
            QStringLiteral("nuit du %1.png").arg(n.soir.toString(Qt::ISODate)));
        if (!Image_Nuit(r, n).save(chemin, "PNG"))
            return QStringLiteral("Impossible d'écrire l'image « %1 » !!!").arg(chemin);
    }
    return {};
}
