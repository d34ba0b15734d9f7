#include "Singe.h"

#include "archive/Archivage.h"
#include "download/Decodage.h"
#include "download/Generateur.h"
#include "download/Liaison_Serie.h"
#include "download/Ports_Serie.h"
#include "platform/Imprimante_Peintre.h"
#include "platform/Travail_Long.h"
#include "shell/Etat_Principal.h"
#include "shell/Fenetres.h"
#include "shell/Textes.h"
#include "shell/frmMain.h"
#include "store/Declarations.h"
#include "store/Fichier_Lqm.h"
#include "store/Fonction_Fichiers.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QScopeGuard>
#include <QTabBar>
#include <QTest>
#include <QWindow>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

std::int64_t maintenant_ms() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Les derniers pas, lisibles depuis un gestionnaire de signal ou le rapport d'un
// assainisseur : le programme s'arrête alors sans passer par le singe.
constexpr int Nb_Derniers = 12;
char derniers_bruts[Nb_Derniers][200];
std::atomic<int> indice_brut{0};
char entete_brute[160];

void ecrire_brut(const char* texte) {
    const ssize_t ignore = ::write(2, texte, std::strlen(texte));
    (void)ignore;
}

void dire_derniers_pas() {
    ecrire_brut(entete_brute);
    ecrire_brut("Derniers pas :\n");
    const int fin = indice_brut.load();
    for (int k = fin - Nb_Derniers; k < fin; ++k)
        if (k >= 0) {
            ecrire_brut("  ");
            ecrire_brut(derniers_bruts[k % Nb_Derniers]);
            ecrire_brut("\n");
        }
}

void sur_plantage(int signal) {
    ecrire_brut("lqm-singe : le programme s'est arrêté brutalement.\n");
    dire_derniers_pas();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Empreinte des quatre tables du magasin (FNV-1a).
template <class T> void melanger(std::uint64_t& h, const T& table) {
    const auto* octets = reinterpret_cast<const unsigned char*>(table.ligne(1));
    for (std::size_t i = 0; i < T::lignes * T::colonnes * sizeof(std::int16_t); ++i)
        h = (h ^ octets[i]) * 1099511628211ull;
}
std::uint64_t empreinte(const Declarations& M) {
    std::uint64_t h = 14695981039346656037ull;
    melanger(h, M.Tab_Leq);
    melanger(h, M.Tab_Evenements);
    melanger(h, M.Tab_Config);
    melanger(h, M.Tab_Parametres);
    return h;
}

// Le nom d'un contrôle et de la fenêtre qui le porte, pour le journal.
QString nom_de(const QWidget* w) {
    QString nom = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                            : w->objectName();
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (p->objectName().startsWith(QStringLiteral("frm"))) {
            nom += QStringLiteral(" (") + p->objectName() + u')';
            break;
        }
    return nom;
}

bool visible_a_l_ecran(const QWidget* w) {
    return w->isVisible() && w->width() > 0 && w->height() > 0;
}

bool controle(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTabBar*>(w) ||
           w->inherits("Boite_Graphique");
}

QList<QWidget*> fenetres_visibles() {
    QList<QWidget*> liste;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (visible_a_l_ecran(w) && w->windowHandle())
            liste << w;
    return liste;
}

frmMain* principale() {
    return Fenetres::instance().Instance<frmMain>(Id_Fenetre::frmMain);
}

} // namespace

// ---- Plateforme ----

void Plateforme_Singe::Message(const QString& texte, const QString& titre, Icone icone) {
    singe_.Noter(QStringLiteral("message « ") + titre + QStringLiteral(" »"));
    qt_.Message(texte, titre, icone);
}
std::optional<QString> Plateforme_Singe::Dialogue_Ouvrir(const QString&, const QString&) {
    return singe_.Repondre_Ouvrir();
}
std::optional<QString> Plateforme_Singe::Dialogue_Enregistrer(const QString&,
                                                              const QString& filtre) {
    const qsizetype motif = filtre.lastIndexOf(QStringLiteral("*."));
    return singe_.Repondre_Enregistrer(motif < 0 ? QString() : filtre.mid(motif + 1));
}
std::unique_ptr<Imprimante> Plateforme_Singe::Choisir_Imprimante(const QString& document,
                                                                 bool paysage) {
    return singe_.Repondre_Imprimante(document, paysage);
}

// ---- Préparation ----

