#include "store/Resume.h"

#include "shell/Calendrier.h"
#include "store/Validite.h"

namespace {
QString date_heure(const std::int16_t* l) {
    return QStringLiteral("%1/%2/%3 %4:%5")
        .arg(l[2], 2, 10, QLatin1Char('0'))
        .arg(l[4], 2, 10, QLatin1Char('0'))
        .arg(2000 + l[5])
        .arg(l[1], 2, 10, QLatin1Char('0'))
        .arg(l[0], 2, 10, QLatin1Char('0'));
}
} // namespace

QStringList Lignes_Resume(Declarations& M) {
    Calcul_Num_Serie();
    int leq1 = 0, leq10 = 0, evenements = 0, parametres = 0;
    const std::int16_t *premiere = nullptr, *derniere = nullptr;
    for (int i = 1; i <= Nb_Lignes_Leq; ++i) {
        const std::int16_t* l = M.Tab_Leq.ligne(i);
        if (!Ligne_Mesure_Valide(l))
            continue;
        leq1 += l[3] == Genre_Leq1;
        leq10 += l[3] == Genre_Leq10;
        if (!premiere)
            premiere = l;
        derniere = l;
    }
    for (int i = 1; i <= Nb_Lignes_Evenements; ++i)
        evenements += Ligne_Mesure_Valide(M.Tab_Evenements.ligne(i));
    for (int i = 1; i <= Nb_Lignes_Parametres; ++i)
        parametres += Ligne_Parametres_Valide(M.Tab_Parametres.ligne(i));
    const QString aucune = QStringLiteral("aucune");
    return {
        QStringLiteral("Numéro de série : ") + M.Num_Serie,
        QStringLiteral("Récupération : ") + M.Date_Recuperation + QStringLiteral(" à ") +
            M.Heure_Recuperation,
        QStringLiteral("Valeurs Leq1 : ") + QString::number(leq1),
        QStringLiteral("Valeurs Leq10 : ") + QString::number(leq10),
        QStringLiteral("Événements : ") + QString::number(evenements),
        QStringLiteral("Jeux de paramètres : ") + QString::number(parametres),
        QStringLiteral("Première valeur : ") + (premiere ? date_heure(premiere) : aucune),
        QStringLiteral("Dernière valeur : ") + (derniere ? date_heure(derniere) : aucune),
    };
}
