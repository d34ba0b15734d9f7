// L'archive, sur SQLite toujours et sur PostgreSQL quand ctest l'a lancée sous pg_virtualenv
// (LQM_TEST_POSTGRESQL donne alors l'adresse du serveur jetable).

#include "archive/Archive.h"
#include "report/Rapport.h"
#include "store/Validite.h"
#include "support/Outil.h"
#include "support/Telechargement_Genere.h"
#include "tables/Periode.h"

#include <QFile>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <thread>

namespace {

using Ligne = std::vector<std::int16_t>;
template <class Table> std::multiset<Ligne> lignes_valides(const Table& t, int n, bool mesure) {
    std::multiset<Ligne> s;
    for (int i = 1; i <= n; ++i) {
        const std::int16_t* l = t.ligne(i);
        if (mesure ? Ligne_Mesure_Valide(l) : Ligne_Parametres_Valide(l)) {
            s.insert(Ligne(l, l + Table::colonnes));
        }
    }
    return s;
}

std::int64_t nb_leq(Archive& a) {
    const auto appareils = a.appareils();
    return appareils.empty() ? -1 : appareils.front().nb_leq;
}

class Archive_Base : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (QString::fromLatin1(GetParam()) == QStringLiteral("SQLite")) {
            connexion = dossier.filePath(QStringLiteral("archive.sqlite"));
            return;
        }
        connexion = qEnvironmentVariable("LQM_TEST_POSTGRESQL");
        if (connexion.isEmpty())
            GTEST_SKIP() << "PostgreSQL : aucun serveur jetable (ctest lance ces cas sous "
                            "pg_virtualenv, test Archive_PostgreSQL).";
        // Chaque cas part d'une base vide.
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("lqm-vider"));
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("DROP SCHEMA public CASCADE"));
        QSqlQuery(db).exec(QStringLiteral("CREATE SCHEMA public"));
        db.close();
        db = {};
        QSqlDatabase::removeDatabase(QStringLiteral("lqm-vider"));
    }
    void TearDown() override { Magasin().reinitialiser(); }

    QTemporaryDir dossier;
    QString connexion;
};

} // namespace

TEST_P(Archive_Base, MemeFichierDeuxFoisPuisRelectureFidele) {
    const auto premier = Telechargement_Genere(QDate(2008, 3, 12));
    Archive a(connexion);
    const Bilan_Fusion b1 = a.fusionner(*premier, QStringLiteral("COM 1"));
    ASSERT_TRUE(b1.reussie()) << b1.erreur.toStdString();
    const auto leq = lignes_valides(premier->Tab_Leq, Nb_Lignes_Leq, true);
    const auto evenements = lignes_valides(premier->Tab_Evenements, Nb_Lignes_Evenements, true);
    const auto jeux = lignes_valides(premier->Tab_Parametres, Nb_Lignes_Parametres, false);
    EXPECT_EQ(b1.ajoutes, qsizetype(leq.size() + evenements.size() + jeux.size()));
    EXPECT_EQ(b1.conflits, 0);

    const Bilan_Fusion b2 = a.fusionner(*premier, QStringLiteral("g.lqm"));
    EXPECT_EQ(b2.ajoutes, 0);
    EXPECT_EQ(b2.presents, b1.ajoutes);
    EXPECT_EQ(b2.conflits, 0);
    EXPECT_EQ(nb_leq(a), qsizetype(leq.size()));
    EXPECT_EQ(a.appareils().front().nb_telechargements, 1); // rien de neuf : pas de trace

    // Relu depuis le premier jour : les mêmes lignes, la même configuration, la date de
    // récupération, dans l'ordre du classement.
    const QString numero = b1.numero_serie;
    Contenu_Lqm relu;
    const auto c = a.charger(numero, QDate(2008, 2, 1), std::nullopt, relu);
    ASSERT_TRUE(c);
    EXPECT_FALSE(c->tronque);
    EXPECT_EQ(lignes_valides(relu.Tab_Leq, Nb_Lignes_Leq, true), leq);
    EXPECT_EQ(lignes_valides(relu.Tab_Evenements, Nb_Lignes_Evenements, true), evenements);
    EXPECT_EQ(lignes_valides(relu.Tab_Parametres, Nb_Lignes_Parametres, false), jeux);
    EXPECT_EQ(relu.Tab_Config, premier->Tab_Config);
    EXPECT_EQ(relu.Date_Recuperation, QStringLiteral("12/03/2008"));
    EXPECT_EQ(relu.Heure_Recuperation, QStringLiteral("10:02"));
    for (int i = 2; i <= c->nb_leq; ++i)
        EXPECT_LE(Horodatage_Ligne(relu.Tab_Leq.ligne(i - 1)),
                  Horodatage_Ligne(relu.Tab_Leq.ligne(i)));
    EXPECT_EQ(relu.Tab_Evenements(c->nb_evenements + 1, 6), 255); // vide, comme après un tri
}

