#include "graphs/frmGraphique_Leq.h"

#include "graphs/Boite_Graphique.h"
#include "graphs/Graphique_Leq.h"
#include "platform/Apparence.h"
#include "platform/Images_Programme.h"
#include "platform/Impression_Fenetre.h"
#include "platform/Plateforme.h"
#include "shell/Fenetres.h"
#include "store/Declarations.h"
#include "tables/Impression_Tableaux.h"
#include "tables/Liste_Fenetre.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>

namespace {

// Étiquette placée à son coin haut gauche, assez large pour ses textes.
QLabel* etiquette(QWidget* parent, const char* nom, int gauche, int haut,
                  const QString& texte = QString()) {
    auto* l = new QLabel(texte, parent);
    l->setObjectName(QString::fromLatin1(nom));
    Placer_Twips(l, gauche, haut, 3700, 255);
    return l;
}

void montrer_extreme(QLabel* l, const QString& texte) {
    l->setText(texte);
    l->setVisible(!texte.isEmpty());
}

} // namespace

frmGraphique_Leq::frmGraphique_Leq() : Fenetre_Base(Id_Fenetre::frmGraphique_Leq) {
    setWindowTitle(QStringLiteral("Graphique des relevés de niveaux de pression acoustique"));
    Taille_Client_Twips(15135, 9570);

    Label_Entete = Creer<QLabel>(this, "Label_Entete");
    Placer_Twips(Label_Entete, 30, 60, 15075, 255);
    Label_Date = Creer<QLabel>(this, "Label_Date");
    Placer_Twips(Label_Date, 30, 420, 15075, 255);
    Titre_Centre(Label_Entete);
    Titre_Centre(Label_Date);

    struct Place {
        Vue_Serie& vue;
        Serie_Leq serie;
        const char *graphique, *legende, *print, *zoom, *liste, *mini, *maxi;
        Rectangle_Twips boite;
        int haut_legende, haut_liste, haut_extremes;
        QString texte_legende, nom, image_zoom, image_retour, bulle_apres_zoom, bulle_normale;
    };
    const Place places[] = {
        {Leq10, Serie_Leq::Leq10, "Graphique_Leq10", "Label_Leq10", "Cmd_Print_Leq10",
         "Cmd_Zoom_Leq10", "List_Leq10", "Label_Mini_Leq10", "Label_Maxi_Leq10",
         Place_Graphique_Leq10, 4890, 1080, 4920,
         QStringLiteral("Graphique des niveaux Leq sur 10 minutes."), QStringLiteral("Leq 10"),
         QStringLiteral("Zoom Leq 10.bmp"), QStringLiteral("No Zoom Leq 10.bmp"),
         // Ces deux bulles s'écrivent « Leq10 », sans blanc.
         QStringLiteral("Retour à la taille normale du graphique Leq10."),
         QStringLiteral("Agrandir le graphique Leq10.")},
        {Leq1, Serie_Leq::Leq1, "Graphique_Leq1", "Label_Leq1", "Cmd_Print_Leq1", "Cmd_Zoom_Leq1",
         "List_Leq1", "Label_Mini_Leq1", "Label_Maxi_Leq1", Place_Graphique_Leq1, 9240, 7470, 5250,
         QStringLiteral("Graphique des niveaux Leq sur 1 minute."), QStringLiteral("Leq 1"),
         QStringLiteral("Zoom Leq 1.bmp"), QStringLiteral("No Zoom Leq 1.bmp"),
         QStringLiteral("Retour à la taille normale du graphique Leq 1."),
         QStringLiteral("Agrandir le graphique Leq 1.")},
    };
    for (const Place& p : places) {
        Vue_Serie& v = p.vue;
        v.Graphique = new Boite_Graphique(this, p.graphique, p.serie);
        Placer_Twips(v.Graphique, p.boite.gauche, p.boite.haut, p.boite.largeur, p.boite.hauteur);
        v.Legende = Creer<QLabel>(this, p.legende, p.texte_legende);
        Placer_Twips(v.Legende, 30, p.haut_legende, 7485, 255);
        // Les boutons sont dans la boîte, en haut à droite.
        v.Cmd_Print = Bouton_Image(v.Graphique, p.print,
                                   QStringLiteral("Imprimer le graphique ") + p.nom + u'.',
                                   QStringLiteral("Print.bmp"));

        v.Cmd_Zoom =
            Bouton_Image(v.Graphique, p.zoom,
                         QStringLiteral("Agrandir le graphique ") + p.nom + u'.', p.image_zoom);

        v.Liste = Creer_Liste(this, p.liste);
        Placer_Twips(v.Liste, 7800, p.haut_liste, 7125, 1710);
        v.Mini = etiquette(this, p.mini, 7620, p.haut_extremes);
        v.Maxi = etiquette(this, p.maxi, 11400, p.haut_extremes);
        v.place = p.boite;
        v.haut_legende = p.haut_legende;
        v.nom = p.nom;
        v.image_zoom = p.image_zoom;
        v.image_retour = p.image_retour;
        v.bulle_agrandi = QStringLiteral("Retour à la taille normale du graphique ") + p.nom + u'.';
        v.bulle_apres_zoom = p.bulle_apres_zoom;
        v.bulle_normale = p.bulle_normale;
        Placer_Boutons(v);
        connect(v.Graphique, &Boite_Graphique::Selection_Tiree, this,
                [this, &v](QPointF debut, QPointF fin) { Selection(v, debut, fin); });
    }

    Label3 = etiquette(this, "Label3", 7620, 840,
                       QStringLiteral("Tableau des valeurs des niveaux Leq sur 10 minutes :"));
    Label4 = etiquette(this, "Label4", 7620, 2850,
                       QStringLiteral("Tableau des événements pour la période du graphique :"));
    List_Depassement = Creer_Liste(this, "List_Depassement");
    Placer_Twips(List_Depassement, 7800, 3090, 7125, 1710);
    const char* publics[] = {"Label_Niveau_Public1", "Label_Niveau_Public2",
                             "Label_Niveau_Public3"};
    for (int k = 0; k < 3; ++k)
        Label_Niveau_Public[k] = etiquette(this, publics[k], 9510, 5670 + 330 * k);
    Label_Analyse = etiquette(this, "Label_Analyse", 7620, 6750);
    Label_Source = etiquette(this, "Label_Source", 11400, 6750);
    Label_List_Leq1 =
        etiquette(this, "Label_List_Leq1", 7620, 7140,
                  QStringLiteral("Tableau des valeurs des niveaux Leq sur 1 minute :"));
    for (QLabel* l : {Label3, Label4, Label_List_Leq1})
        l->adjustSize();

    Cmd_New_Graph = Bouton_Image(this, "Cmd_New_Graph", QStringLiteral("Nouveau Graphique"),
                                 QStringLiteral("New Graphique.bmp"));
    Placer_Twips(Cmd_New_Graph, 14430, 0, 705, 495);

    connect(Cmd_New_Graph, &QPushButton::clicked, this, &frmGraphique_Leq::Cmd_New_Graph_Click);
    connect(Leq1.Cmd_Print, &QPushButton::clicked, this, &frmGraphique_Leq::Cmd_Print_Leq1_Click);
    connect(Leq10.Cmd_Print, &QPushButton::clicked, this, &frmGraphique_Leq::Cmd_Print_Leq10_Click);
    connect(Leq1.Cmd_Zoom, &QPushButton::clicked, this, &frmGraphique_Leq::Cmd_Zoom_Leq1_Click);
    connect(Leq10.Cmd_Zoom, &QPushButton::clicked, this, &frmGraphique_Leq::Cmd_Zoom_Leq10_Click);
    // Un clic ou les flèches du clavier : la ligne choisie change, la flèche la suit. La
    // ligne courante seule ne suffit pas : la liste la pose d'elle-même en prenant le focus.
    for (auto [liste, clic] : {std::pair{Leq1.Liste, &frmGraphique_Leq::List_Leq1_Click},
                               std::pair{Leq10.Liste, &frmGraphique_Leq::List_Leq10_Click}}) {
        connect(liste->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this, clic, liste] {
                    const QModelIndexList choisies = liste->selectionModel()->selectedIndexes();
                    if (!choisies.isEmpty())
                        (this->*clic)(choisies.constFirst().row());
                });
        connect(liste, &QListView::clicked, this,
                [this, clic](const QModelIndex& i) { (this->*clic)(i.row()); });
    }
}

