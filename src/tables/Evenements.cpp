#include "tables/Evenements.h"

#include "shell/Calendrier.h"
#include "store/Declarations.h"
#include "tables/Periode.h"

#include <algorithm>
#include <array>
#include <bit>

namespace {

struct Genre_Evenement {
    const char16_t* tableau;
    const char16_t* graphique;
};

// Un bit par genre : d'abord ceux de la colonne 7, du bit 0 au bit 7, puis ceux de la colonne 8.
const std::array<Genre_Evenement, 16> genres = {{
    {u"Accès menu", u"Accès menu"},
    {u"Sortie du menu", u"Sortie du menu"},
    {u"Coupure Alimentation", u"Coupure Alimentation"},
    {u"ByPass Activé", u"ByPass Activé"},
    {u"Dépassement des 20 dB de Régulation", u"Dépassement des 20 dB de Régulation"},
    {u"Défaut Liaison Capteur", u"Défaut Liaison Capteur"},
    {u"Modification Configuration", u"Modification Configuration"},
    {u"Modification Paramètres", u"Modification Paramètres"},
    {u"Fin Défaut Liaison Capteur", u"Fin Défaut Liaison Capteur"},
    {u"Calibration Effectuée", u"Défaut Niveau Capteur"},
    {u"Initialisation Système", u"Initialisation Système"},
    {u"ByPass Désactivé", u"ByPass Désactivé"},
    {u"Fin Dépassement des 20 dB de Régulation", u"Fin Dépassement des 20 dB de Régulation"},
    {u"Capteur n°1 séléctionné", u"Capteur n°1"},
    {u"Capteur n°2 séléctionné", u"Capteur n°2"},
    {u"Capteur n°3 séléctionné", u"Capteur n°3"},
}};

QString deux_chiffres(int n) {
    return n < 10 ? QStringLiteral("0") + QString::number(n) : QString::number(n);
}

// Les lignes listées de debut à fin, une ligne vide entre deux jours (jamais en tête).
void lister(QStringList& lignes, int debut, int fin, Vocabulaire vocabulaire,
            const QString& marge) {
    const auto& M = Magasin();
    const std::int16_t* precedente = nullptr;
    for (int i = debut; i <= fin; ++i) {
        const std::int16_t* l = M.Tab_Evenements.ligne(i);
        const QString texte = Texte_Evenement(l, vocabulaire);
        if (texte.isEmpty())
            continue;
        const Jour_Calendrier jour = Jour_Ligne(l);
        if (precedente && Jour_Ligne(precedente) != jour)
            lignes.append(QString());
        precedente = l;
        const QString jj = deux_chiffres(jour.jour);
        lignes.append(
            marge + QStringLiteral("Le  ") +
            Nom_Jour(jj + u'/' + QString::number(jour.mois) + u'/' + QString::number(jour.annee)) +
            QStringLiteral("  ") + jj + QStringLiteral("  ") + Nom_Mois(jour.mois) +
            QStringLiteral("  ") + QString::number(jour.annee) + QStringLiteral("   à   ") +
            deux_chiffres(l[1]) + QStringLiteral(" h. ") + deux_chiffres(l[0]) +
            QStringLiteral("   :   ") + texte + u'.');
    }
}

} // namespace

QString Texte_Evenement(const std::int16_t* ligne, Vocabulaire vocabulaire) {
    const int c7 = ligne[6], c8 = ligne[7];
    if ((c7 != 0) == (c8 != 0))
        return QString();
    const int mot = c7 != 0 ? c7 : c8;
    if (mot < 0 || mot > 128 || !std::has_single_bit(static_cast<unsigned>(mot)))
        return QString();
    const Genre_Evenement& g = genres[std::countr_zero(static_cast<unsigned>(mot)) + (c7 ? 0 : 8)];
    return QString::fromUtf16(vocabulaire == Vocabulaire::Tableau ? g.tableau : g.graphique);
}

Contenu_Tableau_Evenements Tableau_Evenements() {
    auto& M = Magasin();
    Contenu_Tableau_Evenements c;
    c.Label_Serial_Number = Texte_Numero_Serie();
    c.Label_Entete =
        QStringLiteral("Tableau des événements du ") + Texte_Periode() + QStringLiteral(" :");
    c.Un_Jour = Periode_D_Un_Jour();
    Recherche_Periode_Evenements();
    if (M.Index_Debut == 0) {
        c.Aucun_Evenement = true;
        c.Cmd_Print_Visible = false;
        c.Cmd_New_Tableau_Gauche = 6630;
        c.List_Evenements.lignes = QStringList(5, QString());
        c.List_Evenements.lignes.append(
            QStringLiteral("      Aucun événement enregistré pour cette période !!!"));
        c.List_Evenements.points = 12;
        c.List_Evenements.gras = true;
        return c;
    }
    c.List_Evenements.points = 8;
    lister(c.List_Evenements.lignes, M.Index_Debut, M.Index_Fin, Vocabulaire::Tableau,
           QStringLiteral("      "));
    return c;
}

std::vector<QStringList> Champs_Evenements() {
    const auto& M = Magasin();
    std::vector<QStringList> lignes;
    for (int i = M.Index_Debut; i >= 1 && i <= std::min(M.Index_Fin, Nb_Lignes_Evenements); ++i) {
        const std::int16_t* l = M.Tab_Evenements.ligne(i);
        const QString texte = Texte_Evenement(l, Vocabulaire::Tableau);
        if (texte.isEmpty())
            continue;
        const Jour_Calendrier j = Jour_Ligne(l);
        lignes.push_back(
            {deux_chiffres(j.jour) + u'/' + deux_chiffres(j.mois) + u'/' + QString::number(j.annee),
             deux_chiffres(l[1]) + u':' + deux_chiffres(l[0]), texte});
    }
    return lignes;
}

bool Liste_Evenements_Graph(QStringList& lignes) {
    std::int32_t debut = 0, fin = 0;
    Periode_Evenements_Graph(debut, fin);
    if (debut == 0) {
        lignes.append(QString());
        lignes.append(QString());
        lignes.append(QStringLiteral("    Aucun événement enregistré pour cette période!!!"));
        return true;
    }
    lister(lignes, debut, fin, Vocabulaire::Graphique, QStringLiteral("   "));
    return false;
}
