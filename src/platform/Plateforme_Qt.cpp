#include "platform/Plateforme_Qt.h"

#include "platform/Imprimante_Peintre.h"

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
    // Un seul niveau : la fin d'un travail rend la flèche, même après deux débuts.
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

std::unique_ptr<Imprimante> Plateforme_Qt::Choisir_Imprimante(const QString& document,
                                                              bool paysage) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(document);
    printer->setPageOrientation(paysage ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dialogue(printer.get(), parent_);
    if (dialogue.exec() != QDialog::Accepted)
        return nullptr;
    QPrinter* appareil = printer.get();
    return std::make_unique<Imprimante_Peintre>(
        std::move(printer), [appareil](int ppp) { appareil->setResolution(ppp); });
}

void Charger_Traduction_Qt() {
    static QTranslator traduction;
    if (traduction.load(QStringLiteral("qtbase_fr"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traduction);
}
