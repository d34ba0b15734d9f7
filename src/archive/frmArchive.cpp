#include "archive/frmArchive.h"

#include "archive/Archivage.h"
#include "platform/Apparence.h"
#include "platform/Plateforme.h"
#include "shell/Fenetres.h"
#include "shell/Textes.h"
#include "shell/frmMain.h"
#include "store/Declarations.h"
#include "tables/Lignes_Leq.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTextCharFormat>
#include <utility>

namespace {
const QColor Vert_Complet(190, 232, 190);
const QColor Orange_Trous(255, 200, 140);

QString date_texte(const QDate& d) {
    return d.toString(QStringLiteral("dd/MM/yyyy"));
}

QString& preselection() {
    static QString numero;
    return numero;
}
} // namespace

void frmArchive::Preselectionner(const QString& numero_serie) {
    preselection() = numero_serie;
}

frmArchive::frmArchive() : Fenetre_Base(Id_Fenetre::frmArchive) {
    setWindowTitle(QStringLiteral("Données archivées"));
    Taille_Client_Twips(9000, 7200);

    Label_Titre = Creer<QLabel>(this, "Label_Titre",
                                QStringLiteral("Données archivées : choisissez l'appareil et le "
                                               "premier jour à charger"));
    Titre_Centre(Label_Titre);
    Placer_Twips(Label_Titre, 120, 120, 8760, 285);

    Label_Appareil = Creer<QLabel>(this, "Label_Appareil", QStringLiteral("Appareil :"));
    Placer_Twips(Label_Appareil, 120, 600, 1000, 285);
    Combo_Appareil = Creer<QComboBox>(this, "Combo_Appareil");
    Placer_Twips(Combo_Appareil, 1140, 540, 7740, 375);

    Calendrier = Creer<QCalendarWidget>(this, "Calendrier");
    Preparer_Calendrier(Calendrier);
    Calendrier->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Placer_Twips(Calendrier, 120, 1080, 5100, 3600);

    Label_Legende = Creer<QLabel>(this, "Label_Legende");
    Label_Legende->setTextFormat(Qt::RichText);
    Label_Legende->setText(
        QStringLiteral("<table cellspacing=4>"
                       "<tr><td bgcolor='%1'>&nbsp;&nbsp;&nbsp;&nbsp;</td>"
                       "<td>jour complet (1440 valeurs Leq1)</td></tr>"
                       "<tr><td bgcolor='%2'>&nbsp;&nbsp;&nbsp;&nbsp;</td>"
                       "<td>jour avec des trous</td></tr>"
                       "<tr><td></td><td>les autres jours : rien d'archivé</td></tr></table>")
            .arg(Vert_Complet.name(), Orange_Trous.name()));
    Placer_Twips(Label_Legende, 5400, 1080, 3480, 1100);

    Label_Debut = Creer<QLabel>(this, "Label_Debut");
    Label_Debut->setWordWrap(true);
    Placer_Twips(Label_Debut, 5400, 2280, 3480, 600);

    Label_Fin =
        Creer<QLabel>(this, "Label_Fin", QStringLiteral("Rapport réglementaire de ce jour au :"));
    Placer_Twips(Label_Fin, 5400, 3000, 3480, 285);
    Date_Fin = Selecteur_Date(this, "Date_Fin");
    Placer_Twips(Date_Fin, 5400, 3330, 1500, 345);
    Cmd_Rapport = Creer<QPushButton>(this, "Cmd_Rapport", QStringLiteral("Rapport"));
    Cmd_Rapport->setToolTip(QStringLiteral(
        "Rapport réglementaire du premier jour choisi à cette date, lu dans l'archive"));
    Placer_Twips(Cmd_Rapport, 7020, 3315, 1860, 375);

    Label_Couverture = Creer<QLabel>(this, "Label_Couverture");
    Label_Couverture->setWordWrap(true);
    Placer_Twips(Label_Couverture, 120, 4800, 8760, 900);

    Label_Base = Creer<QLabel>(this, "Label_Base");
    Petite_Mention(Label_Base);
    Placer_Twips(Label_Base, 120, 5760, 8760, 285);

    Cmd_Ok = Creer<QPushButton>(this, "Cmd_Ok", QStringLiteral("Ok"));
    Placer_Twips(Cmd_Ok, 2760, 6300, 1575, 495);
    Cmd_Annuler = Creer<QPushButton>(this, "Cmd_Annuler", QStringLiteral("Annuler"));
    Placer_Twips(Cmd_Annuler, 4665, 6300, 1575, 495);

    connect(Combo_Appareil, &QComboBox::currentIndexChanged, this,
            &frmArchive::Combo_Appareil_Change);
    connect(Calendrier, &QCalendarWidget::selectionChanged, this, &frmArchive::Calendrier_Change);
    connect(Cmd_Ok, &QPushButton::clicked, this, &frmArchive::Cmd_Ok_Click);
    connect(Cmd_Rapport, &QPushButton::clicked, this, &frmArchive::Cmd_Rapport_Click);
    connect(Cmd_Annuler, &QPushButton::clicked, this, &frmArchive::Cmd_Annuler_Click);
    Touche_Entree([this] { Cmd_Ok_Click(); });
}

frmArchive::~frmArchive() = default;

QString frmArchive::numero() const {
    const int i = Combo_Appareil->currentIndex();
    return i >= 0 && i < static_cast<int>(appareils_.size()) ? appareils_[i].numero_serie
                                                             : QString();
}

