#pragma once

#include <QApplication>

// Les mesures qui dessinent ou ouvrent des fenêtres demandent une application (lancer avec
// QT_QPA_PLATFORM=offscreen sans écran) ; une seule pour tout le programme.
inline void Application_Bench() {
    static int argc = 1;
    static char nom[] = "lqm_bench";
    static char* argv[] = {nom, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    Q_UNUSED(application);
}
