#include "store/Fichier_Lqm.h"

#include <cstdlib>

const QByteArray Signature_Lqm = QByteArrayLiteral("Donn\xE9"
                                                   "es_d_un_LQM_70-4_Nova_Version_3!!!");

namespace {

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
bool valeur(const char* debut, qsizetype longueur, std::int16_t& resultat) {
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

void appeler(const std::function<void()>& f) {
    if (f)
        f();
}

} // namespace

namespace {
// Lit la signature caractère par caractère : jusqu'à une espace, « !!! » ou la fin.
bool lire_signature(Lecteur& l) {
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
} // namespace

Lecture_Lqm Verifier_Signature_Lqm(const QByteArray& debut) {
    Lecteur l(debut);
    return lire_signature(l) ? Lecture_Lqm::Ok : Lecture_Lqm::Signature;
}

Lecture_Lqm Lire_Lqm(const QByteArray& octets, Contenu_Lqm& c) {
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

void Recopier_Contenu(const Contenu_Lqm& contenu, Declarations& M) {
    M.Tab_Leq = contenu.Tab_Leq;
    M.Tab_Evenements = contenu.Tab_Evenements;
    M.Tab_Config = contenu.Tab_Config;
    M.Tab_Parametres = contenu.Tab_Parametres;
    M.Date_Recuperation = contenu.Date_Recuperation;
    M.Heure_Recuperation = contenu.Heure_Recuperation;
}

std::unique_ptr<Contenu_Lqm> Copie_Contenu(const Declarations& M) {
    auto copie = std::make_unique<Contenu_Lqm>();
    Contenu_Lqm& c = *copie;
    c.Tab_Leq = M.Tab_Leq;
    c.Tab_Evenements = M.Tab_Evenements;
    c.Tab_Config = M.Tab_Config;
    c.Tab_Parametres = M.Tab_Parametres;
    c.Date_Recuperation = M.Date_Recuperation;
    c.Heure_Recuperation = M.Heure_Recuperation;
    return copie;
}

QByteArray Ecrire_Lqm(const Declarations& M, const Rappels_Ecriture& r) {
    return Ecrire_Lqm(*Copie_Contenu(M), r);
}

QByteArray Ecrire_Lqm(const Contenu_Lqm& M, const Rappels_Ecriture& r) {
    QByteArray s;
    s.reserve(700000);
    Redacteur w(s);
    s.append(Signature_Lqm);
    w.fin_de_ligne();
    for (int i = 1; i <= Nb_Lignes_Leq; ++i) {
        appeler(r.evenements);
        for (int j = 1; j <= 8; ++j)
            w.valeur(M.Tab_Leq(i, j));
        appeler(r.pas);
    }
    w.fin_de_ligne();
    for (int i = 1; i <= Nb_Lignes_Evenements; ++i) {
        appeler(r.evenements);
        for (int j = 1; j <= 8; ++j)
            w.valeur(M.Tab_Evenements(i, j));
        appeler(r.pas);
    }
    w.fin_de_ligne();
    for (int n = 1; n <= Nb_Elements_Config; ++n) {
        appeler(r.evenements);
        w.valeur(M.Tab_Config(n));
        if (n % 8 == 0)
            appeler(r.pas);
    }
    w.fin_de_ligne();
    for (int i = 1; i <= Nb_Lignes_Parametres; ++i) {
        for (int j = 1; j <= Nb_Colonnes_Parametres; ++j) {
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
