#include <QApplication>
#include <gtest/gtest.h>

// Les tests de fenêtres tournent sans écran ; un thème de bureau hérité ferait ouvrir
// des dialogues natifs qui attendent un écran pour toujours.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_QPA_PLATFORMTHEME");
    QApplication application(argc, argv);
    // Comme le programme : la sortie passe par Quitter.
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
