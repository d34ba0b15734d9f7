#include "support/Pseudo_Terminal.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

Pseudo_Terminal::Pseudo_Terminal() {
    maitre_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (maitre_ < 0)
        return;
    if (grantpt(maitre_) != 0 || unlockpt(maitre_) != 0) {
        ::close(maitre_);
        maitre_ = -1;
        return;
    }
    chemin_ = QString::fromLocal8Bit(ptsname(maitre_));
}

Pseudo_Terminal::~Pseudo_Terminal() {
    if (maitre_ >= 0)
        ::close(maitre_);
}

void Pseudo_Terminal::pousser(const QByteArray& octets, qsizetype& position) {
    while (position < octets.size()) {
        const ssize_t n = ::write(maitre_, octets.constData() + position,
                                  static_cast<size_t>(octets.size() - position));
        if (n <= 0)
            return;
        position += n;
    }
}

QByteArray Pseudo_Terminal::lire(int attente_ms) {
    QByteArray recu;
    pollfd p{maitre_, POLLIN, 0};
    if (::poll(&p, 1, attente_ms) <= 0)
        return recu;
    char tampon[4096];
    for (;;) {
        const ssize_t n = ::read(maitre_, tampon, sizeof tampon);
        if (n <= 0)
            break;
        recu.append(tampon, n);
    }
    return recu;
}
