#include "store/Fonction_Fichiers.h"

#include "platform/Plateforme.h"
#include "shell/Calendrier.h"
#include "shell/Choix_Donnees.h"
#include "shell/Etat_Principal.h"
#include "shell/Fenetres_Ouvertes.h"
#include "shell/Textes.h"
#include "store/Fichier_Lqm.h"
#include "store/Validite.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QScopeGuard>
#include <cmath>
#include <memory>

namespace {

bool sauvegarde_en_cours = false;

std::function<void()>& vue_sauvegarde() {
    static std::function<void()> f;
    return f;
}

void rafraichir_sauvegarde() {
    if (vue_sauvegarde())
        vue_sauvegarde()();
}

const Menu Menus_Sauvegarde[] = {Menu::mnuAbout, Menu::mnuAnalyse, Menu::mnuPort, Menu::mnuSave_As,
                                 Menu::mnuQuitter};

void activer_menus_sauvegarde(bool actif) {
    for (Menu m : Menus_Sauvegarde)
        Activer_Menu(m, actif);
}

QString jour_deux_chiffres(int jour) {
    return (jour < 10 ? QStringLiteral("0") : QString()) + QString::number(jour);
}

} // namespace

bool Charger_Fichier(QString& chemin) {
    auto& M = Magasin();
    // Un fichier refusé ne doit rien coûter : le magasin, ses données et la sauvegarde
    // restent ce qu'ils étaient. On lit donc à part, et on ne recopie qu'en cas de succès.
    const bool donnees_avant = M.Donnees_Chargees;
    const bool sauvegarde_avant = Menu_Actif(Menu::mnuSave_As);
    auto refuser = [&](const QString& texte, const QString& titre, Icone icone) {
        plateforme().Sablier(false);
        plateforme().Message(texte, titre, icone);
        M.Donnees_Chargees = donnees_avant;
        Activer_Menu(Menu::mnuSave_As, sauvegarde_avant);
        return false;
    };
    auto refuser_signature = [&] {
        return refuser(QStringLiteral("Ce fichier n'est pas un fichier de LQM 70-4 !!!!"),
                       QStringLiteral("Impossible d'ouvrir le fichier"), Icone::Critique);
    };
    // Le magasin ne change pas sous une sauvegarde qui l'écrit.
    if (Sauvegarde_En_Cours())
        return false;

    QFile fichier(chemin);
    // Un tube nommé bloquerait l'ouverture jusqu'à ce qu'un autre programme y écrive, et le
    // programme ne répondrait plus : seul un fichier ordinaire s'ouvre.
    const QFileInfo info(chemin);
    if ((info.exists() && !info.isFile()) || !fichier.open(QIODevice::ReadOnly))
        return refuser(QStringLiteral("Impossible d'ouvrir le fichier : ") + chemin,
                       QStringLiteral("Problème de fichier"), Icone::Aucune);
    plateforme().Sablier(true);
    M.Chaine_Temp.clear();
    M.Donnees_Chargees = false;
    M.Abandon = false;
    Activer_Menu(Menu::mnuSave_As, false);
    // La signature d'abord, puis le reste, jamais plus que la taille d'un vrai fichier :
    // un fichier énorme ou sans fin (périphérique, tube) n'est pas lu en mémoire.
    QByteArray octets = fichier.read(Taille_Debut_Lqm);
    if (Verifier_Signature_Lqm(octets) != Lecture_Lqm::Ok)
        return refuser_signature();
    octets += fichier.read(Taille_Max_Lqm + 1 - octets.size());
    fichier.close();
    if (octets.size() > Taille_Max_Lqm)
        return refuser_signature();

    // Une valeur illisible laisse sa cellule comme elle était : on part du magasin.
    const std::unique_ptr<Contenu_Lqm> contenu = Copie_Contenu(M);
    switch (Lire_Lqm(octets, *contenu)) {
    case Lecture_Lqm::Signature:
        return refuser_signature();
    case Lecture_Lqm::Illisible:
        M.Abandon = true;
        return refuser(QStringLiteral("Ce fichier n'est pas un fichier de LQM 70-4 Nova!!!!"),
                       QStringLiteral("Impossible de lire les données du fichier"),
                       Icone::Critique);
    case Lecture_Lqm::Ok:
        break;
    }
    Recopier_Contenu(*contenu, M);
    Definir_Legende(Legende::Fichier(M.Num_Port));
    plateforme().Sablier(false);
    M.Donnees_Chargees = true;
    return true;
}

QString Nom_Sauvegarde_Du_Jour(const QDate& aujourdhui) {
    return QStringLiteral("Sauvegarde LQM 70-4 du ") +
           aujourdhui.toString(QStringLiteral("dd-MM-yyyy"));
}

QString Nom_Par_Defaut(const Table_Leq& Tab_Leq, const QDate& aujourdhui) {
    int premier = 0, dernier = 0;
    for (int i = 1; i <= Nb_Lignes_Leq; ++i) {
        if (Horodatage_Valide(Tab_Leq.ligne(i))) {
            if (!premier)
                premier = i;
            dernier = i;
        }
    }
    if (!premier)
        return Nom_Sauvegarde_Du_Jour(aujourdhui);
    auto date = [&](int i) {
        const std::int16_t* l = Tab_Leq.ligne(i);
        return jour_deux_chiffres(l[2]) + u' ' + Nom_Mois(l[4]) + u' ' +
               QString::number(2000 + l[5]);
    };
    return QStringLiteral("Données LQM 70-4 du ") + date(premier) + QStringLiteral(" au ") +
           date(dernier);
}

