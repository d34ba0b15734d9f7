#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Les tests de fenêtres tournent sans écran ; un thème de bureau hérité ferait ouvrir
// des dialogues natifs qui attendent un écran pour toujours.
int main(int argc, char** argv) {
    // Réglages et archive dans un dossier jetable : jamais ceux de l'utilisateur.
    QTemporaryDir maison;
    qputenv("XDG_CONFIG_HOME", maison.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", maison.filePath(QStringLiteral("data")).toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_QPA_PLATFORMTHEME");
    QApplication application(argc, argv);
    // Comme le programme : la sortie passe par Quitter.
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