Singe::Singe(const Options_Singe& options, const QString& dossier)
    : options_(options), dossier_(dossier), generateur_(options.graine), plateforme_(*this) {
    std::snprintf(entete_brute, sizeof entete_brute, "lqm-singe : graine %llu\n",
                  static_cast<unsigned long long>(options.graine));
    for (QTimer& m : minuteries_pas_) {
        m.setInterval(10);
        connect(&m, &QTimer::timeout, this, &Singe::pas);
    }
    battement_.setInterval(20);
    connect(&battement_, &QTimer::timeout, this, [this] { dernier_battement_ = maintenant_ms(); });
}

Singe::~Singe() {
    arret_garde_ = true;
    if (garde_.joinable())
        garde_.join();
    for (auto& s : simulateurs_) {
        s->kill();
        s->waitForFinished(5000);
    }
}

bool Singe::Preparer() {
    const QDir d(dossier_);
    d.mkpath(QStringLiteral("fichiers"));
    d.mkpath(QStringLiteral("sauvegardes"));
    d.mkpath(QStringLiteral("pdf"));
    auto chemin = [&](const QString& nom) { return d.filePath(QStringLiteral("fichiers/") + nom); };
    auto ecrire = [&](const QString& nom, const QByteArray& octets) {
        QFile f(chemin(nom));
        if (f.open(QIODevice::WriteOnly))
            f.write(octets);
        fichiers_ << chemin(nom);
    };
    auto image = [](std::uint32_t graine, bool heure_legale) {
        Options_Generateur g;
        g.graine = graine;
        g.heure_legale = heure_legale;
        return Generer_Image(g);
    };

    // Des fichiers bons, puis abîmés de toutes les façons qu'un disque ou un envoi abîme.
    auto donnees = std::make_unique<Declarations>();
    Ranger_Image(image(2, false), *donnees);
    const QByteArray bon = Ecrire_Lqm(*donnees);
    ecrire(QStringLiteral("bon.lqm"), bon);
    Ranger_Image(image(3, true), *donnees);
    ecrire(QStringLiteral("heure_legale.lqm"), Ecrire_Lqm(*donnees));
    ecrire(QStringLiteral("MAJUSCULES.LQM"), bon);
    ecrire(QStringLiteral("texte.txt"), bon);
    ecrire(QStringLiteral("vide.lqm"), QByteArray());
    for (int k = 0; k < 3; ++k)
        ecrire(QStringLiteral("tronque_%1.lqm").arg(k),
               bon.left(static_cast<qsizetype>(hasard(static_cast<std::uint64_t>(bon.size())))));
    QByteArray abime = bon;
    abime[0] = 'X';
    ecrire(QStringLiteral("signature.lqm"), abime);
    for (int k = 0; k < 3; ++k) {
        abime = bon;
        const auto debut = static_cast<qsizetype>(hasard(static_cast<std::uint64_t>(bon.size())));
        for (qsizetype i = debut; i < std::min(bon.size(), debut + 64); ++i)
            abime[i] = static_cast<char>(hasard(256));
        ecrire(QStringLiteral("abime_%1.lqm").arg(k), abime);
    }
    {
        QFile f(chemin(QStringLiteral("enorme.lqm")));
        if (f.open(QIODevice::WriteOnly)) {
            f.write(bon);
            f.resize(64 * 1024 * 1024); // creux : ne coûte rien sur le disque
        }
        fichiers_ << f.fileName();
    }
    d.mkpath(QStringLiteral("fichiers/dossier.lqm"));
    fichiers_ << chemin(QStringLiteral("dossier.lqm"));
    fichiers_ << chemin(QStringLiteral("absent.lqm"));
    const QString tube = chemin(QStringLiteral("tube.lqm"));
    if (::mkfifo(QFile::encodeName(tube).constData(), 0600) == 0)
        fichiers_ << tube;

    // Ce que chaque fichier donne quand il est accepté. Un tube ne se lit pas ici : rien
    // ne l'alimente.
    for (const QString& f : fichiers_) {
        if (f == tube)
            continue;
        Magasin().reinitialiser();
        QString copie = f;
        if (Charger_Fichier(copie))
            bonnes_empreintes_.insert(empreinte(Magasin()));
    }
    Magasin().reinitialiser();

    // Les appareils simulés : trois qui répondent bien, les autres avec une panne.
    const QList<QPair<QStringList, std::uint32_t>> appareils = {
        {{"--rapide", "--graine", "5"}, 5},
        {{"--bauds", "560000", "--graine", "6"}, 6},
        {{"--rapide", "--muet"}, 0},
        {{"--rapide", "--arret", "70000"}, 0},
        {{"--rapide", "--arret", "130000"}, 0},
        {{"--rapide", "--extra", "100"}, 0},
        {{"--rapide", "--pause", "60000:3000", "--graine", "7"}, 7},
        {{"--rapide", "--ignorer", "2", "--graine", "8"}, 8},
    };
    const QString programme =
        QCoreApplication::applicationDirPath() + QStringLiteral("/lqm-simulateur");
    for (const auto& [arguments, graine] : appareils) {
        auto p = std::make_unique<QProcess>();
        // Un singe arrêté net n'abandonne pas ses appareils.
        p->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        p->start(programme, arguments);
        if (!p->waitForStarted(30000) || !p->waitForReadyRead(30000)) {
            std::fprintf(stderr, "lqm-singe : impossible de lancer %s\n", qPrintable(programme));
            return false;
        }
        ports_ << QString::fromLocal8Bit(p->readLine()).trimmed();
        simulateurs_.push_back(std::move(p));
        if (graine) {
            Ranger_Image(image(graine, false), *donnees);
            bonnes_empreintes_.insert(empreinte(*donnees));
        }
    }

    if (!options_.journal.isEmpty()) {
        journal_.setFileName(options_.journal);
        if (!journal_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
            std::fprintf(stderr, "lqm-singe : impossible d'écrire le journal %s\n",
                         qPrintable(options_.journal));
            return false;
        }
    }
    return true;
}

