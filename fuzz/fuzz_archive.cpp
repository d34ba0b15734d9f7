// Cible libFuzzer : tout contenu que le lecteur de fichiers .lqm accepte se fusionne dans une
// archive SQLite vide (en mémoire) et se relit tel que l'archive promet de le garder.
//
// Le lecteur accepte, dans chaque cellule, tout entier sur 16 bits, et une date et une heure
// de caractères quelconques sauf l'espace. Plutôt que d'écrire et relire 130 000 nombres à
// chaque exécution, l'entrée décrit directement deux contenus A et B du même appareil
// (mêmes configuration et date), le reste des tables vide : une suite d'articles, chacun
// précédé d'un octet dont le reste par 6 dit la sorte :
//   0, 1, 2 : la ligne suivante de Tab_Leq, Tab_Evenements, Tab_Parametres (8, 8, 48 cellules) ;
//   3 : 8 cellules du bloc de configuration, à partir de l'élément donné par 2 octets ;
//   4 : le dernier jeton du fichier (date_heure) : une longueur (au plus 19), puis ses octets ;
//   5 : les lignes suivantes vont à A seul, à B seul ou aux deux (reste par 3).
// Une cellule est un octet, sauf 0xF8 suivi de 2 octets (un entier quelconque) et 0xF9 à 0xFE
// (255, -1, 256, 1000, 32767, -32768) ; 0xFF vaut 255.
//
// Des tables pleines coûtent une dizaine de secondes par exécution sous les sanitizers : elles
// sont vérifiées une fois au départ (un téléchargement du générateur, puis ses premières lignes
// répétées jusqu'à la capacité), pas à chaque entrée.
//
// On fusionne A, puis B, puis B encore, et l'on relit tout. Un modèle tenu à part applique la
// règle de l'archive (par instant et par sorte, les valeurs comparées comme des ensembles avec
// répétition) avec des identités exactes ; chaque bilan et la relecture doivent lui être
// égaux. Une fusion ne peut être refusée que pour une valeur Leq ou un événement dont une
// colonne 4, 7 ou 8 n'est pas un octet (0 à 255), et le dit.
//
// Graines : « fuzz_archive --graines=DOSSIER DOSSIER ... » écrit d'abord dans DOSSIER des
// contenus tirés d'un téléchargement du générateur.
#include "Outils_Fuzz.h"
#include "archive/Archive.h"
#include "download/Decodage.h"
#include "download/Generateur.h"
#include "store/Fichier_Lqm.h"
#include "store/Validite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

enum Sorte : std::uint8_t { Leq, Evenement, Parametres, Config, Date, Destination, Nb_Sortes };
constexpr std::int16_t Speciales[] = {255, -1, 256, 1000, 32767, -32768};
constexpr std::uint8_t Echappement = 0xF8;

// Gardés d'une exécution à l'autre : trois fois 260 ko à mettre à zéro coûtent plus qu'une
// fusion de quelques lignes.
// Lignes occupées de chaque table ; les suivantes sont vides (255), le modèle les saute.
using Nombres = std::array<int, 3>;
struct Contenus {
    std::unique_ptr<Contenu_Lqm> a = std::make_unique<Contenu_Lqm>();
    std::unique_ptr<Contenu_Lqm> b = std::make_unique<Contenu_Lqm>();
    std::unique_ptr<Contenu_Lqm> lu = std::make_unique<Contenu_Lqm>();
    Nombres na{}, nb{};
    Contenus() {
        for (Contenu_Lqm* x : {a.get(), b.get()}) {
            x->Tab_Leq.remplir(255);
            x->Tab_Evenements.remplir(255);
            x->Tab_Parametres.remplir(255);
        }
    }
};

