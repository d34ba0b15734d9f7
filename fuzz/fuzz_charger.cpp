// Cible libFuzzer : le lecteur de fichiers .lqm ne doit jamais planter, quoi qu'on lui donne ;
// un fichier qu'il accepte, sans valeur négative, s'écrit et se relit avec les mêmes tables.
//
// Un fichier accepté de l'appareil a plus de 100 000 valeurs : le lire coûtait quelques
// millisecondes par exécution. Les mêmes octets passent donc deux fois par le même code de
// lecture (Lire_Lqm_Tables) : avec les tables de l'appareil, qui ne peuvent qu'être refusées
// quand l'entrée est courte, et avec de petites tables (4 lignes Leq, 3 d'événements, 16
// éléments de configuration, 2 jeux de paramètres de 48 valeurs), qu'un fichier de quelques
// centaines d'octets remplit : tous les chemins de la lecture, acceptation comprise, à des
// milliers d'exécutions par seconde. Les tables de l'appareil sont vérifiées entières une fois
// au lancement (un téléchargement du générateur, écrit puis relu).
//
// Graines : « fuzz_charger --graines=DOSSIER DOSSIER ... » écrit d'abord dans DOSSIER des
// fichiers à petites tables tirés d'un téléchargement du générateur.
#include "Outils_Fuzz.h"
#include "download/Decodage.h"
#include "download/Generateur.h"
#include "store/Fichier_Lqm.h"
#include "store/Format_Lqm.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

struct Petit_Contenu {
    Tableau<4, 8> Tab_Leq;
    Tableau<3, 8> Tab_Evenements;
    Tableau<16> Tab_Config;
    Tableau<2, Nb_Colonnes_Parametres> Tab_Parametres;
    QString Date_Recuperation;
    QString Heure_Recuperation;
};

// Le format écrit le signe moins à la place de l'espace qui sépare les valeurs : une valeur
// négative ne se relit pas (aucun appareil n'en donne ; seul un fichier retouché en a).
template <class Table> bool sans_negatif(const Table& t) {
    const std::int16_t* c = t.ligne(1);
    return std::none_of(c, c + Table::lignes * Table::colonnes,
                        [](std::int16_t v) { return v < 0; });
}

// Les lignes 2, 3 et 4 finissent par CR LF collé à leur dernière valeur, et un jeton a au
// plus 6 caractères, espace comprise : une dernière valeur de quatre chiffres ou plus (un
// fichier retouché : l'appareil n'écrit que des octets) s'écrit mais ne se relit pas.
template <class Contenu> bool fins_de_ligne_relisibles(const Contenu& c) {
    auto derniere = [](const auto& t) { return t.ligne(t.lignes)[t.colonnes - 1]; };
    return derniere(c.Tab_Leq) < 1000 && derniere(c.Tab_Evenements) < 1000 &&
           derniere(c.Tab_Config) < 1000;
}

template <class Contenu> bool memes_tables(const Contenu& a, const Contenu& b) {
    return a.Tab_Leq == b.Tab_Leq && a.Tab_Evenements == b.Tab_Evenements &&
           a.Tab_Config == b.Tab_Config && a.Tab_Parametres == b.Tab_Parametres;
}

// Ce que la cible exige d'une lecture acceptée, quelle que soit la taille des tables.
template <class Contenu> void verifier(const QByteArray& octets, Contenu& contenu, Contenu& relu) {
    if (Lire_Lqm_Tables(octets, contenu) != Lecture_Lqm::Ok)
        return;
    // Un fichier accepté donne toujours une date et une heure de longueur bornée.
    exiger(contenu.Date_Recuperation.size() <= 10 && contenu.Heure_Recuperation.size() <= 5);
    if (!sans_negatif(contenu.Tab_Leq) || !sans_negatif(contenu.Tab_Evenements) ||
        !sans_negatif(contenu.Tab_Config) || !sans_negatif(contenu.Tab_Parametres) ||
        !fins_de_ligne_relisibles(contenu))
        return;
    // Enregistré puis rechargé : les mêmes tables (la date peut changer de forme).
    exiger(Lire_Lqm_Tables(Ecrire_Lqm_Tables(contenu), relu) == Lecture_Lqm::Ok);
    exiger(memes_tables(relu, contenu));
}