TEST_P(Archive_Base, TelechargementsQuiSeRecouvrentEtLectureAGaucheEtADroite) {
    const auto ancien = Telechargement_Genere(QDate(2008, 3, 12));
    const auto milieu = Telechargement_Genere(QDate(2008, 3, 14));
    const auto recent = Telechargement_Genere(QDate(2008, 3, 15));
    Archive a(connexion);
    ASSERT_TRUE(a.fusionner(*ancien, QStringLiteral("a")).reussie());
    // Deux fusions au même moment (la fenêtre et le minuteur), qui se recouvrent.
    Bilan_Fusion b, m;
    std::thread fil([&] { m = Archive(connexion).fusionner(*milieu, QStringLiteral("m")); });
    b = Archive(connexion).fusionner(*recent, QStringLiteral("b"));
    fil.join();
    ASSERT_TRUE(b.reussie()) << b.erreur.toStdString();
    ASSERT_TRUE(m.reussie()) << m.erreur.toStdString();
    EXPECT_EQ(b.conflits + m.conflits, 0); // mêmes instants, mêmes niveaux
    EXPECT_GT(b.presents, 1000);

    // L'union, sans doublon.
    std::set<std::pair<Horodatage, int>> union_leq;
    for (const auto* t : {&ancien->Tab_Leq, &milieu->Tab_Leq, &recent->Tab_Leq})
        for (int i = 1; i <= Nb_Lignes_Leq; ++i)
            if (Ligne_Mesure_Valide(t->ligne(i)))
                union_leq.insert({Horodatage_Ligne(t->ligne(i)), t->ligne(i)[3]});
    EXPECT_EQ(nb_leq(a), qsizetype(union_leq.size()));

    // Une période à cheval sur les deux : du 11 au 13 mars, jours entiers.
    Contenu_Lqm lu;
    const auto c = a.charger(b.numero_serie, QDate(2008, 3, 11), QDate(2008, 3, 13), lu);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->premier, 200803110000);
    EXPECT_EQ(c->dernier, 200803132359);
    EXPECT_LT(Horodatage_Ligne(lu.Tab_Parametres.ligne(1)), c->premier); // le jeu en vigueur
    EXPECT_EQ(c->nb_leq, std::count_if(union_leq.begin(), union_leq.end(), [](const auto& k) {
                  return k.first >= 200803110000 && k.first <= 200803132359;
              }));
    // Les jours complets le restent : aucune minute perdue à la jointure.
    const auto jours = a.jours(b.numero_serie);
    const auto douze = std::find_if(jours.begin(), jours.end(), [](const Jour_Archive& j) {
        return j.jour == QDate(2008, 3, 12);
    });
    ASSERT_NE(douze, jours.end());
    EXPECT_TRUE(douze->complet());
    EXPECT_FALSE(jours.back().complet()); // le 15 s'arrête à 10 h

    // Au-delà de la capacité du magasin : coupé à 8192 valeurs, et dit.
    Contenu_Lqm plein;
    const auto tout = a.charger(b.numero_serie, QDate(2008, 3, 1), std::nullopt, plein);
    ASSERT_TRUE(tout);
    EXPECT_TRUE(tout->tronque);
    EXPECT_EQ(tout->nb_leq, Nb_Lignes_Leq);
    EXPECT_EQ(plein.Date_Recuperation, QStringLiteral("12/03/2008"));
    EXPECT_TRUE(
        Texte_Couverture(*tout).contains(QStringLiteral("la mémoire du programme est pleine")));
    // Les événements s'arrêtent où s'arrêtent les valeurs.
    for (int i = 1; i <= tout->nb_evenements; ++i)
        EXPECT_LE(Horodatage_Ligne(plein.Tab_Evenements.ligne(i)), tout->dernier);
}

TEST_P(Archive_Base, UnNiveauDifferentGardeLePremierEtSeCompte) {
    auto contenu = Telechargement_Genere(QDate(2008, 3, 12));
    Archive a(connexion);
    const Bilan_Fusion premiere = a.fusionner(*contenu, QStringLiteral("a"));
    ASSERT_TRUE(premiere.reussie());
    // Une valeur Leq1 revue avec 3 dB de plus.
    int i = 1;
    while (!Ligne_Mesure_Valide(contenu->Tab_Leq.ligne(i)) || contenu->Tab_Leq(i, 4) != 1)
        ++i;
    const Horodatage h = Horodatage_Ligne(contenu->Tab_Leq.ligne(i));
    const int premier_niveau = Niveau_dB(contenu->Tab_Leq.ligne(i));
    contenu->Tab_Leq(i, 7) = static_cast<std::int16_t>((premier_niveau + 3) % 100);
    contenu->Tab_Leq(i, 8) = static_cast<std::int16_t>((premier_niveau + 3) / 100);
    const Bilan_Fusion b = a.fusionner(*contenu, QStringLiteral("b"));
    ASSERT_TRUE(b.reussie());
    EXPECT_EQ(b.conflits, 1);
    EXPECT_EQ(b.presents, premiere.ajoutes - 1); // la valeur revue n'est pas « déjà présente »
    EXPECT_EQ(b.ajoutes, 0);

    Contenu_Lqm lu;
    const QDate jour = Date_Horodatage(h);
    ASSERT_TRUE(a.charger(b.numero_serie, jour, jour, lu));
    bool vu = false;
    for (int k = 1; k <= Nb_Lignes_Leq; ++k)
        if (Ligne_Mesure_Valide(lu.Tab_Leq.ligne(k)) &&
            Horodatage_Ligne(lu.Tab_Leq.ligne(k)) == h && lu.Tab_Leq(k, 4) == 1) {
            EXPECT_EQ(Niveau_dB(lu.Tab_Leq.ligne(k)), premier_niveau);
            vu = true;
        }
    EXPECT_TRUE(vu);
}

// Des octets abîmés : 220 et 253 (un niveau de 25 520 dB, que l'appareil peut envoyer) se
// relisent valides, au même niveau ; une valeur qu'aucun octet ne donne (un fichier retouché)
// est refusée, car l'archive la rendrait autre (1 et -1 donnent le code 255, une ligne vide).
TEST_P(Archive_Base, OctetsAbimesRelusOuRefuses) {
    auto contenu = Telechargement_Genere(QDate(2008, 3, 12));
    int i = 1;
    while (!Ligne_Mesure_Valide(contenu->Tab_Leq.ligne(i)))
        ++i;
    contenu->Tab_Leq(i, 7) = 220;
    contenu->Tab_Leq(i, 8) = 253;
    const std::int16_t* ligne = contenu->Tab_Leq.ligne(i);
    Archive a(connexion);
    const Bilan_Fusion b = a.fusionner(*contenu, QStringLiteral("a"));
    ASSERT_TRUE(b.reussie()) << b.erreur.toStdString();
    Contenu_Lqm lu;
    const QDate jour = Date_Horodatage(Horodatage_Ligne(ligne));
    ASSERT_TRUE(a.charger(b.numero_serie, jour, jour, lu));
    int vus = 0;
    for (int k = 1; k <= Nb_Lignes_Leq; ++k) {
        const std::int16_t* l = lu.Tab_Leq.ligne(k);
        vus += Ligne_Mesure_Valide(l) && Niveau_dB(l) == 25520 && std::equal(l, l + 4, ligne);
    }
    EXPECT_EQ(vus, 1);

    auto retouche = Telechargement_Genere(QDate(2008, 3, 13));
    int e = 1;
    while (!Ligne_Mesure_Valide(retouche->Tab_Evenements.ligne(e)))
        ++e;
    retouche->Tab_Evenements(e, 7) = 1;
    retouche->Tab_Evenements(e, 8) = -1;
    const Bilan_Fusion refus = a.fusionner(*retouche, QStringLiteral("b"));
    EXPECT_FALSE(refus.reussie());
    EXPECT_TRUE(refus.erreur.contains(QStringLiteral("porte -1 en colonne 8")))
        << refus.erreur.toStdString();
    EXPECT_EQ(a.appareils().front().nb_telechargements, 1);
}