// ---- Déroulement ----

void Singe::demarrer_session() {
    ++sessions_;
    Noter(QStringLiteral("lancement du programme (session %1)").arg(sessions_));
    Magasin().reinitialiser();
    Drapeaux() = Drapeaux_Ouverture{};
    Reinitialiser_Etat_Principal();
    Travail_Long::Reinitialiser();
    Ports_Serie::Activer_Enumeration(false);
    Ports_Serie::Definir_Chemins(ports_);
    Installer_Plateforme(&plateforme_);
    empreinte_precedente_ = empreinte(Magasin());
    plateforme_.Definir_Parent(Fenetres::instance().Charger(Id_Fenetre::frmMain));
}

void Singe::terminer_session() {
    // Hors du programme : l'attente de l'archive en fin de programme n'a plus d'écran.
    pause_garde_ = true;
    Attendre_Archivage();
    if (liaison().Ouverte())
        liaison().Fermer();
    Fenetres::instance().Tout_Detruire();
    pause_garde_ = false;
    dernier_battement_ = maintenant_ms();
}

int Singe::Lancer() {
    std::printf("lqm-singe : graine %llu, %d s\n", static_cast<unsigned long long>(options_.graine),
                options_.duree_s);
    std::fflush(stdout);
    std::signal(SIGSEGV, sur_plantage);
    std::signal(SIGABRT, sur_plantage);
    std::signal(SIGFPE, sur_plantage);
    std::signal(SIGBUS, sur_plantage);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(dire_derniers_pas);
#endif
    dernier_battement_ = maintenant_ms();
    battement_.start();
    garde_ = std::thread([this] {
        long pas_vu = -1;
        std::int64_t vu_a = maintenant_ms();
        while (!arret_garde_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (pause_garde_) {
                dernier_battement_ = maintenant_ms();
                continue;
            }
            const std::int64_t silence = maintenant_ms() - dernier_battement_;
            if (silence > plus_long_silence_)
                plus_long_silence_ = silence;
            if (silence > options_.silence_max_ms) {
                if (pas_silence_ < 0)
                    pas_silence_ = numero_pas_.load();
                silence_ms_ = std::max<std::int64_t>(silence_ms_, silence);
            }
            // Le programme bat mais le singe ne fait plus rien : une faute du singe.
            const long pas = numero_pas_;
            if (pas != pas_vu) {
                pas_vu = pas;
                vu_a = maintenant_ms();
            } else if (maintenant_ms() - vu_a > 30000) {
                std::fprintf(stderr, "lqm-singe : plus aucun pas depuis 30 s (pas %ld).\n", pas);
                dire_derniers_pas();
                std::fflush(stderr);
                ::_exit(1);
            }
            if (silence > 30000) {
                std::fprintf(stderr,
                             "lqm-singe : le programme ne répond plus depuis 30 s "
                             "(pas %ld).\n",
                             pas_silence_.load());
                dire_derniers_pas();
                std::fflush(stderr);
                ::_exit(1);
            }
        }
    });

    horloge_.start();
    while (!fin_demandee_ && horloge_.elapsed() < options_.duree_s * 1000LL) {
        demarrer_session();
        minuteries_pas_[0].start();
        QApplication::exec();
        for (QTimer& m : minuteries_pas_)
            m.stop();
        terminer_session();
        verifier(false);
    }
    Installer_Plateforme(nullptr);
    battement_.stop();
    const double secondes = static_cast<double>(horloge_.elapsed()) / 1000.0;
    std::printf("lqm-singe : graine %llu, %ld pas en %.0f s (%.1f pas/s), %d lancements du "
                "programme, %d sauvegardes, %d impressions ; aucun invariant rompu ; plus long "
                "silence du programme : %lld ms\n",
                static_cast<unsigned long long>(options_.graine), numero_pas_.load(), secondes,
                static_cast<double>(numero_pas_) / secondes, sessions_, sauvegardes_, impressions_,
                static_cast<long long>(plus_long_silence_.load()));
    for (const auto& [geste, nombre] : compte_gestes_)
        std::printf("  %-22s %d\n", qPrintable(geste), nombre);
    return 0;
}

