#include "platform/Plateforme_Qt.h"
#include "shell/Fenetres.h"
#include "shell/frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TARVO Analyser"));
    // La sortie passe par le menu Quitter, qui attend la fin d'un travail en cours.
    QApplication::setQuitOnLastWindowClosed(false);
    Charger_Traduction_Qt();

    Plateforme_Qt plateforme_qt;
    Installer_Plateforme(&plateforme_qt);

    auto& registre = Fenetres::instance();
    plateforme_qt.Definir_Parent(registre.Charger(Id_Fenetre::frmMain));

    const int code = QApplication::exec();
    Installer_Plateforme(nullptr);
    registre.Tout_Detruire();
    return code;
}
