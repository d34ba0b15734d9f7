#include "report/frmRapport.h"

#include "graphs/Surface_Peintre.h"
#include "platform/Apparence.h"
#include "platform/Images_Programme.h"
#include "platform/Imprimante_Peintre.h"
#include "platform/Plateforme.h"
#include "report/Csv.h"
#include "report/Impression_Rapport.h"
#include "shell/Fenetres.h"
#include "store/Declarations.h"
#include "tables/Liste_Fenetre.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

namespace {
constexpr int Haut_Boutons = 10415, Largeur_Bouton = 810, Hauteur_Bouton = 660;

// L'image de la nuit choisie, redessinée à la taille de la boîte.
class Boite_Nuit final : public QWidget {
public:
    Boite_Nuit(QWidget* parent, const Contenu_Rapport& rapport, const std::vector<Nuit>& nuits)
        : QWidget(parent), rapport_(rapport), nuits_(nuits) {}
    int nuit = -1;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter peintre(this);
        if (nuit < 0 || static_cast<std::size_t>(nuit) >= nuits_.size()) {
            peintre.fillRect(rect(), Qt::white);
            return;
        }
        Surface_Peintre surface(peintre, QRectF(rect()),
                                static_cast<double>(width()) / Largeur_Image_Nuit);
        Dessiner_Nuit(surface, rapport_, nuits_[static_cast<std::size_t>(nuit)]);
    }

private:
    const Contenu_Rapport& rapport_;
    const std::vector<Nuit>& nuits_;
};

QColor couleur(Verdict v) {
    switch (v) {
    case Verdict::Depassement:
        return {192, 0, 0};
    case Verdict::Incomplet:
        return {150, 80, 0};
    case Verdict::Conforme:
        break;
    }
    return {0, 110, 0};
}

QPushButton* bouton_texte(QWidget* parent, const char* nom, const QString& texte,
                          const QString& info_bulle) {
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(QString::fromLatin1(nom));
    b->setToolTip(info_bulle);
    return b;
}
} // namespace

frmRapport::frmRapport() : Fenetre_Base(Id_Fenetre::frmRapport) {
    setWindowTitle(QStringLiteral("Rapport réglementaire"));
    Taille_Client_Twips(15000, 11195);

    Label_Serial_Number = Creer<QLabel>(this, "Label_Serial_Number");
    Placer_Twips(Label_Serial_Number, 120, 120, 14760, 285);
    Label_Entete = Creer<QLabel>(this, "Label_Entete");
    Placer_Twips(Label_Entete, 120, 420, 14760, 285);
    Label_Avertissement = Creer<QLabel>(
        this, "Label_Avertissement",
        QStringLiteral("Attention : l'appareil ne mesure pas en pondération A ; la limite "
                       "réglementaire porte sur un niveau pondéré A (dB(A))."));
    Placer_Twips(Label_Avertissement, 120, 720, 14760, 285);
    for (QLabel* l : {Label_Serial_Number, Label_Entete, Label_Avertissement})
        Titre_Centre(l);
    QPalette rouge = Label_Avertissement->palette();
    rouge.setColor(QPalette::WindowText, QColor(192, 0, 0));
    Label_Avertissement->setPalette(rouge);

    Label_Limite = Creer<QLabel>(this, "Label_Limite",
                                 QStringLiteral("Limite du Leq sur 15 minutes glissantes :"));
    Placer_Twips(Label_Limite, 120, 1080, 3600, 315);
    Txt_Limite = Creer<QDoubleSpinBox>(this, "Txt_Limite");
    Txt_Limite->setRange(30, 140);
    Txt_Limite->setDecimals(1);
    Txt_Limite->setSingleStep(1);
    Txt_Limite->setSuffix(QStringLiteral(" dB"));
    Txt_Limite->setLocale(QLocale(QLocale::French, QLocale::France));
    Txt_Limite->setValue(Limite_Defaut);
    Placer_Twips(Txt_Limite, 3720, 1050, 1275, 345);
    Cmd_Jeune_Public = bouton_texte(
        this, "Cmd_Jeune_Public", QStringLiteral("94 dB : jeune public"),
        QStringLiteral("Spectacles destinés aux enfants de six ans et moins : limite de 94 dB"));
    Placer_Twips(Cmd_Jeune_Public, 5115, 1050, 2100, 345);

    List_Nuits = Creer<QListWidget>(this, "List_Nuits");
    List_Nuits->setToolTip(QStringLiteral("Choisissez une nuit pour voir son image"));
    Placer_Twips(List_Nuits, 120, 1500, 3900, 4475);
    Image_Nuit = new Boite_Nuit(this, rapport_, nuits_);
    Image_Nuit->setObjectName(QStringLiteral("Image_Nuit"));
    Placer_Twips(Image_Nuit, 4140, 1500, 10740, 4475);

    List_Rapport = Creer_Liste(this, "List_Rapport");
    Placer_Twips(List_Rapport, 120, 6095, 14760, 4200);

    Cmd_Print = Bouton_Image(this, "Cmd_Print", QStringLiteral("Imprimer le rapport"),
                             QStringLiteral("Print.bmp"));
    Cmd_Pdf = bouton_texte(this, "Cmd_Pdf", QStringLiteral("PDF"),
                           QStringLiteral("Enregistrer le rapport en PDF"));
    Cmd_Csv = bouton_texte(this, "Cmd_Csv", QStringLiteral("CSV"),
                           QStringLiteral("Enregistrer les Leq minute par minute en CSV"));
    Cmd_New = Bouton_Image(this, "Cmd_New", QStringLiteral("Nouveau rapport"),
                           QStringLiteral("New Tableau.bmp"));
    Cmd_Exit = Bouton_Image(this, "Cmd_Exit", QStringLiteral("Quitter le rapport"),
                            QStringLiteral("Exit.jpg"));
    int gauche = 4980;
    for (QPushButton* b : {Cmd_Print, Cmd_Pdf, Cmd_Csv, Cmd_New, Cmd_Exit}) {
        Placer_Twips(b, gauche, Haut_Boutons, Largeur_Bouton, Hauteur_Bouton);
        gauche += 1035;
    }

    connect(Txt_Limite, &QDoubleSpinBox::valueChanged, this, &frmRapport::Txt_Limite_Change);
    connect(List_Nuits, &QListWidget::currentRowChanged, this, &frmRapport::List_Nuits_Click);
    connect(Cmd_Jeune_Public, &QPushButton::clicked, this, &frmRapport::Cmd_Jeune_Public_Click);
    connect(Cmd_Print, &QPushButton::clicked, this, &frmRapport::Cmd_Print_Click);
    connect(Cmd_Pdf, &QPushButton::clicked, this, &frmRapport::Cmd_Pdf_Click);
    connect(Cmd_Csv, &QPushButton::clicked, this, &frmRapport::Cmd_Csv_Click);
    connect(Cmd_New, &QPushButton::clicked, this, &frmRapport::Cmd_New_Click);
    connect(Cmd_Exit, &QPushButton::clicked, this, &frmRapport::Cmd_Exit_Click);
}