class Lecture {
public:
    Lecture(const std::uint8_t* d, std::size_t n) : d_(d), n_(n) {}
    bool fini() const { return i_ >= n_; }
    std::uint8_t octet() { return i_ < n_ ? d_[i_++] : 0xFF; }
    std::int16_t cellule() {
        const std::uint8_t b = octet();
        if (b == Echappement) {
            const std::uint8_t bas = octet();
            return static_cast<std::int16_t>(bas | (octet() << 8));
        }
        if (b > Echappement && b < 0xFF)
            return Speciales[b - Echappement - 1];
        return b;
    }

private:
    const std::uint8_t* d_;
    std::size_t n_, i_ = 0;
};

// Remplit la table jusqu'à sa capacité en répétant ses « n » premières lignes ; « avancer » :
// la minute avance d'une copie à l'autre (l'heure et le jour suivent, sans souci du calendrier).
template <class Table> void remplir(Table& t, int& n, bool avancer) {
    for (int i = n + 1; n > 0 && i <= static_cast<int>(Table::lignes); ++i) {
        std::int16_t* l = t.ligne(i);
        std::copy(t.ligne((i - 1) % n + 1), t.ligne((i - 1) % n + 1) + Table::colonnes, l);
        if (avancer) {
            const int minutes = l[0] + (i - 1) / n;
            l[0] = static_cast<std::int16_t>(minutes % 60);
            const int heures = l[1] + minutes / 60;
            l[1] = static_cast<std::int16_t>(heures % 24);
            l[2] = static_cast<std::int16_t>(l[2] + heures / 24);
        }
    }
    if (n > 0)
        n = static_cast<int>(Table::lignes);
}

void lire(const std::uint8_t* d, std::size_t n, Contenus& c) {
    for (auto [x, n] : {std::pair{c.a.get(), c.na}, std::pair{c.b.get(), c.nb}}) {
        // Seules les lignes de l'exécution précédente sont à vider.
        std::fill(x->Tab_Leq.ligne(1), x->Tab_Leq.ligne(1) + 8 * n[Leq], 255);
        std::fill(x->Tab_Evenements.ligne(1), x->Tab_Evenements.ligne(1) + 8 * n[Evenement], 255);
        std::fill(x->Tab_Parametres.ligne(1),
                  x->Tab_Parametres.ligne(1) + Nb_Colonnes_Parametres * n[Parametres], 255);
        x->Tab_Config.remplir(0);
        x->Date_Recuperation = QStringLiteral("12/03/2008");
        x->Heure_Recuperation = QStringLiteral("10:02");
    }
    Lecture e(d, n);
    Nombres& na = c.na;
    Nombres& nb = c.nb;
    na = nb = Nombres{};
    bool vers_a = true, vers_b = true;
    while (!e.fini()) {
        const auto sorte = static_cast<Sorte>(e.octet() % Nb_Sortes);
        if (sorte == Destination) {
            const int choix = e.octet() % 3;
            vers_a = choix != 1;
            vers_b = choix != 0;
        } else if (sorte == Date) {
            const int longueur = std::min(e.octet() % 32, 19);
            QByteArray jeton;
            for (int k = 0; k < longueur; ++k) {
                const char car = static_cast<char>(e.octet());
                jeton.append(car == ' ' ? '_' : car);
            }
            // Comme le lecteur : caractères 1 à 10, puis 12 à 16.
            const QString texte = QString::fromLatin1(jeton);
            for (Contenu_Lqm* x : {c.a.get(), c.b.get()}) {
                x->Date_Recuperation = texte.left(10);
                x->Heure_Recuperation = texte.mid(11, 5);
            }
        } else if (sorte == Config) {
            const int bas = e.octet();
            const int debut = (bas | (e.octet() << 8)) % Nb_Elements_Config;
            for (int k = 0; k < 8; ++k) {
                const std::int16_t v = e.cellule();
                const int element = (debut + k) % Nb_Elements_Config + 1;
                c.a->Tab_Config(element) = c.b->Tab_Config(element) = v;
            }
        } else {
            const std::size_t colonnes = sorte == Parametres ? Nb_Colonnes_Parametres : 8;
            std::vector<std::int16_t> ligne(colonnes);
            for (auto& v : ligne)
                v = e.cellule();
            auto poser = [&](Contenu_Lqm& x, int& compte) {
                std::int16_t* l = nullptr;
                if (sorte == Leq && compte < Nb_Lignes_Leq)
                    l = x.Tab_Leq.ligne(++compte);
                else if (sorte == Evenement && compte < Nb_Lignes_Evenements)
                    l = x.Tab_Evenements.ligne(++compte);
                else if (sorte == Parametres && compte < Nb_Lignes_Parametres)
                    l = x.Tab_Parametres.ligne(++compte);
                if (l)
                    std::copy(ligne.begin(), ligne.end(), l);
            };
            if (vers_a)
                poser(*c.a, na[sorte]);
            if (vers_b)
                poser(*c.b, nb[sorte]);
        }
    }
}