TEST_P(Archive_Base, FusionInterrompueLaisseLArchiveIntacte) {
    const auto ancien = Telechargement_Genere(QDate(2008, 3, 12));
    const auto recent = Telechargement_Genere(QDate(2008, 3, 15));
    {
        // Même la toute première fusion : ni appareil, ni téléchargement ne restent.
        Archive a(connexion);
        int paquets = 0;
        const Bilan_Fusion b =
            a.fusionner(*ancien, QStringLiteral("a"), {[&] { return ++paquets < 3; }});
        EXPECT_FALSE(b.reussie());
        EXPECT_EQ(b.erreur, QStringLiteral("Archivage interrompu."));
        EXPECT_TRUE(a.appareils().empty());
    }
    Archive a(connexion);
    ASSERT_TRUE(a.fusionner(*ancien, QStringLiteral("a")).reussie());
    const auto avant = a.appareils().front();
    const auto jours_avant = a.jours(avant.numero_serie);
    int paquets = 0;
    EXPECT_FALSE(
        a.fusionner(*recent, QStringLiteral("b"), {[&] { return ++paquets < 5; }}).reussie());
    EXPECT_EQ(paquets, 5);
    const auto apres = a.appareils().front();
    EXPECT_EQ(apres.nb_leq, avant.nb_leq);
    EXPECT_EQ(apres.nb_evenements, avant.nb_evenements);
    EXPECT_EQ(apres.nb_telechargements, avant.nb_telechargements);
    EXPECT_EQ(apres.dernier_jour, avant.dernier_jour);
    EXPECT_EQ(a.jours(avant.numero_serie).size(), jours_avant.size());
    // L'archive sert encore : la fusion reprise ajoute tout.
    EXPECT_GT(a.fusionner(*recent, QStringLiteral("b")).ajoutes, 0);
}

namespace {

// Une instruction sur la base, par une connexion à part (PostgreSQL : celle de
// l'environnement de pg_virtualenv) ; rend la première ligne lue, champs séparés par « | ».
QString executer_direct(const QString& connexion, const QString& sql) {
    const bool postgres = connexion.startsWith(QStringLiteral("postgres"));
    QStringList ligne;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(postgres ? QStringLiteral("QPSQL")
                                                             : QStringLiteral("QSQLITE"),
                                                    QStringLiteral("direct"));
        if (!postgres)
            db.setDatabaseName(connexion);
        EXPECT_TRUE(db.open());
        QSqlQuery q(db);
        EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
        if (q.next())
            for (int i = 0; i < q.record().count(); ++i)
                ligne << q.value(i).toString();
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("direct"));
    return ligne.join(u'|');
}

} // namespace

TEST_P(Archive_Base, AppareilInconnuEtBasesRefusees) {
    Archive a(connexion);
    ASSERT_TRUE(
        a.fusionner(*Telechargement_Genere(QDate(2008, 3, 12)), QStringLiteral("a")).reussie());
    Contenu_Lqm lu;
    EXPECT_FALSE(a.charger(QStringLiteral("123"), QDate(2008, 3, 10), std::nullopt, lu));
    EXPECT_TRUE(a.erreur().isEmpty());
    EXPECT_FALSE(a.rapport(QStringLiteral("123"), QDate(2008, 3, 10), QDate(2008, 3, 11), 102));
    EXPECT_TRUE(a.jours(QStringLiteral("123")).empty());

    // Une archive écrite par un programme plus récent est refusée, pas abîmée.
    executer_direct(connexion, QStringLiteral("UPDATE version_schema SET version = 99"));
    Archive d(connexion);
    EXPECT_FALSE(d.ouvrir());
    EXPECT_TRUE(d.erreur().contains(QStringLiteral("version plus récente")));

    // La base d'un autre programme : refusée, et rien n'y est écrit.
    const QString autre = dossier.filePath(QStringLiteral("autre.sqlite"));
    executer_direct(autre, QStringLiteral("CREATE TABLE clients (nom TEXT)"));
    Archive e(autre);
    EXPECT_FALSE(
        e.fusionner(*Telechargement_Genere(QDate(2008, 3, 12)), QStringLiteral("a")).reussie());
    EXPECT_TRUE(e.erreur().contains(QStringLiteral("n'est pas une archive du programme")));
    EXPECT_FALSE(QFile::exists(autre + QStringLiteral("-wal")));
    // Une adresse mal tapée n'est pas prise pour un nom de fichier.
    Archive f(QStringLiteral("postgressql://hote/base"));
    EXPECT_FALSE(f.ouvrir());
    EXPECT_TRUE(f.erreur().startsWith(QStringLiteral("Adresse d'archive non reconnue")));
    EXPECT_EQ(Forme_De(QStringLiteral("host=serveur dbname=lqm")), Forme_Connexion::Cles);
}

TEST_P(Archive_Base, RapportLuDansLArchiveEgalAuRapportDuMagasin) {
    const auto contenu = Telechargement_Genere(QDate(2008, 3, 12));
    Archive a(connexion);
    const Bilan_Fusion b = a.fusionner(*contenu, QStringLiteral("a"));
    ASSERT_TRUE(b.reussie());
    const auto lu = a.rapport(b.numero_serie, QDate(2008, 3, 8), QDate(2008, 3, 10), 94);
    ASSERT_TRUE(lu);
    Ecrire_Debut_Periode(QDate(2008, 3, 8));
    Ecrire_Fin_Periode(QDate(2008, 3, 10));
    const Contenu_Rapport magasin = Rapport_Du_Magasin(94);
    EXPECT_EQ(Titre_Rapport(*lu), Titre_Rapport(magasin));
    EXPECT_EQ(lu->numero_serie, magasin.numero_serie);
    EXPECT_EQ(Lignes_Rapport(*lu), Lignes_Rapport(magasin));
    EXPECT_FALSE(lu->donnees.coupures.empty());
}