void frmGraphique_Leq::Form_Load() {
    Deplacer_Origine();
    Fermer_Fenetres();
    Drapeaux().Ouvert_frmGraphique_Leq = true;

    const Contenu_Graphique_Leq c = Graphique_Leq();
    Label_Entete->setText(c.Label_Entete);
    Label_Date->setText(c.Label_Date);
    Leq1.Cmd_Print->hide();
    Leq10.Cmd_Print->hide();
    Montrer_Liste(List_Depassement, c.List_Depassement);
    if (c.Aucune_Valeur)
        plateforme().Message(Message_Aucune_Valeur_Graph, Titre_Aucune_Valeur_Graph,
                             Icone::Exclamation);
    Montrer_Liste(Leq10.Liste, c.List_Leq10);
    Montrer_Liste(Leq1.Liste, c.List_Leq1);
    Leq10.Cmd_Zoom->setVisible(c.Cmd_Zoom_Leq10_Visible);
    Leq1.Cmd_Zoom->setVisible(c.Cmd_Zoom_Leq1_Visible);
    const int duree = Magasin().Duree_Graph;
    for (Vue_Serie* v : {&Leq10, &Leq1}) {
        Etat_Graphique etat = v->Graphique->Etat();
        etat.duree = duree;
        etat.vide = c.Aucune_Valeur;
        v->Graphique->Changer_Etat(etat);
    }
    montrer_extreme(Leq10.Mini, c.Label_Mini_Leq10);
    montrer_extreme(Leq10.Maxi, c.Label_Maxi_Leq10);
    montrer_extreme(Leq1.Mini, c.Label_Mini_Leq1);
    montrer_extreme(Leq1.Maxi, c.Label_Maxi_Leq1);
    for (int k = 0; k < 3; ++k)
        Label_Niveau_Public[k]->setText(c.Label_Niveau_Public[k]);
    Label_Analyse->setText(c.Label_Analyse);
    Label_Source->setText(c.Label_Source);
    Rendre_Visible();
}