// --- Le modèle : ce que l'archive doit contenir, avec des identités exactes ---

// L'instant, puis la sorte (Leq), les colonnes 7 et 8 (événement) ou rien (paramètres).
using Identite = std::tuple<Horodatage, int, int>;
using Valeurs = std::vector<int>; // ce qui doit s'accorder

struct Table_Modele {
    std::map<Identite, std::vector<Valeurs>> lignes;
    std::int64_t total() const {
        std::int64_t n = 0;
        for (const auto& [id, v] : lignes)
            n += static_cast<std::int64_t>(v.size());
        return n;
    }
};

struct Modele {
    std::array<Table_Modele, 3> tables;
};

// Les lignes que la fusion considère : identité et valeurs, dans l'ordre du contenu.
std::array<std::vector<std::pair<Identite, Valeurs>>, 3> apports(const Contenu_Lqm& c,
                                                                 const Nombres& n) {
    std::array<std::vector<std::pair<Identite, Valeurs>>, 3> r;
    for (int i = 1; i <= n[Leq]; ++i) {
        const std::int16_t* l = c.Tab_Leq.ligne(i);
        if (Ligne_Mesure_Valide(l))
            r[Leq].push_back({{Horodatage_Ligne(l), l[3], 0}, {Niveau_dB(l)}});
    }
    for (int i = 1; i <= n[Evenement]; ++i) {
        const std::int16_t* l = c.Tab_Evenements.ligne(i);
        // Un événement n'a pas de valeur propre : revu, il est présent.
        if (Ligne_Mesure_Valide(l))
            r[Evenement].push_back({{Horodatage_Ligne(l), l[6], l[7]}, {}});
    }
    for (int i = 1; i <= n[Parametres]; ++i) {
        const std::int16_t* l = c.Tab_Parametres.ligne(i);
        if (Ligne_Parametres_Valide(l)) {
            Valeurs v{l[3]};
            v.insert(v.end(), l + 6, l + Nb_Colonnes_Parametres);
            r[Parametres].push_back({{Horodatage_Ligne(l), 0, 0}, v});
        }
    }
    return r;
}

// Une valeur que l'archive ne peut pas garder telle quelle : colonnes 4, 7 ou 8 d'une valeur
// Leq ou d'un événement hors de ce qu'un octet donne.
bool hors_octet(const Contenu_Lqm& c, const Nombres& n) {
    auto hors = [](const std::int16_t* l) {
        if (Ligne_Mesure_Valide(l))
            for (const int v : {l[3], l[6], l[7]})
                if (v < 0 || v > 255)
                    return true;
        return false;
    };
    for (int i = 1; i <= n[Leq]; ++i)
        if (hors(c.Tab_Leq.ligne(i)))
            return true;
    for (int i = 1; i <= n[Evenement]; ++i)
        if (hors(c.Tab_Evenements.ligne(i)))
            return true;
    return false;
}

