#include "support/Pseudo_Terminal.h"

#include <fcntl.h>
#include <stdlib.h>
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