void Singe::Noter(const QString& quoi) {
    const QString ligne =
        QStringLiteral("pas %1%2 : %3")
            .arg(numero_pas_.load())
            .arg(profondeur_ > 1 ? QStringLiteral(" (imbriqué %1)").arg(profondeur_ - 1)
                                 : QString())
            .arg(quoi);
    const QByteArray utf8 = ligne.toUtf8();
    const int k = indice_brut.load();
    std::snprintf(derniers_bruts[k % Nb_Derniers], sizeof derniers_bruts[0], "%s",
                  utf8.constData());
    indice_brut = k + 1;
    if (journal_.isOpen()) {
        journal_.write(utf8 + '\n');
        journal_.flush();
    }
}

void Singe::pas() {
    // Un geste peut lancer un travail long qui laisse passer les événements : le pas
    // suivant arrive alors pendant ce travail, comme le clic d'un utilisateur. Trois niveaux
    // suffisent à tout croiser sans épuiser la pile.
    // Plus bas, seule une boîte modale ou une liste surgissante est encore fermée, pour que
    // tout puisse remonter.
    // Une liste surgissante (le mois d'un calendrier) tient aussi sa propre boucle : elle se
    // ferme comme une boîte, sinon le singe reste pris dedans.
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* surgissante = QApplication::activePopupWidget();
    if (profondeur_ >= 8 || (profondeur_ >= 3 && !modal && !surgissante))
        return;
    ++profondeur_;
    ++numero_pas_;
    minuteries_pas_[static_cast<std::size_t>(profondeur_)].start();
    const auto fin = qScopeGuard([this] {
        minuteries_pas_[static_cast<std::size_t>(profondeur_)].stop();
        --profondeur_;
    });
    if (profondeur_ > 3) {
        if (surgissante) {
            Noter(QStringLiteral("Échap dans la liste surgissante"));
            const QPointer<QWidget> liste = surgissante;
            if (QWindow* w = liste->windowHandle())
                QTest::keyClick(w, Qt::Key_Escape);
            if (liste && liste->isVisible())
                liste->close();
        } else {
            geste_modal(modal);
        }
        return;
    }
    // Le parc mène aux données archivées par un double-clic : un chargement depuis l'archive
    // peut suivre dans le même pas.
    const bool archive_ouverte = Fenetres::instance().Chargee(Id_Fenetre::frmArchive) ||
                                 Fenetres::instance().Chargee(Id_Fenetre::frmParc);
    const bool temps_ecoule = horloge_.elapsed() >= options_.duree_s * 1000LL;
    frmMain* p = principale();
    if (temps_ecoule && profondeur_ == 1 && !Travail_Long::En_Cours() &&
        !QApplication::activeModalWidget() && p && !fin_demandee_) {
        fin_demandee_ = true;
        Noter(QStringLiteral("fin du temps : case de fermeture de la fenêtre principale"));
        p->close();
    } else {
        geste();
    }
    const bool au_repos = profondeur_ == 1 && !Travail_Long::En_Cours();
    if (au_repos && archive_ouverte && empreinte(Magasin()) != empreinte_precedente_ &&
        Magasin().Donnees_Chargees &&
        Legende_Actuelle().contains(QStringLiteral("Données archivées de l'appareil"))) {
        // Un chargement depuis l'archive : des données sûres, ce que l'archive garde.
        bonnes_empreintes_.insert(empreinte(Magasin()));
    }
    verifier(au_repos);
}

