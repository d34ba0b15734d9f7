#include "shell/Calendrier.h"

#include "store/Declarations.h"

#include <QDate>
#include <QStringList>
#include <array>

QString Nom_Mois(int mois) {
    static const std::array<QString, 12> noms = {
        QStringLiteral(" Janvier "), QStringLiteral(" Février "), QStringLiteral("  Mars   "),
        QStringLiteral("  Avril  "), QStringLiteral("   Mai   "), QStringLiteral("  Juin   "),
        QStringLiteral(" Juillet "), QStringLiteral("  Août   "), QStringLiteral("Septembre"),
        QStringLiteral(" Octobre "), QStringLiteral("Novembre "), QStringLiteral("Décembre "),
    };
    if (mois < 1 || mois > 12)
        return QString();
    return noms[mois - 1];
}

namespace {
// Une partie de date : des chiffres seulement, blancs autour tolérés. -1 sinon.
int partie(const QString& texte, int chiffres_max) {
    const QString t = texte.trimmed();
    if (t.isEmpty() || t.size() > chiffres_max)
        return -1;
    for (QChar c : t)
        if (c < u'0' || c > u'9')
            return -1;
    return t.toInt();
}
} // namespace

QString Nom_Jour(const QString& date) {
    static const std::array<QString, 7> noms = {
        QStringLiteral("Dimanche"), QStringLiteral(" Lundi  "), QStringLiteral(" Mardi  "),
        QStringLiteral("Mercredi"), QStringLiteral(" Jeudi  "), QStringLiteral("Vendredi"),
        QStringLiteral(" Samedi "),
    };
    const QStringList parties = date.split(u'/');
    if (parties.size() != 3)
        return QString();
    const int jour = partie(parties[0], 2);
    const int mois = partie(parties[1], 2);
    int annee = partie(parties[2], 4);
    const int chiffres_annee = static_cast<int>(parties[2].trimmed().size());
    if (jour < 0 || mois < 0 || annee < 0 || chiffres_annee == 3)
        return QString();
    if (chiffres_annee <= 2)
        annee += 2000;
    const QDate d(annee, mois, jour);
    if (!d.isValid())
        return QString();
    // QDate compte du lundi (1) au dimanche (7) ; les noms commencent au dimanche.
    return noms[d.dayOfWeek() % 7];
}

void Calcul_Num_Serie() {
    auto& M = Magasin();
    M.Num_Serie.clear();
    for (M.Ind_i = 2361; M.Ind_i <= 2368; ++M.Ind_i) {
        M.Chaine_Temp = QString::number(M.Tab_Config(M.Ind_i));
        M.Num_Serie += M.Chaine_Temp;
    }
}

QDate Dernier_Dimanche(int annee, int mois) {
    const QDate dernier = QDate(annee, mois, 1).addMonths(1).addDays(-1);
    return dernier.addDays(-(dernier.dayOfWeek() % 7));
}
