#include "report/Csv.h"

#include "tables/Evenements.h"
#include "tables/Lignes_Leq.h"

#include "platform/Plateforme.h"

#include <QSaveFile>

namespace {
QString champ(const QString& texte) {
    if (!texte.contains(u';') && !texte.contains(u'"') && !texte.contains(u'\n'))
        return texte;
    QString c = texte;
    c.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + c + u'"';
}
} // namespace

QByteArray Texte_Csv(const QStringList& entete, const std::vector<QStringList>& lignes) {
    QString texte;
    auto ajouter = [&](const QStringList& champs) {
        QStringList c;
        for (const QString& f : champs)
            c << champ(f);
        texte += c.join(u';') + QStringLiteral("\r\n");
    };
    ajouter(entete);
    for (const QStringList& l : lignes)
        ajouter(l);
    return QByteArray("\xEF\xBB\xBF") + texte.toUtf8();
}

QString Nombre_Fr(double valeur, int decimales) {
    return QString::number(valeur, 'f', decimales).replace(u'.', u',');
}

QByteArray Csv_Tableau_Leq() {
    return Texte_Csv({QStringLiteral("Date"), QStringLiteral("Début"), QStringLiteral("Fin"),
                      QStringLiteral("Type"), QStringLiteral("Niveau (dB)")},
                     Intervalles_Leq());
}

QByteArray Csv_Evenements() {
    return Texte_Csv({QStringLiteral("Date"), QStringLiteral("Heure"), QStringLiteral("Événement")},
                     Champs_Evenements());
}

bool Exporter_Csv(const QString& nom, const QByteArray& contenu) {
    const std::optional<QString> chemin =
        plateforme().Dialogue_Enregistrer(nom + QStringLiteral(".csv"), Filtre_Csv);
    if (!chemin || chemin->isEmpty())
        return false; // Annuler
    if (Ecrire_Fichier(*chemin, contenu))
        return true;
    plateforme().Message(QStringLiteral("Impossible d'écrire le fichier « %1 » !!!").arg(*chemin),
                         QStringLiteral("Export impossible !!!"), Icone::Critique);
    return false;
}

bool Ecrire_Fichier(const QString& chemin, const QByteArray& contenu) {
    QSaveFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly) && fichier.write(contenu) == contenu.size() &&
           fichier.commit();
}
