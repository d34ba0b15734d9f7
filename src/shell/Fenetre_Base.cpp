#include "shell/Fenetre_Base.h"

#include "platform/Apparence.h"
#include "platform/Twips.h"
#include "shell/Fenetres.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>

Fenetre_Base::Fenetre_Base(Id_Fenetre id, QWidget* parent) : QWidget(parent), id_(id) {
    setObjectName(QString::fromLatin1(Nom_Fenetre(id)));
    Appliquer_Apparence(this);
}

QWidget* Fenetre_Base::Cadre() const {
    return sous_fenetre_ ? static_cast<QWidget*>(sous_fenetre_.data())
                         : const_cast<Fenetre_Base*>(this);
}

void Fenetre_Base::Rendre_Visible() {
    show();
    if (sous_fenetre_)
        sous_fenetre_->show();
    Cadre()->raise();
}

void Fenetre_Base::Cacher() {
    Cadre()->hide();
}

void Fenetre_Base::Deplacer_Origine() {
    Cadre()->move(0, 0);
}

void Fenetre_Base::Taille_Client_Twips(int largeur, int hauteur) {
    setFixedSize(Twips_En_Pixels(largeur), Twips_En_Pixels(hauteur));
    if (sous_fenetre_)
        sous_fenetre_->adjustSize();
}

void Fenetre_Base::Touche_Entree(std::function<void()> action) {
    action_entree_ = std::move(action);
    installEventFilter(this);
    for (QWidget* enfant : findChildren<QWidget*>())
        enfant->installEventFilter(this);
}

void Fenetre_Base::Double_Clic(QWidget* controle, std::function<void()> action) {
    doubles_clics_.append({controle, std::move(action)});
    controle->installEventFilter(this);
}

bool Fenetre_Base::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::KeyPress && action_entree_) {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        // Dans une fenêtre surgissante (le calendrier d'un sélecteur de date), Entrée choisit
        // le jour ou l'année : elle ne valide pas le dialogue.
        const auto* cible = qobject_cast<QWidget*>(objet);
        const bool surgissante = cible && cible->window()->windowType() == Qt::Popup;
        if ((touche == Qt::Key_Return || touche == Qt::Key_Enter) && !surgissante) {
            action_entree_();
            return true;
        }
    }
    if (evenement->type() == QEvent::MouseButtonDblClick) {
        for (const auto& [controle, action] : doubles_clics_) {
            if (controle == objet) {
                // Le premier clic du double clic a déjà sélectionné le bouton. Un contrôle
                // grisé ne fait rien, quel que soit le clic.
                if (controle->isEnabled())
                    action();
                return true;
            }
        }
    }
    return QWidget::eventFilter(objet, evenement);
}

void Fenetre_Base::closeEvent(QCloseEvent* evenement) {
    // Fermer une fenêtre par sa case, c'est la décharger : son Form_Unload doit courir.
    evenement->ignore();
    Fenetres::instance().Decharger(id_);
}
