#include "parameters/Parametres.h"

#include "shell/Calendrier.h"
#include "store/Declarations.h"
#include "store/Validite.h"

#include <functional>

QString Mot_Ponderation(int valeur) {
    switch (valeur & 12) {
    case 8:
        return QStringLiteral("Pondérée Type M.");
    case 12:
        return QStringLiteral("Pondérée Type A.");
    default: // 0 et 4
        return QStringLiteral("Linéaire.");
    }
}

QString Texte_Analyse(int valeur) {
    return QStringLiteral("Analyse : ") + Mot_Ponderation(valeur);
}

QString Texte_Source(int valeur) {
    return ((valeur & 1) == 0 ? QStringLiteral("Source : Capteur, ")
                              : QStringLiteral("Source : Ligne, ")) +
           Mot_Ponderation(valeur);
}

QString Texte_Temps_Montee(int valeur) {
    static const char* const textes[8] = {"250 ms", "500 ms", "1 s", "2 s",
                                          "3 s",    "4 s",    "5 s", "6 s"};
    return QString::fromLatin1(textes[valeur & 7]) + QStringLiteral(" pour 10 dB.");
}

QString Texte_Temps_Descente(int valeur) {
    static const char* const textes[8] = {"250 ms", "500 ms", "750 ms", "1 s",
                                          "1.5 s",  "2 s",    "3 s",    "4 s"};
    return QString::fromLatin1(textes[valeur & 7]) + QStringLiteral(" pour 10 dB.");
}

QString Texte_Attenuation(int valeur) {
    if (valeur > 15)
        return QStringLiteral("00");
    if (valeur < 10)
        return u'0' + QString::number(valeur);
    return QString::number(valeur);
}

QString Texte_Niveau_Reglage(int a, int b) {
    // En int : une valeur hors des octets lue dans un fichier ne déborde pas.
    return QString::number(a * 100 + b);
}

namespace {

QString deux_chiffres(int n) {
    return n >= 10 ? QString::number(n) : u'0' + QString::number(n);
}

// Entier d'un morceau de texte ; 0 si ce n'en est pas un.
int entier(const QString& texte) {
    return texte.trimmed().toInt();
}

// Une source de réglages, lue par numéro de colonne de Tab_Parametres.
using Lecture = std::function<int(int colonne)>;

// Élément du bloc de configuration qui tient le réglage de la colonne d'un jeu.
int Element_Config(int colonne) {
    if (colonne <= 8)
        return colonne; // pondération, source
    if (colonne <= 28)
        return colonne + 2040; // temps, atténuations
    return colonne + 2148;     // niveaux
}

Reglages_Affiches decoder(const Lecture& v) {
    Reglages_Affiches r;
    static const int paires[6] = {29, 31, 33, 37, 39, 41};
    for (int p = 0; p < 6; ++p)
        r.niveaux[p] = Texte_Niveau_Reglage(v(paires[p]), v(paires[p] + 1));
    r.analyse = Texte_Analyse(v(7));
    r.source = Texte_Source(v(8));
    r.montee = Texte_Temps_Montee(v(10));
    r.descente = Texte_Temps_Descente(v(12));
    for (int b = 0; b < 7; ++b)
        r.attenuations[b] = Texte_Attenuation(v(16 + 2 * b));
    return r;
}

QString ligne_periode(const QString& debut, const QString& fin) {
    return QStringLiteral("Paramètres  du  ") + debut + QStringLiteral("  au  ") + fin;
}

} // namespace

QString Texte_Jeu(const std::int16_t* ligne) {
    const int mi = ligne[0], h = ligne[1], d = ligne[2], mo = ligne[4], y = ligne[5];
    const QString date =
        QString::number(d) + u'/' + QString::number(mo) + u'/' + QString::number(y);
    return Nom_Jour(date) + u' ' + deux_chiffres(d) + u' ' + Nom_Mois(mo) + u' ' +
           QString::number(2000 + y) + QStringLiteral("  à  ") + deux_chiffres(h) +
           QStringLiteral(" : ") + deux_chiffres(mi);
}

