#include "store/Fichier_Lqm.h"

#include "store/Format_Lqm.h"

const QByteArray Signature_Lqm = QByteArrayLiteral("Donn\xE9"
                                                   "es_d_un_LQM_70-4_Nova_Version_3!!!");

Lecture_Lqm Verifier_Signature_Lqm(const QByteArray& debut) {
    format_lqm::Lecteur l(debut);
    return format_lqm::lire_signature(l) ? Lecture_Lqm::Ok : Lecture_Lqm::Signature;
}

Lecture_Lqm Lire_Lqm(const QByteArray& octets, Contenu_Lqm& c) {
    return Lire_Lqm_Tables(octets, c);
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
    return Ecrire_Lqm_Tables(M, r);
}
