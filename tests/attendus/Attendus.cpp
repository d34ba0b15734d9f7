#include "attendus/Attendus.h"

#include <QDir>
#include <QFile>
#include <QProcess>

QString Chemin_Attendu(const QString& nom) {
    return QStringLiteral(LQM_DOSSIER_ATTENDUS "/") + nom;
}

QString Difference_Attendue(const QString& nom, const QByteArray& obtenu) {
    QFile attendu(Chemin_Attendu(nom));
    const QByteArray contenu = attendu.open(QIODevice::ReadOnly) ? attendu.readAll() : QByteArray();
    if (attendu.isOpen() && contenu == obtenu)
        return {};
    // La sortie obtenue reste à côté, pour la relire avant de décider : jamais recopiée seule
    // sur le fichier attendu.
    const QString dossier = QDir::temp().filePath(QStringLiteral("lqm-obtenu"));
    QDir().mkpath(dossier);
    QFile sortie(QDir(dossier).filePath(nom));
    if (!sortie.open(QIODevice::WriteOnly) || sortie.write(obtenu) != obtenu.size())
        return QStringLiteral("Sortie différente de ") + nom;
    sortie.close();
    if (!attendu.isOpen())
        return QStringLiteral("Fichier attendu absent : %1 (sortie obtenue : %2)")
            .arg(attendu.fileName(), sortie.fileName());
    QProcess diff;
    diff.start(QStringLiteral("diff"), {QStringLiteral("-u"), QStringLiteral("--text"),
                                        attendu.fileName(), sortie.fileName()});
    diff.waitForFinished(30000);
    // Les deux cents premières lignes suffisent à voir ce qui a changé.
    const QList<QByteArray> lignes = diff.readAllStandardOutput().split('\n');
    return QStringLiteral("Sortie obtenue : %1\n").arg(sortie.fileName()) +
           QString::fromUtf8(lignes.mid(0, 200).join('\n'));
}