QString Ecrire_Fichier_Sur(const QString& chemin, const QByteArray& contenu) {
    QSaveFile fichier(chemin);
    // Sans repli : si le dossier refuse un fichier temporaire, on échoue plutôt que
    // d'écrire par-dessus l'ancien fichier.
    fichier.setDirectWriteFallback(false);
    if (!fichier.open(QIODevice::WriteOnly))
        return fichier.errorString();
    if (fichier.write(contenu) != contenu.size()) {
        const QString erreur = fichier.errorString();
        fichier.cancelWriting();
        return erreur.isEmpty() ? QStringLiteral("écriture incomplète") : erreur;
    }
    if (!fichier.commit())
        return fichier.errorString().isEmpty() ? QStringLiteral("écriture incomplète")
                                               : fichier.errorString();
    return QString();
}

bool Sauvegarde_En_Cours() {
    return sauvegarde_en_cours;
}

void Sauver_Fichier() {
    auto& M = Magasin();
    if (sauvegarde_en_cours)
        return;
    activer_menus_sauvegarde(false);
    if (!M.Donnees_Chargees) {
        plateforme().Message(
            QStringLiteral("Veuillez au préalable charger des données pour utiliser cette "
                           "fonction !!!"),
            QStringLiteral("Impossible de sauvegarder les données !!!"), Icone::Aucune);
        activer_menus_sauvegarde(true);
        return;
    }
    // Aucune autre fenêtre ne reste utilisable pendant la sauvegarde, et le fichier est
    // écrit d'une copie prise maintenant : il ne mêle jamais deux jeux de données.
    Fermer_Fenetres();
    sauvegarde_en_cours = true;
    const auto fin = qScopeGuard([] { sauvegarde_en_cours = false; });
    const std::unique_ptr<Contenu_Lqm> copie = Copie_Contenu(M);
    QString nom = Nom_Par_Defaut(copie->Tab_Leq, QDate::currentDate());
    for (;;) {
        const std::optional<QString> choix = plateforme().Dialogue_Enregistrer(nom, Filtre_Lqm);
        if (!choix) {
            activer_menus_sauvegarde(true);
            return;
        }
        if (choix->isEmpty()) {
            plateforme().Message(QStringLiteral("Veuillez entrer un nom de sauvegarde SVP !!!"),
                                 QStringLiteral("Impossible de sauver les données !!!"),
                                 Icone::Critique);
            nom.clear();
            continue;
        }
        M.Chaine_Temp = *choix;
        // Un fichier sans l'extension ne pourrait pas être rouvert par le programme.
        QString chemin = *choix;
        if (!Fichier_Lqm_Accepte(chemin))
            chemin += QStringLiteral(".lqm");

        Ouvrir_Fenetre(Id_Fenetre::frmWait_Save);
        DoEvents();
        plateforme().Sablier(true);
        const QByteArray contenu =
            Ecrire_Lqm(*copie, {[] { Progression_Sauvegarde(); }, Evenements_Espaces()});
        const QString erreur = Ecrire_Fichier_Sur(chemin, contenu);
        plateforme().Sablier(false);
        if (!erreur.isEmpty()) {
            // Rien n'a été remplacé : on propose à nouveau, sous un nom daté.
            Decharger_Fenetre(Id_Fenetre::frmWait_Save);
            nom = Nom_Sauvegarde_Du_Jour(QDate::currentDate());
            continue;
        }
        Etat_Sauvegarde& e = Etat_Sauvegarde_En_Cours();
        e.ProgressBar_Save = Max_Sauvegarde;
        e.Label_Save_en_Cours.clear();
        e.Label_Patientez = QStringLiteral("Sauvegarde terminée avec succès !!!");
        e.Label_Progression = QStringLiteral("Sauvegarde effectuée à 100%.");
        e.Picture_Good = true;
        rafraichir_sauvegarde();
        Attendre_Ms(1500);
        Decharger_Fenetre(Id_Fenetre::frmWait_Save);
        activer_menus_sauvegarde(true);
        return;
    }
}

Etat_Sauvegarde Etat_Sauvegarde_Au_Chargement() {
    Etat_Sauvegarde e;
    e.Label_Save_en_Cours = QStringLiteral("Sauvegarde en cours ...");
    e.Label_Patientez = QStringLiteral("Veuillez patientez SVP...");
    e.Label_Progression = QStringLiteral("Sauvegarde effecuée à 00%.");
    return e;
}

Etat_Sauvegarde& Etat_Sauvegarde_En_Cours() {
    static Etat_Sauvegarde e = Etat_Sauvegarde_Au_Chargement();
    return e;
}

void Progression_Sauvegarde() {
    Etat_Sauvegarde& e = Etat_Sauvegarde_En_Cours();
    e.ProgressBar_Save = std::floor(e.ProgressBar_Save) + 1;
    const int pourcentage = static_cast<int>(std::floor(e.ProgressBar_Save * 100 / Max_Sauvegarde));
    e.Label_Progression = QStringLiteral("Sauvegarde effectuée à ") + QString::number(pourcentage) +
                          QStringLiteral("%.");
    rafraichir_sauvegarde();
}

void Installer_Vue_Sauvegarde(std::function<void()> rafraichir) {
    vue_sauvegarde() = std::move(rafraichir);
}