// Un relevé fait à la main : l'appareil « numero » (huit chiffres), des Leq1 minute après
// minute à partir de « debut », au niveau que « niveau » donne à chaque minute (0 : la minute
// manque), relevé à la fin.
std::unique_ptr<Contenu_Lqm> releve(const QString& numero, const QDateTime& debut, int minutes,
                                    const std::function<int(const QDateTime&)>& niveau) {
    auto c = std::make_unique<Contenu_Lqm>();
    c->Tab_Leq.remplir(255);
    c->Tab_Evenements.remplir(255);
    c->Tab_Parametres.remplir(255);
    c->Tab_Config.remplir(0);
    for (int i = 0; i < 8; ++i)
        c->Tab_Config(2361 + i) = static_cast<std::int16_t>(numero[i].digitValue());
    int ligne = 1;
    for (int m = 0; m < minutes; ++m) {
        const QDateTime t = debut.addSecs(60 * m);
        const int n = niveau(t);
        if (n == 0)
            continue;
        std::int16_t* l = c->Tab_Leq.ligne(ligne++);
        const std::int16_t valeurs[8] = {
            std::int16_t(t.time().minute()), std::int16_t(t.time().hour()),
            std::int16_t(t.date().day()),    Genre_Leq1,
            std::int16_t(t.date().month()),  std::int16_t(t.date().year() - 2000),
            std::int16_t(n % 100),           std::int16_t(n / 100)};
        std::copy(valeurs, valeurs + 8, l);
    }
    const QDateTime fin = debut.addSecs(60 * minutes);
    c->Date_Recuperation = fin.toString(QStringLiteral("dd/MM/yyyy"));
    c->Heure_Recuperation = fin.toString(QStringLiteral("HH:mm:ss"));
    return c;
}

// La vue du parc : un appareil silencieux depuis trois semaines, un qui dépasse la limite une
// nuit, un à qui il manque une nuit, un complet ; dans cet ordre, le nom de chaque lieu, les
// nuits comptées, le Leq 15 min le plus fort et son heure.
TEST_P(Archive_Base, VueDuParc) {
    Archive a(connexion);
    const QDateTime debut(QDate(2008, 3, 1), QTime(11, 46));
    const int quatre_nuits = 4 * 1440 + 14;
    auto calme = [](const QDateTime&) { return 60; };
    const std::pair<const char*, std::unique_ptr<Contenu_Lqm>> relevés[] = {
        {"Salle complète", releve(QStringLiteral("70410001"), debut, quatre_nuits, calme)},
        {"Salle bruyante", releve(QStringLiteral("70410002"), debut, quatre_nuits,
                                  [](const QDateTime& t) {
                                      return t.date() == QDate(2008, 3, 2) && t.time().hour() == 23
                                                 ? 110
                                                 : 60;
                                  })},
        {"Salle éteinte une nuit",
         releve(QStringLiteral("70410003"), debut, quatre_nuits,
                [](const QDateTime& t) {
                    // La nuit du 3 manque, celle du 1er perd une minute.
                    return (t >= QDateTime(QDate(2008, 3, 3), QTime(12, 0)) &&
                            t < QDateTime(QDate(2008, 3, 4), QTime(12, 0))) ||
                                   t == QDateTime(QDate(2008, 3, 1), QTime(22, 0))
                               ? 0
                               : 60;
                })},
        {"Salle silencieuse", releve(QStringLiteral("70410004"),
                                     QDateTime(QDate(2008, 2, 10), QTime(12, 0)), 5 * 1440, calme)},
    };
    for (const auto& [nom, contenu] : relevés) {
        const Bilan_Fusion b = a.fusionner(*contenu, QStringLiteral("a"));
        ASSERT_TRUE(b.reussie()) << b.erreur.toStdString();
        ASSERT_TRUE(a.nommer(b.numero_serie, QString::fromUtf8(nom)));
    }
    const auto parc = a.parc(QDate(2008, 3, 1), QDate(2008, 3, 4), 102, QDate(2008, 3, 7));
    ASSERT_TRUE(parc) << a.erreur().toStdString();
    ASSERT_EQ(parc->size(), 4u);
    const auto& p = *parc;
    using Etat = Ligne_Parc::Etat;
    EXPECT_EQ(p[0].numero_serie, QStringLiteral("70410004"));
    EXPECT_EQ(p[0].etat, Etat::Silencieux);
    EXPECT_EQ(p[0].dernier_telechargement.date(), QDate(2008, 2, 15));
    EXPECT_EQ(p[0].nuits_non_relevees, 4); // pas encore relevées : pas « manquantes »
    EXPECT_EQ(p[0].nuits_manquantes, 0);
    // Relevé le 15 février : silencieux dès le 29 (14 jours), pas le 28.
    for (auto [jour, silencieux] : {std::pair{29, true}, std::pair{28, false}}) {
        const auto v = a.parc(QDate(2008, 2, 11), QDate(2008, 2, 13), 102, QDate(2008, 2, jour));
        ASSERT_TRUE(v);
        EXPECT_EQ(v->front().numero_serie == QStringLiteral("70410004"), silencieux) << jour;
    }
    EXPECT_EQ(p[1].nom, QStringLiteral("Salle bruyante"));
    EXPECT_EQ(p[1].etat, Etat::Depassement);
    EXPECT_EQ(p[1].nuits_depassement, 1);
    EXPECT_EQ(p[1].nuits_completes, 4);
    ASSERT_TRUE(p[1].max_leq15);
    EXPECT_EQ(*p[1].max_leq15, 110);
    EXPECT_EQ(p[1].quand_max, Horodatage_Jour(QDate(2008, 3, 2), 23, 14));
    EXPECT_EQ(p[2].etat, Etat::Trous);
    EXPECT_EQ(p[2].nuits_manquantes, 1);
    // Les nuits du 2 et du 4 perdent des Leq 15 min autour du trou : complètes quand même,
    // chaque minute a sa valeur ; celle du 1er, à qui une minute manque, ne l'est pas.
    EXPECT_EQ(p[2].nuits_completes, 2);
    EXPECT_EQ(p[2].nuits_incompletes, 1);
    // Une vue qui va au-delà du dernier relevé : ces nuits ne sont pas encore relevées.
    const auto plus_loin = a.parc(QDate(2008, 3, 1), QDate(2008, 3, 6), 102, QDate(2008, 3, 7));
    ASSERT_TRUE(plus_loin);
    EXPECT_EQ((*plus_loin)[3].nuits_non_relevees, 2);
    EXPECT_EQ((*plus_loin)[3].etat, Etat::Normal);
    EXPECT_EQ(p[3].etat, Etat::Normal);
    EXPECT_EQ(p[3].nuits_completes, 4);
    EXPECT_EQ(p[3].nuits_incompletes + p[3].nuits_manquantes, 0);
    // Une limite que rien ne dépasse : la salle bruyante rejoint les salles sans remarque.
    const auto haute = a.parc(QDate(2008, 3, 1), QDate(2008, 3, 4), 110, QDate(2008, 3, 7));
    ASSERT_TRUE(haute);
    EXPECT_EQ((*haute)[2].numero_serie, QStringLiteral("70410001"));
    EXPECT_EQ((*haute)[3].numero_serie, QStringLiteral("70410002"));
    EXPECT_EQ((*haute)[3].nuits_depassement, 0);
}

