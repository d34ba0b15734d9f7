#include "tables/Lignes_Leq.h"

#include "shell/Calendrier.h"
#include "store/Declarations.h"
#include "store/Validite.h"
#include "tables/Periode.h"

#include <cmath>

namespace {

QString deux_chiffres(int n) {
    return n < 10 ? QStringLiteral("0") + QString::number(n) : QString::number(n);
}

struct Instant {
    int annee, mois, jour, heure, minute;
    bool meme_jour(const Instant& autre) const {
        return annee == autre.annee && mois == autre.mois && jour == autre.jour;
    }
};

Instant instant_ligne(const std::int16_t* l) {
    return {2000 + l[5], l[4], l[2], l[1], l[0]};
}

int dernier_jour(int mois, int annee) {
    switch (mois) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return annee % 4 == 0 ? 29 : 28;
    default:
        return 31;
    }
}

// Le début d'un intervalle : on emprunte à l'heure, au jour, au mois puis à l'année.
Instant moins_minutes(Instant t, int minutes) {
    t.minute -= minutes;
    if (t.minute < 0) {
        t.minute += 60;
        t.heure -= 1;
    }
    if (t.heure < 0) {
        t.heure += 24;
        t.jour -= 1;
    }
    if (t.jour == 0) {
        t.mois -= 1;
        if (t.mois == 0) {
            t.mois = 12;
            t.annee -= 1;
        }
        t.jour = dernier_jour(t.mois, t.annee);
    }
    return t;
}

// Minutes écoulées depuis une origine fixe ; un jour hors du mois déborde sur le suivant
// au lieu d'échouer.
long long minutes_depuis_origine(const Instant& t) {
    const int a = t.mois <= 2 ? t.annee - 1 : t.annee;
    const int ere = (a >= 0 ? a : a - 399) / 400;
    const int annee_ere = a - ere * 400;
    const int jour_annee = (153 * (t.mois + (t.mois > 2 ? -3 : 9)) + 2) / 5 + t.jour - 1;
    const int jour_ere = annee_ere * 365 + annee_ere / 4 - annee_ere / 100 + jour_annee;
    const long long jours = static_cast<long long>(ere) * 146097 + jour_ere;
    return jours * 1440 + t.heure * 60 + t.minute;
}

// L'écart en jours, arrondi à quatre décimales, atteint-il 0,007 jour ? Cela arrive à
// partir de 11 minutes : 10 minutes donnent 0,0069.
bool apres_une_coupure(const Instant& avant, const Instant& apres) {
    const double jours = (minutes_depuis_origine(apres) - minutes_depuis_origine(avant)) / 1440.0;
    return std::round(jours * 10000.0) / 10000.0 >= 0.007;
}

// Le nom du jour ne change qu'une fois par jour de la liste : on garde le dernier.
class Noms_Jours {
public:
    const QString& nom(const Instant& t) {
        if (!connu_ || !t.meme_jour(dernier_)) {
            nom_ = Nom_Jour(QString::number(t.jour) + u'/' + QString::number(t.mois) + u'/' +
                            QString::number(t.annee));
            dernier_ = t;
            connu_ = true;
        }
        return nom_;
    }

private:
    bool connu_ = false;
    Instant dernier_{};
    QString nom_;
};

// Les intervalles d'une série : début et fin de chaque valeur, dans l'ordre de la table.
template <typename Action>
void parcourir(const Tableau<Nb_Lignes_Leq, 8>& serie, int nb, bool leq10, Action action) {
    nb = std::min(nb, Nb_Lignes_Leq + 1);
    for (int i = 1; i < nb; ++i) {
        const std::int16_t* l = serie.ligne(i);
        const Instant fin = instant_ligne(l);
        Instant debut;
        if (!leq10)
            debut = moins_minutes(fin, 1);
        else if (i == 1 || apres_une_coupure(instant_ligne(serie.ligne(i - 1)), fin))
            debut = moins_minutes(fin, 10);
        else {
            // Série régulière : l'intervalle part de l'enregistrement précédent, à la date
            // du présent (celui de 00 h. 00 porte donc la nouvelle date et 23 h. 50).
            const Instant precedent = instant_ligne(serie.ligne(i - 1));
            debut = fin;
            debut.heure = precedent.heure;
            debut.minute = precedent.minute;
        }
        action(i, debut, fin, l);
    }
}

void remplir(QStringList& lignes, const Tableau<Nb_Lignes_Leq, 8>& serie, int nb, bool leq10) {
    const QString niveau = leq10 ? QStringLiteral("   :  Niveau Leq 10 =  ")
                                 : QStringLiteral("   :  Niveau Leq 1 =  ");
    Noms_Jours noms;
    lignes.reserve(lignes.size() + nb + nb / 100);
    parcourir(
        serie, nb, leq10,
        [&](int i, const Instant& debut, const Instant& fin, const std::int16_t* l) {
            if (i > 1 && !instant_ligne(serie.ligne(i - 1)).meme_jour(debut))
                lignes.append(QString());
            lignes.append(
                QStringLiteral("        Le  ") + noms.nom(debut) + QStringLiteral("  ") +
                deux_chiffres(debut.jour) + QStringLiteral("  ") + Nom_Mois(debut.mois) +
                QStringLiteral("  ") + QString::number(debut.annee) + QStringLiteral("  de  ") +
                deux_chiffres(debut.heure) + QStringLiteral(" h. ") + deux_chiffres(debut.minute) +
                QStringLiteral("  à  ") + deux_chiffres(fin.heure) + QStringLiteral(" h. ") +
                deux_chiffres(fin.minute) + niveau + Texte_Niveau(l) + QStringLiteral(" dB."));
            if (i > 1 && !fin.meme_jour(debut))
                lignes.append(QString());
        });
}

