#include "tables/Liste_Fenetre.h"

#include <QFontMetrics>
#include <QListView>
#include <QSet>
#include <QStringListModel>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {

// Toutes les lignes ont la taille que la vue mesure sur une seule (elle n'a pas à les mesurer
// une à une), mais la largeur de la plus longue : la barre de défilement horizontale mène au
// bout de chaque ligne.
class Delegue_Lignes final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    int largeur = 0;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize taille = QStyledItemDelegate::sizeHint(option, index);
        taille.setWidth(std::max(taille.width(), largeur));
        return taille;
    }
};

} // namespace

QListView* Creer_Liste(QWidget* parent, const char* nom) {
    auto* liste = new QListView(parent);
    liste->setObjectName(QString::fromLatin1(nom));
    liste->setModel(new QStringListModel(liste));
    liste->setItemDelegate(new Delegue_Lignes(liste));
    liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste->setUniformItemSizes(true);
    // Une ligne trop longue se lit en faisant défiler, jamais coupée de « … ».
    liste->setTextElideMode(Qt::ElideNone);
    return liste;
}

void Montrer_Liste(QListView* liste, const Liste_Affichee& contenu) {
    if (contenu.points > 0) {
        QFont police = liste->font();
        police.setPointSize(contenu.points);
        police.setBold(contenu.gras);
        liste->setFont(police);
    } else {
        liste->setFont(QFont()); // celle de la fenêtre
    }
    // Les chiffres ont tous la même chasse : les lignes qui ne diffèrent que par eux ont la
    // même largeur, mesurée une fois (une semaine de Leq1 n'a que quelques formes de ligne).
    const QFontMetrics mesure(liste->font());
    const int chiffre = mesure.horizontalAdvance(u'0');
    bool chasse_fixe = true;
    for (char16_t c = u'1'; c <= u'9'; ++c)
        chasse_fixe = chasse_fixe && mesure.horizontalAdvance(QChar(c)) == chiffre;
    QSet<QString> formes;
    int largeur = 0;
    for (const QString& ligne : contenu.lignes) {
        if (!chasse_fixe) {
            largeur = std::max(largeur, mesure.horizontalAdvance(ligne));
            continue;
        }
        QString forme = ligne;
        for (QChar& c : forme)
            if (c.isDigit())
                c = u'0';
        if (!formes.contains(forme)) {
            largeur = std::max(largeur, mesure.horizontalAdvance(forme));
            formes.insert(std::move(forme));
        }
    }
    // Les marges que le délégué ajoute au texte, de part et d'autre.
    const int marge = liste->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, liste) + 1;
    static_cast<Delegue_Lignes*>(liste->itemDelegate())->largeur = largeur + 2 * marge;
    static_cast<QStringListModel*>(liste->model())->setStringList(contenu.lignes);
}
