#include "archive/Archivage.h"

#include "platform/Plateforme.h"
#include "shell/Etat_Principal.h"
#include "shell/Textes.h"
#include "store/Declarations.h"
#include "store/Fonction_Fichiers.h"
#include "tables/Periode.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSettings>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

namespace {
// Le programme et lqm-outil lisent les mêmes réglages, quel que soit leur nom d'application.
const QString Organisation = QStringLiteral("lqm-analyser");
const QString Application = QStringLiteral("lqm-analyser");
const QString Cle_Active = QStringLiteral("archive/active");
const QString Cle_Connexion = QStringLiteral("archive/base");
} // namespace

Reglages_Archive Lire_Reglages_Archive() {
    const QSettings reglages(Organisation, Application);
    return {reglages.value(Cle_Active, true).toBool(), reglages.value(Cle_Connexion).toString()};
}

void Ecrire_Reglages_Archive(const Reglages_Archive& r) {
    QSettings reglages(Organisation, Application);
    reglages.setValue(Cle_Active, r.actif);
    reglages.setValue(Cle_Connexion, r.connexion);
}

QString Texte_Bilan(const Bilan_Fusion& b) {
    return Texte_Compte(b.ajoutes, QStringLiteral("enregistrement ajouté"),
                        QStringLiteral("enregistrements ajoutés")) +
           QStringLiteral(", ") +
           Texte_Compte(b.presents, QStringLiteral("déjà présent"),
                        QStringLiteral("déjà présents")) +
           QStringLiteral(", ") +
           Texte_Compte(b.conflits, QStringLiteral("conflit"), QStringLiteral("conflits"));
}

namespace {

// Une fusion à la fois, hors du fil de l'interface : une base lente (PostgreSQL au bout du
// réseau) ne retarde pas l'affichage des données téléchargées. Chaque fil attend celui
// d'avant : les fusions gardent l'ordre des téléchargements sans que l'interface attende.
std::thread& fil_archivage() {
    static std::thread fil;
    return fil;
}
std::atomic<int>& fusions_en_cours() {
    static std::atomic<int> n{0};
    return n;
}
// Ce qui attend la fin des fusions ; touché par le fil de l'interface seulement.
std::vector<std::pair<QPointer<QObject>, std::function<void()>>>& suites() {
    static std::vector<std::pair<QPointer<QObject>, std::function<void()>>> liste;
    return liste;
}

void signaler_bilan(const Bilan_Fusion& bilan) {
    // Une archive en lecture seule le reste : on le dit une fois, pas à chaque téléchargement.
    static bool lecture_seule_dite = false;
    if (bilan.lecture_seule) {
        if (!std::exchange(lecture_seule_dite, true))
            plateforme().Message(bilan.erreur + QStringLiteral("\n\nLes téléchargements restent "
                                                               "affichés par le programme, sans "
                                                               "être archivés."),
                                 QStringLiteral("Archive en lecture seule"), Icone::Information);
    } else if (!bilan.reussie())
        plateforme().Message(bilan.erreur + QStringLiteral("\n\nLes données n'ont pas été "
                                                           "archivées ; elles restent affichées "
                                                           "par le programme."),
                             QStringLiteral("Archivage impossible"), Icone::Critique);
    else if (bilan.conflits > 0)
        plateforme().Message(
            QStringLiteral("%1 pour des instants déjà connus : l'archive garde les premières "
                           "valeurs reçues.\n(%2)")
                .arg(Texte_Compte(bilan.conflits, QStringLiteral("valeur reçue diffère"),
                                  QStringLiteral("valeurs reçues diffèrent")),
                     Texte_Bilan(bilan)),
            QStringLiteral("Archive de l'appareil %1").arg(bilan.numero_serie), Icone::Exclamation);
}

void lancer_suites() {
    if (Archivage_En_Cours())
        return;
    Attendre_Archivage(); // le dernier fil finit ; rien à attendre
    for (auto& [contexte, suite] : std::exchange(suites(), {}))
        if (contexte)
            suite();
}

} // namespace

void Archiver_Magasin(const QString& origine) {
    const Reglages_Archive reglages = Lire_Reglages_Archive();
    if (!reglages.actif)
        return;
    std::shared_ptr<const Contenu_Lqm> contenu = Copie_Contenu(Magasin());
    ++fusions_en_cours();
    std::thread precedent = std::move(fil_archivage());
    fil_archivage() = std::thread([precedent = std::move(precedent), contenu, origine,
                                   connexion = reglages.connexion]() mutable {
        if (precedent.joinable())
            precedent.join(); // dans l'ordre des téléchargements
        Bilan_Fusion bilan;
        {
            Archive archive(connexion);
            bilan = archive.fusionner(*contenu, origine);
        }
        --fusions_en_cours();
        // Le message, s'il y en a un, vient du fil de l'interface, puis ce qui attendait.
        if (auto* application = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                application,
                [bilan] {
                    signaler_bilan(bilan);
                    lancer_suites();
                },
                Qt::QueuedConnection);
    });
}

void Attendre_Archivage() {
    if (fil_archivage().joinable())
        fil_archivage().join();
}

bool Archivage_En_Cours() {
    return fusions_en_cours() > 0;
}

void Apres_Archivage(QObject* contexte, std::function<void()> suite) {
    if (!Archivage_En_Cours()) {
        suite();
        return;
    }
    suites().emplace_back(contexte, std::move(suite));
}

namespace {
void signaler(const Archive& archive, const QString& numero_serie) {
    plateforme().Message(
        archive.erreur().isEmpty()
            ? QStringLiteral("L'appareil %1 n'est pas dans l'archive !!!").arg(numero_serie)
            : archive.erreur(),
        QStringLiteral("Données archivées"), Icone::Exclamation);
}
} // namespace

std::optional<Couverture> Charger_Depuis_Archive(const QString& numero_serie, const QDate& debut) {
    auto& M = Magasin();
    if (Sauvegarde_En_Cours())
        return std::nullopt;
    Attendre_Archivage(); // le dernier téléchargement y est
    Archive archive(Lire_Reglages_Archive().connexion);
    plateforme().Sablier(true);
    // Lu à part : un échec laisse le magasin tel quel.
    const auto contenu = std::make_unique<Contenu_Lqm>();
    const auto couverture = archive.charger(numero_serie, debut, std::nullopt, *contenu);
    plateforme().Sablier(false);
    if (!couverture) {
        signaler(archive, numero_serie);
        return std::nullopt;
    }
    Recopier_Contenu(*contenu, M);
    M.Nom_Fichier.clear();
    M.Abandon = false;
    M.Donnees_Chargees = true;
    // Comme après un fichier chargé : ces données ne viennent pas d'un téléchargement.
    Activer_Menu(Menu::mnuSave_As, false);
    Definir_Legende(Legende::Archive(M.Num_Port, numero_serie));
    return couverture;
}

bool Preparer_Rapport_Archive(const QString& numero_serie, const QDate& du, const QDate& au) {
    Attendre_Archivage();
    Archive archive(Lire_Reglages_Archive().connexion);
    plateforme().Sablier(true);
    auto rapport = archive.rapport(numero_serie, du, au, Limite_Defaut);
    plateforme().Sablier(false);
    if (!rapport) {
        signaler(archive, numero_serie);
        return false;
    }
    // Les noms proposés à l'impression et à l'export lisent la période du magasin.
    Ecrire_Debut_Periode(du);
    Ecrire_Fin_Periode(au);
    Preparer_Rapport(std::move(*rapport));
    return true;
}