// Cinq lignes vides puis le message, en 12 points gras.
Liste_Affichee aucune_valeur(const QString& message) {
    Liste_Affichee liste;
    liste.lignes = QStringList(5, QString());
    liste.lignes.append(message);
    liste.points = 12;
    liste.gras = true;
    return liste;
}

} // namespace

QString Texte_Niveau(const std::int16_t* ligne) {
    const int unites = ligne[6], centaines = ligne[7];
    QString texte;
    if (centaines == 1)
        texte += u'1';
    if (unites < 10)
        texte += u'0';
    texte += QString::number(unites);
    if (Valeur_Entiere(texte) < 100)
        texte.prepend(u' ');
    return texte;
}

void Liste_Leq1(QStringList& lignes) {
    const auto& M = Magasin();
    remplir(lignes, M.Tab_Leq1, M.Nb_Leq1, false);
}

void Liste_Leq10(QStringList& lignes) {
    const auto& M = Magasin();
    remplir(lignes, M.Tab_Leq10, M.Nb_Leq10, true);
}

std::vector<QStringList> Intervalles_Leq() {
    const auto& M = Magasin();
    std::vector<QStringList> lignes;
    for (bool leq10 : {false, true})
        parcourir(leq10 ? M.Tab_Leq10 : M.Tab_Leq1, leq10 ? M.Nb_Leq10 : M.Nb_Leq1, leq10,
                  [&](int, Instant debut, const Instant& fin, const std::int16_t* l) {
                      // Le tableau date de son jour de fin l'intervalle de 23 h. 50 à minuit ;
                      // un tableur le veut à son jour de début, pour le ranger.
                      const int d = debut.heure * 60 + debut.minute;
                      const int f = fin.heure * 60 + fin.minute;
                      if (debut.meme_jour(fin) && d > f)
                          debut = moins_minutes(fin, f + 1440 - d);
                      lignes.push_back(
                          {deux_chiffres(debut.jour) + u'/' + deux_chiffres(debut.mois) + u'/' +
                               QString::number(debut.annee),
                           deux_chiffres(debut.heure) + u':' + deux_chiffres(debut.minute),
                           deux_chiffres(fin.heure) + u':' + deux_chiffres(fin.minute),
                           leq10 ? QStringLiteral("Leq10") : QStringLiteral("Leq1"),
                           QString::number(l[7] * 100 + l[6])});
                  });
    return lignes;
}

QString Jour_En_Lettres(const QString& jour, const QString& mois, const QString& annee) {
    return Nom_Jour(jour + u'/' + mois + u'/' + annee) + u' ' + jour + u' ' +
           Nom_Mois(Valeur_Entiere(mois)) + u' ' + annee;
}

QString Jour_En_Lettres(const QDate& date) {
    return Jour_En_Lettres(QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0')),
                           QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0')),
                           QString::number(date.year()));
}

QString Texte_Periode() {
    const auto& M = Magasin();
    QString texte = Jour_En_Lettres(M.Jour_Debut, M.Mois_Debut, M.Annee_Debut);
    if (!Periode_D_Un_Jour())
        texte += QStringLiteral(" au ") + Jour_En_Lettres(M.Jour_Fin, M.Mois_Fin, M.Annee_Fin);
    return texte;
}

QString Texte_Numero_Serie(const QString& numero) {
    return QStringLiteral("LQM 70-4 Nova - Version : 3.0-B - Numéro de Série : ") + numero;
}

QString Texte_Numero_Serie() {
    Calcul_Num_Serie();
    return Texte_Numero_Serie(Magasin().Num_Serie);
}

Contenu_Tableau_Leq Tableau_Leq() {
    auto& M = Magasin();
    Contenu_Tableau_Leq c;
    c.Label_Serial_Number = Texte_Numero_Serie();
    Recherche_Periode_Leq(Nb_Lignes_Leq);
    const QString periode = Texte_Periode() + QStringLiteral(" :");
    c.Label_Entete10 = QStringLiteral("Tableau des valeurs Leq10 du ") + periode;
    c.Label_Entete1 = QStringLiteral("Tableau des valeurs Leq1 du ") + periode;
    Extraction_Periode();
    c.Aucune_Leq10 = M.Nb_Leq10 <= 1;
    c.Aucune_Leq1 = M.Nb_Leq1 <= 1;

    const QString aucune_leq1 =
        QStringLiteral("        Aucune valeur Leq1 relevée pour cette période !!!");
    const QString aucune_leq10 =
        QStringLiteral("        Aucune valeur Leq10 relevée pour cette période !!!");
    if (M.Index_Debut == 0) {
        // Un blanc de moins devant le message Leq10 quand rien n'est relevé du tout.
        c.List_Leq10 = aucune_valeur(aucune_leq10.mid(1));
        c.List_Leq1 = aucune_valeur(aucune_leq1);
        c.Cmd_Print_Visible = false;
        c.Cmd_New_Tableau_Gauche = 5850;
        return c;
    }
    if (M.Nb_Leq1 == 1 && M.Nb_Leq10 > 1)
        c.List_Leq1 = aucune_valeur(aucune_leq1);
    else
        Liste_Leq1(c.List_Leq1.lignes);
    if (M.Nb_Leq10 == 1 && M.Nb_Leq1 > 1)
        c.List_Leq10 = aucune_valeur(aucune_leq10);
    else
        Liste_Leq10(c.List_Leq10.lignes);
    return c;
}
