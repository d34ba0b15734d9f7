#pragma once

// Le format .lqm pour des tables de toute taille. Le programme le lit et l'écrit avec les
// tables de l'appareil (Contenu_Lqm) ; la cible de fuzzing, avec de petites tables : le même
// code y lit des fichiers entiers de quelques centaines d'octets.

#include "store/Fichier_Lqm.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>

namespace format_lqm {

// Lecture caractère par caractère : un jeton va jusqu'à l'espace suivante, qui le termine
// et est consommée.
class Lecteur {
public:
    explicit Lecteur(const QByteArray& octets) : d_(octets.constData()), n_(octets.size()) {}

    bool fini() const { return i_ >= n_; }
    char suivant() { return d_[i_++]; }
    void sauter(qsizetype n) { i_ = std::min(n_, i_ + n); }

    // Faux si le jeton (espace finale comprise) dépasse « limite » caractères ou si le
    // fichier finit avant son espace.
    bool jeton(int limite, const char*& debut, qsizetype& longueur) {
        debut = d_ + i_;
        longueur = 0;
        for (;;) {
            if (fini())
                return false;
            const char c = suivant();
            if (longueur + 1 > limite)
                return false;
            if (c == ' ')
                return true;
            ++longueur;
        }
    }

private:
    const char* d_;
    qsizetype n_;
    qsizetype i_ = 0;
};

// Valeur entière d'un jeton, CR et LF ignorés ; faux si ce n'est pas un entier sur 16 bits.
inline bool valeur(const char* debut, qsizetype longueur, std::int16_t& resultat) {
    int v = 0;
    bool negatif = false, chiffres = false, signe_permis = true;
    for (qsizetype k = 0; k < longueur; ++k) {
        const char c = debut[k];
        if (c == '\r' || c == '\n')
            continue;
        if (signe_permis && (c == '-' || c == '+')) {
            negatif = c == '-';
            signe_permis = false;
            continue;
        }
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
        chiffres = true;
        signe_permis = false;
        if (v > 32768)
            return false;
    }
    if (!chiffres)
        return false;
    v = negatif ? -v : v;
    if (v < -32768 || v > 32767)
        return false;
    resultat = static_cast<std::int16_t>(v);
    return true;
}

template <class Table> bool lire_table(Lecteur& l, Table& table) {
    std::int16_t* cellules = table.ligne(1);
    const qsizetype total = static_cast<qsizetype>(Table::lignes * Table::colonnes);
    const char* debut;
    qsizetype longueur;
    for (qsizetype k = 0; k < total; ++k) {
        if (!l.jeton(6, debut, longueur))
            return false;
        // Un jeton qui n'est pas un nombre laisse sa cellule telle quelle.
        valeur(debut, longueur, cellules[k]);
    }
    return true;
}

// Lit la signature caractère par caractère : jusqu'à une espace, « !!! » ou la fin.
inline bool lire_signature(Lecteur& l) {
    QByteArray signature;
    while (!l.fini()) {
        const char car = l.suivant();
        if (car == ' ')
            break;
        signature.append(car);
        if (signature.endsWith("!!!"))
            break;
    }
    return signature == Signature_Lqm;
}

// Écriture : chaque valeur précédée d'une espace, ou du signe moins.
class Redacteur {
public:
    explicit Redacteur(QByteArray& sortie) : s_(sortie) {}
    void valeur(std::int16_t v) {
        char tampon[8];
        int i = 8;
        int a = std::abs(static_cast<int>(v));
        do {
            tampon[--i] = static_cast<char>('0' + a % 10);
            a /= 10;
        } while (a);
        tampon[--i] = v < 0 ? '-' : ' ';
        s_.append(tampon + i, 8 - i);
    }
    void fin_de_ligne() { s_.append("\r\n", 2); }

private:
    QByteArray& s_;
};

inline void appeler(const std::function<void()>& f) {
    if (f)
        f();
}

template <class Table> constexpr qsizetype cellules() {
    return static_cast<qsizetype>(Table::lignes * Table::colonnes);
}

} // namespace format_lqm

// « Contenu » : Tab_Leq, Tab_Evenements (lignes de 8), Tab_Config (une colonne),
// Tab_Parametres, Date_Recuperation et Heure_Recuperation, comme Contenu_Lqm.
template <class Contenu> Lecture_Lqm Lire_Lqm_Tables(const QByteArray& octets, Contenu& c) {
    using namespace format_lqm;
    Lecteur l(octets);
    if (!lire_signature(l))
        return Lecture_Lqm::Signature;
    l.sauter(3); // CR LF, puis l'espace de la première valeur
    if (!lire_table(l, c.Tab_Leq) || !lire_table(l, c.Tab_Evenements) ||
        !lire_table(l, c.Tab_Config) || !lire_table(l, c.Tab_Parametres))
        return Lecture_Lqm::Illisible;
    l.sauter(2); // CR LF de la ligne 5
    const char* debut;
    qsizetype longueur;
    if (!l.jeton(20, debut, longueur))
        return Lecture_Lqm::Illisible;
    const QString dernier = QString::fromLatin1(debut, longueur);
    c.Date_Recuperation = dernier.left(10);
    c.Heure_Recuperation = dernier.mid(11, 5);
    return Lecture_Lqm::Ok;
}

template <class Contenu>
QByteArray Ecrire_Lqm_Tables(const Contenu& M, const Rappels_Ecriture& r = {}) {
    using namespace format_lqm;
    QByteArray s;
    s.reserve(7 * (cellules<decltype(M.Tab_Leq)>() + cellules<decltype(M.Tab_Evenements)>() +
                   cellules<decltype(M.Tab_Config)>() + cellules<decltype(M.Tab_Parametres)>()) +
              128);
    Redacteur w(s);
    s.append(Signature_Lqm);
    w.fin_de_ligne();
    for (std::size_t i = 1; i <= M.Tab_Leq.lignes; ++i) {
        appeler(r.evenements);
        for (std::size_t j = 1; j <= M.Tab_Leq.colonnes; ++j)
            w.valeur(M.Tab_Leq(i, j));
        appeler(r.pas);
    }
    w.fin_de_ligne();
    for (std::size_t i = 1; i <= M.Tab_Evenements.lignes; ++i) {
        appeler(r.evenements);
        for (std::size_t j = 1; j <= M.Tab_Evenements.colonnes; ++j)
            w.valeur(M.Tab_Evenements(i, j));
        appeler(r.pas);
    }
    w.fin_de_ligne();
    for (std::size_t n = 1; n <= M.Tab_Config.lignes; ++n) {
        appeler(r.evenements);
        w.valeur(M.Tab_Config(n));
        if (n % 8 == 0)
            appeler(r.pas);
    }
    w.fin_de_ligne();
    for (std::size_t i = 1; i <= M.Tab_Parametres.lignes; ++i) {
        for (std::size_t j = 1; j <= M.Tab_Parametres.colonnes; ++j) {
            appeler(r.evenements);
            w.valeur(M.Tab_Parametres(i, j));
            if (j % 8 == 0)
                appeler(r.pas);
        }
    }
    s.append(' ');
    w.fin_de_ligne();
    s.append(M.Date_Recuperation.toLatin1());
    s.append('_');
    s.append(M.Heure_Recuperation.toLatin1());
    s.append(' ');
    w.fin_de_ligne();
    return s;
}
