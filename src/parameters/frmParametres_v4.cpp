#include "parameters/frmParametres_v4.h"

#include "platform/Apparence.h"
#include "platform/Images_Programme.h"
#include "platform/Impression_Fenetre.h"
#include "platform/Plateforme.h"
#include "shell/Fenetres.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

namespace L = Legendes_Parametres;

constexpr int Hauteur_Ligne = 225;

QLabel* etiquette(QWidget* parent, const char* nom, const QString& texte, int gauche, int haut,
                  int largeur, Qt::Alignment alignement = Qt::AlignLeft) {
    auto* e = new QLabel(texte, parent);
    if (nom)
        e->setObjectName(QString::fromLatin1(nom));
    e->setAlignment(alignement | Qt::AlignVCenter);
    Placer_Twips(e, gauche, haut, largeur, Hauteur_Ligne);
    return e;
}

void titre_section(QWidget* parent, const QString& texte, int gauche, int haut) {
    QLabel* e = etiquette(parent, nullptr, texte, gauche, haut, 4005, Qt::AlignHCenter);
    QFont gras = e->font();
    gras.setBold(true);
    e->setFont(gras);
}

void trait(QWidget* parent, QFrame::Shape forme, int gauche, int haut, int largeur, int hauteur) {
    auto* f = new QFrame(parent);
    f->setFrameShape(forme);
    f->setFrameShadow(QFrame::Sunken);
    Placer_Twips(f, gauche, haut, largeur, hauteur);
}

} // namespace

frmParametres_v4::frmParametres_v4() : Fenetre_Base(Id_Fenetre::frmParametres_v4) {
    setWindowTitle(L::Titre);
    Taille_Client_Twips(8745, 5775);

    Label_Entete = etiquette(this, "Label_Entete", L::Entete, 90, 30, 8595, Qt::AlignHCenter);
    QFont gras = Label_Entete->font();
    gras.setBold(true);
    Label_Entete->setFont(gras);
    Label_Date = etiquette(this, "Label_Date", QString(), 90, 300, 8595, Qt::AlignHCenter);

    // Séparations des sections, à notre goût.
    trait(this, QFrame::HLine, 90, 540, 8595, 60);
    trait(this, QFrame::HLine, 90, 1620, 8595, 60);
    trait(this, QFrame::HLine, 90, 4020, 8595, 60);
    trait(this, QFrame::VLine, 4335, 600, 60, 5100);

    titre_section(this, L::Generaux, 120, 600);
    titre_section(this, L::Niveaux, 120, 1800);
    titre_section(this, L::Carte_Filtre, 120, 4200);
    titre_section(this, L::Courbes, 4590, 600);
    titre_section(this, L::Temps, 4590, 1800);
    titre_section(this, L::Carte_Filtre, 4590, 4200);

    etiquette(this, nullptr, L::Version, 240, 900, 2205);
    Label_Version_FirmWare =
        etiquette(this, "Label_Version_FirmWare", QString(), 2640, 900, 1485, Qt::AlignHCenter);
    etiquette(this, nullptr, L::Serie, 240, 1200, 2205);
    Label_Numero_Serie =
        etiquette(this, "Label_Numero_Serie", QString(), 2640, 1200, 1485, Qt::AlignHCenter);

    // Les noms des étiquettes de niveau ne suivent pas leurs légendes : ce sont ceux de
    // toujours, l'utilisateur ne voit que les légendes.
    static const char* const noms_niveaux[6] = {
        "Label_Niveau_Leq_Jour",         "Label_Niveau_Leq_Jour_Fenetre", "Label_Niveau_Leq_Nuit",
        "Label_Niveau_Leq_Nuit_Fenetre", "Label_Niveau_Public",           "Label_Niveau_Capteur"};
    for (int p = 0; p < 6; ++p) {
        const int haut = 2100 + 300 * p;
        etiquette(this, nullptr, L::Lignes_Niveaux[p], 240, haut, 2205);
        niveaux_[p] = etiquette(this, noms_niveaux[p], QString(), 2760, haut, 585, Qt::AlignRight);
        etiquette(this, QStringLiteral("Label3_%1").arg(p).toLatin1().constData(), L::Unite, 3480,
                  haut, 315);
    }

    Label_Analyse = etiquette(this, "Label_Analyse", QString(), 4590, 900, 4035, Qt::AlignHCenter);
    Label_Source = etiquette(this, "Label_Source", QString(), 4590, 1200, 4005, Qt::AlignHCenter);
    etiquette(this, nullptr, L::Montee, 4710, 2100, 1905);
    Label_Temps_de_Montee =
        etiquette(this, "Label_Temps_de_Montee", QString(), 7110, 2100, 1485, Qt::AlignHCenter);
    etiquette(this, nullptr, L::Descente, 4710, 2400, 1905);
    Label_Temps_de_Descente =
        etiquette(this, "Label_Temps_de_Descente", QString(), 7110, 2400, 1485, Qt::AlignHCenter);

    // Bandes 63 à 500 Hz à gauche, 1 à 4 kHz à droite ; « dB. » : Label3(7) à Label3(13).
    static const char* const noms_bandes[7] = {"Label_Att_63",  "Label_Att_125", "Label_Att_250",
                                               "Label_Att_500", "Label_Att_1k",  "Label_Att_2k",
                                               "Label_Att_4k"};
    for (int b = 0; b < 7; ++b) {
        const bool gauche = b < 4;
        const int haut = 4500 + 300 * (gauche ? b : b - 4);
        etiquette(this, nullptr, L::Bandes[b], gauche ? 240 : 4710, haut, gauche ? 2205 : 1905);
        attenuations_[b] = etiquette(this, noms_bandes[b], QString(), gauche ? 2760 : 7230, haut,
                                     585, Qt::AlignRight);
        etiquette(this, QStringLiteral("Label3_%1").arg(b + 7).toLatin1().constData(), L::Unite,
                  gauche ? 3480 : 8010, haut, 315);
    }

    Combo_Jour = Creer<QComboBox>(this, "Combo_Jour");
    Combo_Jour->setEditable(true);
    // La saisie n'ajoute rien à la liste : elle est défaite à chaque frappe.
    Combo_Jour->setInsertPolicy(QComboBox::NoInsert);
    Placer_Twips(Combo_Jour, 4800, 2940, 3525, 330);

    Cmd_Print = Bouton_Image(this, "Cmd_Print", QStringLiteral("Imprimer les paramètres"),
                             QStringLiteral("Print.bmp"));
    Placer_Twips(Cmd_Print, 5820, 3480, 615, 495);
    Cmd_Exit = Bouton_Image(this, "Cmd_Exit", QStringLiteral("Quitter les paramètres"),
                            QStringLiteral("Exit.jpg"));
    Placer_Twips(Cmd_Exit, 6690, 3480, 615, 495);

    // Seul un choix dans la liste (même le jeu déjà montré) change les réglages affichés ;
    // seule une frappe de l'utilisateur est défaite, pas le texte qu'un choix y met.
    connect(Combo_Jour, qOverload<int>(&QComboBox::activated), this,
            &frmParametres_v4::Combo_Jour_Click);
    connect(Combo_Jour->lineEdit(), &QLineEdit::textEdited, this,
            &frmParametres_v4::Combo_Jour_Change);
    // Les touches arrivent à la liste, qui les passe à son champ par un appel direct : le
    // filtre se pose sur les deux.
    Combo_Jour->installEventFilter(this);
    Combo_Jour->lineEdit()->installEventFilter(this);
    connect(Cmd_Print, &QPushButton::clicked, this, &frmParametres_v4::Cmd_Print_Click);
    connect(Cmd_Exit, &QPushButton::clicked, this, &frmParametres_v4::Cmd_Exit_Click);
}

