// lqm-simulateur : joue le LQM 70-4 Nova au bout d'un pseudo-terminal (ou d'un vrai port
// série), pour essayer et tester le téléchargement sans l'appareil.

#include "download/Decodage.h"
#include "download/Generateur.h"
#include "platform/Plateforme_Console.h"
#include "shell/Ligne_Commande.h"
#include "store/Declarations.h"
#include "store/Fonction_Fichiers.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {

const char* const Aide =
    "Utilisation : lqm-simulateur [OPTIONS]\n"
    "\n"
    "Joue le LQM 70-4 Nova : ouvre un pseudo-terminal, écrit son chemin sur la sortie\n"
    "standard, et répond à chaque octet de demande (0x01) par l'image mémoire complète\n"
    "(133 632 octets), au rythme réel de 56 000 bauds (environ 24 s).\n"
    "Donnez ce chemin au programme : lqm-analyser --port CHEMIN.\n"
    "\n"
    "Image envoyée (par défaut : données fabriquées par le générateur, graine 1) :\n"
    "  --graine N        autres données fabriquées\n"
    "  --lqm FICHIER     les données d'un fichier .lqm, recodées comme l'appareil les garde\n"
    "  --brut FICHIER    une image brute de 133 632 octets\n"
    "Rythme :\n"
    "  --bauds N         débit simulé (56000 par défaut ; 10 bits par octet)\n"
    "  --rapide          aussi vite que possible\n"
    "Pannes, pour les essais :\n"
    "  --ignorer N       ne répond pas aux N premières demandes\n"
    "  --muet            ne répond jamais\n"
    "  --arret K         s'arrête après K octets\n"
    "  --extra K         envoie K octets de plus que l'image\n"
    "  --pause K:MS      s'interrompt MS millisecondes après K octets\n"
    "Liaison :\n"
    "  --port CHEMIN     un vrai port série au lieu d'un pseudo-terminal\n"
    "  --help            cette aide\n"
    "  --version         la version du programme\n";

volatile std::sig_atomic_t arreter = 0;
void sur_signal(int) {
    arreter = 1;
}

struct Options {
    QByteArray image;
    double octets_par_seconde = 5600.0; // 56 000 bauds, 10 bits par octet
    bool rapide = false;
    int ignorer = 0;
    bool muet = false;
    long arret = -1;
    int extra = 0;
    long pause_a = -1;
    int pause_ms = 0;
    QString port;
};

int usage(const char* message) {
    std::fprintf(stderr, "%s\n\n%s", message, Aide);
    return 2;
}

bool image_de_fichier_lqm(const QString& chemin, QByteArray& image) {
    QString copie = chemin;
    if (!Charger_Fichier(copie)) // les refus s'écrivent sur la sortie d'erreur
        return false;
    image = Encoder_Image(Magasin());
    return true;
}

// Terminal en mode brut : les octets passent tels quels dans les deux sens.
void mode_brut(int fd, speed_t vitesse) {
    termios t{};
    if (tcgetattr(fd, &t) != 0)
        return;
    cfmakeraw(&t);
    if (vitesse)
        cfsetspeed(&t, vitesse);
    tcsetattr(fd, TCSANOW, &t);
}

