// lqm-outil telecharger : la mémoire de l'appareil, sans fenêtre, dans un fichier .lqm.

#include "Commande.h"

#include "archive/Archivage.h"
#include "download/Liaison_Serie.h"
#include "download/Ports_Serie.h"
#include "download/Progression.h"
#include "download/Telechargement.h"
#include "shell/Choix_Donnees.h"
#include "store/Declarations.h"
#include "store/Fichier_Lqm.h"
#include "store/Fonction_Fichiers.h"

#include <QTimer>
#include <csignal>

namespace {

const QString Aide = QStringLiteral(
    "Utilisation : lqm-outil telecharger --port CHEMIN [--archiver [--base CONNEXION]]\n"
    "                                    FICHIER.lqm\n"
    "\n"
    "Télécharge la mémoire du LQM 70-4 Nova branché sur le port série CHEMIN\n"
    "(/dev/ttyUSB0, ou le pseudo-terminal de lqm-simulateur), la trie et l'enregistre\n"
    "comme « Enregistrer Sous ... » (un fichier existant n'est remplacé qu'une fois\n"
    "le nouveau entièrement écrit). La progression s'affiche sur la sortie d'erreur ;\n"
    "Ctrl+C annule ; 10 secondes sans octet pendant la réception arrêtent tout.\n"
    "\n"
    "Options :\n"
    "  --port CHEMIN   le port série de l'appareil (obligatoire).\n"
    "  --archiver      ajoute aussi les données à l'archive de l'appareil (bilan sur la\n"
    "                  sortie d'erreur ; le fichier est écrit même si l'archive échoue).\n"
    "  --base CONNEXION\n"
    "                  l'archive (voir « lqm-outil archive --help »).\n"
    "  -h, --help      affiche cette aide.\n");

// Sans fenêtre, personne ne peut annuler une réception muette : on l'arrête au bout de ce
// délai, comme une transmission coupée.
constexpr int Delai_Silence_Ms = 10000;

volatile std::sig_atomic_t interruption = 0;
void sur_interruption(int) {
    interruption = 1;
}

// Barre de progression sur la sortie d'erreur, redessinée quand le pourcentage change.
void afficher_progression() {
    static QString dernier;
    const Etat_Attente& e = Etat_Progression();
    const int total = static_cast<int>(e.ProgressBar_Traitement);
    const QString etape = e.ProgressBar_Classement >= 1 ? QStringLiteral("Classement  ")
                                                        : QStringLiteral("Transmission");
    const int largeur = 40;
    const int plein = total * largeur / 213;
    const QString ligne = QStringLiteral("\r%1 [%2%3] %4 %")
                              .arg(etape)
                              .arg(QString(plein, u'#'))
                              .arg(QString(largeur - plein, u'.'))
                              .arg(total * 100 / 213, 3);
    if (ligne != dernier) {
        Erreur(ligne);
        dernier = ligne;
    }
}

} // namespace

int Commande_Telecharger(const QStringList& arguments) {
    QCommandLineParser parseur;
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("CHEMIN"));
    // Option cachée, absente de l'aide : les tests raccourcissent ainsi le délai de silence.
    const QCommandLineOption delai(QStringLiteral("delai-silence"), QString(), QStringLiteral("MS"),
                                   QString::number(Delai_Silence_Ms));
    const QCommandLineOption archiver(QStringLiteral("archiver"));
    const QCommandLineOption base(QStringLiteral("base"), QString(), QStringLiteral("CONNEXION"));
    const int code =
        Lire_Commande(parseur, {port, delai, archiver, base}, arguments, Aide,
                      QStringLiteral("La commande telecharger attend un fichier .lqm."));
    if (code >= 0)
        return code;
    const QString chemin = parseur.positionalArguments().constFirst();
    if (!parseur.isSet(port))
        return Usage(QStringLiteral("La commande telecharger attend --port CHEMIN."), Aide);
    const QString chemin_port = parseur.value(port);
    if (chemin_port.isEmpty())
        return Usage(QStringLiteral("L'option --port attend le chemin d'un port série."), Aide);
    bool ok = false;
    const int delai_ms = parseur.value(delai).toInt(&ok);
    if (!ok || delai_ms <= 0)
        return Usage(QStringLiteral("L'option --delai-silence attend des millisecondes."), Aide);

    auto& M = Magasin();
    Ports_Serie::Activer_Enumeration(false);
    Ports_Serie::Definir_Chemins({chemin_port});
    M.Num_Port = 1;
    Definir_Delai_Silence(delai_ms);
    Etat_Progression() = Etat_Attente_Au_Chargement();
    Installer_Vue_Progression({{}, afficher_progression});

    // Ctrl+C fait comme le bouton « Annuler » de la fenêtre de progression.
    std::signal(SIGINT, sur_interruption);
    QTimer guet;
    QObject::connect(&guet, &QTimer::timeout, [] {
        if (!interruption)
            return;
        interruption = 0;
        auto& m = Magasin();
        m.Abandon = true;
        m.Compteur_Essais = 0;
        liaison().Fermer();
    });
    guet.start(50);
    Erreur(QStringLiteral("Demande des données au LQM 70-4 sur %1...\n").arg(chemin_port));
    Telechargement();
    guet.stop();
    Erreur(QStringLiteral("\n"));

    const Issue_Telechargement issue = Issue_Du_Telechargement(M.Abandon, M.Compteur_Essais);
    if (issue != Issue_Telechargement::Reussite) {
        const Message_Utilisateur message = Message_Echec(issue);
        if (!message.texte.isEmpty())
            Erreur(message.texte + u'\n');
        return 1;
    }
    const QString probleme = Ecrire_Fichier_Sur(chemin, Ecrire_Lqm(M));
    if (!probleme.isEmpty()) {
        Erreur(QStringLiteral("Impossible d'écrire le fichier %1 : %2\n").arg(chemin, probleme));
        return 1;
    }
    Erreur(QStringLiteral("Données enregistrées dans %1\n").arg(chemin));
    if (parseur.isSet(archiver))
        return Archiver_Telechargement(parseur.isSet(base) ? parseur.value(base)
                                                           : Lire_Reglages_Archive().connexion,
                                       chemin_port);
    return 0;
}
