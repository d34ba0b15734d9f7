#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Réglages et archive dans un dossier jetable : jamais ceux de l'utilisateur.
    QTemporaryDir maison;
    qputenv("XDG_CONFIG_HOME", maison.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", maison.filePath(QStringLiteral("data")).toUtf8());
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
