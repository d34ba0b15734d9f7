#include "platform/Imprimante_Peintre.h"

#include "platform/Twips.h"

#include <QPdfWriter>

namespace {
// Le repère des fenêtres : 96 points par pouce.
constexpr int Resolution_Ecran = 96;
} // namespace

Imprimante_Peintre::Imprimante_Peintre(std::unique_ptr<QPagedPaintDevice> appareil,
                                       std::function<void(int)> resolution)
    : appareil_(std::move(appareil)), resolution_(std::move(resolution)) {}

void Imprimante_Peintre::Paysage(bool paysage) {
    appareil_->setPageOrientation(paysage ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void Imprimante_Peintre::Texte(int x_twips, int y_twips, const QString& texte) {
    if (!commencer())
        return;
    const QPointF coin(static_cast<double>(x_twips) / Twips_Par_Pixel,
                       static_cast<double>(y_twips) / Twips_Par_Pixel);
    peintre_.drawText(coin + QPointF(0, peintre_.fontMetrics().ascent()), texte);
}

void Imprimante_Peintre::Nouvelle_Page() {
    if (commencer())
        appareil_->newPage();
}

void Imprimante_Peintre::Dessiner(
    const std::function<void(QPainter&, const QRectF& zone)>& dessin) {
    if (!commencer())
        return;
    peintre_.save();
    const QRect zone = appareil_->pageLayout().paintRectPixels(Resolution_Ecran);
    dessin(peintre_, QRectF(QPointF(0, 0), QSizeF(zone.size())));
    peintre_.restore();
}

bool Imprimante_Peintre::Terminer() {
    if (peintre_.isActive() && !peintre_.end())
        echec_ = true;
    return !echec_;
}

bool Imprimante_Peintre::commencer() {
    if (peintre_.isActive() || echec_)
        return !echec_;
    // Le repère de l'appareil à 96 ppp, celui des fenêtres : les polices, données en points,
    // y gardent leur taille par rapport aux places en twips et aux contrôles, sans
    // transformation qui les grossirait. Textes et traits restent vectoriels.
    resolution_(Resolution_Ecran);
    if (!peintre_.begin(appareil_.get())) {
        echec_ = true;
        return false;
    }
    peintre_.setFont(QFont(QStringLiteral("Arial"), 9)); // 9 points sur des lignes de 10
    return true;
}

std::unique_ptr<Imprimante> Imprimante_Pdf(const QString& chemin, bool paysage) {
    auto pdf = std::make_unique<QPdfWriter>(chemin);
    pdf->setPageSize(QPageSize(QPageSize::A4));
    pdf->setPageOrientation(paysage ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPdfWriter* appareil = pdf.get();
    return std::make_unique<Imprimante_Peintre>(
        std::move(pdf), [appareil](int ppp) { appareil->setResolution(ppp); });
}
