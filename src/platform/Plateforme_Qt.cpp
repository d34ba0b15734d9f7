#include "platform/Plateforme_Qt.h"

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
    explicit Imprimante_Qt(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

    void Paysage(bool paysage) override {
        printer_->setPageOrientation(paysage ? QPageLayout::Landscape : QPageLayout::Portrait);
    }
    void Texte(int x_twips, int y_twips, const QString& texte) override {
        commencer();
        // twips -> points : 20 twips par point ; la fenêtre du peintre est en points.
        painter_.drawText(QPointF(x_twips / 20.0, y_twips / 20.0 + painter_.fontMetrics().ascent()),
                          texte);
    }
    void Nouvelle_Page() override {
        commencer();
        printer_->newPage();
    }
    void Terminer() override {
        if (painter_.isActive())
            painter_.end();
    }

private:
    void commencer() {
        if (painter_.isActive())
            return;
        painter_.begin(printer_.get());
        const QRectF page = printer_->pageRect(QPrinter::Point);
        painter_.setWindow(0, 0, static_cast<int>(page.width()), static_cast<int>(page.height()));
        painter_.setFont(QFont(QStringLiteral("Arial"), 10));
    }

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
};
} // namespace

std::unique_ptr<Imprimante> Plateforme_Qt::Dialogue_Imprimante() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialogue(printer.get(), parent_);
    if (dialogue.exec() != QDialog::Accepted)
        return nullptr;
    return std::make_unique<Imprimante_Qt>(std::move(printer));
}

void Charger_Traduction_Qt() {
    static QTranslator traduction;
    if (traduction.load(QStringLiteral("qtbase_fr"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traduction);
}