void Singe::geste() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal) {
        if (modal != dernier_modal_) {
            dernier_modal_ = modal;
            pas_modal_ = 0;
        }
        // Une boîte reste ouverte quelques pas (le travail continue derrière), jamais plus
        // de douze.
        if ((++pas_modal_ > 12 || chance(300)) && geste_modal(modal))
            return;
    }
    // Pendant un travail long, le plus souvent on attend : un téléchargement doit pouvoir
    // aboutir, pas seulement être interrompu.
    if (!Travail_Long::En_Cours())
        travail_vu_ = false;
    else if (!travail_vu_) {
        travail_vu_ = true;
        laisser_finir_ = chance(600);
        debut_travail_.start();
    } else if (laisser_finir_ && debut_travail_.elapsed() > 8000) {
        // Un appareil qui se tait en route : le téléchargement attend que l'utilisateur
        // l'annule, ce qu'il finit par faire.
        laisser_finir_ = false;
        Noter(QStringLiteral("travail long depuis 8 s : l'utilisateur s'impatiente"));
    }
    if (Travail_Long::En_Cours() && !modal && (laisser_finir_ || chance(950)))
        return;
    // Surtout les contrôles de la fenêtre ouverte, pour que la course aille loin (données
    // chargées, vues, zoom, impression) ; le reste assez souvent pour tout mélanger.
    const int t = static_cast<int>(hasard(2500));
    if (t < 1 && !modal)
        quitter();
    else if (t < 1400) {
        QList<QWidget*> controles;
        for (QWidget* f : fenetres_visibles())
            for (QWidget* w : f->findChildren<QWidget*>())
                if (visible_a_l_ecran(w) && controle(w))
                    controles << w;
        // Souvent un contrôle actif : un clic sur un contrôle grisé ne fait pas avancer.
        if (chance(500)) {
            const QList<QWidget*> tous = controles;
            controles.clear();
            for (QWidget* w : tous)
                if (w->isEnabled())
                    controles << w;
        }
        if (!controles.isEmpty())
            cliquer(controles[static_cast<qsizetype>(hasard(controles.size()))], t >= 1150);
        else if (modal || !choisir_menu()) // aucune fenêtre ouverte : on en ouvre une
            touche(modal);
    } else if (t < 1550)
        cliquer_au_hasard();
    else if (t < 1900)
        touche(modal);
    else if (t < 2075) {
        if (modal || !choisir_menu())
            Noter(QStringLiteral("attente"));
    } else if (t < 2150) {
        if (modal || !fermer_par_la_case())
            Noter(QStringLiteral("attente"));
    } else if (t < 2300)
        tirer_cadre();
    else
        Noter(QStringLiteral("attente"));
}

bool Singe::geste_modal(QWidget* modal) {
    ++compte_gestes_[QStringLiteral("réponse à une boîte")];
    switch (hasard(4)) {
    case 0:
        if (auto* boite = qobject_cast<QMessageBox*>(modal))
            if (QAbstractButton* ok = boite->button(QMessageBox::Ok)) {
                cliquer(ok, false);
                return true;
            }
        [[fallthrough]];
    case 1:
        Noter(QStringLiteral("Entrée dans la boîte"));
        QTest::keyClick(modal->windowHandle(), Qt::Key_Return);
        return true;
    case 2:
        Noter(QStringLiteral("Échap dans la boîte"));
        QTest::keyClick(modal->windowHandle(), Qt::Key_Escape);
        return true;
    default:
        Noter(QStringLiteral("case de fermeture de la boîte"));
        modal->close();
        return true;
    }
}