void frmGraphique_Leq::Form_Unload() {
    Drapeaux().Ouvert_frmGraphique_Leq = false;
}

void frmGraphique_Leq::Cmd_New_Graph_Click() {
    Fenetres::instance().Decharger(Id_Fenetre::frmGraphique_Leq);
    Fenetres::instance().Ouvrir(Id_Fenetre::frmInGraphique_v5);
}

void frmGraphique_Leq::List_Leq1_Click(int ligne) {
    Clic_Liste(Leq1, ligne);
}

void frmGraphique_Leq::List_Leq10_Click(int ligne) {
    Clic_Liste(Leq10, ligne);
}

void frmGraphique_Leq::Clic_Liste(Vue_Serie& vue, int ligne) {
    const auto& M = Magasin();
    const QStringList lignes = static_cast<QStringListModel*>(vue.Liste->model())->stringList();
    Etat_Graphique etat = vue.Graphique->Etat();
    if (Marquer_Valeur(etat, Valeur_De_Ligne(lignes, ligne),
                       &vue == &Leq1 ? M.Nb_Leq1 : M.Nb_Leq10))
        vue.Graphique->Changer_Etat(etat);
}

void frmGraphique_Leq::Cmd_Zoom_Leq1_Click() {
    Clic_Zoom(Leq1);
}

void frmGraphique_Leq::Cmd_Zoom_Leq10_Click() {
    Clic_Zoom(Leq10);
}

