#include "archive/Archive.h"

#include "parameters/Parametres.h"
#include "report/Csv.h"
#include "report/Nuits.h"
#include "store/Validite.h"
#include "tables/Evenements.h"
#include "tables/Lignes_Leq.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>

namespace {

std::atomic<int> compteur_connexions{0};

// Lignes par INSERT : une requête de quelques dizaines de ko, un aller-retour par paquet
// (PostgreSQL n'a pas d'envoi groupé dans le pilote de Qt).
constexpr int Lignes_Par_Paquet = 500;

Horodatage horodatage(int annee, int mois, int jour, int heure, int minute) {
    return ((((static_cast<Horodatage>(annee) * 100 + mois) * 100 + jour) * 100 + heure) * 100) +
           minute;
}

// Les parties d'un horodatage : année, mois, jour, heure, minute.
std::array<int, 5> parties(Horodatage h) {
    return {static_cast<int>(h / 100000000), static_cast<int>(h / 1000000 % 100),
            static_cast<int>(h / 10000 % 100), static_cast<int>(h / 100 % 100),
            static_cast<int>(h % 100)};
}

// Les six premières colonnes d'une ligne à partir d'un horodatage ; « colonne4 » à part.
void poser_horodatage(std::int16_t* l, Horodatage h, int colonne4) {
    const auto [annee, mois, jour, heure, minute] = parties(h);
    l[0] = static_cast<std::int16_t>(minute);
    l[1] = static_cast<std::int16_t>(heure);
    l[2] = static_cast<std::int16_t>(jour);
    l[3] = static_cast<std::int16_t>(colonne4);
    l[4] = static_cast<std::int16_t>(mois);
    l[5] = static_cast<std::int16_t>(annee - 2000);
}

// Colonnes 4 et 7 à 48 d'un jeu de paramètres, en texte « 3,12,0,... ».
QString valeurs_parametres(const std::int16_t* l) {
    QStringList v{QString::number(l[3])};
    for (int c = 6; c < Nb_Colonnes_Parametres; ++c)
        v << QString::number(l[c]);
    return v.join(u',');
}

// Chaque fusion l'écrit : 2 560 nombres mis bout à bout sans une chaîne pour chacun.
QString texte_config(const Tableau<Nb_Elements_Config>& config) {
    std::string texte;
    texte.reserve(Nb_Elements_Config * 7);
    char nombre[8];
    for (int i = 1; i <= Nb_Elements_Config; ++i) {
        if (i > 1)
            texte += ',';
        texte.append(nombre, std::to_chars(nombre, nombre + sizeof nombre, config(i)).ptr);
    }
    return QString::fromLatin1(texte.data(), static_cast<qsizetype>(texte.size()));
}

Minute minute_horodatage(Horodatage h) {
    const auto [annee, mois, jour, heure, minute] = parties(h);
    return Minute_De(annee, mois, jour, heure, minute);
}

// Code d'un événement : les deux octets bruts des colonnes 7 et 8.
int code_evenement(const std::int16_t* l) {
    return l[6] * 256 + l[7];
}

// L'inverse : la ligne d'un événement archivé.
void poser_evenement(std::int16_t* l, Horodatage h, int code, int colonne4) {
    poser_horodatage(l, h, colonne4);
    l[6] = static_cast<std::int16_t>(code / 256);
    l[7] = static_cast<std::int16_t>(code % 256);
}

// Une valeur Leq ou un événement valide dont la sorte (colonne 4) ou la colonne 7 ou 8 n'est
// pas un octet : aucun appareil ne l'a écrit (fichier abîmé), et l'archive, qui garde la
// sorte, le niveau en dB et le code (colonne 7 × 256 + colonne 8), le rendrait autre. Vide si
// la ligne va.
QString hors_octet(const std::int16_t* l, const QString& quoi) {
    for (const int colonne : {4, 7, 8})
        if (l[colonne - 1] < 0 || l[colonne - 1] > 255)
            return QStringLiteral("Données impossibles pour un LQM 70-4 : %1 du %2 porte %3 en "
                                  "colonne %4, alors que l'appareil n'écrit que des octets (0 à "
                                  "255). Le fichier est sans doute abîmé.")
                .arg(quoi, Texte_Horodatage(Horodatage_Ligne(l)))
                .arg(l[colonne - 1])
                .arg(colonne);
    return {};
}

} // namespace

Horodatage Horodatage_Ligne(const std::int16_t* l) {
    return horodatage(2000 + l[5], l[4], l[2], l[1], l[0]);
}

Horodatage Horodatage_Jour(const QDate& jour, int heure, int minute) {
    return horodatage(jour.year(), jour.month(), jour.day(), heure, minute);
}

QDate Date_Horodatage(Horodatage h) {
    const auto p = parties(h);
    return QDate(p[0], p[1], p[2]);
}

QString Texte_Horodatage(Horodatage h) {
    const auto [annee, mois, jour, heure, minute] = parties(h);
    return QStringLiteral("%1/%2/%3 %4:%5")
        .arg(jour, 2, 10, QLatin1Char('0'))
        .arg(mois, 2, 10, QLatin1Char('0'))
        .arg(annee)
        .arg(heure, 2, 10, QLatin1Char('0'))
        .arg(minute, 2, 10, QLatin1Char('0'));
}

QString Texte_Compte(qint64 n, const QString& un, const QString& plusieurs) {
    return QString::number(n) + u' ' + (n > 1 ? plusieurs : un);
}

QString Texte_Couverture(const Couverture& c) {
    QString t = Texte_Compte(c.nb_leq, QStringLiteral("valeur Leq"), QStringLiteral("valeurs Leq"));
    if (c.nb_leq > 0) {
        const double jours =
            static_cast<double>(minute_horodatage(c.dernier) - minute_horodatage(c.premier)) /
            1440.0;
        t += QStringLiteral(" du %1 au %2 (%3 %4)")
                 .arg(Texte_Horodatage(c.premier), Texte_Horodatage(c.dernier), Nombre_Fr(jours, 1),
                      jours < 2 ? QStringLiteral("jour") : QStringLiteral("jours"));
    }
    t += QStringLiteral(", ") +
         Texte_Compte(c.nb_evenements, QStringLiteral("événement"), QStringLiteral("événements")) +
         QStringLiteral(", ") +
         Texte_Compte(c.nb_parametres, QStringLiteral("jeu de paramètres"),
                      QStringLiteral("jeux de paramètres"));
    if (c.tronque)
        t += QStringLiteral(" : la mémoire du programme est pleine, la suite reste dans l'archive");
    return t + u'.';
}

QString Numero_Serie_Config(const Tableau<Nb_Elements_Config>& config) {
    QString numero;
    for (int i = 2361; i <= 2368; ++i)
        numero += QString::number(config(i));
    return numero;
}