QString Texte_Recuperation() {
    const auto& M = Magasin();
    const QString& date = M.Date_Recuperation;
    const QString& heure = M.Heure_Recuperation;
    return Nom_Jour(date) + u' ' + date.mid(0, 2) + u' ' + Nom_Mois(entier(date.mid(3, 2))) + u' ' +
           date.mid(6, 4) + QStringLiteral("  à  ") + heure.mid(0, 2) + QStringLiteral(" : ") +
           heure.mid(3, 2);
}

Reglages_Affiches Reglages_Courants() {
    const auto& M = Magasin();
    return decoder([&M](int colonne) { return int{M.Tab_Config(Element_Config(colonne))}; });
}

Reglages_Affiches Reglages_Du_Jeu(int ligne) {
    const auto& M = Magasin();
    return decoder([&M, ligne](int colonne) { return int{M.Tab_Parametres(ligne, colonne)}; });
}

Contenu_Parametres Contenu_Chargement() {
    auto& M = Magasin();
    Contenu_Parametres c;
    c.Label_Version_FirmWare = QStringLiteral("Nova - Version 3.0");
    Calcul_Num_Serie();
    c.Label_Numero_Serie = M.Num_Serie;
    c.reglages = Reglages_Courants();
    // Chaque entrée garde sa ligne : si des lignes invalides s'intercalent (fichier non
    // trié), l'entrée choisie montre bien le jeu qu'elle nomme.
    for (int r = Nb_Lignes_Parametres; r >= 1; --r) {
        const std::int16_t* ligne = M.Tab_Parametres.ligne(r);
        if (!Ligne_Parametres_Valide(ligne))
            continue;
        c.Combo_Jour.append(Texte_Jeu(ligne));
        c.lignes.push_back(r);
    }
    if (!c.Combo_Jour.isEmpty())
        c.Texte_Jour = c.Combo_Jour.constFirst();
    c.Label_Date = ligne_periode(c.Texte_Jour, Texte_Recuperation());
    return c;
}

bool Choisir_Jeu(Contenu_Parametres& contenu, int k) {
    if (k < 0 || k >= contenu.Combo_Jour.size())
        return false;
    // Un jeu est en vigueur jusqu'au suivant, le plus récent jusqu'au téléchargement.
    const QString fin = k == 0 ? Texte_Recuperation() : contenu.Combo_Jour[k - 1];
    contenu.Label_Date = ligne_periode(contenu.Combo_Jour[k], fin);
    contenu.reglages = Reglages_Du_Jeu(contenu.lignes[static_cast<std::size_t>(k)]);
    return true;
}

QStringList Lignes_Parametres(const Contenu_Parametres& c) {
    namespace L = Legendes_Parametres;
    const auto avec_unite = [](const QString& legende, const QString& valeur) {
        return legende + u' ' + valeur + u' ' + L::Unite;
    };
    const Reglages_Affiches& r = c.reglages;
    QStringList lignes = {L::Entete,
                          c.Label_Date,
                          L::Generaux,
                          L::Version + u' ' + c.Label_Version_FirmWare,
                          L::Serie + u' ' + c.Label_Numero_Serie,
                          L::Courbes,
                          r.analyse,
                          r.source,
                          L::Niveaux};
    for (int p = 0; p < 6; ++p)
        lignes.append(avec_unite(L::Lignes_Niveaux[p], r.niveaux[p]));
    lignes << L::Temps << L::Montee + u' ' + r.montee << L::Descente + u' ' + r.descente
           << L::Carte_Filtre;
    for (int b = 0; b < 7; ++b)
        lignes.append(avec_unite(L::Bandes[b], r.attenuations[b]));
    return lignes;
}
