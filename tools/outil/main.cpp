// lqm-outil : les données du LQM 70-4 Nova en ligne de commande.

#include "download/Decodage.h"
#include "download/Generateur.h"
#include "download/Liaison_Serie.h"
#include "download/Ports_Serie.h"
#include "download/Progression.h"
#include "download/Telechargement.h"
#include "platform/Plateforme_Console.h"
#include "shell/Choix_Donnees.h"
#include "store/Declarations.h"
#include "store/Fichier_Lqm.h"
#include "store/Fonction_Fichiers.h"
#include "store/Resume.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTimer>
#include <csignal>
#include <cstdio>

namespace {

const char* const Aide =
    "Utilisation : lqm-outil COMMANDE [ARGUMENTS]\n"
    "\n"
    "Les données du LQM 70-4 Nova sans fenêtre.\n"
    "\n"
    "Commandes :\n"
    "  resume FICHIER.lqm\n"
    "      Charge le fichier et affiche son résumé : numéro de série, date du\n"
    "      téléchargement, nombre de valeurs Leq1 et Leq10, d'événements et de jeux de\n"
    "      paramètres, dates de la première et de la dernière valeur.\n"
    "  generer FICHIER.lqm [--graine N]\n"
    "      Écrit un fichier d'exemple : environ cinq jours de mesures vraisemblables\n"
    "      fabriquées par le programme (même graine, même fichier). Un fichier existant\n"
    "      n'est remplacé qu'une fois le nouveau entièrement écrit.\n"
    "  telecharger --port CHEMIN FICHIER.lqm\n"
    "      Télécharge la mémoire du LQM 70-4 Nova branché sur le port série CHEMIN\n"
    "      (/dev/ttyUSB0, ou le pseudo-terminal de lqm-simulateur), la trie et l'enregistre\n"
    "      comme « Enregistrer Sous ... » (un fichier existant n'est remplacé qu'une fois\n"
    "      le nouveau entièrement écrit). La progression s'affiche sur la sortie d'erreur ;\n"
    "      Ctrl+C annule ; 10 secondes sans octet pendant la réception arrêtent tout.\n"
    "  --help\n"
    "      Affiche cette aide.\n"
    "\n"
    "Code de sortie : 0 si tout va bien, 1 si le fichier est refusé ou ne peut être\n"
    "écrit, 2 si la commande est mal formée.\n";

void sortie(const QString& texte) {
    std::fputs(texte.toUtf8().constData(), stdout);
}
void erreur(const QString& texte) {
    std::fputs(texte.toUtf8().constData(), stderr);
}

int usage(const QString& message) {
    erreur(message + QStringLiteral("\n\n") + QString::fromUtf8(Aide));
    return 2;
}

int resume(const QString& chemin) {
    QString copie = chemin;
    Charger_Fichier(copie);
    if (!Magasin().Donnees_Chargees)
        return 1; // le chargement a déjà dit pourquoi, sur la sortie d'erreur
    sortie(Lignes_Resume(Magasin()).join(u'\n') + u'\n');
    return 0;
}

int generer(const QString& chemin, std::uint32_t graine) {
    Options_Generateur options;
    options.graine = graine;
    const QByteArray image = Generer_Image(options);
    auto& M = Magasin();
    Ranger_Image(image, M);
    const QDateTime recuperation = options.fin.addSecs(137);
    M.Date_Recuperation = recuperation.toString(QStringLiteral("dd/MM/yyyy"));
    M.Heure_Recuperation = recuperation.toString(QStringLiteral("HH:mm:ss"));
    const QString probleme = Ecrire_Fichier_Sur(chemin, Ecrire_Lqm(M));
    if (!probleme.isEmpty()) {
        erreur(QStringLiteral("Impossible d'écrire le fichier %1 : %2\n").arg(chemin, probleme));
        return 1;
    }
    return 0;
}

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
        erreur(ligne);
        dernier = ligne;
    }
}

int telecharger(const QString& port, const QString& chemin) {
    auto& M = Magasin();
    Ports_Serie::Activer_Enumeration(false);
    Ports_Serie::Definir_Chemins({port});
    M.Num_Port = 1;
    Definir_Delai_Silence(10000);
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
    erreur(QStringLiteral("Demande des données au LQM 70-4 sur %1...\n").arg(port));
    Telechargement();
    guet.stop();
    erreur(QStringLiteral("\n"));

    const Issue_Telechargement issue = Issue_Du_Telechargement(M.Abandon, M.Compteur_Essais);
    if (issue != Issue_Telechargement::Reussite) {
        const Message_Utilisateur message = Message_Echec(issue);
        if (!message.texte.isEmpty())
            erreur(message.texte + u'\n');
        return 1;
    }
    const QString probleme = Ecrire_Fichier_Sur(chemin, Ecrire_Lqm(M));
    if (!probleme.isEmpty()) {
        erreur(QStringLiteral("Impossible d'écrire le fichier %1 : %2\n").arg(chemin, probleme));
        return 1;
    }
    erreur(QStringLiteral("Données enregistrées dans %1\n").arg(chemin));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    Plateforme_Console console;
    Installer_Plateforme(&console);

    const QStringList a = QCoreApplication::arguments().mid(1);
    if (a.isEmpty())
        return usage(QStringLiteral("Aucune commande."));
    if (a[0] == QLatin1String("--help") || a[0] == QLatin1String("-h")) {
        sortie(QString::fromUtf8(Aide));
        return 0;
    }
    if (a[0] == QLatin1String("resume")) {
        if (a.size() != 2)
            return usage(QStringLiteral("La commande resume attend un fichier .lqm."));
        return resume(a[1]);
    }
    if (a[0] == QLatin1String("generer")) {
        std::uint32_t graine = 1;
        if (a.size() == 4 && a[2] == QLatin1String("--graine")) {
            bool ok = false;
            graine = a[3].toUInt(&ok);
            if (!ok)
                return usage(QStringLiteral("La graine doit être un entier positif."));
        } else if (a.size() != 2) {
            return usage(QStringLiteral("La commande generer attend un fichier .lqm."));
        }
        return generer(a[1], graine);
    }
    if (a[0] == QLatin1String("telecharger")) {
        if (a.size() != 4 || a[1] != QLatin1String("--port"))
            return usage(QStringLiteral("Utilisation : lqm-outil telecharger --port CHEMIN "
                                        "FICHIER.lqm"));
        return telecharger(a[2], a[3]);
    }
    return usage(QStringLiteral("Commande inconnue : %1").arg(a[0]));
}