// La règle de fusion, appliquée au modèle ; rend le bilan attendu.
Bilan_Fusion fusionner(Modele& m, const Contenu_Lqm& c, const Nombres& n) {
    Bilan_Fusion b;
    const auto recus = apports(c, n);
    for (std::size_t t = 0; t < 3; ++t) {
        std::map<Identite, std::vector<const Valeurs*>> par_identite;
        for (const auto& [id, v] : recus[t])
            par_identite[id].push_back(&v);
        for (const auto& [id, valeurs] : par_identite) {
            std::vector<Valeurs> restantes = m.tables[t].lignes[id];
            std::vector<Valeurs> nouvelles;
            for (const Valeurs* v : valeurs) {
                const auto pareille = std::find(restantes.begin(), restantes.end(), *v);
                if (pareille != restantes.end())
                    restantes.erase(pareille);
                else
                    nouvelles.push_back(*v);
            }
            b.presents += static_cast<std::int64_t>(valeurs.size() - nouvelles.size());
            if (!restantes.empty()) {
                b.conflits += static_cast<std::int64_t>(nouvelles.size());
            } else {
                b.ajoutes += static_cast<std::int64_t>(nouvelles.size());
                auto& archivees = m.tables[t].lignes[id];
                archivees.insert(archivees.end(), nouvelles.begin(), nouvelles.end());
            }
        }
    }
    return b;
}

void comparer(const Bilan_Fusion& obtenu, const Bilan_Fusion& attendu) {
    exiger(obtenu.reussie());
    exiger(obtenu.ajoutes == attendu.ajoutes);
    exiger(obtenu.presents == attendu.presents);
    exiger(obtenu.conflits == attendu.conflits);
}

// Ce qu'une table relue contient, rangé pour la comparaison.
Table_Modele relue(const std::vector<std::pair<Identite, Valeurs>>& lignes) {
    Table_Modele t;
    for (const auto& [id, v] : lignes)
        t.lignes[id].push_back(v);
    for (auto& [id, v] : t.lignes)
        std::sort(v.begin(), v.end());
    return t;
}

void verifier_relecture(Archive& archive, const QString& numero, const Modele& m,
                        const Contenu_Lqm& c, Contenu_Lqm* lu) {
    const auto couverture = archive.charger(numero, QDate(2000, 1, 1), std::nullopt, *lu);
    const std::int64_t total =
        m.tables[Leq].total() + m.tables[Evenement].total() + m.tables[Parametres].total();
    // Rien d'ajouté ni de conflit : aucune trace, l'appareil n'est pas connu.
    if (total == 0) {
        exiger(!couverture && archive.erreur().isEmpty());
        return;
    }
    exiger(couverture.has_value());
    exiger(couverture->nb_leq <= Nb_Lignes_Leq &&
           couverture->nb_evenements <= Nb_Lignes_Evenements &&
           couverture->nb_parametres <= Nb_Lignes_Parametres);
    // Relues valides, dans l'ordre des dates.
    const std::array<int, 3> nombres{couverture->nb_leq, couverture->nb_evenements,
                                     couverture->nb_parametres};
    const auto relus = apports(*lu, nombres);
    for (std::size_t t = 0; t < 3; ++t)
        exiger(relus[t].size() == static_cast<std::size_t>(nombres[t]));
    for (std::size_t t = 0; t < 3; ++t)
        for (std::size_t i = 1; i < relus[t].size(); ++i)
            exiger(std::get<0>(relus[t][i - 1].first) <= std::get<0>(relus[t][i].first));
    if (couverture->tronque) {
        exiger(couverture->nb_leq == Nb_Lignes_Leq ||
               couverture->nb_evenements == Nb_Lignes_Evenements ||
               couverture->nb_parametres == Nb_Lignes_Parametres);
        return;
    }
    for (std::size_t t = 0; t < 3; ++t) {
        Table_Modele attendu = m.tables[t];
        std::erase_if(attendu.lignes, [](const auto& e) { return e.second.empty(); });
        for (auto& [id, v] : attendu.lignes)
            std::sort(v.begin(), v.end());
        exiger(relue(relus[t]).lignes == attendu.lignes);
    }
    // La configuration et la date de ce téléchargement (A et B ont les mêmes).
    exiger(lu->Tab_Config == c.Tab_Config);
    const QString recu = c.Date_Recuperation + u' ' + c.Heure_Recuperation;
    const QDateTime quand = QDateTime::fromString(recu, QStringLiteral("dd/MM/yyyy HH:mm"));
    exiger(quand.isValid() ? lu->Date_Recuperation == c.Date_Recuperation &&
                                 lu->Heure_Recuperation == c.Heure_Recuperation
                           : true);
}