void frmRapport::Form_Load() {
    Fermer_Fenetres();
    Drapeaux().Ouvert_frmRapport = true;
    Deplacer_Origine();
    rapport_ = Rapport_A_Montrer(Txt_Limite->value());
    Label_Serial_Number->setText(rapport_.numero_serie);
    Label_Entete->setText(Titre_Rapport(rapport_));
    Label_Avertissement->setVisible(!rapport_.pondere_a);
    Montrer();
    Rendre_Visible();
}

void frmRapport::Form_Unload() {
    Drapeaux().Ouvert_frmRapport = false;
}

void frmRapport::Montrer() {
    // La nuit choisie le reste quand la limite change ; sinon la première qui dépasse.
    const int choisie = List_Nuits->currentRow();
    nuits_ = Nuits_Rapport(rapport_);
    const QSignalBlocker bloque(List_Nuits);
    List_Nuits->clear();
    int premiere = -1;
    for (const Nuit& n : nuits_) {
        auto* ligne = new QListWidgetItem(n.soir.toString(QStringLiteral("dd/MM/yyyy")) +
                                              QStringLiteral(" : ") + Texte_Verdict(n.verdict),
                                          List_Nuits);
        ligne->setForeground(couleur(n.verdict));
        if (premiere < 0 && n.verdict == Verdict::Depassement)
            premiere = List_Nuits->count() - 1;
    }
    const int n = static_cast<int>(nuits_.size());
    List_Nuits->setCurrentRow(choisie >= 0 && choisie < n ? choisie : std::max(premiere, 0));
    List_Nuits_Click();
    Montrer_Liste(List_Rapport, {Lignes_Rapport(rapport_), 0, false});
    const bool valeurs = !rapport_.donnees.leq1.empty();
    Cmd_Csv->setEnabled(valeurs);
}

void frmRapport::Txt_Limite_Change() {
    Changer_Limite(rapport_, Txt_Limite->value());
    Montrer();
}

void frmRapport::List_Nuits_Click() {
    static_cast<Boite_Nuit*>(Image_Nuit)->nuit = List_Nuits->currentRow();
    Image_Nuit->update();
}

void frmRapport::Cmd_Jeune_Public_Click() {
    Txt_Limite->setValue(Limite_Jeune_Public);
}

void frmRapport::Cmd_Print_Click() {
    const std::unique_ptr<Imprimante> imprimante = plateforme().Dialogue_Imprimante(
        Nom_Document(QStringLiteral("Rapport réglementaire")), false);
    if (imprimante)
        Imprimer_Rapport(*imprimante, rapport_);
}

void frmRapport::Cmd_Pdf_Click() {
    const std::optional<QString> chemin = plateforme().Dialogue_Enregistrer(
        Nom_Document(QStringLiteral("Rapport réglementaire")) + QStringLiteral(".pdf"),
        QStringLiteral("Document PDF (*.pdf)|*.pdf"));
    if (chemin && !chemin->isEmpty())
        Ecrire_Pdf_Rapport(*chemin, rapport_);
}

void frmRapport::Cmd_Csv_Click() {
    Exporter_Csv(Nom_Document(QStringLiteral("Leq minute par minute")), Csv_Rapport(rapport_));
}

void frmRapport::Cmd_New_Click() {
    // Le dialogue repart de la période affichée.
    Fenetres::instance().Decharger(Id_Fenetre::frmRapport);
    Fenetres::instance().Ouvrir(Id_Fenetre::frmInTableau);
}

void frmRapport::Cmd_Exit_Click() {
    Fenetres::instance().Decharger(Id_Fenetre::frmRapport);
}
