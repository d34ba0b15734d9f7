// Ce que lqm-outil écrit pour des fichiers d'entrée fixes (tests/attendus/entrees), commande
// après commande, comparé aux fichiers attendus que liste tests/attendus/commandes.txt.

#include "attendus/Attendus.h"
#include "support/Outil.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct Attendu {
    QString fichier;
    QStringList commandes;
};

void PrintTo(const Attendu& a, std::ostream* flux) {
    *flux << a.fichier.toStdString();
}

std::vector<Attendu> lire_commandes() {
    std::vector<Attendu> liste;
    QFile f(Chemin_Attendu(QStringLiteral("commandes.txt")));
    if (!f.open(QIODevice::ReadOnly))
        return liste;
    for (const QString& ligne : QString::fromUtf8(f.readAll()).split(u'\n')) {
        if (ligne.startsWith(u'[') && ligne.endsWith(u']'))
            liste.push_back({ligne.mid(1, ligne.size() - 2), {}});
        else if (!ligne.isEmpty() && !ligne.startsWith(u'#') && !liste.empty())
            liste.back().commandes << ligne;
    }
    return liste;
}

// Une commande, sa sortie, son code et son message s'il échoue, puis le fichier qu'elle écrit
// ({sortie}) : tout ce que l'utilisateur en obtient.
QByteArray executer(const QString& commande, const QTemporaryDir& dossier) {
    const QString sortie = dossier.filePath(QStringLiteral("sortie"));
    QFile::remove(sortie);
    QStringList arguments = commande.split(u' ', Qt::SkipEmptyParts);
    for (QString& a : arguments)
        a.replace(QStringLiteral("{entrees}"), Chemin_Attendu(QStringLiteral("entrees")))
            .replace(QStringLiteral("{sortie}"), sortie);
    const Resultat_Outil r = outil(arguments);
    // Les chemins de cette machine redeviennent ceux de la commande écrite.
    auto relatif = [&](QString t) {
        return t.replace(Chemin_Attendu(QStringLiteral("entrees")), QStringLiteral("{entrees}"))
            .replace(sortie, QStringLiteral("{sortie}"))
            .toUtf8();
    };
    QByteArray texte = "$ lqm-outil " + commande.toUtf8() + '\n' + relatif(r.sortie);
    if (r.code != 0 || !r.erreur.isEmpty())
        texte += "[code " + QByteArray::number(r.code) + "] " + relatif(r.erreur);
    QFile ecrit(sortie);
    if (ecrit.open(QIODevice::ReadOnly))
        texte += "[{sortie}]\n" + ecrit.readAll() + '\n';
    return texte;
}

class Sorties_Outil : public ::testing::TestWithParam<Attendu> {};

TEST_P(Sorties_Outil, CommeLeFichierAttendu) {
    QTemporaryDir dossier;
    QByteArray obtenu;
    for (const QString& commande : GetParam().commandes)
        obtenu += executer(commande, dossier);
    const QString difference = Difference_Attendue(GetParam().fichier, obtenu);
    EXPECT_TRUE(difference.isEmpty()) << difference.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Attendus, Sorties_Outil, ::testing::ValuesIn(lire_commandes()),
                         [](const ::testing::TestParamInfo<Attendu>& info) {
                             return info.param.fichier.section(u'.', 0, 0).toStdString();
                         });

} // namespace