namespace {
// Une requête d'un autre compte, hors de l'archive ; le texte de l'erreur, vide si elle passe.
QString executer_en_tant_que(const QString& role, const QString& mot_de_passe, const QString& sql) {
    QString erreur;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("role"));
        db.setUserName(role);
        db.setPassword(mot_de_passe);
        if (!db.open())
            erreur = db.lastError().text();
        else if (QSqlQuery q(db); !q.exec(sql))
            erreur = q.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("role"));
    return erreur;
}
} // namespace

// Les deux rôles de docs/roles_postgresql.sql : le releveur ajoute des téléchargements mais ne
// peut ni modifier ni effacer une mesure ; avec le lecteur, l'archive s'ouvre en lecture seule,
// se lit, refuse toute écriture en le disant, et lqm-outil sort en erreur.
TEST_P(Archive_Base, RolesReleveurEtLecteur) {
    if (QString::fromLatin1(GetParam()) == QStringLiteral("SQLite"))
        GTEST_SKIP() << "Les rôles sont ceux d'un serveur PostgreSQL.";
    Archive proprietaire(connexion);
    const Bilan_Fusion b = proprietaire.fusionner(*Telechargement_Genere(QDate(2008, 3, 12)), "a");
    ASSERT_TRUE(b.reussie());
    QFile roles(QStringLiteral(LQM_DOSSIER_DOCS "/roles_postgresql.sql"));
    ASSERT_TRUE(roles.open(QIODevice::ReadOnly));
    QString sql;
    for (const QString& ligne : QString::fromUtf8(roles.readAll()).split(u'\n'))
        if (!ligne.startsWith(QStringLiteral("--")))
            sql += ligne + u'\n';
    for (const char* role : {"lqm_releveur", "lqm_lecteur"})
        executer_en_tant_que(QString(), QString(),
                             QStringLiteral("DROP ROLE IF EXISTS %1").arg(role));
    for (const QString& ordre : sql.split(u';', Qt::SkipEmptyParts)) {
        if (!ordre.trimmed().isEmpty()) {
            ASSERT_EQ(executer_en_tant_que(QString(), QString(), ordre), QString())
                << ordre.toStdString();
        }
    }

    const QString lecteur = QStringLiteral("postgresql://lqm_lecteur:lecteur-a-changer@/");
    Archive l(lecteur);
    ASSERT_TRUE(l.ouvrir()) << l.erreur().toStdString();
    EXPECT_TRUE(l.lecture_seule());
    EXPECT_EQ(l.appareils().size(), 1u);
    EXPECT_TRUE(l.rapport(b.numero_serie, QDate(2008, 3, 8), QDate(2008, 3, 10), 102));
    const Bilan_Fusion refus = l.fusionner(*Telechargement_Genere(QDate(2008, 3, 15)), "l");
    EXPECT_TRUE(refus.lecture_seule);
    EXPECT_TRUE(refus.erreur.contains(QStringLiteral("lecture seule")));
    EXPECT_FALSE(l.nommer(b.numero_serie, QStringLiteral("Salle")));
    const Resultat_Outil o = outil({QStringLiteral("archive"), QStringLiteral("--base"), lecteur,
                                    QStringLiteral("--appareil"), b.numero_serie,
                                    QStringLiteral("--nom"), QStringLiteral("Salle")});
    EXPECT_EQ(o.code, 1);
    EXPECT_TRUE(o.erreur.contains(QStringLiteral("lecture seule"))) << o.erreur.toStdString();
    EXPECT_EQ(outil({QStringLiteral("parc"), QStringLiteral("--base"), lecteur}).code, 0);

    Archive r(QStringLiteral("postgresql://lqm_releveur:releveur-a-changer@/"));
    const Bilan_Fusion ajout = r.fusionner(*Telechargement_Genere(QDate(2008, 3, 15)), "r");
    EXPECT_TRUE(ajout.reussie()) << ajout.erreur.toStdString();
    EXPECT_GT(ajout.ajoutes, 0);
    EXPECT_TRUE(r.nommer(b.numero_serie, QStringLiteral("Salle")));
    for (const char* interdit :
         {"DELETE FROM leq", "UPDATE leq SET niveau = 0", "DELETE FROM evenements",
          "UPDATE parametres SET valeurs = ''", "UPDATE appareils SET numero_serie = '1'",
          "UPDATE telechargements SET recupere_le = '2030-01-01'"})
        EXPECT_TRUE(executer_en_tant_que(QStringLiteral("lqm_releveur"),
                                         QStringLiteral("releveur-a-changer"),
                                         QString::fromLatin1(interdit))
                        .contains(QStringLiteral("permission")))
            << interdit;
    EXPECT_EQ(nb_leq(proprietaire), nb_leq(l));
}