using Horloge = std::chrono::steady_clock;

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    Plateforme_Console console;
    Installer_Plateforme(&console);

    Options o;
    QCommandLineParser parseur;
    auto option = [](const char* nom, const char* valeur = nullptr) {
        return QCommandLineOption(QString::fromLatin1(nom), QString(),
                                  valeur ? QString::fromLatin1(valeur) : QString());
    };
    const QCommandLineOption graine = option("graine", "N"), lqm = option("lqm", "FICHIER"),
                             brut = option("brut", "FICHIER"), bauds = option("bauds", "N"),
                             rapide = option("rapide"), ignorer = option("ignorer", "N"),
                             muet = option("muet"), arret = option("arret", "K"),
                             extra = option("extra", "K"), pause = option("pause", "K:MS"),
                             port = option("port", "CHEMIN");
    const QString erreur = Lire_Ligne_Commande(
        parseur, {graine, lqm, brut, bauds, rapide, ignorer, muet, arret, extra, pause, port},
        QCoreApplication::arguments().mid(1), 0);
    if (!erreur.isEmpty())
        return usage(qPrintable(erreur));
    if (parseur.isSet(QStringLiteral("help"))) {
        std::fputs(Aide, stdout);
        return 0;
    }
    if (parseur.isSet(QStringLiteral("version"))) {
        std::fputs(qPrintable(Texte_Version(QStringLiteral("lqm-simulateur"))), stdout);
        return 0;
    }
    // Entier positif ou nul ; faux si l'option est donnée avec autre chose.
    auto entier = [&](const QCommandLineOption& opt, long& sortie) {
        if (!parseur.isSet(opt))
            return true;
        bool ok = false;
        sortie = parseur.value(opt).toLong(&ok);
        return ok && sortie >= 0;
    };
    long n = 1;
    if (!entier(graine, n))
        return usage("--graine attend un entier.");
    const auto graine_image = static_cast<std::uint32_t>(n);
    n = 56000;
    if (!entier(bauds, n) || n == 0)
        return usage("--bauds attend un débit positif.");
    o.octets_par_seconde = static_cast<double>(n) / 10.0; // 10 bits par octet
    n = 0;
    if (!entier(ignorer, n))
        return usage("--ignorer attend un nombre de demandes.");
    o.ignorer = static_cast<int>(n);
    if (!entier(arret, o.arret))
        return usage("--arret attend un nombre d'octets.");
    n = 0;
    if (!entier(extra, n))
        return usage("--extra attend un nombre d'octets.");
    o.extra = static_cast<int>(n);
    if (parseur.isSet(pause)) {
        const QStringList p = parseur.value(pause).split(u':');
        bool ok1 = false, ok2 = false;
        if (p.size() == 2) {
            o.pause_a = p[0].toLong(&ok1);
            o.pause_ms = p[1].toInt(&ok2);
        }
        if (!ok1 || !ok2 || o.pause_a < 0 || o.pause_ms < 0)
            return usage("--pause attend OCTET:MILLISECONDES.");
    }
    o.rapide = parseur.isSet(rapide);
    o.muet = parseur.isSet(muet);
    o.port = parseur.value(port);
    const QString fichier_lqm = parseur.value(lqm), fichier_brut = parseur.value(brut);

    if (!fichier_lqm.isEmpty()) {
        if (!image_de_fichier_lqm(fichier_lqm, o.image))
            return 1;
    } else if (!fichier_brut.isEmpty()) {
        QFile f(fichier_brut);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "Impossible d'ouvrir le fichier : %s\n", qPrintable(fichier_brut));
            return 1;
        }
        o.image = f.readAll();
        if (o.image.size() != Taille_Image) {
            std::fprintf(stderr, "Une image brute fait exactement %d octets (celle-ci : %lld).\n",
                         Taille_Image, static_cast<long long>(o.image.size()));
            return 1;
        }
    } else {
        Options_Generateur g;
        g.graine = graine_image;
        o.image = Generer_Image(g);
    }
    QByteArray envoi = o.image;
    for (int k = 0; k < o.extra; ++k)
        envoi.append(static_cast<char>(0x55));
    if (o.arret >= 0 && o.arret < envoi.size())
        envoi.truncate(o.arret);

    // La liaison : un pseudo-terminal, ou un vrai port.
    int fd = -1, esclave = -1;
    if (o.port.isEmpty()) {
        fd = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd < 0 || grantpt(fd) != 0 || unlockpt(fd) != 0) {
            std::fprintf(stderr, "Impossible de créer un pseudo-terminal.\n");
            return 1;
        }
        const char* chemin = ptsname(fd);
        // On garde le côté esclave ouvert : entre deux essais du programme, le terminal
        // ne se ferme pas, et il reste en mode brut.
        esclave = ::open(chemin, O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (esclave >= 0)
            mode_brut(esclave, 0);
        std::printf("%s\n", chemin);
    } else {
        fd = ::open(o.port.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd < 0) {
            std::fprintf(stderr, "Impossible d'ouvrir le port %s.\n", qPrintable(o.port));
            return 1;
        }
        mode_brut(fd, 0);
        std::printf("%s\n", qPrintable(o.port));
    }
    std::fflush(stdout);
    std::signal(SIGINT, sur_signal);
    std::signal(SIGTERM, sur_signal);
    std::signal(SIGPIPE, SIG_IGN);

    // Boucle : lire les demandes, écrire sans jamais bloquer, au rythme voulu.
    long position = -1; // -1 : aucun envoi en cours
    int demandes = 0;
    bool pause_faite = false, en_pause = false;
    Horloge::time_point fin_pause{}, reprise{};
    long envoyes_depuis_reprise = 0;
    while (!arreter) {
        const auto maintenant = Horloge::now();
        // Combien d'octets on peut écrire tout de suite.
        long permis = 0;
        if (position >= 0 && position < envoi.size()) {
            if (en_pause && maintenant >= fin_pause) {
                en_pause = false;
                reprise = maintenant;
                envoyes_depuis_reprise = 0;
            }
            if (!en_pause && !pause_faite && o.pause_a >= 0 && position >= o.pause_a) {
                pause_faite = en_pause = true;
                fin_pause = maintenant + std::chrono::milliseconds(o.pause_ms);
            }
            if (!en_pause) {
                permis = static_cast<long>(envoi.size()) - position;
                if (!o.rapide) {
                    const double s = std::chrono::duration<double>(maintenant - reprise).count();
                    permis = std::min(permis, static_cast<long>(s * o.octets_par_seconde) -
                                                  envoyes_depuis_reprise);
                }
                if (!pause_faite && o.pause_a >= 0)
                    permis = std::min(permis, o.pause_a - position);
            }
        }
        const bool envoi_en_cours = position >= 0 && position < envoi.size();
        pollfd p{fd, static_cast<short>(POLLIN | (permis > 0 ? POLLOUT : 0)), 0};
        if (::poll(&p, 1, envoi_en_cours ? 5 : 100) < 0 && errno != EINTR)
            break;
        if (p.revents & POLLIN) {
            char recu[256];
            const ssize_t n = ::read(fd, recu, sizeof recu);
            for (ssize_t k = 0; k < n; ++k) {
                if (recu[k] != 0x01)
                    continue;
                ++demandes;
                // Une demande pendant un envoi ne le recommence pas.
                if (o.muet || demandes <= o.ignorer || envoi_en_cours)
                    continue;
                position = 0;
                pause_faite = en_pause = false;
                reprise = Horloge::now();
                envoyes_depuis_reprise = 0;
                permis = 0;
            }
        } else if (p.revents & (POLLHUP | POLLERR)) {
            ::usleep(20000); // personne en face : on attend sans tourner à vide
        }
        if (permis > 0 && (p.revents & POLLOUT)) {
            const ssize_t n =
                ::write(fd, envoi.constData() + position, static_cast<size_t>(permis));
            if (n > 0) {
                position += n;
                envoyes_depuis_reprise += n;
            }
        }
    }
    if (esclave >= 0)
        ::close(esclave);
    ::close(fd);
    return 0;
}
