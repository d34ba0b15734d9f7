#pragma once

#include "platform/Plateforme.h"
#include "platform/Plateforme_Qt.h"

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <array>
#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <thread>

class QProcess;
class QWidget;
class QWindow;
struct Declarations;

struct Options_Singe {
    std::uint64_t graine = 1;
    int duree_s = 60;
    QString journal;
    // Le silence au-delà duquel le programme « ne répond plus ».
    int silence_max_ms = 1000;
};

class Singe;

// Les dialogues de fichier et d'impression répondus par le singe (fichiers bons, abîmés,
// absents, PDF) ; les boîtes de message sont les vraies, modales, que le singe doit fermer.
class Plateforme_Singe final : public Plateforme {
public:
    explicit Plateforme_Singe(Singe& singe) : singe_(singe) {}
    void Definir_Parent(QWidget* parent) { qt_.Definir_Parent(parent); }

    void Sablier(bool actif) override { qt_.Sablier(actif); }
    void Message(const QString& texte, const QString& titre, Icone icone) override;
    std::optional<QString> Dialogue_Ouvrir(const QString& nom, const QString& filtre) override;
    std::optional<QString> Dialogue_Enregistrer(const QString& nom, const QString& filtre) override;

protected:
    std::unique_ptr<Imprimante> Choisir_Imprimante(const QString& document, bool paysage) override;

private:
    Singe& singe_;
    Plateforme_Qt qt_;
};

// Le singe : des gestes tirés au hasard (graine donnée) sur les vraies fenêtres du
// programme, et après chaque geste la vérification de ce qui doit toujours tenir.
class Singe : public QObject {
public:
    Singe(const Options_Singe& options, const QString& dossier);
    ~Singe() override;

    // Prépare fichiers et appareils simulés ; faux (avec un message) si c'est impossible.
    bool Preparer();
    // Fait tourner le programme jusqu'à la fin de la durée ; rend le code de sortie.
    int Lancer();

    // Réponses aux dialogues de la plateforme.
    std::optional<QString> Repondre_Ouvrir();
    // « extension » : celle du filtre du dialogue (.lqm, .csv, .pdf).
    std::optional<QString> Repondre_Enregistrer(const QString& extension);
    std::unique_ptr<Imprimante> Repondre_Imprimante(const QString& document, bool paysage);
    void Noter(const QString& quoi);

private:
    void pas();
    void geste();
    bool geste_modal(QWidget* modal);
    void cliquer(QWidget* cible, bool double_clic);
    void cliquer_au_hasard();
    void tirer_cadre();
    void touche(QWidget* modal);
    bool choisir_menu();
    bool fermer_par_la_case();
    void quitter();
    void verifier(bool au_repos);
    [[noreturn]] void echouer(const QString& quoi);
    void demarrer_session();
    void terminer_session();

    std::uint64_t hasard(std::uint64_t n) { return n ? generateur_() % n : 0; }
    bool chance(int pour_mille) { return static_cast<int>(hasard(1000)) < pour_mille; }

    Options_Singe options_;
    QString dossier_;
    std::mt19937_64 generateur_;
    Plateforme_Singe plateforme_;
    QFile journal_;

    QStringList fichiers_;
    std::set<std::uint64_t> bonnes_empreintes_;
    std::uint64_t empreinte_precedente_ = 0;
    std::vector<std::unique_ptr<QProcess>> simulateurs_;
    QStringList ports_;

    // Une minuterie ne se déclenche pas pendant son propre gestionnaire : une par niveau,
    // pour que les pas continuent pendant un geste qui laisse passer les événements.
    std::array<QTimer, 9> minuteries_pas_;
    QTimer battement_;
    QElapsedTimer horloge_;
    std::atomic<long> numero_pas_{0};
    int profondeur_ = 0;
    int pas_modal_ = 0;
    QPointer<QWidget> dernier_modal_;
    bool fin_demandee_ = false;
    // Le travail long en cours : le laisser aboutir, ou le bousculer.
    bool travail_vu_ = false;
    bool laisser_finir_ = false;
    QElapsedTimer debut_travail_;
    int sessions_ = 0;
    int sauvegardes_ = 0;
    int impressions_ = 0;
    // Pendant un double-clic : 0, puis 1 une fois le dialogue d'impression ouvert ; -1 hors
    // d'un double-clic.
    int impression_du_geste_ = -1;
    std::map<QString, int> compte_gestes_;

    // Chien de garde : le fil principal bat ; un silence trop long est une faute.
    std::thread garde_;
    std::atomic<bool> arret_garde_{false};
    std::atomic<bool> pause_garde_{false};
    std::atomic<std::int64_t> dernier_battement_{0};
    std::atomic<long> pas_silence_{-1};
    std::atomic<std::int64_t> silence_ms_{0};
    std::atomic<std::int64_t> plus_long_silence_{0};
};