// Une adresse qui demande une connexion chiffrée (sslmode) : l'archive passe par TLS, vers un
// serveur au certificat fait pour le test ; exiger un certificat vérifié échoue sans racine de
// confiance, en le disant.
TEST_P(Archive_Base, ConnexionChiffree) {
    if (QString::fromLatin1(GetParam()) == QStringLiteral("SQLite") ||
        qEnvironmentVariable("LQM_TEST_POSTGRESQL_TLS") != QStringLiteral("1"))
        GTEST_SKIP() << "Pas de serveur PostgreSQL avec TLS ici.";
    Archive chiffree(connexion + QStringLiteral("?sslmode=require"));
    ASSERT_TRUE(chiffree.fusionner(*Telechargement_Genere(QDate(2008, 3, 12)), "a").reussie());
    EXPECT_EQ(executer_en_tant_que(QString(), QString(),
                                   QStringLiteral("DO $$ BEGIN IF NOT EXISTS (SELECT 1 FROM "
                                                  "pg_stat_ssl WHERE ssl AND pid <> "
                                                  "pg_backend_pid()) THEN RAISE 'sans TLS'; "
                                                  "END IF; END $$")),
              QString());
    Archive verifiee(connexion + QStringLiteral("?sslmode=verify-full&sslrootcert=/nulle/part"));
    EXPECT_FALSE(verifiee.ouvrir());
    EXPECT_TRUE(verifiee.erreur().startsWith(QStringLiteral("Impossible d'ouvrir l'archive")));
}

// L'heure reculée du 26 octobre 2008 : ses deux passages restent, quel que soit l'ordre des
// égalités d'un téléchargement à l'autre ; une valeur qui diffère n'y remplace rien.
TEST_P(Archive_Base, HeureEnregistreeDeuxFois) {
    const auto premier = Telechargement_Genere(QDate(2008, 10, 27), true);
    Archive a(connexion);
    const Bilan_Fusion b1 = a.fusionner(*premier, QStringLiteral("a"));
    ASSERT_TRUE(b1.reussie()) << b1.erreur.toStdString();
    const auto leq = lignes_valides(premier->Tab_Leq, Nb_Lignes_Leq, true);
    const auto evenements = lignes_valides(premier->Tab_Evenements, Nb_Lignes_Evenements, true);
    EXPECT_EQ(b1.conflits, 0);
    EXPECT_EQ(nb_leq(a), qsizetype(leq.size()));
    Contenu_Lqm relu;
    ASSERT_TRUE(a.charger(b1.numero_serie, QDate(2008, 10, 20), std::nullopt, relu));
    EXPECT_EQ(lignes_valides(relu.Tab_Leq, Nb_Lignes_Leq, true), leq);
    EXPECT_EQ(lignes_valides(relu.Tab_Evenements, Nb_Lignes_Evenements, true), evenements);
    // Dans l'ordre du téléchargement, égalités comprises.
    for (int i = 1; i <= Nb_Lignes_Leq; ++i)
        ASSERT_TRUE(
            std::equal(relu.Tab_Leq.ligne(i), relu.Tab_Leq.ligne(i) + 8, premier->Tab_Leq.ligne(i)))
            << i;

    // Le rapport lu dans l'archive est celui du magasin, ligne pour ligne.
    Ecrire_Debut_Periode(QDate(2008, 10, 25));
    Ecrire_Fin_Periode(QDate(2008, 10, 26));
    const auto lu = a.rapport(b1.numero_serie, QDate(2008, 10, 25), QDate(2008, 10, 26), 102);
    ASSERT_TRUE(lu);
    const Contenu_Rapport magasin = Rapport_Du_Magasin(102);
    EXPECT_EQ(Lignes_Rapport(*lu), Lignes_Rapport(magasin));
    EXPECT_EQ(Csv_Rapport(*lu), Csv_Rapport(magasin));
    EXPECT_EQ(lu->stats.repetitions.size(), 1u);

    // Le téléchargement suivant la porte aussi, ses égalités rangées autrement : rien de neuf
    // à ces instants, rien en double.
    auto suivant = Telechargement_Genere(QDate(2008, 10, 28), true);
    for (int i = 1; i < Nb_Lignes_Leq; ++i)
        if (Horodatage_Ligne(suivant->Tab_Leq.ligne(i)) ==
            Horodatage_Ligne(suivant->Tab_Leq.ligne(i + 1)))
            std::swap_ranges(suivant->Tab_Leq.ligne(i), suivant->Tab_Leq.ligne(i) + 8,
                             suivant->Tab_Leq.ligne(i + 1));
    const Bilan_Fusion b2 = a.fusionner(*suivant, QStringLiteral("b"));
    ASSERT_TRUE(b2.reussie());
    EXPECT_EQ(b2.conflits, 0);
    auto deux_heures = [&] {
        Contenu_Lqm jour;
        EXPECT_TRUE(a.charger(b1.numero_serie, QDate(2008, 10, 26), QDate(2008, 10, 26), jour));
        std::multiset<int> niveaux;
        for (int i = 1; i <= Nb_Lignes_Leq; ++i)
            if (Horodatage_Ligne(jour.Tab_Leq.ligne(i)) == 200810260230 && jour.Tab_Leq(i, 4) == 1)
                niveaux.insert(Niveau_dB(jour.Tab_Leq.ligne(i)));
        return niveaux;
    };
    std::multiset<int> attendus;
    for (int i = 1; i <= Nb_Lignes_Leq; ++i)
        if (Horodatage_Ligne(premier->Tab_Leq.ligne(i)) == 200810260230 &&
            premier->Tab_Leq(i, 4) == 1)
            attendus.insert(Niveau_dB(premier->Tab_Leq.ligne(i)));
    ASSERT_EQ(attendus.size(), 2u);
    EXPECT_EQ(deux_heures(), attendus);

    // Un des deux niveaux de 2 h 30 revu autrement : conflit compté, l'archive garde les siens.
    for (int i = 1; i <= Nb_Lignes_Leq; ++i)
        if (Horodatage_Ligne(suivant->Tab_Leq.ligne(i)) == 200810260230 &&
            suivant->Tab_Leq(i, 4) == 1) {
            suivant->Tab_Leq(i, 7) = static_cast<std::int16_t>((suivant->Tab_Leq(i, 7) + 1) % 100);
            break;
        }
    const Bilan_Fusion b3 = a.fusionner(*suivant, QStringLiteral("c"));
    EXPECT_EQ(std::tuple(b3.conflits, b3.ajoutes), std::tuple(1, 0));
    EXPECT_EQ(deux_heures(), attendus);
}