// Les premières lignes d'un téléchargement rangé, en petites tables.
Petit_Contenu petit_de(const Declarations& M) {
    Petit_Contenu p;
    auto copier = [](auto& petite, const auto& grande) {
        std::copy(grande.ligne(1), grande.ligne(1) + petite.lignes * petite.colonnes,
                  petite.ligne(1));
    };
    copier(p.Tab_Leq, M.Tab_Leq);
    copier(p.Tab_Evenements, M.Tab_Evenements);
    for (int n = 1; n <= 16; ++n)
        p.Tab_Config(n) = M.Tab_Config(2360 + n); // le numéro de série, puis la suite
    copier(p.Tab_Parametres, M.Tab_Parametres);
    p.Date_Recuperation = QStringLiteral("12/03/2008");
    p.Heure_Recuperation = QStringLiteral("10:02");
    return p;
}

void ecrire_graines(const QString& dossier) {
    auto M = std::make_unique<Declarations>();
    Ranger_Image(Generer_Image({3}), *M);
    const Petit_Contenu p = petit_de(*M);
    const QByteArray bon = Ecrire_Lqm_Tables(p);
    Ecrire_Graine(dossier, "petit_accepte", bon);
    // Des valeurs négatives (le signe mange l'espace) et des signes « + ».
    QByteArray signes = bon;
    signes.replace(" 7", "-7").replace(" 1", "+1");
    Ecrire_Graine(dossier, "petit_signes", signes);
    // Coupé avant la date ; une date trop longue ; un jeton de sept caractères.
    Ecrire_Graine(dossier, "petit_sans_date", bon.left(bon.lastIndexOf('\n', bon.size() - 3)));
    QByteArray longue = bon;
    longue.insert(longue.lastIndexOf('_'), "_1234567890");
    Ecrire_Graine(dossier, "petit_date_longue", longue);
    QByteArray jeton = bon;
    jeton.insert(Signature_Lqm.size() + 3, "123456");
    Ecrire_Graine(dossier, "petit_jeton_long", jeton);
    // CR LF au milieu des nombres, et une autre version du format.
    QByteArray lignes = bon;
    lignes.replace(" 12", " 1\r\n2");
    Ecrire_Graine(dossier, "petit_sauts", lignes);
    QByteArray version4 = bon;
    version4.replace("Version_3", "Version_4");
    Ecrire_Graine(dossier, "petit_version4", version4);
}

// Un téléchargement entier, écrit puis relu : les tables de l'appareil, par le même code.
void verifier_tables_entieres() {
    auto M = std::make_unique<Declarations>();
    Ranger_Image(Generer_Image({5}), *M);
    const auto contenu = Copie_Contenu(*M);
    contenu->Date_Recuperation = QStringLiteral("12/03/2008");
    contenu->Heure_Recuperation = QStringLiteral("10:02");
    const auto relu = std::make_unique<Contenu_Lqm>();
    exiger(Lire_Lqm(Ecrire_Lqm(*contenu), *relu) == Lecture_Lqm::Ok);
    exiger(memes_tables(*relu, *contenu) && relu->Date_Recuperation == contenu->Date_Recuperation &&
           relu->Heure_Recuperation == contenu->Heure_Recuperation);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    verifier_tables_entieres();
    Option_Graines(*argc, *argv, ecrire_graines);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    static const auto contenu = std::make_unique<Contenu_Lqm>();
    static const auto relu = std::make_unique<Contenu_Lqm>();
    static Petit_Contenu petit, petit_relu;
    const QByteArray octets = QByteArray::fromRawData(reinterpret_cast<const char*>(donnees),
                                                      static_cast<qsizetype>(taille));
    // Un jeton qui n'est pas un nombre laisse sa cellule telle quelle : des tables remises à
    // zéro à chaque entrée, pour qu'une trouvaille se rejoue seule. Les grandes ne peuvent se
    // remplir qu'avec une entrée de plus de 200 000 octets.
    if (taille > 200000) {
        *contenu = Contenu_Lqm{};
        *relu = Contenu_Lqm{};
    }
    petit = petit_relu = Petit_Contenu{};
    verifier(octets, *contenu, *relu);
    verifier(octets, petit, petit_relu);
    return 0;
}