void frmArchive::Form_Load() {
    Fermer_Fenetres();
    Drapeaux().Ouvert_frmArchive = true;
    Deplacer_Origine();
    // Le dernier téléchargement doit y être : s'il s'archive encore, la fenêtre le dit et
    // lit l'archive ensuite, sans figer le programme.
    if (Archivage_En_Cours()) {
        for (QWidget* w :
             std::initializer_list<QWidget*>{Calendrier, Cmd_Ok, Cmd_Rapport, Date_Fin})
            w->setEnabled(false);
        Label_Couverture->setText(Texte_Archivage_En_Cours);
        Rendre_Visible();
    }
    Apres_Archivage(this, [this] {
        if (Fenetres::instance().Fenetre(Id_Fenetre::frmArchive) == this)
            Lire_Archive();
    });
}

void frmArchive::Lire_Archive() {
    archive_ = std::make_unique<Archive>(Lire_Reglages_Archive().connexion);
    plateforme().Sablier(true);
    const bool ouverte = archive_->ouvrir();
    if (ouverte)
        appareils_ = archive_->appareils();
    plateforme().Sablier(false);
    Label_Base->setText(QStringLiteral("Archive ") + archive_->description());
    if (!ouverte) {
        plateforme().Message(archive_->erreur(), QStringLiteral("Données archivées"),
                             Icone::Critique);
        Fenetres::instance().Decharger(Id_Fenetre::frmArchive);
        return;
    }
    {
        const QSignalBlocker bloque(Combo_Appareil);
        Combo_Appareil->clear();
        for (const Appareil_Archive& a : appareils_)
            Combo_Appareil->addItem(
                QStringLiteral("%1   du %2 au %3   (%4, %5)")
                    .arg(a.numero_serie, date_texte(a.premier_jour), date_texte(a.dernier_jour),
                         Texte_Compte(a.nb_leq, QStringLiteral("valeur Leq"),
                                      QStringLiteral("valeurs Leq")),
                         Texte_Compte(a.nb_telechargements, QStringLiteral("téléchargement"),
                                      QStringLiteral("téléchargements"))) +
                (a.nom.isEmpty() ? QString() : QStringLiteral("   ") + a.nom));
        const QString voulu = std::exchange(preselection(), QString());
        for (std::size_t i = 0; i < appareils_.size(); ++i)
            if (appareils_[i].numero_serie == voulu)
                Combo_Appareil->setCurrentIndex(static_cast<int>(i));
    }
    Combo_Appareil_Change();
    Rendre_Visible();
}

void frmArchive::Form_Unload() {
    Drapeaux().Ouvert_frmArchive = false;
    archive_.reset();
}

void frmArchive::Combo_Appareil_Change() {
    const bool vide = appareils_.empty();
    for (QWidget* w : std::initializer_list<QWidget*>{Calendrier, Cmd_Ok, Cmd_Rapport, Date_Fin})
        w->setEnabled(!vide);
    Calendrier->setDateTextFormat(QDate(), QTextCharFormat()); // efface les marques
    if (vide) {
        Label_Debut->clear();
        Label_Couverture->setText(QStringLiteral(
            "L'archive ne contient encore aucun appareil : chaque téléchargement complet et "
            "chaque fichier chargé y sont ajoutés tant que « Archiver les données » est coché "
            "dans le menu Analyse."));
        return;
    }
    const Appareil_Archive& a =
        appareils_[static_cast<std::size_t>(Combo_Appareil->currentIndex())];
    for (const Jour_Archive& j : archive_->jours(a.numero_serie)) {
        QTextCharFormat format;
        format.setBackground(j.complet() ? Vert_Complet : Orange_Trous);
        format.setFontWeight(QFont::Bold);
        Calendrier->setDateTextFormat(j.jour, format);
    }
    Calendrier->setDateRange(a.premier_jour, a.dernier_jour);
    Date_Fin->setDateRange(a.premier_jour, a.dernier_jour);
    Date_Fin->setDate(a.dernier_jour);
    // Par défaut, les derniers jours, autant que le magasin en tient jusqu'à la fin.
    const QDate recent = archive_->debut_recent(a.numero_serie);
    Calendrier->setSelectedDate(recent.isValid() ? recent : a.premier_jour);
    Calendrier_Change();
}

void frmArchive::Calendrier_Change() {
    const QDate debut = Calendrier->selectedDate();
    Label_Debut->setText(QStringLiteral("Premier jour à charger :\n") + Jour_En_Lettres(debut));
    if (Date_Fin->date() < debut)
        Date_Fin->setDate(debut);
    if (!archive_)
        return;
    const auto c = archive_->couverture(numero(), debut);
    Label_Couverture->setText(c ? QStringLiteral("Ok chargera ") + Texte_Couverture(*c)
                                : archive_->erreur());
}

void frmArchive::Cmd_Ok_Click() {
    if (appareils_.empty())
        return;
    if (!Charger_Depuis_Archive(numero(), Calendrier->selectedDate()))
        return;
    Fenetres::instance().Decharger(Id_Fenetre::frmArchive);
    // Puis le choix habituel : le tableau Leq, « Dernières données utilisées » cochées.
    if (auto* principale = Fenetres::instance().Instance<frmMain>(Id_Fenetre::frmMain))
        principale->mnuTab_Leq_Click();
}

void frmArchive::Cmd_Rapport_Click() {
    if (appareils_.empty())
        return;
    const QDate du = Calendrier->selectedDate(), au = Date_Fin->date();
    if (au < du) {
        plateforme().Message(QStringLiteral("La fin du rapport précède son premier jour !!!"),
                             QStringLiteral("Données archivées"), Icone::Exclamation);
        return;
    }
    if (!Preparer_Rapport_Archive(numero(), du, au))
        return;
    Magasin().Type_Affichage = Vue::Rapport;
    Fenetres::instance().Ouvrir(Id_Fenetre::frmRapport);
}

void frmArchive::Cmd_Annuler_Click() {
    Fenetres::instance().Decharger(Id_Fenetre::frmArchive);
}
