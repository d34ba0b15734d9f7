// Un parc à l'échelle : 50 appareils sur 365 jours dans une archive PostgreSQL (quelque
// 26 millions de valeurs Leq1, leurs Leq10, événements et jeux de paramètres), et un appareil
// sur cinq ans dans une archive SQLite. Mesures sur demande seulement : le remplissage prend
// quelques minutes.
//
//   pg_virtualenv env LQM_BENCH_PARC=postgresql:// build/lqm_bench --benchmark_filter=Parc
//   (la suite de tests en passe une version de deux appareils : Banc_Parc_Deux_Appareils)
//   LQM_BENCH_CINQ_ANS=/tmp/cinq-ans.sqlite build/lqm_bench --benchmark_filter=Cinq_Ans
//
// Une archive déjà remplie par un passage précédent est reprise telle quelle.
#include "Application_Bench.h"
#include "archive/Archivage.h"
#include "archive/frmArchive.h"
#include "shell/Fenetres.h"
#include "store/Declarations.h"
#include "support/Telechargement_Genere.h"

#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

// LQM_BENCH_PARC_APPAREILS : un parc plus petit (la suite de tests en passe un de deux).
const int Appareils = qEnvironmentVariableIsSet("LQM_BENCH_PARC_APPAREILS")
                          ? qEnvironmentVariableIntValue("LQM_BENCH_PARC_APPAREILS")
                          : 50;
const QDate Debut_Annee(2008, 1, 1);
const QDate Fin_Annee(2008, 12, 30);

// Une requête sur une connexion à part ; faux (et le message) si elle échoue.
bool sql(const QString& connexion, const QString& requete) {
    QSqlQuery q(QSqlDatabase::database(connexion));
    if (q.exec(requete))
        return true;
    std::fprintf(stderr, "%s\n%s\n", qPrintable(requete), qPrintable(q.lastError().text()));
    return false;
}

// Le niveau d'une minute, tiré de l'instant : soirées fortes (un dépassement de temps en
// temps), journées calmes.
QString niveau(const QString& instant, const QString& graine) {
    return QStringLiteral("(CASE WHEN extract(hour FROM %1) >= 20 OR extract(hour FROM %1) < 2 "
                          "THEN 86 + (hashtext(%1::text || %2) & 15) "
                          "+ CASE WHEN (hashtext(%1::text || %2) & 4095) = 0 THEN 20 ELSE 0 END "
                          "ELSE 42 + (hashtext(%1::text || %2) & 15) END)")
        .arg(instant, graine);
}

struct Parc_PostgreSQL {
    QString connexion = qEnvironmentVariable("LQM_BENCH_PARC");
    QString numero; // le premier appareil, celui du générateur
    bool pret = false;