Archive::Archive(const QString& connexion) : connexion_(connexion) {
    nom_ = QStringLiteral("lqm-archive-%1").arg(++compteur_connexions);
    const Forme_Connexion forme = Forme_De(connexion);
    postgres_ = forme == Forme_Connexion::Url || forme == Forme_Connexion::Cles;
    if (forme == Forme_Connexion::Inconnue)
        refus_ = QStringLiteral("Adresse d'archive non reconnue : « %1 ». Donnez le chemin d'un "
                                "fichier SQLite, ou une adresse PostgreSQL "
                                "(postgresql://utilisateur@hote:port/base).")
                     .arg(connexion);
    const QString pilote = postgres_ ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE");
    QSqlDatabase db = QSqlDatabase::addDatabase(pilote, nom_);
    QStringList options;
    if (forme == Forme_Connexion::Url) {
        const QUrl url(connexion);
        if (!url.host().isEmpty())
            db.setHostName(url.host());
        if (url.port() > 0)
            db.setPort(url.port());
        if (!url.userName().isEmpty())
            db.setUserName(url.userName());
        if (!url.password().isEmpty())
            db.setPassword(url.password());
        if (url.path().size() > 1)
            db.setDatabaseName(url.path().mid(1));
        for (const auto& [cle, valeur] : QUrlQuery(url).queryItems(QUrl::FullyDecoded))
            options << cle + u'=' + valeur;
    } else if (forme == Forme_Connexion::Cles) {
        // « host=... dbname=... » : la forme de libpq, passée telle quelle.
        options = connexion.split(u' ', Qt::SkipEmptyParts);
    }
    if (postgres_) {
        // Un serveur injoignable ne doit pas tenir le programme plus de quelques secondes.
        if (!connexion.contains(QStringLiteral("connect_timeout")))
            options << QStringLiteral("connect_timeout=5");
        db.setConnectOptions(options.join(u';'));
    } else {
        db.setDatabaseName(connexion.isEmpty() ? Chemin_Archive_Defaut() : connexion);
        // Un autre programme (lqm-outil lancé par le minuteur) peut écrire au même moment.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    }
}

QString Chemin_Archive_Defaut() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/lqm-analyser/archive.sqlite");
}

Forme_Connexion Forme_De(const QString& connexion) {
    if (connexion.startsWith(QStringLiteral("postgresql://")) ||
        connexion.startsWith(QStringLiteral("postgres://")))
        return Forme_Connexion::Url;
    if (connexion.contains(QStringLiteral("://")))
        return Forme_Connexion::Inconnue;
    static const QRegularExpression cles(QStringLiteral(R"(^\s*(\w+=\S*\s*)+$)"));
    if (!connexion.contains(u'/') && cles.match(connexion).hasMatch())
        return Forme_Connexion::Cles;
    return Forme_Connexion::SQLite;
}

Archive::~Archive() {
    QSqlDatabase::database(nom_, false).close();
    QSqlDatabase::removeDatabase(nom_);
}

QString Archive::description() const {
    const QSqlDatabase db = QSqlDatabase::database(nom_, false);
    if (postgres_)
        return QStringLiteral("PostgreSQL : base %1 sur %2")
            .arg(db.databaseName().isEmpty() ? QStringLiteral("par défaut") : db.databaseName(),
                 db.hostName().isEmpty() ? QStringLiteral("l'hôte par défaut") : db.hostName());
    return QStringLiteral("SQLite : ") + db.databaseName();
}

bool Archive::echec(const QString& quoi) {
    erreur_ = quoi;
    return false;
}

namespace {

QString texte_lecture_seule() {
    return QStringLiteral("L'archive est ouverte en lecture seule : ce compte de la base peut la "
                          "consulter, mais pas y ajouter ni y changer quoi que ce soit.");
}

// Le soir de la nuit (de midi à midi) qui tient un horodatage.
// Le jour d'un horodatage, ramené au dernier jour de son mois quand le calendrier le refuse
// (31/02) : une borne de période reste une borne.
QDate jour_borne(Horodatage h) {
    const QDate mois(int(h / 100000000), int(h / 1000000 % 100), 1);
    if (!mois.isValid())
        return {};
    return mois.addDays(std::min<qint64>(h / 10000 % 100, mois.daysInMonth()) - 1);
}

QDate soir_de(Horodatage h) {
    const QDate jour = jour_borne(h);
    return h % 10000 >= 1200 ? jour : jour.addDays(-1);
}

qint64 numero_soir(const QDate& soir) {
    return soir.year() * 10000LL + soir.month() * 100 + soir.day();
}

// Une requête qui échoue dit pourquoi, en français d'abord, puis le texte du pilote.
struct Requete {
    QSqlQuery q;
    QString* erreur;
    Requete(const QSqlDatabase& db, QString* e) : q(db), erreur(e) { q.setForwardOnly(true); }
    bool executer(const QString& sql, const QVariantList& valeurs = {}) {
        bool ok;
        if (valeurs.isEmpty()) {
            ok = q.exec(sql);
        } else {
            ok = q.prepare(sql);
            for (const QVariant& v : valeurs)
                q.addBindValue(v);
            ok = ok && q.exec();
        }
        if (!ok)
            *erreur = QStringLiteral("Erreur de la base de l'archive.\n") + q.lastError().text();
        return ok;
    }
};

// Les tables des enregistrements (« suffixe » : le nom provisoire d'une mise à jour).
// horodatage : AAAAMMJJhhmm. rang : la place de l'enregistrement parmi ceux de son instant,
// telle que le premier téléchargement qui l'a apporté la donnait ; un instant a plusieurs
// enregistrements d'une même sorte quand l'horloge a été reculée.
QStringList tables_mesures(bool postgres, const QString& suffixe) {
    // SQLite range les lignes dans l'ordre de la clé : une période se lit d'un trait.
    const QString sans_rowid = postgres ? QString() : QStringLiteral(" WITHOUT ROWID");
    const QString debut = QStringLiteral("CREATE TABLE %1") + suffixe +
                          QStringLiteral(" (appareil BIGINT NOT NULL, horodatage BIGINT NOT NULL, "
                                         "rang SMALLINT NOT NULL, ");
    const QString fin = QStringLiteral("telechargement BIGINT NOT NULL, "
                                       "PRIMARY KEY (appareil, horodatage, rang))") +
                        sans_rowid;
    return {
        // sorte : 1 (Leq1), 10 (Leq10) ; niveau en dB.
        debut.arg(QStringLiteral("leq")) +
            QStringLiteral("sorte SMALLINT NOT NULL, niveau SMALLINT NOT NULL, ") + fin,
        // code : colonne 7 × 256 + colonne 8 ; colonne4 gardée pour refaire la ligne.
        debut.arg(QStringLiteral("evenements")) +
            QStringLiteral("code INTEGER NOT NULL, colonne4 SMALLINT NOT NULL, ") + fin,
        // valeurs : colonnes 4 et 7 à 48 du jeu, séparées par des virgules.
        debut.arg(QStringLiteral("parametres")) + QStringLiteral("valeurs TEXT NOT NULL, ") + fin,
    };
}

// Le bilan de chaque nuit (de midi à midi, nommée par son soir AAAAMMJJ), tenu à jour à
// chaque fusion : la vue du parc lit quelques milliers de lignes au lieu de millions de
// Leq. max_leq15 en dixièmes de dB ; quand_max : son horodatage.
QString table_nuits(bool postgres) {
    return QStringLiteral("CREATE TABLE nuits (appareil BIGINT NOT NULL, soir INTEGER NOT NULL, "
                          "mesurees INTEGER NOT NULL, mesurees_soir INTEGER NOT NULL, "
                          "manquantes INTEGER NOT NULL, "
                          "max_leq15 INTEGER, quand_max BIGINT, PRIMARY KEY (appareil, soir))") +
           (postgres ? QString() : QStringLiteral(" WITHOUT ROWID"));
}

// Le nom du lieu, puis les comptes de chaque appareil, tenus à jour à chaque fusion : la liste
// des appareils se lit sans compter des millions de lignes.
QString colonnes_comptes() {
    return QStringLiteral("nom TEXT NOT NULL DEFAULT '', premier BIGINT, dernier BIGINT, "
                          "nb_leq BIGINT NOT NULL DEFAULT 0, "
                          "nb_evenements BIGINT NOT NULL DEFAULT 0, "
                          "nb_parametres BIGINT NOT NULL DEFAULT 0)");
}

// Recompte un appareil (« ? » : son id) à partir de ses tables.
QString recompter() {
    return QStringLiteral(
        "UPDATE appareils SET premier = (SELECT MIN(horodatage) FROM leq WHERE appareil = "
        "appareils.id), dernier = (SELECT MAX(horodatage) FROM leq WHERE appareil = "
        "appareils.id), nb_leq = (SELECT COUNT(*) FROM leq WHERE appareil = appareils.id), "
        "nb_evenements = (SELECT COUNT(*) FROM evenements WHERE appareil = appareils.id), "
        "nb_parametres = (SELECT COUNT(*) FROM parametres WHERE appareil = appareils.id)");
}

QStringList schema(bool postgres) {
    const QString cle =
        postgres ? QStringLiteral("BIGSERIAL PRIMARY KEY") : QStringLiteral("INTEGER PRIMARY KEY");
    return QStringList{
               QStringLiteral("CREATE TABLE version_schema (version INTEGER NOT NULL)"),
               QStringLiteral("CREATE TABLE appareils (id %1, numero_serie TEXT NOT NULL UNIQUE, ")
                       .arg(cle) +
                   colonnes_comptes(),
               // Un téléchargement ou un fichier fusionné : quand, d'où, le bloc de configuration
               // tel quel (2560 nombres), et ce que la fusion a trouvé.
               QStringLiteral("CREATE TABLE telechargements (id %1, "
                              "appareil BIGINT NOT NULL REFERENCES appareils (id), "
                              "archive_le TEXT NOT NULL, recupere_le TEXT NOT NULL, "
                              "origine TEXT NOT NULL, configuration TEXT NOT NULL, "
                              "ajoutes BIGINT NOT NULL, presents BIGINT NOT NULL, "
                              "conflits BIGINT NOT NULL)")
                   .arg(cle),
           } +
           tables_mesures(postgres, QString()) + QStringList{table_nuits(postgres)} +
           QStringList{QStringLiteral("INSERT INTO version_schema (version) VALUES (%1)")
                           .arg(Version_Schema)};
}

// Les mises à jour du schéma : l'élément k mène de la version k + 1 à la version k + 2.
std::vector<QStringList> mises_a_jour(bool postgres) {
    // 1 → 2 : un instant peut avoir plusieurs enregistrements (horloge reculée). Chaque table
    // est refaite avec son rang, copiée, puis prend la place de l'ancienne ; le rang suit
    // l'ordre dans lequel la version 1 relisait un instant.
    QStringList vers_2 = tables_mesures(postgres, QStringLiteral("_2"));
    const std::pair<const char*, const char*> tables[] = {
        {"leq", "sorte, niveau, telechargement"},
        {"evenements", "code, colonne4, telechargement"},
        {"parametres", "valeurs, telechargement"}};
    const char* ordre[] = {"sorte", "code", "valeurs"};
    for (std::size_t t = 0; t < std::size(tables); ++t) {
        const QString table = QString::fromLatin1(tables[t].first);
        const QString colonnes = QString::fromLatin1(tables[t].second);
        vers_2 << QStringLiteral("INSERT INTO %1_2 (appareil, horodatage, rang, %2) "
                                 "SELECT appareil, horodatage, ROW_NUMBER() OVER (PARTITION BY "
                                 "appareil, horodatage ORDER BY %3), %2 FROM %1")
                      .arg(table, colonnes, QString::fromLatin1(ordre[t]))
               << QStringLiteral("DROP TABLE %1").arg(table)
               << QStringLiteral("ALTER TABLE %1_2 RENAME TO %1").arg(table);
    }
    // 2 → 3 : le nom du lieu de chaque appareil, le bilan des nuits (calculé ensuite).
    QStringList vers_3;
    for (const QString& colonne : colonnes_comptes().chopped(1).split(QStringLiteral(", ")))
        vers_3 << QStringLiteral("ALTER TABLE appareils ADD COLUMN ") + colonne;
    vers_3 << recompter() << table_nuits(postgres);
    return {vers_2, vers_3};
}

} // namespace