void Singe::cliquer(QWidget* cible, bool double_clic) {
    QWidget* fenetre = cible->window();
    QWindow* w = fenetre->windowHandle();
    if (!w)
        return;
    QPoint local(static_cast<int>(hasard(static_cast<std::uint64_t>(cible->width()))),
                 static_cast<int>(hasard(static_cast<std::uint64_t>(cible->height()))));
    QWidget* recepteur = cible;
    // Dans une liste, un calendrier, un tableau : sur une ligne, plus souvent qu'à côté.
    if (auto* vue = qobject_cast<QAbstractItemView*>(cible); vue && vue->model() && chance(800)) {
        const int lignes = vue->model()->rowCount(vue->rootIndex());
        const int colonnes = vue->model()->columnCount(vue->rootIndex());
        if (lignes > 0 && colonnes > 0) {
            const QModelIndex i = vue->model()->index(
                static_cast<int>(hasard(static_cast<std::uint64_t>(lignes))),
                static_cast<int>(hasard(static_cast<std::uint64_t>(colonnes))), vue->rootIndex());
            vue->scrollTo(i);
            const QRect r = vue->visualRect(i);
            if (r.isValid() && vue->viewport()->rect().contains(r.center())) {
                recepteur = vue->viewport();
                local = r.center();
            }
        }
    }
    const QString geste = double_clic ? QStringLiteral("double clic") : QStringLiteral("clic");
    ++compte_gestes_[geste];
    Noter(geste + u' ' + nom_de(cible));
    const QPoint point = recepteur->mapTo(fenetre, local);
    const int avant = std::exchange(impression_du_geste_, double_clic ? 0 : -1);
    if (double_clic)
        QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, point);
    else
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, point);
    impression_du_geste_ = avant;
}

void Singe::cliquer_au_hasard() {
    const QList<QWidget*> fenetres = fenetres_visibles();
    if (fenetres.isEmpty())
        return;
    QWidget* f = fenetres[static_cast<qsizetype>(hasard(fenetres.size()))];
    const QPoint point(static_cast<int>(hasard(static_cast<std::uint64_t>(f->width()))),
                       static_cast<int>(hasard(static_cast<std::uint64_t>(f->height()))));
    QWidget* dessous = f->childAt(point);
    ++compte_gestes_[QStringLiteral("clic n'importe où")];
    Noter(QStringLiteral("clic en (%1, %2) de %3 sur %4")
              .arg(point.x())
              .arg(point.y())
              .arg(f->objectName(), dessous ? nom_de(dessous) : QStringLiteral("rien")));
    QTest::mouseClick(f->windowHandle(), Qt::LeftButton, Qt::NoModifier, point);
}

void Singe::tirer_cadre() {
    // Le zoom : un cadre tiré à la souris sur un graphique, sinon n'importe où.
    QList<QWidget*> graphiques;
    for (QWidget* f : fenetres_visibles())
        for (QWidget* w : f->findChildren<QWidget*>())
            if (visible_a_l_ecran(w) && w->inherits("Boite_Graphique"))
                graphiques << w;
    if (graphiques.isEmpty()) {
        cliquer_au_hasard();
        return;
    }
    QWidget* g = graphiques[static_cast<qsizetype>(hasard(graphiques.size()))];
    auto point = [&] {
        return g->mapTo(g->window(),
                        QPoint(static_cast<int>(hasard(static_cast<std::uint64_t>(g->width()))),
                               static_cast<int>(hasard(static_cast<std::uint64_t>(g->height())))));
    };
    const QPoint a = point(), b = point();
    ++compte_gestes_[QStringLiteral("cadre tiré")];
    Noter(QStringLiteral("cadre tiré sur %1 de (%2, %3) à (%4, %5)")
              .arg(nom_de(g))
              .arg(a.x())
              .arg(a.y())
              .arg(b.x())
              .arg(b.y()));
    QPointer<QWidget> garde(g);
    QWindow* w = g->window()->windowHandle();
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, a);
    if (garde)
        QTest::mouseMove(w, (a + b) / 2);
    if (garde)
        QTest::mouseMove(w, b);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, b);
}

void Singe::touche(QWidget* modal) {
    static const std::pair<Qt::Key, const char*> touches[] = {
        {Qt::Key_Return, "Entrée"},     {Qt::Key_Return, "Entrée"}, {Qt::Key_Escape, "Échap"},
        {Qt::Key_Tab, "Tab"},           {Qt::Key_Up, "Haut"},       {Qt::Key_Down, "Bas"},
        {Qt::Key_Left, "Gauche"},       {Qt::Key_Right, "Droite"},  {Qt::Key_PageUp, "Page haut"},
        {Qt::Key_PageDown, "Page bas"}, {Qt::Key_Space, "Espace"},  {Qt::Key_Home, "Début"},
        {Qt::Key_End, "Fin"},           {Qt::Key_3, "3"},           {Qt::Key_A, "A"},
        {Qt::Key_Delete, "Suppr"},
    };
    QWidget* cible = modal ? modal : QApplication::activeWindow();
    if (!cible || !cible->windowHandle())
        cible = principale();
    if (!cible || !cible->windowHandle())
        return;
    const auto& [code, nom] = touches[hasard(std::size(touches))];
    // De temps en temps Alt et une lettre : les raccourcis des menus.
    const bool alt = chance(60);
    const Qt::Key k = alt ? (chance(500) ? Qt::Key_A : Qt::Key_S) : code;
    ++compte_gestes_[QStringLiteral("touche")];
    Noter(QStringLiteral("touche %1%2 vers %3")
              .arg(alt ? QStringLiteral("Alt+") : QString(),
                   alt ? QString(QChar(k == Qt::Key_A ? u'A' : u'S')) : QString::fromUtf8(nom),
                   cible->objectName()));
    QTest::keyClick(cible->windowHandle(), k, alt ? Qt::AltModifier : Qt::NoModifier);
}

