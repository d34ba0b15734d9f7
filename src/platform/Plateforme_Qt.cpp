#include "platform/Plateforme_Qt.h"

#include "platform/Twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTranslator>

void Plateforme_Qt::Sablier(bool actif) {
    // Un seul niveau, comme le pointeur de souris d'origine : on ne l'empile pas.
    if (actif && sablier_ == 0) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        sablier_ = 1;
    } else if (!actif && sablier_ == 1) {
        QApplication::restoreOverrideCursor();
        sablier_ = 0;
    }
}

void Plateforme_Qt::Message(const QString& texte, const QString& titre, Icone icone) {
    QMessageBox boite(parent_);
    boite.setWindowTitle(titre);
    boite.setText(texte);
    switch (icone) {
    case Icone::Critique:
        boite.setIcon(QMessageBox::Critical);
        break;
    case Icone::Exclamation:
        boite.setIcon(QMessageBox::Warning);
        break;
    case Icone::Information:
        boite.setIcon(QMessageBox::Information);
        break;
    case Icone::Aucune:
        boite.setIcon(QMessageBox::NoIcon);
        break;
    }
    boite.setStandardButtons(QMessageBox::Ok);
    boite.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    boite.exec();
}

std::optional<QString> Plateforme_Qt::Dialogue_Ouvrir(const QString& nom, const QString& filtre) {
    const QString choix =
        QFileDialog::getOpenFileName(parent_, QStringLiteral("Ouvrir"), nom, Filtre_Qt(filtre));
    if (choix.isEmpty())
        return std::nullopt;
    return choix;
}

std::optional<QString> Plateforme_Qt::Dialogue_Enregistrer(const QString& nom,
                                                           const QString& filtre) {
    QFileDialog dialogue(parent_, QStringLiteral("Enregistrer sous"), QString(), Filtre_Qt(filtre));
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    // Le fichier est écrit sous le nom exact rendu : pas d'extension ajoutée, pas de
    // question sur le remplacement.
    dialogue.setOption(QFileDialog::DontConfirmOverwrite);
    dialogue.selectFile(nom);
    if (dialogue.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList choix = dialogue.selectedFiles();
    return choix.isEmpty() ? QString() : choix.first();
}

namespace {
class Imprimante_Qt final : public Imprimante {
public:
    Imprimante_Qt(std::unique_ptr<QPrinter> printer, std::function<void(bool)> sur_orientation)
        : printer_(std::move(printer)), sur_orientation_(std::move(sur_orientation)) {}

    void Paysage(bool paysage) override {
        printer_->setPageOrientation(paysage ? QPageLayout::Landscape : QPageLayout::Portrait);
        if (sur_orientation_)
            sur_orientation_(paysage);
    }
    void Texte(int x_twips, int y_twips, const QString& texte) override {
        if (!commencer())
            return;
        const QPointF coin(static_cast<double>(x_twips) / Twips_Par_Pixel,
                           static_cast<double>(y_twips) / Twips_Par_Pixel);
        painter_.drawText(coin + QPointF(0, painter_.fontMetrics().ascent()), texte);
    }
    void Nouvelle_Page() override {
        if (commencer())
            printer_->newPage();
    }
    void Dessiner(const std::function<void(QPainter&, const QRectF& zone)>& dessin) override {
        if (!commencer())
            return;
        painter_.save();
        const QRectF page = printer_->pageRect(QPrinter::DevicePixel);
        dessin(painter_, QRectF(QPointF(0, 0), page.size()));
        painter_.restore();
    }
    bool Terminer() override {
        if (painter_.isActive() && !painter_.end())
            echec_ = true;
        return !echec_;
    }

private:
    bool commencer() {
        if (painter_.isActive() || echec_)
            return !echec_;
        // Le repère de l'imprimante à 96 ppp, celui des fenêtres : les polices, données en
        // points, y gardent leur taille par rapport aux places en twips et aux contrôles, sans
        // transformation qui les grossirait. Textes et traits restent vectoriels.
        printer_->setResolution(96);
        if (!painter_.begin(printer_.get())) {
            echec_ = true;
            return false;
        }
        painter_.setFont(QFont(QStringLiteral("Arial"), 9)); // 9 points sur des lignes de 10
        return true;
    }

    std::unique_ptr<QPrinter> printer_;
    std::function<void(bool)> sur_orientation_;
    QPainter painter_;
    bool echec_ = false;
};

} // namespace

std::unique_ptr<Imprimante> Plateforme_Qt::Dialogue_Imprimante(const QString& document,
                                                               std::optional<bool> paysage) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(document);
    if (paysage)
        paysage_ = paysage;
    if (paysage_)
        printer->setPageOrientation(*paysage_ ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dialogue(printer.get(), parent_);
    if (dialogue.exec() != QDialog::Accepted)
        return nullptr;
    return std::make_unique<Imprimante_Qt>(std::move(printer), [this](bool p) { paysage_ = p; });
}

std::unique_ptr<Imprimante> Imprimante_Pdf(const QString& chemin, bool paysage) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(chemin);
    printer->setPageOrientation(paysage ? QPageLayout::Landscape : QPageLayout::Portrait);
    return std::make_unique<Imprimante_Qt>(std::move(printer), nullptr);
}

void Charger_Traduction_Qt() {
    static QTranslator traduction;
    if (traduction.load(QStringLiteral("qtbase_fr"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traduction);
}