bool Archive::ouvrir() {
    if (!refus_.isEmpty())
        return echec(refus_);
    erreur_.clear();
    QSqlDatabase db = QSqlDatabase::database(nom_, false);
    if (!db.isValid() || !db.driver() || db.driverName().isEmpty() ||
        !QSqlDatabase::isDriverAvailable(db.driverName()))
        return echec(QStringLiteral("Le pilote %1 de Qt SQL manque : installez le paquet %2.")
                         .arg(postgres_ ? QStringLiteral("PostgreSQL") : QStringLiteral("SQLite"),
                              postgres_ ? QStringLiteral("libqt6sql6-psql")
                                        : QStringLiteral("libqt6sql6-sqlite")));
    if (db.isOpen())
        return true;
    if (!postgres_) {
        const QFileInfo fichier(db.databaseName());
        if (!QDir().mkpath(fichier.absolutePath()))
            return echec(QStringLiteral("Impossible de créer le dossier de l'archive : ") +
                         fichier.absolutePath());
    }
    if (!db.open())
        return echec(QStringLiteral("Impossible d'ouvrir l'archive (%1).\n%2")
                         .arg(description(), db.lastError().text()));
    // Un échec à l'ouverture referme tout : l'archive reste ce qu'elle était.
    auto annuler = [&](const QString& erreur) {
        erreur_ = erreur;
        db.rollback();
        db.close();
        return false;
    };
    const QString pas_une_archive =
        QStringLiteral("Cette base n'est pas une archive du programme (%1) : choisissez un "
                       "autre fichier, ou une base vide.")
            .arg(description());
    // Les tables du schéma courant seulement (PostgreSQL en montre d'autres, préfixées).
    QString erreur;
    Requete r(db, &erreur);
    const QString tables =
        postgres_ ? QStringLiteral("SELECT table_name FROM information_schema.tables WHERE "
                                   "table_schema = current_schema()")
                  : QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'");
    if (!r.executer(tables))
        return annuler(pas_une_archive + u'\n' + erreur);
    QStringList presentes;
    while (r.q.next())
        presentes << r.q.value(0).toString();
    r.q.finish();
    const bool archive = presentes.contains(QStringLiteral("version_schema"));
    // Jamais d'écriture dans la base d'un autre programme.
    if (!archive && !presentes.isEmpty())
        return annuler(pas_une_archive);
    // Un rôle de consultation lit sans jamais écrire : on le sait avant d'essayer.
    lecture_seule_ = false;
    if (archive && postgres_) {
        if (!r.executer(QStringLiteral("SELECT has_table_privilege('leq', 'INSERT')")) ||
            !r.q.next())
            return annuler(pas_une_archive + u'\n' + erreur);
        lecture_seule_ = !r.q.value(0).toBool();
        r.q.finish();
    }
    if (!postgres_ && !r.executer(QStringLiteral("PRAGMA journal_mode=WAL")))
        return annuler(pas_une_archive + u'\n' + erreur);
    if (!db.transaction())
        return annuler(QStringLiteral("Erreur de la base de l'archive.\n") + db.lastError().text());
    if (!archive) {
        for (const QString& sql : schema(postgres_))
            if (!r.executer(sql))
                return annuler(erreur);
    } else {
        if (!r.executer(QStringLiteral("SELECT version FROM version_schema")) || !r.q.next())
            return annuler(pas_une_archive);
        int version = r.q.value(0).toInt();
        r.q.finish();
        if (version > Version_Schema)
            return annuler(QStringLiteral("Cette archive a été écrite par une version plus récente "
                                          "du programme (schéma %1) : mettez le programme à jour.")
                               .arg(version));
        if (version < Version_Schema && lecture_seule_)
            return annuler(QStringLiteral("Cette archive doit d'abord être mise à jour par un "
                                          "compte qui peut y écrire (schéma %1).")
                               .arg(version));
        const bool sans_nuits = version < 3;
        const std::vector<QStringList> etapes = mises_a_jour(postgres_);
        for (; version < Version_Schema; ++version) {
            for (const QString& sql : etapes[static_cast<std::size_t>(version - 1)])
                if (!r.executer(sql))
                    return annuler(erreur);
            if (!r.executer(
                    QStringLiteral("UPDATE version_schema SET version = %1").arg(version + 1)))
                return annuler(erreur);
        }
        if (sans_nuits) {
            if (!r.executer(QStringLiteral("SELECT id, MIN(horodatage), MAX(horodatage) FROM "
                                           "appareils JOIN leq ON leq.appareil = appareils.id "
                                           "GROUP BY id")))
                return annuler(erreur);
            std::vector<std::array<qint64, 3>> plages;
            while (r.q.next())
                plages.push_back({r.q.value(0).toLongLong(), r.q.value(1).toLongLong(),
                                  r.q.value(2).toLongLong()});
            r.q.finish();
            for (const auto& [id, premier, dernier] : plages)
                if (!bilans_nuits(id, premier, dernier))
                    return annuler(erreur_);
        }
    }
    if (!db.commit())
        return annuler(QStringLiteral("Erreur de la base de l'archive.\n") + db.lastError().text());
    return true;
}