    Parc_PostgreSQL() {
        if (connexion.isEmpty())
            return;
        // Le premier appareil reçoit un vrai téléchargement : ses réglages servent à tous.
        const auto premier = Telechargement_Genere(Debut_Annee.addDays(4));
        numero = Numero_Serie_Config(premier->Tab_Config);
        Archive a(connexion);
        const auto appareils = a.appareils();
        if (appareils.size() == std::size_t(Appareils)) {
            pret = true;
            return;
        }
        if (!appareils.empty() || !a.fusionner(*premier, QStringLiteral("banc")).reussie()) {
            std::fprintf(stderr, "Parc : il faut une base vide (%s).\n", qPrintable(a.erreur()));
            return;
        }
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("banc"));
        if (!db.open())
            return;
        QElapsedTimer chrono;
        chrono.start();
        const QString c = QStringLiteral("banc");
        bool ok = sql(c, QStringLiteral("INSERT INTO appareils (numero_serie, nom) SELECT "
                                        "'7041' || lpad(n::text, 6, '0'), 'Lieu n° ' || n FROM "
                                        "generate_series(2, %1) n")
                             .arg(Appareils)) &&
                  sql(c, QStringLiteral("UPDATE appareils SET nom = 'Lieu n° 1' WHERE "
                                        "numero_serie = '%1'")
                             .arg(numero)) &&
                  // Un relevé tous les cinq jours.
                  sql(c, QStringLiteral(
                             "INSERT INTO telechargements (appareil, archive_le, recupere_le, "
                             "origine, configuration, ajoutes, presents, conflits) SELECT a.id, "
                             "to_char(j, 'YYYY-MM-DD\"T\"10:05:00'), "
                             "to_char(j, 'YYYY-MM-DD\"T\"10:02:00'), 'banc', t.configuration, "
                             "8192, 0, 0 FROM appareils a, (SELECT configuration FROM "
                             "telechargements LIMIT 1) t, generate_series('%1'::date, '%2'::date, "
                             "'5 days') j WHERE a.numero_serie <> '%3'")
                             .arg(Debut_Annee.toString(Qt::ISODate),
                                  Fin_Annee.toString(Qt::ISODate), numero));
        // Les mesures de chaque appareil d'un trait (pour le premier, sauf là où son vrai
        // téléchargement en a) : une valeur tous les « pas », de « rang » à son instant.
        for (int n = 1; ok && n <= Appareils; ++n) {
            const QString appareil =
                QStringLiteral("(SELECT id FROM appareils WHERE numero_serie = '%1')")
                    .arg(n == 1 ? numero
                                : QStringLiteral("7041%1").arg(n, 6, 10, QLatin1Char('0')));
            auto inserer = [&](const QString& table, const QString& colonnes, int rang,
                               const QString& valeurs, const QString& pas) {
                const QString instant = QStringLiteral("to_char(ts, 'YYYYMMDDHH24MI')::bigint");
                return sql(c,
                           QStringLiteral("INSERT INTO %1 (appareil, horodatage, rang, %2, "
                                          "telechargement) SELECT %3, %4, %5, %6, 0 FROM "
                                          "generate_series('%7 00:00'::timestamp, "
                                          "'%8 23:59', '%9') ts")
                                   .arg(table, colonnes, appareil, instant, QString::number(rang),
                                        valeurs, Debut_Annee.toString(Qt::ISODate),
                                        Fin_Annee.toString(Qt::ISODate), pas) +
                               (n == 1 ? QStringLiteral(" WHERE NOT EXISTS (SELECT 1 FROM "
                                                        "%1 WHERE appareil = %2 AND "
                                                        "horodatage = %3)")
                                             .arg(table, appareil, instant)
                                       : QString()));
            };
            const QString graine = QString::number(n);
            ok = inserer(QStringLiteral("leq"), QStringLiteral("sorte, niveau"), 1,
                         QStringLiteral("1, ") + niveau(QStringLiteral("ts"), graine),
                         QStringLiteral("1 minute")) &&
                 inserer(QStringLiteral("leq"), QStringLiteral("sorte, niveau"), 2,
                         QStringLiteral("10, ") + niveau(QStringLiteral("ts"), graine),
                         QStringLiteral("10 minutes")) &&
                 // Une dizaine d'événements par jour (menu, bypass, coupure...), un jeu de
                 // paramètres par jour.
                 inserer(QStringLiteral("evenements"), QStringLiteral("code, colonne4"), 1,
                         QStringLiteral("(ARRAY[256, 512, 1024, 2048, 8])[1 + (hashtext(ts::text) "
                                        "& 3)], 0"),
                         QStringLiteral("143 minutes")) &&
                 inserer(QStringLiteral("parametres"), QStringLiteral("valeurs"), 1,
                         QStringLiteral("(SELECT valeurs FROM parametres LIMIT 1)"),
                         QStringLiteral("1 day"));
            if (ok && n % 10 == 0)
                std::fprintf(stderr, "Parc : %d appareils remplis (%lld s)\n", n,
                             chrono.elapsed() / 1000);
        }
        ok = ok && sql(c, QStringLiteral("ANALYZE"));
        db.close();
        db = {};
        QSqlDatabase::removeDatabase(c);
        // Le bilan des nuits, par le programme lui-même.
        for (const Appareil_Archive& x : a.appareils())
            ok = ok && a.recalculer_bilans(x.numero_serie);
        std::fprintf(stderr, "Parc : rempli en %lld s\n", chrono.elapsed() / 1000);
        pret = ok;
    }
};

Parc_PostgreSQL& parc() {
    static Parc_PostgreSQL p;
    return p;
}

bool sans_parc(benchmark::State& state) {
    if (parc().pret)
        return false;
    state.SkipWithError("LQM_BENCH_PARC absent ou base impossible à remplir");
    return true;
}

// Un téléchargement complet de plus (8192 valeurs Leq, cinq jours et demi) qui recouvre
// largement le précédent, comme un relevé quotidien.
void BM_Parc_Fusion_Telechargement(benchmark::State& state) {
    if (sans_parc(state))
        return;
    Archive a(parc().connexion);
    a.ouvrir();
    QDate jour = Fin_Annee.addDays(7);
    for (auto _ : state) {
        state.PauseTiming();
        const auto suivant = Telechargement_Genere(jour);
        jour = jour.addDays(1); // comme un relevé chaque jour : 80 % déjà archivé
        state.ResumeTiming();
        if (!a.fusionner(*suivant, QStringLiteral("banc")).reussie())
            state.SkipWithError("fusion refusée");
    }
}
BENCHMARK(BM_Parc_Fusion_Telechargement)->Unit(benchmark::kMillisecond)->Iterations(5);