bool Singe::choisir_menu() {
    frmMain* p = principale();
    // Une fenêtre grisée n'ouvre pas ses menus.
    if (!p || !p->isVisible() || !p->isEnabled())
        return false;
    QList<QAction*> choix;
    for (QAction* a : p->menuBar()->actions()) {
        if (!a->isEnabled() || !a->isVisible())
            continue;
        if (a->menu()) {
            for (QAction* b : a->menu()->actions())
                if (b->isEnabled() && !b->isSeparator())
                    choix << b;
        } else if (a->objectName() != QStringLiteral("mnuQuitter")) {
            choix << a;
        }
    }
    if (choix.isEmpty())
        return false;
    QAction* a = choix[static_cast<qsizetype>(hasard(choix.size()))];
    ++compte_gestes_[QStringLiteral("menu")];
    Noter(QStringLiteral("menu « %1 »").arg(a->text()));
    a->trigger();
    return true;
}

bool Singe::fermer_par_la_case() {
    QList<QWidget*> cadres;
    if (frmMain* p = principale(); p && p->isEnabled())
        for (QMdiSubWindow* s : p->findChildren<QMdiSubWindow*>())
            if (s->isVisible())
                cadres << s;
    if (QWidget* a = Fenetres::instance().Fenetre(Id_Fenetre::frmAbout); a && a->isVisible())
        cadres << a;
    if (cadres.isEmpty())
        return false;
    QWidget* c = cadres[static_cast<qsizetype>(hasard(cadres.size()))];
    ++compte_gestes_[QStringLiteral("case de fermeture")];
    Noter(QStringLiteral("case de fermeture de ") +
          (qobject_cast<QMdiSubWindow*>(c) && static_cast<QMdiSubWindow*>(c)->widget()
               ? static_cast<QMdiSubWindow*>(c)->widget()->objectName()
               : c->objectName()));
    c->close();
    return true;
}

void Singe::quitter() {
    frmMain* p = principale();
    if (!p)
        return;
    ++compte_gestes_[QStringLiteral("quitter")];
    if (chance(500) || !p->isEnabled()) {
        Noter(QStringLiteral("case de fermeture de la fenêtre principale"));
        p->close();
    } else if (QAction* a = p->findChild<QAction*>(QStringLiteral("mnuQuitter"));
               a && a->isEnabled()) {
        Noter(QStringLiteral("menu « Quitter »"));
        a->trigger();
    }
}

// ---- Ce qui doit toujours tenir ----

void Singe::verifier(bool au_repos) {
    if (pas_silence_ >= 0)
        echouer(QStringLiteral("le programme n'a pas répondu pendant %1 ms (au pas %2)")
                    .arg(silence_ms_.load())
                    .arg(pas_silence_.load()));
    QStringList ouvertes;
    for (Id_Fenetre id : Ordre_Fermeture)
        if (QWidget* w = Fenetres::instance().Fenetre(id); w && w->isVisible())
            ouvertes << QString::fromLatin1(Nom_Fenetre(id));
    if (ouvertes.size() > 1)
        echouer(QStringLiteral("plusieurs fenêtres ouvertes à la fois : ") +
                ouvertes.join(QStringLiteral(", ")));
    // L'accueil et la boîte « A propos » grisent la fenêtre principale comme une boîte modale.
    auto affichee = [](Id_Fenetre id) {
        QWidget* w = Fenetres::instance().Fenetre(id);
        return w && w->isVisible();
    };
    frmMain* p = principale();
    if (p && p->isVisible() && !p->isEnabled() && !Travail_Long::En_Cours() &&
        !QApplication::activeModalWidget() && !affichee(Id_Fenetre::frmAbout) &&
        !affichee(Id_Fenetre::frmStart))
        echouer(QStringLiteral("fenêtre principale grisée sans travail en cours ni boîte modale"));
    if (au_repos) {
        const std::uint64_t e = empreinte(Magasin());
        if (e != empreinte_precedente_ && !bonnes_empreintes_.count(e))
            echouer(QStringLiteral("le magasin ne contient ni ses données d'avant ni celles "
                                   "d'un chargement ou d'un téléchargement réussi"));
        empreinte_precedente_ = e;
    }
}