// --- Graines ---

void cellule(QByteArray& e, std::int16_t v) {
    if (v >= 0 && v < Echappement) {
        e.append(static_cast<char>(v));
    } else {
        e.append(static_cast<char>(Echappement));
        e.append(static_cast<char>(v & 0xFF));
        e.append(static_cast<char>((v >> 8) & 0xFF));
    }
}

// Les « lignes » premières lignes de chaque table d'un téléchargement rangé, son numéro de
// série et sa date.
QByteArray entree_de(const Declarations& M, int lignes) {
    QByteArray e;
    for (int i = 1; i <= lignes; ++i) {
        e.append(static_cast<char>(Leq));
        for (int j = 1; j <= 8; ++j)
            cellule(e, M.Tab_Leq(i, j));
        e.append(static_cast<char>(Evenement));
        for (int j = 1; j <= 8; ++j)
            cellule(e, M.Tab_Evenements(i, j));
        if (i <= 4) {
            e.append(static_cast<char>(Parametres));
            for (int j = 1; j <= Nb_Colonnes_Parametres; ++j)
                cellule(e, M.Tab_Parametres(i, j));
        }
    }
    e.append(static_cast<char>(Config));
    e.append(static_cast<char>(2360 & 0xFF));
    e.append(static_cast<char>(2360 >> 8));
    for (int n = 2361; n <= 2368; ++n)
        cellule(e, M.Tab_Config(n));
    e.append(static_cast<char>(Date));
    e.append(static_cast<char>(16));
    e.append("12/03/2008_10:02");
    return e;
}

void ecrire_graines(const QString& dossier) {
    auto M = std::make_unique<Declarations>();
    Ranger_Image(Generer_Image({3}), *M);
    Ecrire_Graine(dossier, "debut_20", entree_de(*M, 20));
    // Un instant répété (horloge reculée) : deux fois 60 dB, une fois 61 dB.
    QByteArray repetees = entree_de(*M, 2);
    for (const char niveau : {60, 60, 61})
        repetees.append(QByteArray("\x00\x1e\x02\x1a\x01\x0a\x08", 7) + niveau + '\0');
    Ecrire_Graine(dossier, "repetees", repetees);
    // A et B en désaccord sur un niveau : un conflit.
    QByteArray conflit = entree_de(*M, 5);
    conflit.append("\x05\x00\x00\x0c\x00\x0c\x01\x03\x08\x32\x00", 11); // A : 50 dB
    conflit.append("\x05\x01\x00\x0c\x00\x0c\x01\x03\x08\x33\x00", 11); // B : 51 dB
    Ecrire_Graine(dossier, "conflit", conflit);
    // Le 31 février et une année 98 ; une date de téléchargement illisible.
    QByteArray dates = entree_de(*M, 2);
    dates.append("\x00\x05\x0a\x1f\x01\x02\x62\x50\x00", 9);
    dates.append("\x04\x05"
                 "31/02",
                 7);
    Ecrire_Graine(dossier, "dates_impossibles", dates);
    // 220 et 253 : 25 520 dB, des octets abîmés que l'appareil peut envoyer.
    QByteArray haut = entree_de(*M, 2);
    haut.append("\x00\x0a\x0c\x0c\x01\x03\x08\xdc\xf8\xfd\x00", 11);
    Ecrire_Graine(dossier, "niveau_25520", haut);
    // Niveaux et événements hors de ce qu'un octet donne : fusion refusée.
    QByteArray hors = entree_de(*M, 2);
    hors.append("\x00\x05\x0a\x0c\x01\x03\x08\xf8\x10\x27\xfa", 11);
    Ecrire_Graine(dossier, "hors_octet", hors);
}