// Le rapport réglementaire d'un mois d'un appareil.
void BM_Parc_Rapport_Mois(benchmark::State& state) {
    if (sans_parc(state))
        return;
    Archive a(parc().connexion);
    a.ouvrir();
    for (auto _ : state) {
        // Le dernier appareil : un de ceux que le banc remplit d'un trait.
        const auto r = a.rapport(QStringLiteral("7041%1").arg(Appareils, 6, 10, QLatin1Char('0')),
                                 QDate(2008, 6, 1), QDate(2008, 6, 30), 102);
        if (!r || r->donnees.leq1.size() < 43000)
            state.SkipWithError("mois incomplet");
    }
}
BENCHMARK(BM_Parc_Rapport_Mois)->Unit(benchmark::kMillisecond);

// La vue du parc sur six mois.
void BM_Parc_Vue_Six_Mois(benchmark::State& state) {
    if (sans_parc(state))
        return;
    Archive a(parc().connexion);
    a.ouvrir();
    for (auto _ : state) {
        const auto v = a.parc(QDate(2008, 7, 1), QDate(2008, 12, 29), 102, QDate(2008, 12, 31));
        if (!v || v->size() != std::size_t(Appareils))
            state.SkipWithError("parc incomplet");
    }
}
BENCHMARK(BM_Parc_Vue_Six_Mois)->Unit(benchmark::kMillisecond);

// L'ouverture du dialogue des données archivées : la liste des appareils et le calendrier
// du premier.
void BM_Parc_Dialogue_Archive(benchmark::State& state) {
    if (sans_parc(state))
        return;
    Application_Bench();
    qputenv("XDG_CONFIG_HOME", QByteArray("/tmp/lqm-bench-parc-config"));
    Ecrire_Reglages_Archive({true, parc().connexion});
    for (auto _ : state) {
        Fenetres::instance().Ouvrir(Id_Fenetre::frmArchive);
        state.PauseTiming();
        Fenetres::instance().Decharger(Id_Fenetre::frmArchive);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Parc_Dialogue_Archive)->Unit(benchmark::kMillisecond)->Iterations(5);

// Un appareil sur cinq ans (2,6 millions de Leq1) dans une archive SQLite : le rapport d'une
// année.
struct Cinq_Ans {
    QString chemin = qEnvironmentVariable("LQM_BENCH_CINQ_ANS");
    QString numero;
    bool pret = false;
    Cinq_Ans() {
        if (chemin.isEmpty())
            return;
        const auto premier = Telechargement_Genere(QDate(2004, 1, 5));
        numero = Numero_Serie_Config(premier->Tab_Config);
        Archive a(chemin);
        const auto appareils = a.appareils();
        if (!appareils.empty() && appareils.front().nb_leq > 2'000'000) {
            pret = true;
            return;
        }
        if (!appareils.empty() || !a.fusionner(*premier, QStringLiteral("banc")).reussie())
            return;
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("cinq"));
        db.setDatabaseName(chemin);
        if (!db.open())
            return;
        // Minute après minute du 1er janvier 2004 au 31 décembre 2008, hors du téléchargement.
        const QString minutes = QStringLiteral(
            "WITH RECURSIVE m(k) AS (SELECT 0 UNION ALL SELECT k + 1 FROM m WHERE k < 2630000), "
            "t(k, ts) AS (SELECT k, datetime('2004-01-01', '+' || k || ' minutes') FROM m) ");
        const QString horodatage = QStringLiteral("CAST(strftime('%Y%m%d%H%M', ts) AS INTEGER)");
        pret = sql(QStringLiteral("cinq"),
                   minutes +
                       QStringLiteral("INSERT OR IGNORE INTO leq (appareil, horodatage, "
                                      "rang, sorte, niveau, telechargement) SELECT 1, ") +
                       horodatage +
                       QStringLiteral(", 1, 1, CASE WHEN CAST(strftime('%H', ts) AS INTEGER) "
                                      ">= 20 THEN 90 + k % 11 ELSE 45 + k % 13 END, 0 FROM t "
                                      "WHERE ts < '2009-01-01'"));
        db.close();
        db = {};
        QSqlDatabase::removeDatabase(QStringLiteral("cinq"));
        pret = pret && a.recalculer_bilans(numero);
    }
};

void BM_Cinq_Ans_Rapport_Annee_SQLite(benchmark::State& state) {
    static Cinq_Ans cinq;
    if (!cinq.pret) {
        state.SkipWithError("LQM_BENCH_CINQ_ANS absent ou archive impossible à remplir");
        return;
    }
    Archive a(cinq.chemin);
    a.ouvrir();
    for (auto _ : state) {
        const auto r = a.rapport(cinq.numero, QDate(2007, 1, 1), QDate(2007, 12, 31), 102);
        if (!r || r->donnees.leq1.size() < 500000)
            state.SkipWithError("année incomplète");
    }
}
BENCHMARK(BM_Cinq_Ans_Rapport_Annee_SQLite)->Unit(benchmark::kMillisecond);

} // namespace
