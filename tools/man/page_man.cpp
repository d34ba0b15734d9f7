// Écrit la page de manuel d'un programme à partir de sa propre aide (--help, --version), et,
// pour lqm-outil, de l'aide de chacune de ses commandes : le manuel ne peut pas s'écarter du
// programme. Les parties que l'aide ne dit pas (code de retour, fichiers, environnement,
// exemples) viennent d'un texte à côté, en français comme tout le reste.
// Usage : lqm-page-man PROGRAMME TEXTE.txt SORTIE.1 DATE

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <cstdio>

namespace {

QString lancer(const QString& programme, const QStringList& arguments) {
    QProcess p;
    p.start(programme, arguments);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        std::fprintf(stderr, "lqm-page-man : %s %s a échoué\n", qPrintable(programme),
                     qPrintable(arguments.join(u' ')));
        std::exit(1);
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Un texte tel que roff le montre : barres obliques inverses, tirets des options, points et
// apostrophes en tête de ligne.
QString echapper(QString t) {
    t.replace(u'\\', QStringLiteral("\\e")).replace(u'-', QStringLiteral("\\-"));
    if (t.startsWith(u'.') || t.startsWith(u'\''))
        t.prepend(QStringLiteral("\\&"));
    return t;
}

// Des lignes d'aide : les paragraphes de texte se recomposent, les blocs en retrait (options,
// exemples) restent tels quels, une ligne seule qui finit par « : » devient un intertitre.
QString formater(const QStringList& lignes) {
    QString roff;
    QStringList bloc;
    bool retrait = false;
    auto vider = [&] {
        if (bloc.isEmpty())
            return;
        if (retrait) {
            roff += QStringLiteral(".PP\n.nf\n");
            for (const QString& l : bloc)
                roff += echapper(l) + u'\n';
            roff += QStringLiteral(".fi\n");
        } else if (bloc.size() == 1 && bloc[0].endsWith(QStringLiteral(" :"))) {
            roff += QStringLiteral(".PP\n.B ") + echapper(bloc[0]) + u'\n';
        } else {
            roff += QStringLiteral(".PP\n") + echapper(bloc.join(u' ')) + u'\n';
        }
        bloc.clear();
    };
    for (const QString& ligne : lignes) {
        if (ligne.trimmed().isEmpty()) {
            vider();
            continue;
        }
        const bool en_retrait = ligne.startsWith(u' ');
        if (!bloc.isEmpty() && en_retrait != retrait)
            vider();
        if (bloc.isEmpty())
            retrait = en_retrait;
        bloc << ligne;
    }
    vider();
    return roff;
}

struct Aide {
    QStringList synopsis, reste;
};

// Sépare les lignes « Utilisation : » (et leurs suites en retrait) du reste de l'aide.
Aide decouper(const QString& texte) {
    Aide a;
    QStringList lignes = texte.split(u'\n');
    while (!lignes.isEmpty() && lignes.last().isEmpty())
        lignes.removeLast();
    int i = 0;
    for (; i < lignes.size(); ++i) {
        QString l = lignes[i];
        if (l.startsWith(QStringLiteral("Utilisation : ")))
            a.synopsis << l.mid(14);
        else if (!a.synopsis.isEmpty() && l.startsWith(QStringLiteral("      ")))
            a.synopsis << l.trimmed();
        else
            break;
    }
    a.reste = lignes.mid(i);
    return a;
}

QString synopsis(const QStringList& lignes) {
    QString roff = QStringLiteral(".nf\n");
    for (const QString& l : lignes)
        roff += echapper(l) + u'\n';
    return roff + QStringLiteral(".fi\n");
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList a = application.arguments();
    if (a.size() != 5) {
        std::fputs("Usage : lqm-page-man PROGRAMME TEXTE.txt SORTIE.1 DATE\n", stderr);
        return 2;
    }
    const QString programme = a[1];
    const QString nom = QFileInfo(programme).fileName();
    const QString version = lancer(programme, {QStringLiteral("--version")}).trimmed();
    const Aide aide = decouper(lancer(programme, {QStringLiteral("--help")}));

    QFile texte(a[2]);
    if (!texte.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "lqm-page-man : %s illisible\n", qPrintable(a[2]));
        return 1;
    }
    // Première ligne : la description courte du NOM ; puis des parties « == TITRE ».
    QStringList lignes = QString::fromUtf8(texte.readAll()).split(u'\n');
    const QString description = lignes.takeFirst().trimmed();

    QString roff =
        QStringLiteral(".\\\" Écrite par lqm-page-man à partir de « %1 --help ».\n").arg(nom);
    roff += QStringLiteral(".TH %1 1 \"%2\" \"%3\" \"Manuel de l'utilisateur\"\n")
                .arg(nom.toUpper(), a[4], version);
    roff += QStringLiteral(".SH NOM\n") + echapper(nom) + QStringLiteral(" \\- ") +
            echapper(description) + u'\n';
    roff += QStringLiteral(".SH SYNOPSIS\n") + synopsis(aide.synopsis);
    roff += QStringLiteral(".SH DESCRIPTION\n") + formater(aide.reste);

    // Les commandes de lqm-outil, chacune avec sa propre aide.
    const qsizetype debut = aide.reste.indexOf(QStringLiteral("Commandes :"));
    if (debut >= 0) {
        roff += QStringLiteral(".SH COMMANDES\n");
        static const QRegularExpression commande(QStringLiteral("^  ([a-z-]+) "));
        for (qsizetype i = debut + 1; i < aide.reste.size(); ++i) {
            const auto m = commande.match(aide.reste[i]);
            if (!m.hasMatch())
                break;
            const Aide sienne =
                decouper(lancer(programme, {m.captured(1), QStringLiteral("--help")}));
            roff += QStringLiteral(".SS ") + echapper(m.captured(1)) + u'\n' +
                    synopsis(sienne.synopsis) + formater(sienne.reste);
        }
    }

    QStringList partie;
    auto finir_partie = [&] {
        roff += formater(partie);
        partie.clear();
    };
    for (const QString& ligne : lignes) {
        if (ligne.startsWith(QStringLiteral("== "))) {
            finir_partie();
            roff += QStringLiteral(".SH ") + echapper(ligne.mid(3).trimmed()) + u'\n';
        } else {
            partie << ligne;
        }
    }
    finir_partie();

    QFile sortie(a[3]);
    if (!sortie.open(QIODevice::WriteOnly) || sortie.write(roff.toUtf8()) < 0) {
        std::fprintf(stderr, "lqm-page-man : impossible d'écrire %s\n", qPrintable(a[3]));
        return 1;
    }
    return 0;
}
