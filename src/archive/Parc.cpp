#include "archive/Parc.h"

#include "report/Csv.h"

QString Texte_Etat_Parc(const Ligne_Parc& l, const QDate& aujourdhui) {
    switch (l.etat) {
    case Ligne_Parc::Etat::Silencieux:
        return l.dernier_telechargement.isValid()
                   ? QStringLiteral("non relevé depuis %1 jours")
                         .arg(l.dernier_telechargement.date().daysTo(aujourdhui))
                   : QStringLiteral("jamais relevé");
    case Ligne_Parc::Etat::Depassement:
        return QStringLiteral("dépassements");
    case Ligne_Parc::Etat::Trous:
        return QStringLiteral("nuits incomplètes ou manquantes");
    case Ligne_Parc::Etat::Normal:
        break;
    }
    return QStringLiteral("rien à signaler");
}

QStringList En_Tetes_Parc() {
    return {QStringLiteral("À voir"),
            QStringLiteral("Appareil"),
            QStringLiteral("Lieu"),
            QStringLiteral("Dernier relevé"),
            QStringLiteral("Nuits complètes"),
            QStringLiteral("Incomplètes"),
            QStringLiteral("Manquantes"),
            QStringLiteral("Non relevées"),
            QStringLiteral("Avec dépassement"),
            QStringLiteral("Leq 15 min maxi"),
            QStringLiteral("Le")};
}

QStringList Cellules_Parc(const Ligne_Parc& l, const QDate& aujourdhui) {
    return {Texte_Etat_Parc(l, aujourdhui),
            l.numero_serie,
            l.nom,
            l.dernier_telechargement.isValid()
                ? l.dernier_telechargement.toString(QStringLiteral("dd/MM/yyyy HH:mm"))
                : QStringLiteral("jamais"),
            QString::number(l.nuits_completes),
            QString::number(l.nuits_incompletes),
            QString::number(l.nuits_manquantes),
            QString::number(l.nuits_non_relevees),
            QString::number(l.nuits_depassement),
            l.max_leq15 ? Nombre_Fr(*l.max_leq15, 1) + QStringLiteral(" dB") : QString(),
            l.max_leq15 ? Texte_Horodatage(l.quand_max) : QString()};
}

QByteArray Csv_Parc(const std::vector<Ligne_Parc>& lignes, const QDate& aujourdhui) {
    std::vector<QStringList> cellules;
    for (const Ligne_Parc& l : lignes) {
        QStringList c = Cellules_Parc(l, aujourdhui);
        c[9].remove(QStringLiteral(" dB")); // un nombre pour le tableur
        cellules.push_back(c);
    }
    QStringList en_tetes = En_Tetes_Parc();
    en_tetes[9] += QStringLiteral(" (dB)");
    return Texte_Csv(en_tetes, cellules);
}

std::pair<QDate, QDate> Periode_Parc_Defaut(const QDate& aujourdhui) {
    return {aujourdhui.addDays(-30), aujourdhui.addDays(-1)};
}