// Une archive de la version 1 (un seul enregistrement par instant et par sorte) est mise à
// jour à l'ouverture, sans rien perdre, puis reçoit une heure enregistrée deux fois.
TEST_P(Archive_Base, ArchiveDeVersion1MiseAJourEnPlace) {
    const bool pg = QString::fromLatin1(GetParam()) == QStringLiteral("PostgreSQL");
    const QString cle =
        pg ? QStringLiteral("BIGSERIAL PRIMARY KEY") : QStringLiteral("INTEGER PRIMARY KEY");
    const QString sans_rowid = pg ? QString() : QStringLiteral(" WITHOUT ROWID");
    const auto contenu = Telechargement_Genere(QDate(2008, 10, 27), true);
    const QString numero = Numero_Serie_Config(contenu->Tab_Config);
    for (const QString& sql : QStringList{
             "CREATE TABLE version_schema (version INTEGER NOT NULL)",
             "INSERT INTO version_schema (version) VALUES (1)",
             "CREATE TABLE appareils (id " + cle + ", numero_serie TEXT NOT NULL UNIQUE)",
             "CREATE TABLE telechargements (id " + cle +
                 ", appareil BIGINT NOT NULL REFERENCES appareils (id), archive_le TEXT NOT "
                 "NULL, recupere_le TEXT NOT NULL, origine TEXT NOT NULL, configuration TEXT NOT "
                 "NULL, ajoutes BIGINT NOT NULL, presents BIGINT NOT NULL, conflits BIGINT NOT "
                 "NULL)",
             "CREATE TABLE leq (appareil BIGINT NOT NULL, horodatage BIGINT NOT NULL, sorte "
             "SMALLINT NOT NULL, niveau SMALLINT NOT NULL, telechargement BIGINT NOT NULL, "
             "PRIMARY KEY (appareil, horodatage, sorte))" +
                 sans_rowid,
             "CREATE TABLE evenements (appareil BIGINT NOT NULL, horodatage BIGINT NOT NULL, "
             "code INTEGER NOT NULL, colonne4 SMALLINT NOT NULL, telechargement BIGINT NOT "
             "NULL, PRIMARY KEY (appareil, horodatage, code))" +
                 sans_rowid,
             "CREATE TABLE parametres (appareil BIGINT NOT NULL, horodatage BIGINT NOT NULL, "
             "valeurs TEXT NOT NULL, telechargement BIGINT NOT NULL, PRIMARY KEY (appareil, "
             "horodatage))" +
                 sans_rowid,
             "INSERT INTO appareils (numero_serie) VALUES ('" + numero + "')",
             "INSERT INTO telechargements (appareil, archive_le, recupere_le, origine, "
             "configuration, ajoutes, presents, conflits) VALUES (1, '2008-10-20T11:00:00', "
             "'2008-10-20T10:02:17', 'COM 1', '0', 6, 2, 1)",
             "INSERT INTO leq VALUES (1, 200810201000, 10, 60, 1), (1, 200810201000, 1, 63, 1), "
             "(1, 200810200959, 1, 62, 1)",
             "INSERT INTO evenements VALUES (1, 200810201000, 2, 0, 1), (1, 200810201000, 1, 0, 1)",
             "INSERT INTO parametres VALUES (1, 200810200800, '0,4,12', 1)"})
        executer_direct(connexion, sql);
    Archive a(connexion);
    ASSERT_TRUE(a.ouvrir()) << a.erreur().toStdString();
    const auto avant = a.appareils();
    ASSERT_EQ(avant.size(), 1u);
    EXPECT_EQ(std::tuple(avant[0].nb_leq, avant[0].nb_evenements, avant[0].nb_parametres,
                         avant[0].nb_telechargements),
              std::tuple(3, 2, 1, 1));
    // Le bilan des nuits, fait à la mise à jour : le calendrier a son jour de deux minutes.
    const auto jours = a.jours(numero);
    ASSERT_EQ(jours.size(), 1u);
    EXPECT_EQ(jours[0].jour, QDate(2008, 10, 20));
    EXPECT_EQ(jours[0].minutes_leq1, 2);
    Contenu_Lqm lu;
    ASSERT_TRUE(a.charger(numero, QDate(2008, 10, 20), std::nullopt, lu));
    const std::vector<Ligne> attendu = {
        {59, 9, 20, 1, 10, 8, 62, 0}, {0, 10, 20, 1, 10, 8, 63, 0}, {0, 10, 20, 10, 10, 8, 60, 0}};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Ligne(lu.Tab_Leq.ligne(i + 1), lu.Tab_Leq.ligne(i + 1) + 8), attendu[i]);
    EXPECT_EQ(lu.Tab_Evenements(1, 8) + lu.Tab_Evenements(2, 8) * 10, 21);
    EXPECT_EQ(lu.Tab_Parametres(1, 7), 4);
    EXPECT_EQ(lu.Date_Recuperation, QStringLiteral("20/10/2008"));
    EXPECT_EQ(executer_direct(connexion, QStringLiteral("SELECT version, origine, ajoutes, "
                                                        "presents, conflits FROM version_schema, "
                                                        "telechargements")),
              QString::number(Version_Schema) + QStringLiteral("|COM 1|6|2|1"));

    const Bilan_Fusion b = a.fusionner(*contenu, QStringLiteral("b"));
    ASSERT_TRUE(b.reussie()) << b.erreur.toStdString();
    EXPECT_EQ(b.conflits, 0);
    EXPECT_EQ(a.appareils()[0].nb_leq,
              3 + qsizetype(lignes_valides(contenu->Tab_Leq, Nb_Lignes_Leq, true).size()));
    EXPECT_EQ(a.appareils()[0].nb_telechargements, 2);
}

INSTANTIATE_TEST_SUITE_P(Pilotes, Archive_Base, ::testing::Values("SQLite", "PostgreSQL"),
                         [](const auto& info) { return std::string(info.param); });