void frmGraphique_Leq::Clic_Zoom(Vue_Serie& vue) {
    Etat_Graphique etat = vue.Graphique->Etat();
    switch (Basculer_Zoom(etat)) {
    case Passage_Zoom::Agrandir:
        Disposer(vue, true);
        vue.Cmd_Zoom->setToolTip(vue.bulle_agrandi);
        Image_Bouton(vue.Cmd_Zoom, vue.image_retour);
        vue.Cmd_Print->show();
        break;
    case Passage_Zoom::Quitter_Zoom:
        vue.Cmd_Zoom->setToolTip(vue.bulle_apres_zoom);
        vue.Cmd_Print->show();
        break;
    case Passage_Zoom::Revenir:
        Disposer(vue, false);
        vue.Cmd_Zoom->setToolTip(vue.bulle_normale);
        Image_Bouton(vue.Cmd_Zoom, vue.image_zoom);
        vue.Cmd_Print->hide();
        break;
    }
    vue.Graphique->Changer_Etat(etat);
    Placer_Boutons(vue);
}

void frmGraphique_Leq::Selection(Vue_Serie& vue, QPointF debut, QPointF fin) {
    if (const std::optional<Zoom_Graphique> zoom =
            Zoom_Selection(debut.x(), debut.y(), fin.x(), fin.y())) {
        Etat_Graphique etat = vue.Graphique->Etat();
        etat.zoom = zoom;
        etat.marque_otee = false;
        vue.Graphique->Changer_Etat(etat);
        vue.Cmd_Print->hide();
    }
    vue.Cmd_Zoom->setToolTip(QStringLiteral("Retour à la fonction Zoom Normal."));
}

void frmGraphique_Leq::Disposer(Vue_Serie& vue, bool agrandi) {
    Vue_Serie& autre = &vue == &Leq1 ? Leq10 : Leq1;
    const Rectangle_Twips boite = agrandi ? Place_Graphique_Agrandi : vue.place;
    Placer_Twips(vue.Graphique, boite.gauche, boite.haut, boite.largeur, boite.hauteur);
    Placer_Twips(vue.Legende, 30, agrandi ? 9240 : vue.haut_legende, agrandi ? 15195 : 7485, 255);
    // Le graphique agrandi couvre les étiquettes qu'il ne cache pas (niveaux publics).
    if (agrandi)
        vue.Graphique->raise();
    for (QWidget* w : std::initializer_list<QWidget*>{Label_Analyse, Label_Source, Label3, Label4,
                                                      autre.Legende, autre.Graphique, Leq1.Liste,
                                                      Leq10.Liste, List_Depassement, Cmd_New_Graph})
        w->setVisible(!agrandi);
    const auto& M = Magasin();
    for (auto [v, nb] : {std::pair{&Leq1, M.Nb_Leq1}, std::pair{&Leq10, M.Nb_Leq10}}) {
        v->Mini->setVisible(!agrandi && nb > 1);
        v->Maxi->setVisible(!agrandi && nb > 1);
    }
}

void frmGraphique_Leq::Placer_Boutons(Vue_Serie& vue) {
    // En haut à droite de la boîte, quelle que soit sa taille.
    const int largeur =
        vue.Graphique->Etat().agrandi ? Place_Graphique_Agrandi.largeur : vue.place.largeur;
    Placer_Twips(vue.Cmd_Zoom, largeur - 675, 0, 645, 495);
    Placer_Twips(vue.Cmd_Print, largeur - 1305, 0, 645, 495);
}

void frmGraphique_Leq::Cmd_Print_Leq1_Click() {
    Imprimer(Leq1);
}

void frmGraphique_Leq::Cmd_Print_Leq10_Click() {
    Imprimer(Leq10);
}

void frmGraphique_Leq::Imprimer(Vue_Serie& vue) {
    const std::unique_ptr<Imprimante> imprimante = plateforme().Dialogue_Imprimante(
        Nom_Document(QStringLiteral("Graphique ") + vue.nom), true);
    if (!imprimante)
        return; // Annuler : rien d'imprimé, rien de changé
    // Le graphique en haut de la page, sa légende, l'en-tête et la période dessous.
    Mise_En_Page_Impression page(this);
    page.Haut(vue.Graphique, 30);
    page.Haut(vue.Legende, 8430);
    page.Haut(Label_Entete, 8880);
    page.Haut(Label_Date, 9240);
    page.Cacher(vue.Cmd_Print);
    page.Cacher(vue.Cmd_Zoom);
    page.Fond_Blanc();
    Imprimer_Fenetre(*imprimante, this);
}