std::optional<qint64> Archive::appareil(const QString& numero_serie) {
    Requete r(QSqlDatabase::database(nom_, false), &erreur_);
    if (!r.executer(QStringLiteral("SELECT id FROM appareils WHERE numero_serie = ?"),
                    {numero_serie}) ||
        !r.q.next())
        return std::nullopt;
    return r.q.value(0).toLongLong();
}

Bilan_Fusion Archive::fusionner(const Contenu_Lqm& contenu, const QString& origine,
                                const Options_Fusion& options) {
    Bilan_Fusion b;
    b.numero_serie = Numero_Serie_Config(contenu.Tab_Config);
    if (!ouvrir()) {
        b.erreur = erreur_;
        return b;
    }
    if (lecture_seule_) {
        b.erreur = texte_lecture_seule();
        b.lecture_seule = true;
        return b;
    }
    QSqlDatabase db = QSqlDatabase::database(nom_, false);
    if (!db.transaction()) {
        b.erreur = QStringLiteral("Erreur de la base de l'archive.\n") + db.lastError().text();
        return b;
    }
    QString erreur;
    Requete r(db, &erreur);
    auto echouer = [&](const QString& e) {
        r.q.finish();
        db.rollback();
        b.ajoutes = b.presents = b.conflits = 0; // rien n'est resté
        b.erreur = e;
        return b;
    };
    if (!r.executer(QStringLiteral("INSERT INTO appareils (numero_serie) VALUES (?) "
                                   "ON CONFLICT (numero_serie) DO NOTHING"),
                    {b.numero_serie}) ||
        // PostgreSQL : la ligne de l'appareil verrouillée, deux fusions du même appareil
        // (la fenêtre et le minuteur) passent l'une après l'autre. SQLite n'a qu'un écrivain.
        !r.executer(QStringLiteral("SELECT id FROM appareils WHERE numero_serie = ?") +
                        (postgres_ ? QStringLiteral(" FOR UPDATE") : QString()),
                    {b.numero_serie}) ||
        !r.q.next())
        return echouer(erreur);
    const qlonglong id_appareil = r.q.value(0).toLongLong();
    // En ISO : l'ordre du texte est celui du temps. Une date illisible reste telle quelle.
    const QString recu_le = contenu.Date_Recuperation + u' ' + contenu.Heure_Recuperation;
    QDateTime quand = QDateTime::fromString(recu_le, QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    if (!quand.isValid())
        quand = QDateTime::fromString(recu_le, QStringLiteral("dd/MM/yyyy HH:mm"));
    const QString recupere = quand.isValid() ? quand.toString(Qt::ISODate) : recu_le;
    if (!r.executer(QStringLiteral("INSERT INTO telechargements (appareil, archive_le, "
                                   "recupere_le, origine, configuration, ajoutes, presents, "
                                   "conflits) VALUES (?, ?, ?, ?, ?, 0, 0, 0) RETURNING id"),
                    {id_appareil, QDateTime::currentDateTime().toString(Qt::ISODate), recupere,
                     origine, texte_config(contenu.Tab_Config)}) ||
        !r.q.next())
        return echouer(erreur);
    const qlonglong id_telechargement = r.q.value(0).toLongLong();
    r.q.finish();

    // Une table : ce qui est déjà là (lu d'un trait sur la plage du téléchargement), puis les
    // lignes nouvelles écrites par paquets. « cle » : l'identité d'une ligne valide (instant et
    // sorte, instant et code, instant), que plusieurs lignes partagent quand l'horloge a été
    // reculée ; « valeur » : ce qui doit s'accorder ; « champs » : les champs d'une ligne à
    // ajouter, avant son rang. « lecture » rend l'horodatage, la seconde partie de l'identité,
    // la valeur et le rang.
    struct Recu {
        std::int64_t cle;
        Horodatage h;
        QString valeur, champs;
    };
    auto fusionner_table = [&](const QString& table, const QString& colonnes,
                               const QString& lecture, const std::vector<Recu>& recus,
                               auto cle_lue) -> bool {
        if (recus.empty())
            return true;
        const auto [min, max] = std::minmax_element(
            recus.begin(), recus.end(), [](const Recu& a, const Recu& c) { return a.h < c.h; });
        if (!r.executer(lecture, {id_appareil, min->h, max->h}))
            return false;
        std::unordered_map<std::int64_t, std::vector<QString>> connus;
        std::unordered_map<Horodatage, int> dernier_rang;
        while (r.q.next()) {
            connus[cle_lue(r.q)].push_back(r.q.value(2).toString());
            int& rang = dernier_rang[r.q.value(0).toLongLong()];
            rang = std::max(rang, r.q.value(3).toInt());
        }
        r.q.finish();
        // Ce que le téléchargement apporte à chaque identité, dans son ordre.
        std::unordered_map<std::int64_t, std::vector<std::size_t>> apportes;
        for (std::size_t i = 0; i < recus.size(); ++i)
            apportes[recus[i].cle].push_back(i);
        std::vector<bool> a_ajouter(recus.size(), false);
        for (const auto& [cle, lignes] : apportes) {
            // Chaque valeur apportée s'apparie au plus à une valeur de l'archive. Comptées par
            // valeur : des milliers de lignes au même instant (octets abîmés) restent linéaires.
            const std::vector<QString>& archivees = connus[cle];
            std::unordered_map<QString, std::size_t> restantes;
            for (const QString& v : archivees)
                ++restantes[v];
            std::size_t nb_restantes = archivees.size();
            std::vector<std::size_t> nouvelles;
            for (const std::size_t i : lignes) {
                const auto pareille = restantes.find(recus[i].valeur);
                if (pareille != restantes.end() && pareille->second > 0) {
                    --pareille->second;
                    --nb_restantes;
                } else {
                    nouvelles.push_back(i);
                }
            }
            b.presents += static_cast<std::int64_t>(lignes.size() - nouvelles.size());
            // L'archive a une valeur que ce téléchargement n'a pas : elle garde les siennes.
            if (nb_restantes > 0)
                b.conflits += static_cast<std::int64_t>(nouvelles.size());
            else
                for (const std::size_t i : nouvelles)
                    a_ajouter[i] = true;
        }
        // Dans l'ordre du téléchargement : les rangs d'un instant suivent ses lignes.
        QStringList paquet;
        auto ecrire = [&] {
            if (paquet.isEmpty())
                return true;
            const bool ok =
                r.executer(QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(table, colonnes) +
                           paquet.join(u','));
            paquet.clear();
            return ok && (!options.continuer || options.continuer() ||
                          (erreur = QStringLiteral("Archivage interrompu."), false));
        };
        for (std::size_t i = 0; i < recus.size(); ++i) {
            if (!a_ajouter[i])
                continue;
            ++b.ajoutes;
            paquet << QStringLiteral("(%1,%2,%3,%4)")
                          .arg(id_appareil)
                          .arg(recus[i].champs)
                          .arg(id_telechargement)
                          .arg(++dernier_rang[recus[i].h]);
            if (paquet.size() == Lignes_Par_Paquet && !ecrire())
                return false;
        }
        return ecrire();
    };

    // Ce que chaque table reçoit : les comptes de l'appareil suivent.
    std::array<std::int64_t, 3> ajoutes{};
    std::vector<Recu> recus;
    for (int i = 1; i <= Nb_Lignes_Leq; ++i) {
        const std::int16_t* l = contenu.Tab_Leq.ligne(i);
        if (!Ligne_Mesure_Valide(l))
            continue;
        if (const QString e = hors_octet(l, QStringLiteral("la valeur Leq")); !e.isEmpty())
            return echouer(e);
        const Horodatage h = Horodatage_Ligne(l);
        const int niveau = Niveau_dB(l);
        recus.push_back({h * 1000 + l[3], h, QString::number(niveau),
                         QStringLiteral("%1,%2,%3").arg(h).arg(l[3]).arg(niveau)});
    }
    if (!fusionner_table(
            QStringLiteral("leq"),
            QStringLiteral("appareil, horodatage, sorte, niveau, telechargement, rang"),
            QStringLiteral("SELECT horodatage, sorte, niveau, rang FROM leq WHERE appareil = ? "
                           "AND horodatage BETWEEN ? AND ?"),
            recus,
            [](const QSqlQuery& q) { return q.value(0).toLongLong() * 1000 + q.value(1).toInt(); }))
        return echouer(erreur);
    ajoutes[0] = b.ajoutes;

    recus.clear();
    for (int i = 1; i <= Nb_Lignes_Evenements; ++i) {
        const std::int16_t* l = contenu.Tab_Evenements.ligne(i);
        if (!Ligne_Mesure_Valide(l))
            continue;
        if (const QString e = hors_octet(l, QStringLiteral("l'événement")); !e.isEmpty())
            return echouer(e);
        const Horodatage h = Horodatage_Ligne(l);
        const int code = code_evenement(l);
        // Un événement n'a pas de valeur propre : revu, il est simplement présent.
        recus.push_back({h * 65536 + code, h, QString(),
                         QStringLiteral("%1,%2,%3").arg(h).arg(code).arg(l[3])});
    }
    if (!fusionner_table(
            QStringLiteral("evenements"),
            QStringLiteral("appareil, horodatage, code, colonne4, telechargement, rang"),
            QStringLiteral("SELECT horodatage, code, '', rang FROM evenements WHERE appareil = ? "
                           "AND horodatage BETWEEN ? AND ?"),
            recus, [](const QSqlQuery& q) {
                return q.value(0).toLongLong() * 65536 + q.value(1).toInt();
            }))
        return echouer(erreur);
    ajoutes[1] = b.ajoutes - ajoutes[0];

    recus.clear();
    for (int i = 1; i <= Nb_Lignes_Parametres; ++i) {
        const std::int16_t* l = contenu.Tab_Parametres.ligne(i);
        if (!Ligne_Parametres_Valide(l))
            continue;
        const Horodatage h = Horodatage_Ligne(l);
        const QString valeurs = valeurs_parametres(l);
        recus.push_back({h, h, valeurs, QStringLiteral("%1,'%2'").arg(h).arg(valeurs)});
    }
    if (!fusionner_table(QStringLiteral("parametres"),
                         QStringLiteral("appareil, horodatage, valeurs, telechargement, rang"),
                         QStringLiteral("SELECT horodatage, 0, valeurs, rang FROM parametres "
                                        "WHERE appareil = ? AND horodatage BETWEEN ? AND ?"),
                         recus, [](const QSqlQuery& q) { return q.value(0).toLongLong(); }))
        return echouer(erreur);
    ajoutes[2] = b.ajoutes - ajoutes[0] - ajoutes[1];

    // Rien de neuf : la fusion ne laisse aucune trace (un fichier rouvert n'est pas un
    // téléchargement de plus).
    if (b.ajoutes == 0 && b.conflits == 0) {
        r.q.finish();
        db.rollback();
        return b;
    }
    // Le bilan des nuits que ce téléchargement touche.
    Horodatage premier = 0, dernier = 0;
    for (int i = 1; i <= Nb_Lignes_Leq; ++i) {
        const std::int16_t* l = contenu.Tab_Leq.ligne(i);
        if (!Ligne_Mesure_Valide(l))
            continue;
        const Horodatage h = Horodatage_Ligne(l);
        premier = premier == 0 ? h : std::min(premier, h);
        dernier = std::max(dernier, h);
    }
    if (b.ajoutes > 0 && premier > 0 && !bilans_nuits(id_appareil, premier, dernier))
        return echouer(erreur_);
    const QVariant de =
        premier > 0 ? QVariant(premier) : QVariant(QMetaType::fromType<qlonglong>());
    const QVariant a = premier > 0 ? QVariant(dernier) : QVariant(QMetaType::fromType<qlonglong>());
    if (!r.executer(QStringLiteral("UPDATE appareils SET nb_leq = nb_leq + ?, nb_evenements = "
                                   "nb_evenements + ?, nb_parametres = nb_parametres + ?, "
                                   "premier = CASE WHEN premier IS NULL OR premier > ? THEN ? "
                                   "ELSE premier END, dernier = CASE WHEN dernier IS NULL OR "
                                   "dernier < ? THEN ? ELSE dernier END WHERE id = ?"),
                    {qlonglong(ajoutes[0]), qlonglong(ajoutes[1]), qlonglong(ajoutes[2]), de, de, a,
                     a, id_appareil}))
        return echouer(erreur);
    if (!r.executer(QStringLiteral("UPDATE telechargements SET ajoutes = ?, presents = ?, "
                                   "conflits = ? WHERE id = ?"),
                    {qlonglong(b.ajoutes), qlonglong(b.presents), qlonglong(b.conflits),
                     id_telechargement}))
        return echouer(erreur);
    r.q.finish();
    if (!db.commit())
        return echouer(QStringLiteral("Erreur de la base de l'archive.\n") + db.lastError().text());
    return b;
}

std::vector<Appareil_Archive> Archive::appareils() {
    std::vector<Appareil_Archive> liste;
    if (!ouvrir())
        return liste;
    Requete r(QSqlDatabase::database(nom_, false), &erreur_);
    if (!r.executer(QStringLiteral(
            "SELECT numero_serie, nom, premier, dernier, nb_leq, nb_evenements, nb_parametres, "
            "(SELECT COUNT(*) FROM telechargements t WHERE t.appareil = a.id) FROM appareils a "
            "ORDER BY numero_serie")))
        return liste;
    while (r.q.next()) {
        Appareil_Archive a;
        a.numero_serie = r.q.value(0).toString();
        a.nom = r.q.value(1).toString();
        if (!r.q.value(2).isNull()) {
            a.premier_jour = jour_borne(r.q.value(2).toLongLong());
            a.dernier_jour = jour_borne(r.q.value(3).toLongLong());
        }
        a.nb_leq = r.q.value(4).toLongLong();
        a.nb_evenements = r.q.value(5).toLongLong();
        a.nb_parametres = r.q.value(6).toLongLong();
        a.nb_telechargements = r.q.value(7).toLongLong();
        liste.push_back(a);
    }
    return liste;
}

std::vector<Jour_Archive> Archive::jours(const QString& numero_serie) {
    std::vector<Jour_Archive> liste;
    if (!ouvrir())
        return liste;
    const auto id = appareil(numero_serie);
    if (!id)
        return liste;
    Requete r(QSqlDatabase::database(nom_, false), &erreur_);
    // Un jour : la matinée de la nuit de la veille et la soirée de sa propre nuit.
    if (!r.executer(QStringLiteral("SELECT soir, mesurees, mesurees_soir FROM nuits WHERE "
                                   "appareil = ? ORDER BY soir"),
                    {*id}))
        return liste;
    std::map<QDate, int> minutes;
    while (r.q.next()) {
        const qint64 soir = r.q.value(0).toLongLong();
        const QDate jour(int(soir / 10000), int(soir / 100 % 100), int(soir % 100));
        const int du_soir = r.q.value(2).toInt();
        if (du_soir > 0)
            minutes[jour] += du_soir;
        if (const int matin = r.q.value(1).toInt() - du_soir; matin > 0)
            minutes[jour.addDays(1)] += matin;
    }
    for (const auto& [jour, n] : minutes)
        liste.push_back({jour, n});
    return liste;
}

std::optional<QByteArray> Archive::configuration(qint64 appareil, Horodatage fin,
                                                 QDateTime* recupere) {
    // Les réglages de la période : ceux du premier téléchargement fait après elle, qui l'a
    // rapportée ; à défaut, ceux du dernier.
    const QDate jour = Date_Horodatage(fin);
    const QString apres =
        QDateTime(jour.isValid() ? jour : QDate(2000, 1, 1), QTime(fin / 100 % 100, fin % 100))
            .toString(Qt::ISODate);
    Requete r(QSqlDatabase::database(nom_, false), &erreur_);
    auto lire = [&](const QString& sql, const QVariantList& valeurs) {
        return r.executer(QStringLiteral("SELECT configuration, recupere_le FROM "
                                         "telechargements WHERE appareil = ? ") +
                              sql,
                          valeurs) &&
               r.q.next();
    };
    if (!lire(QStringLiteral("AND recupere_le >= ? ORDER BY recupere_le, id LIMIT 1"),
              {appareil, apres}) &&
        !lire(QStringLiteral("ORDER BY recupere_le DESC, id DESC LIMIT 1"), {appareil}))
        return std::nullopt;
    if (recupere)
        *recupere = QDateTime::fromString(r.q.value(1).toString(), Qt::ISODate);
    return r.q.value(0).toString().toLatin1();
}

namespace {

void remplir_config(Tableau<Nb_Elements_Config>& config, const QByteArray& texte) {
    config.remplir(0);
    // Comme split(',') puis toInt(), sans une copie par élément.
    qsizetype debut = 0;
    for (int i = 1; i <= Nb_Elements_Config && debut <= texte.size(); ++i) {
        qsizetype virgule = texte.indexOf(',', debut);
        if (virgule < 0)
            virgule = texte.size();
        config(i) = static_cast<std::int16_t>(
            QByteArray::fromRawData(texte.constData() + debut, virgule - debut).toInt());
        debut = virgule + 1;
    }
}

} // namespace

std::optional<Couverture> Archive::charger(const QString& numero_serie, const QDate& debut,
                                           const std::optional<QDate>& fin, Contenu_Lqm& contenu) {
    if (!ouvrir())
        return std::nullopt;
    const auto id = appareil(numero_serie);
    if (!id)
        return std::nullopt;
    const qlonglong app = *id;
    Couverture c;
    Requete r(QSqlDatabase::database(nom_, false), &erreur_);
    const Horodatage de = Horodatage_Jour(debut);
    Horodatage a = fin ? Horodatage_Jour(*fin, 23, 59) : horodatage(9999, 12, 31, 23, 59);

    contenu.Tab_Leq.remplir(255);
    contenu.Tab_Evenements.remplir(255);
    contenu.Tab_Parametres.remplir(255);
    if (!r.executer(QStringLiteral("SELECT horodatage, sorte, niveau FROM leq WHERE appareil = ? "
                                   "AND horodatage BETWEEN ? AND ? ORDER BY horodatage, rang "
                                   "LIMIT %1")
                        .arg(Nb_Lignes_Leq + 1),
                    {app, de, a}))
        return std::nullopt;
    while (r.q.next()) {
        const Horodatage h = r.q.value(0).toLongLong();
        if (c.nb_leq == Nb_Lignes_Leq) {
            c.tronque = true;
            break;
        }
        std::int16_t* l = contenu.Tab_Leq.ligne(++c.nb_leq);
        const int niveau = r.q.value(2).toInt();
        poser_horodatage(l, h, r.q.value(1).toInt());
        // 255 centaines marquerait une ligne vide : de 25 500 à 25 599 dB (octets abîmés, mais
        // une ligne valide), 254 centaines et le reste au-delà de 99.
        const int centaines = niveau / 100 == 255 ? 254 : niveau / 100;
        l[6] = static_cast<std::int16_t>(niveau - 100 * centaines);
        l[7] = static_cast<std::int16_t>(centaines);
        if (c.nb_leq == 1)
            c.premier = h;
        c.dernier = h;
    }
    r.q.finish();
    // Les événements de la même étendue que les valeurs chargées.
    if (c.tronque)
        a = c.dernier;
    if (!r.executer(QStringLiteral("SELECT horodatage, code, colonne4 FROM evenements WHERE "
                                   "appareil = ? AND horodatage BETWEEN ? AND ? "
                                   "ORDER BY horodatage, rang LIMIT %1")
                        .arg(Nb_Lignes_Evenements + 1),
                    {app, de, a}))
        return std::nullopt;
    while (r.q.next()) {
        if (c.nb_evenements == Nb_Lignes_Evenements) {
            c.tronque = true;
            break;
        }
        std::int16_t* l = contenu.Tab_Evenements.ligne(++c.nb_evenements);
        poser_evenement(l, r.q.value(0).toLongLong(), r.q.value(1).toInt(), r.q.value(2).toInt());
    }
    r.q.finish();
    // Le jeu de paramètres en vigueur au début, puis ceux de la période.
    if (!r.executer(QStringLiteral("SELECT horodatage, valeurs FROM parametres WHERE "
                                   "appareil = ? AND horodatage <= ? AND horodatage >= "
                                   "COALESCE((SELECT MAX(horodatage) FROM parametres WHERE "
                                   "appareil = ? AND horodatage < ?), ?) "
                                   "ORDER BY horodatage, rang LIMIT %1")
                        .arg(Nb_Lignes_Parametres + 1),
                    {app, a, app, de, de}))
        return std::nullopt;
    while (r.q.next()) {
        if (c.nb_parametres == Nb_Lignes_Parametres) {
            c.tronque = true;
            break;
        }
        std::int16_t* l = contenu.Tab_Parametres.ligne(++c.nb_parametres);
        const QList<QByteArray> v = r.q.value(1).toString().toLatin1().split(',');
        poser_horodatage(l, r.q.value(0).toLongLong(), v.value(0).toInt());
        for (int k = 1; k < v.size() && k + 5 < Nb_Colonnes_Parametres; ++k)
            l[k + 5] = static_cast<std::int16_t>(v[k].toInt());
    }
    r.q.finish();
    QDateTime recupere;
    const auto config = configuration(app, c.nb_leq ? c.dernier : a, &recupere);
    remplir_config(contenu.Tab_Config, config.value_or(QByteArray()));
    contenu.Date_Recuperation = recupere.toString(QStringLiteral("dd/MM/yyyy"));
    contenu.Heure_Recuperation = recupere.toString(QStringLiteral("HH:mm"));
    return c;
}

QDate Archive::debut_recent(const QString& numero_serie) {
    const auto id = ouvrir() ? appareil(numero_serie) : std::nullopt;
    if (!id)
        return {};
    Requete r(QSqlDatabase::database(nom_, false), &erreur_);
    // La 8192e valeur avant la fin : le lendemain de son jour, tout tient jusqu'à la fin.
    if (r.executer(QStringLiteral("SELECT horodatage FROM leq WHERE appareil = ? "
                                  "ORDER BY horodatage DESC LIMIT 1 OFFSET %1")
                       .arg(Nb_Lignes_Leq - 1),
                   {*id}) &&
        r.q.next())
        return Date_Horodatage(r.q.value(0).toLongLong()).addDays(1);
    if (r.executer(QStringLiteral("SELECT MIN(horodatage) FROM leq WHERE appareil = ?"), {*id}) &&
        r.q.next() && !r.q.value(0).isNull())
        return Date_Horodatage(r.q.value(0).toLongLong());
    return {};
}

std::optional<Couverture> Archive::couverture(const QString& numero_serie, const QDate& debut) {
    // Le calcul est celui du chargement ; une table à part coûte moins qu'un second code.
    const auto contenu = std::make_unique<Contenu_Lqm>();
    return charger(numero_serie, debut, std::nullopt, *contenu);
}

std::optional<Contenu_Rapport> Archive::rapport(const QString& numero_serie, const QDate& du,
                                                const QDate& au, double limite) {
    if (!ouvrir())
        return std::nullopt;
    const auto id = appareil(numero_serie);
    if (!id)
        return std::nullopt;
    Requete r(QSqlDatabase::database(nom_, false), &erreur_);
    const Horodatage de = Horodatage_Jour(du), a = Horodatage_Jour(au, 23, 59);
    // Une lecture pour la période et les nuits entières qui la bordent.
    const Horodatage de_nuits = Horodatage_Jour(du.addDays(-1), 11, 46),
                     a_nuits = Horodatage_Jour(au.addDays(1), 11, 59);
    Donnees_Periode d, nuits;
    if (!r.executer(QStringLiteral("SELECT horodatage, sorte, niveau FROM leq WHERE appareil = ? "
                                   "AND horodatage BETWEEN ? AND ? AND sorte IN (1, 10) "
                                   "ORDER BY horodatage, rang"),
                    {*id, de_nuits, a_nuits}))
        return std::nullopt;
    while (r.q.next()) {
        const Horodatage h = r.q.value(0).toLongLong();
        if (!Date_Horodatage(h).isValid())
            continue;
        const Valeur_Leq v{minute_horodatage(h), r.q.value(2).toInt()};
        const bool leq1 = r.q.value(1).toInt() == Genre_Leq1;
        if (leq1)
            nuits.leq1.push_back(v);
        if (h >= de && h <= a)
            (leq1 ? d.leq1 : d.leq10).push_back(v);
    }
    if (!r.executer(QStringLiteral("SELECT horodatage, code FROM evenements WHERE appareil = ? "
                                   "AND horodatage BETWEEN ? AND ? ORDER BY horodatage, rang"),
                    {*id, de_nuits, a_nuits}))
        return std::nullopt;
    while (r.q.next()) {
        const Horodatage h = r.q.value(0).toLongLong();
        std::int16_t l[8] = {};
        poser_evenement(l, h, r.q.value(1).toInt(), 0);
        const auto marque = Marque_Evenement(l);
        if (!Date_Horodatage(h).isValid() || !marque)
            continue;
        for (Donnees_Periode* p : {&nuits, &d}) {
            if (p == &d && (h < de || h > a))
                continue;
            p->marques.push_back({minute_horodatage(h), *marque});
            if (*marque == Marque::Coupure)
                p->coupures.push_back(minute_horodatage(h));
        }
    }
    r.q.finish();
    Tableau<Nb_Elements_Config> config;
    remplir_config(config, configuration(*id, a).value_or(QByteArray()));
    d.niveaux_publics = Niveaux_Publics(config);
    QString periode = Jour_En_Lettres(du);
    if (au != du)
        periode += QStringLiteral(" au ") + Jour_En_Lettres(au);
    return Rapport_De(config, numero_serie, periode, du, au, std::move(d), std::move(nuits),
                      limite);
}

bool Archive::bilans_nuits(qint64 appareil, Horodatage premier, Horodatage dernier) {
    const QDate de = soir_de(premier), a = soir_de(dernier).addDays(1);
    if (!de.isValid() || !a.isValid())
        return true; // une date que le calendrier refuse n'a pas de nuit
    Requete r(QSqlDatabase::database(nom_, false), &erreur_);
    // Les 14 minutes d'avant midi : le Leq 15 min de la première minute de la nuit.
    if (!r.executer(QStringLiteral("SELECT horodatage, niveau FROM leq WHERE appareil = ? AND "
                                   "sorte = 1 AND horodatage BETWEEN ? AND ? "
                                   "ORDER BY horodatage, rang"),
                    {appareil, Horodatage_Jour(de, 11, 46), Horodatage_Jour(a.addDays(1), 11, 59)}))
        return false;
    Donnees_Periode d;
    while (r.q.next()) {
        const Horodatage h = r.q.value(0).toLongLong();
        if (Date_Horodatage(h).isValid())
            d.leq1.push_back({minute_horodatage(h), r.q.value(1).toInt()});
    }
    r.q.finish();
    const Statistiques s = Calculer_Leq15(d, 1000);
    // Seules les nuits qui ont des valeurs : une année abîmée (2099 au milieu de 2008) ne
    // fait pas parcourir un siècle de nuits vides.
    std::vector<std::int64_t> soirs;
    for (const Valeur_Leq& v : d.leq1) {
        const std::int64_t soir = Jour_De(v.minute - 720);
        if (soirs.empty() || soirs.back() != soir)
            soirs.push_back(soir);
    }
    QStringList lignes;
    for (const std::int64_t jour : soirs) {
        const QDate soir = QDate(2000, 1, 1).addDays(jour);
        if (soir < de || soir > a)
            continue;
        const Nuit n = Bilan_Nuit(d, s, soir);
        if (n.minutes_mesurees == 0)
            continue;
        const Horodatage quand =
            n.max_leq15 ? Horodatage_Jour(QDate(2000, 1, 1).addDays(Jour_De(n.max_leq15->minute)),
                                          int(n.max_leq15->minute % 1440 / 60),
                                          int(n.max_leq15->minute % 60))
                        : 0;
        // En dixièmes de dB. Des octets abîmés (25 520 dB) font déborder l'énergie : pas de
        // maximum plutôt qu'un nombre faux.
        std::optional<qint64> maximum;
        if (n.max_leq15 && std::isfinite(n.max_leq15->niveau) &&
            std::abs(n.max_leq15->niveau) < 1e8)
            maximum = std::llround(n.max_leq15->niveau * 10);
        // Les minutes de la soirée (de midi à minuit) : le calendrier des jours s'en sert.
        std::int64_t du_soir = 0;
        Minute precedente = -1;
        for (auto v = std::lower_bound(d.leq1.begin(), d.leq1.end(), n.midi,
                                       [](const Valeur_Leq&x, Minute m) { return x.minute < m; });
             v != d.leq1.end() && v->minute < n.midi + 720; ++v) {
            du_soir += v->minute != precedente;
            precedente = v->minute;
        }
        lignes << QStringLiteral("(%1,%2,%3,%4,%5,%6,%7)")
                      .arg(appareil)
                      .arg(numero_soir(soir))
                      .arg(n.minutes_mesurees)
                      .arg(du_soir)
                      .arg(n.minutes_manquantes)
                      .arg(maximum ? QString::number(*maximum) : QStringLiteral("NULL"))
                      .arg(maximum ? QString::number(quand) : QStringLiteral("NULL"));
    }
    if (!r.executer(QStringLiteral("DELETE FROM nuits WHERE appareil = ? AND soir BETWEEN ? AND ?"),
                    {appareil, numero_soir(de), numero_soir(a)}))
        return false;
    for (qsizetype i = 0; i < lignes.size(); i += Lignes_Par_Paquet)
        if (!r.executer(
                QStringLiteral(
                    "INSERT INTO nuits (appareil, soir, mesurees, mesurees_soir, manquantes, "
                    "max_leq15, quand_max) VALUES ") +
                lignes.mid(i, Lignes_Par_Paquet).join(u',')))
            return false;
    return true;
}

bool Archive::recalculer_bilans(const QString& numero_serie) {
    if (!ouvrir())
        return false;
    if (lecture_seule_)
        return echec(texte_lecture_seule());
    const auto id = appareil(numero_serie);
    if (!id)
        return echec(QStringLiteral("L'appareil %1 n'est pas dans l'archive.").arg(numero_serie));
    QSqlDatabase db = QSqlDatabase::database(nom_, false);
    Requete r(db, &erreur_);
    if (!r.executer(
            QStringLiteral("SELECT MIN(horodatage), MAX(horodatage) FROM leq WHERE appareil = ?"),
            {*id}) ||
        !r.q.next())
        return false;
    const Horodatage premier = r.q.value(0).toLongLong(), dernier = r.q.value(1).toLongLong();
    r.q.finish();
    if (premier == 0)
        return true;
    if (!db.transaction())
        return echec(QStringLiteral("Erreur de la base de l'archive.\n") + db.lastError().text());
    if (!r.executer(recompter() + QStringLiteral(" WHERE id = ?"), {*id})) {
        db.rollback();
        return false;
    }
    // Un mois à la fois : la mémoire reste celle d'un rapport d'un mois.
    for (QDate soir = soir_de(premier); soir.isValid() && soir <= soir_de(dernier);
         soir = soir.addDays(31))
        if (!bilans_nuits(*id, Horodatage_Jour(soir, 12, 0),
                          Horodatage_Jour(soir.addDays(30), 12, 0))) {
            db.rollback();
            return false;
        }
    return db.commit() ||
           echec(QStringLiteral("Erreur de la base de l'archive.\n") + db.lastError().text());
}

bool Archive::nommer(const QString& numero_serie, const QString& nom) {
    if (!ouvrir())
        return false;
    if (lecture_seule_)
        return echec(texte_lecture_seule());
    if (!appareil(numero_serie))
        return erreur_.isEmpty() ? echec(QStringLiteral("L'appareil %1 n'est pas dans l'archive.")
                                             .arg(numero_serie))
                                 : false;
    Requete r(QSqlDatabase::database(nom_, false), &erreur_);
    return r.executer(QStringLiteral("UPDATE appareils SET nom = ? WHERE numero_serie = ?"),
                      {nom.trimmed(), numero_serie});
}

namespace {
// Une nuit finie (à midi le lendemain) avant le dernier relevé de l'appareil.
bool relevee(const Ligne_Parc& l, const QDate& soir) {
    return l.dernier_telechargement.isValid() &&
           QDateTime(soir.addDays(1), QTime(12, 0)) <= l.dernier_telechargement;
}
} // namespace

std::optional<std::vector<Ligne_Parc>> Archive::parc(const QDate& du, const QDate& au,
                                                     double limite, const QDate& aujourdhui) {
    if (!ouvrir())
        return std::nullopt;
    Requete r(QSqlDatabase::database(nom_, false), &erreur_);
    if (!r.executer(QStringLiteral("SELECT a.id, a.numero_serie, a.nom, MAX(t.recupere_le) FROM "
                                   "appareils a LEFT JOIN telechargements t ON t.appareil = a.id "
                                   "GROUP BY a.id, a.numero_serie, a.nom")))
        return std::nullopt;
    std::vector<Ligne_Parc> lignes;
    std::unordered_map<qint64, std::size_t> place;
    while (r.q.next()) {
        Ligne_Parc l;
        l.numero_serie = r.q.value(1).toString();
        l.nom = r.q.value(2).toString();
        l.dernier_telechargement = QDateTime::fromString(r.q.value(3).toString(), Qt::ISODate);
        place[r.q.value(0).toLongLong()] = lignes.size();
        lignes.push_back(l);
    }
    const int nuits = std::max<int>(0, static_cast<int>(du.daysTo(au)) + 1);
    if (!r.executer(QStringLiteral("SELECT appareil, mesurees, manquantes, max_leq15, quand_max, "
                                   "soir FROM nuits WHERE soir BETWEEN ? AND ? AND mesurees > 0"),
                    {numero_soir(du), numero_soir(au)}))
        return std::nullopt;
    std::vector<int> enregistrees(lignes.size(), 0);
    while (r.q.next()) {
        const auto p = place.find(r.q.value(0).toLongLong());
        if (p == place.end())
            continue;
        Ligne_Parc& l = lignes[p->second];
        const qint64 soir = r.q.value(5).toLongLong();
        if (relevee(l, QDate(int(soir / 10000), int(soir / 100 % 100), int(soir % 100)))) {
            ++enregistrees[p->second];
            ++(r.q.value(2).toInt() > 0 ? l.nuits_incompletes : l.nuits_completes);
        }
        if (r.q.value(3).isNull())
            continue;
        const double max = r.q.value(3).toInt() / 10.0;
        l.nuits_depassement += max > limite;
        if (!l.max_leq15 || max > *l.max_leq15 ||
            (max == *l.max_leq15 && r.q.value(4).toLongLong() < l.quand_max)) {
            l.max_leq15 = max;
            l.quand_max = r.q.value(4).toLongLong();
        }
    }
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        Ligne_Parc& l = lignes[i];
        for (QDate soir = du; soir <= au; soir = soir.addDays(1))
            l.nuits_non_relevees += !relevee(l, soir);
        l.nuits_manquantes = nuits - l.nuits_non_relevees - enregistrees[i];
        const bool silencieux = !l.dernier_telechargement.isValid() ||
                                l.dernier_telechargement.date().daysTo(aujourdhui) >= Jours_Silence;
        l.etat = silencieux                                     ? Ligne_Parc::Etat::Silencieux
                 : l.nuits_depassement > 0                      ? Ligne_Parc::Etat::Depassement
                 : l.nuits_incompletes + l.nuits_manquantes > 0 ? Ligne_Parc::Etat::Trous
                                                                : Ligne_Parc::Etat::Normal;
    }
    std::sort(lignes.begin(), lignes.end(), [](const Ligne_Parc& a, const Ligne_Parc& b) {
        return std::tie(a.etat, a.numero_serie) < std::tie(b.etat, b.numero_serie);
    });
    return lignes;
}