void Singe::echouer(const QString& quoi) {
    std::fprintf(stderr, "lqm-singe : ÉCHEC au pas %ld (graine %llu, lancement %d, %.1f s) : %s\n",
                 numero_pas_.load(), static_cast<unsigned long long>(options_.graine), sessions_,
                 static_cast<double>(horloge_.elapsed()) / 1000.0, qPrintable(quoi));
    std::fflush(stderr);
    dire_derniers_pas();
    std::fprintf(stderr, "Pour rejouer : lqm-singe --graine %llu --duree %d --journal FICHIER\n",
                 static_cast<unsigned long long>(options_.graine), options_.duree_s);
    std::fflush(stderr);
    arret_garde_ = true;
    for (auto& s : simulateurs_)
        s->kill();
    ::_exit(1);
}

// ---- Réponses aux dialogues ----

std::optional<QString> Singe::Repondre_Ouvrir() {
    if (chance(150) || fichiers_.isEmpty()) {
        Noter(QStringLiteral("dialogue d'ouverture : Annuler"));
        return std::nullopt;
    }
    const QString f = fichiers_[static_cast<qsizetype>(hasard(fichiers_.size()))];
    Noter(QStringLiteral("dialogue d'ouverture : ") + QDir(dossier_).relativeFilePath(f));
    return f;
}

std::optional<QString> Singe::Repondre_Enregistrer(const QString& extension) {
    const int t = static_cast<int>(hasard(100));
    QString reponse;
    if (t < 25) {
        Noter(QStringLiteral("dialogue d'enregistrement : Annuler"));
        return std::nullopt;
    }
    if (t < 35)
        reponse = QString();
    else if (t < 50)
        reponse = QDir(dossier_).filePath(QStringLiteral("absent/sauvegarde") + extension);
    else {
        // Quelques noms seulement, réécrits : le disque ne se remplit pas. Parfois sans
        // l'extension, que le programme ajoute.
        reponse = QDir(dossier_).filePath(QStringLiteral("sauvegardes/s%1%2")
                                              .arg(++sauvegardes_ % 4)
                                              .arg(t < 60 ? QString() : extension));
        // Une sauvegarde réussie se relit : elle doit rendre les mêmes données.
        const QString lqm = reponse.endsWith(QStringLiteral(".lqm")) ? reponse : reponse + ".lqm";
        if (extension == QStringLiteral(".lqm") && !fichiers_.contains(lqm))
            fichiers_ << lqm;
    }
    Noter(QStringLiteral("dialogue d'enregistrement : « ") +
          QDir(dossier_).relativeFilePath(reponse) + QStringLiteral(" »"));
    return reponse;
}

std::unique_ptr<Imprimante> Singe::Repondre_Imprimante(const QString& document, bool paysage) {
    // Le premier clic d'un double-clic sur un bouton d'impression ouvre le dialogue, modal :
    // le second tombe sur lui, pas sur le bouton.
    if (impression_du_geste_ == 1) {
        Noter(QStringLiteral("second clic sur le dialogue d'impression de « %1 »").arg(document));
        return nullptr;
    }
    if (impression_du_geste_ == 0)
        impression_du_geste_ = 1;
    const int t = static_cast<int>(hasard(100));
    if (t < 30) {
        Noter(QStringLiteral("dialogue d'impression de « %1 » : Annuler").arg(document));
        return nullptr;
    }
    const QString pdf =
        t < 40 ? QDir(dossier_).filePath(QStringLiteral("absent/impression.pdf"))
               : QDir(dossier_).filePath(QStringLiteral("pdf/i%1.pdf").arg(++impressions_ % 3));
    Noter(QStringLiteral("dialogue d'impression de « %1 » : PDF %2")
              .arg(document, QDir(dossier_).relativeFilePath(pdf)));
    return Imprimante_Pdf(pdf, paysage);
}