bool frmParametres_v4::eventFilter(QObject* objet, QEvent* evenement) {
    // Entrée dans le champ ne choisit pas de jeu (Qt le ferait d'après le texte, et les
    // réglages changeraient sans que le texte ni la ligne de période ne le montrent).
    if ((objet == Combo_Jour || objet == Combo_Jour->lineEdit()) &&
        evenement->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter)
            return true;
    }
    return Fenetre_Base::eventFilter(objet, evenement);
}

void frmParametres_v4::Form_Load() {
    Fermer_Fenetres();
    Drapeaux().Ouvert_frmParametres_v4 = true;
    Cacher();
    Deplacer_Origine();
    Texte_Jour.clear();

    contenu_ = Contenu_Chargement();
    Label_Version_FirmWare->setText(contenu_.Label_Version_FirmWare);
    Label_Numero_Serie->setText(contenu_.Label_Numero_Serie);
    montrer(contenu_.reglages);
    Combo_Jour->clear();
    Combo_Jour->addItems(contenu_.Combo_Jour);
    Combo_Jour->setEditText(contenu_.Texte_Jour);
    Texte_Jour = Combo_Jour->currentText();
    Label_Date->setText(contenu_.Label_Date);
    Rendre_Visible();
}

void frmParametres_v4::Form_Unload() {
    // Fermée par sa case comme par Cmd_Exit : le registre ne doit pas la croire ouverte.
    Drapeaux().Ouvert_frmParametres_v4 = false;
}

void frmParametres_v4::montrer(const Reglages_Affiches& r) {
    for (int p = 0; p < 6; ++p)
        niveaux_[p]->setText(r.niveaux[p]);
    Label_Analyse->setText(r.analyse);
    Label_Source->setText(r.source);
    Label_Temps_de_Montee->setText(r.montee);
    Label_Temps_de_Descente->setText(r.descente);
    for (int b = 0; b < 7; ++b)
        attenuations_[b]->setText(r.attenuations[b]);
}

void frmParametres_v4::Combo_Jour_Click(int k) {
    if (!Choisir_Jeu(contenu_, k))
        return;
    Label_Date->setText(contenu_.Label_Date);
    montrer(contenu_.reglages);
}

void frmParametres_v4::Combo_Jour_Change() {
    if (isVisible() && Combo_Jour->currentText() != Texte_Jour)
        Combo_Jour->setEditText(Texte_Jour);
}

void frmParametres_v4::Cmd_Print_Click() {
    // L'orientation n'est pas touchée : celle du dernier travail.
    const std::unique_ptr<Imprimante> imprimante = plateforme().Dialogue_Imprimante(
        QStringLiteral("Paramètres du LQM 70-4 ") + Label_Numero_Serie->text());
    if (!imprimante)
        return;
    Mise_En_Page_Impression page(this);
    for (QWidget* w : std::initializer_list<QWidget*>{Combo_Jour, Cmd_Print, Cmd_Exit})
        page.Cacher(w);
    page.Fond_Blanc();
    Imprimer_Fenetre(*imprimante, this);
}

void frmParametres_v4::Cmd_Exit_Click() {
    Drapeaux().Ouvert_frmParametres_v4 = false;
    Fenetres::instance().Decharger(Id_Fenetre::frmParametres_v4);
}