TEST(Archive, LigneDeCommande) {
    QTemporaryDir dossier;
    const QString base = dossier.filePath(QStringLiteral("a.sqlite"));
    QStringList fichiers;
    for (const char* fin : {"12/03/2008", "15/03/2008"}) {
        fichiers << dossier.filePath(QString::fromLatin1(fin).left(2) + QStringLiteral(".lqm"));
        ASSERT_EQ(outil({QStringLiteral("generer"), fichiers.back(), QStringLiteral("--fin"),
                         QString::fromLatin1(fin)})
                      .code,
                  0);
    }
    const Resultat_Outil r =
        outil(QStringList{QStringLiteral("archiver"), QStringLiteral("--base"), base} + fichiers +
              QStringList{fichiers.front()});
    ASSERT_EQ(r.code, 0) << r.erreur.toStdString();
    const QStringList lignes = r.sortie.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lignes.size(), 3);
    const QString ajoutes = lignes[0].section(QStringLiteral(" : "), 2).section(u' ', 0, 0);
    EXPECT_TRUE(lignes[2].endsWith(
        QStringLiteral(" : 0 enregistrement ajouté, %1 déjà présents, 0 conflit").arg(ajoutes)))
        << lignes[2].toStdString();

    const Resultat_Outil liste = outil({QStringLiteral("archive"), QStringLiteral("--base"), base});
    EXPECT_TRUE(liste.sortie.contains(QStringLiteral("du 07/03/2008 au 15/03/2008")))
        << liste.sortie.toStdString();
    const QString numero = liste.sortie.section(QStringLiteral("Appareil "), 1).section(u' ', 0, 0);

    const QString extrait = dossier.filePath(QStringLiteral("e.lqm"));
    const Resultat_Outil e = outil(
        {QStringLiteral("archive"), QStringLiteral("--base"), base, QStringLiteral("--appareil"),
         numero, QStringLiteral("--du"), QStringLiteral("11/03/2008"), QStringLiteral("--au"),
         QStringLiteral("13/03/2008"), QStringLiteral("--sortie"), extrait, QStringLiteral("--csv"),
         dossier.filePath(QStringLiteral("e.csv"))});
    ASSERT_EQ(e.code, 0) << e.erreur.toStdString();
    // Une période sans valeur : rien d'écrit, et dit.
    const Resultat_Outil vide =
        outil({"archive", "--base", base, "--appareil", numero, "--du", "01/01/2009", "--au",
               "02/01/2009", "--sortie", dossier.filePath(QStringLiteral("v.lqm"))});
    EXPECT_EQ(vide.code, 1);
    EXPECT_FALSE(QFile::exists(dossier.filePath(QStringLiteral("v.lqm"))));
    const Resultat_Outil resume = outil({QStringLiteral("resume"), extrait});
    EXPECT_TRUE(resume.sortie.contains(QStringLiteral("Première valeur : 11/03/2008 00:00")))
        << resume.sortie.toStdString();
    EXPECT_TRUE(resume.sortie.contains(QStringLiteral("Dernière valeur : 13/03/2008 23:59")));
    QFile csv(dossier.filePath(QStringLiteral("e.csv")));
    EXPECT_TRUE(csv.open(QIODevice::ReadOnly) &&
                csv.readAll().trimmed().split('\n').last().startsWith("13/03/2008;23:"));

    const Resultat_Outil rapport =
        outil({QStringLiteral("rapport"), QStringLiteral("--archive"), QStringLiteral("--base"),
               base, QStringLiteral("--appareil"), numero, QStringLiteral("--du"),
               QStringLiteral("08/03/2008"), QStringLiteral("--au"), QStringLiteral("14/03/2008"),
               QStringLiteral("--limite"), QStringLiteral("94")});
    ASSERT_EQ(rapport.code, 0) << rapport.erreur.toStdString();
    // Le 11 vient du premier fichier seul, le 13 du second seul.
    for (const char* jour : {"11/03/2008", "13/03/2008"})
        EXPECT_TRUE(rapport.sortie.contains(QString::fromLatin1(jour) + QStringLiteral(" :  ") +
                                            QLocale(QLocale::French).toString(1440) +
                                            QStringLiteral(" min mesurées")))
            << rapport.sortie.toStdString();
    const Resultat_Outil inconnu =
        outil({QStringLiteral("rapport"), QStringLiteral("--archive"), QStringLiteral("--base"),
               base, QStringLiteral("--appareil"), QStringLiteral("42"), QStringLiteral("--du"),
               QStringLiteral("08/03/2008"), QStringLiteral("--au"), QStringLiteral("14/03/2008")});
    EXPECT_EQ(inconnu.code, 1);
    EXPECT_TRUE(rapport.sortie.contains(QStringLiteral("glissantes : 94")))
        << rapport.sortie.toStdString();
    EXPECT_EQ(outil({QStringLiteral("archiver"), QStringLiteral("--base"), base,
                     dossier.filePath(QStringLiteral("absent.lqm"))})
                  .code,
              1);
    EXPECT_TRUE(inconnu.erreur.contains(QStringLiteral("L'appareil 42 n'est pas dans l'archive.")));
}

// Un fichier à l'heure légale archivé puis relu par « archive --sortie » : ses tableaux sont
// ceux du fichier, l'heure reculée comprise.
TEST(Archive, HeureReculeeRendueTelleQuelle) {
    QTemporaryDir dossier;
    const QString base = dossier.filePath(QStringLiteral("a.sqlite"));
    const QString lqm = dossier.filePath(QStringLiteral("h.lqm"));
    const QString extrait = dossier.filePath(QStringLiteral("e.lqm"));
    ASSERT_EQ(outil({"generer", lqm, "--fin", "27/10/2008", "--heure-legale"}).code, 0);
    ASSERT_EQ(outil({"archiver", "--base", base, lqm}).code, 0);
    const QString numero = outil({"archive", "--base", base})
                               .sortie.section(QStringLiteral("Appareil "), 1)
                               .section(u' ', 0, 0);
    ASSERT_EQ(outil({"archive", "--base", base, "--appareil", numero, "--du", "25/10/2008", "--au",
                     "26/10/2008", "--sortie", extrait})
                  .code,
              0);
    for (const char* commande : {"tableau-leq", "evenements"}) {
        const QStringList periode{"--du", "25/10/2008", "--au", "26/10/2008"};
        const QString attendu = outil(QStringList{commande, lqm} + periode).sortie;
        const bool leq = QString::fromLatin1(commande) == QStringLiteral("tableau-leq");
        EXPECT_EQ(attendu.count(QStringLiteral("Dimanche  26   Octobre   2008  de  02 h. 29")),
                  leq ? 2 : 0);
        EXPECT_EQ(outil(QStringList{commande, extrait} + periode).sortie, attendu) << commande;
    }
}
