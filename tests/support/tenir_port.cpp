// Tient un port série ouvert, comme un autre logiciel, jusqu'à la fermeture de son entrée.
#include <QCoreApplication>
#include <QSerialPort>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc != 2)
        return 2;
    QSerialPort port(QString::fromLocal8Bit(argv[1]));
    if (!port.open(QIODevice::ReadWrite)) {
        std::printf("refus\n");
        std::fflush(stdout);
        return 1;
    }
    std::printf("ouvert\n");
    std::fflush(stdout);
    char c;
    while (std::fread(&c, 1, 1, stdin) == 1) {
    }
    return 0;
}