// Une archive en mémoire pour toutes les exécutions, vidée avant chacune : créer le schéma et
// ses index coûtait plus que les trois fusions.
Archive& archive_vide() {
    static Archive archive(QStringLiteral(":memory:"));
    static const std::pair<QSqlDatabase, QStringList> base = [] {
        exiger(archive.ouvrir());
        // La seule connexion ouverte du processus est la sienne.
        QSqlDatabase db;
        for (const QString& nom : QSqlDatabase::connectionNames())
            if (QSqlDatabase::database(nom, false).isOpen()) {
                exiger(!db.isValid());
                db = QSqlDatabase::database(nom, false);
            }
        exiger(db.isValid());
        QStringList tables;
        QSqlQuery q(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                   "name NOT IN ('version_schema', 'sqlite_sequence')"),
                    db);
        while (q.next())
            tables << q.value(0).toString();
        exiger(tables.contains(QStringLiteral("leq")) && tables.contains(QStringLiteral("nuits")));
        return std::pair{db, tables};
    }();
    QSqlQuery q(base.first);
    for (const QString& table : base.second)
        exiger(q.exec(QStringLiteral("DELETE FROM ") + table));
    return archive;
}

void executer(Archive& archive, Contenus& c) {
    Modele m;
    const QString numero = Numero_Serie_Config(c.a->Tab_Config);
    for (const auto& [x, n] :
         {std::pair{c.a.get(), c.na}, std::pair{c.b.get(), c.nb}, std::pair{c.b.get(), c.nb}}) {
        const Bilan_Fusion obtenu = archive.fusionner(*x, QStringLiteral("fuzz"));
        exiger(obtenu.numero_serie == numero);
        if (hors_octet(*x, n)) {
            // Refusée, et dite : l'archive reste ce qu'elle était.
            exiger(!obtenu.reussie() && obtenu.ajoutes + obtenu.presents + obtenu.conflits == 0);
            continue;
        }
        comparer(obtenu, fusionner(m, *x, n));
    }
    verifier_relecture(archive, numero, m, *c.b, c.lu.get());
}

// Tables pleines : A, un téléchargement du générateur ; B, ses trois premières lignes de chaque
// table répétées jusqu'à la capacité, la minute avançant à chaque copie.
void verifier_tables_pleines() {
    auto M = std::make_unique<Declarations>();
    Ranger_Image(Generer_Image({5}), *M);
    Contenus c;
    for (Contenu_Lqm* x : {c.a.get(), c.b.get()}) {
        x->Tab_Leq = M->Tab_Leq;
        x->Tab_Evenements = M->Tab_Evenements;
        x->Tab_Parametres = M->Tab_Parametres;
        x->Tab_Config = M->Tab_Config;
        x->Date_Recuperation = QStringLiteral("12/03/2008");
        x->Heure_Recuperation = QStringLiteral("10:02");
    }
    c.na = c.nb = {Nb_Lignes_Leq, Nb_Lignes_Evenements, Nb_Lignes_Parametres};
    Nombres trois{3, 3, 3};
    remplir(c.b->Tab_Leq, trois[Leq], true);
    remplir(c.b->Tab_Evenements, trois[Evenement], true);
    remplir(c.b->Tab_Parametres, trois[Parametres], true);
    executer(archive_vide(), c);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Les pilotes de Qt SQL se cherchent par l'application.
    static QCoreApplication application(*argc, *argv);
    verifier_tables_pleines();
    Option_Graines(*argc, *argv, ecrire_graines);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    static Contenus c;
    lire(donnees, taille, c);
    executer(archive_vide(), c);
    return 0;
}
