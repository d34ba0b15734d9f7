#include "archive/Archivage.h"
#include "download/Ports_Serie.h"
#include "platform/Images_Programme.h"
#include "platform/Plateforme_Qt.h"
#include "shell/Fenetres.h"
#include "shell/Ligne_Commande.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <cstdio>

int main(int argc, char* argv[]) {
    // Les options sont lues avant de créer l'application : l'aide doit s'afficher même
    // sans écran.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const Options_Programme options = Analyser_Options(arguments);
    if (!options.erreur.isEmpty()) {
        std::fprintf(stderr, "%s\n\n%s", qPrintable(options.erreur),
                     qPrintable(Texte_Aide_Programme()));
        return 2;
    }
    if (options.aide) {
        std::fputs(qPrintable(Texte_Aide_Programme()), stdout);
        return 0;
    }
    if (options.version) {
        std::fputs(qPrintable(Texte_Version(QStringLiteral("lqm-analyser"))), stdout);
        return 0;
    }
    if (options.verifier_images) {
        // Sans écran : de quoi vérifier une installation.
        QCoreApplication application(argc, argv);
        const QString dossier = Dossier_Images();
        QStringList manquantes;
        for (const QString& nom : Images_Du_Programme())
            if (dossier.isEmpty() || !QFileInfo::exists(dossier + u'/' + nom))
                manquantes << nom;
        std::printf("Images du programme : %s\n",
                    qPrintable(dossier.isEmpty() ? QStringLiteral("introuvables") : dossier));
        if (!manquantes.isEmpty())
            std::printf("Il manque : %s\n", qPrintable(manquantes.join(QStringLiteral(", "))));
        return manquantes.isEmpty() ? 0 : 1;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TARVO Analyser"));
    // La sortie passe par le menu Quitter, qui attend la fin d'un travail en cours.
    QApplication::setQuitOnLastWindowClosed(false);
    // Dates et noms des dialogues de Qt en français ; les nombres des textes du programme
    // ne dépendent pas de la langue.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    Charger_Traduction_Qt();
    Ports_Serie::Definir_Chemins(options.ports);

    Plateforme_Qt plateforme_qt;
    Installer_Plateforme(&plateforme_qt);

    auto& registre = Fenetres::instance();
    plateforme_qt.Definir_Parent(registre.Charger(Id_Fenetre::frmMain));
    if (!options.fichier.isEmpty())
        if (auto* principale = registre.Instance<frmMain>(Id_Fenetre::frmMain))
            principale->Ouvrir_Fichier(options.fichier);

    const int code = QApplication::exec();
    Attendre_Archivage(); // un téléchargement à moitié archivé serait perdu pour l'archive
    Installer_Plateforme(nullptr);
    registre.Tout_Detruire();
    return code;
}
