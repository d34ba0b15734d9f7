#include "attendus/Attendus.h"
#include "shell/Fenetres_Ouvertes.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// Toutes les fenêtres suivies sont fermées, chacune une fois, dans l'ordre attendu ; chaque
// drapeau est relu à son tour : une fenêtre déjà fermée par le déchargement d'une autre ne
// l'est pas deux fois.
TEST(Fermeture, FermeChaqueFenetreOuverteUneSeuleFois) {
    QStringList dechargees;
    Installer_Dechargeur([&](Id_Fenetre id) {
        dechargees.push_back(QString::fromLatin1(Nom_Fenetre(id)));
        *Drapeau_De(id) = false;
        if (id == Id_Fenetre::frmData_Type)
            Drapeaux().Ouvert_frmWait = false;
    });
    for (int i = 0; i < Nb_Fenetres; ++i)
        if (bool* d = Drapeau_De(Id_Fenetre(i)))
            *d = true;
    Fermer_Fenetres();
    Installer_Dechargeur(nullptr);
    for (int i = 0; i < Nb_Fenetres; ++i)
        EXPECT_FALSE(Drapeau_De(Id_Fenetre(i)) && *Drapeau_De(Id_Fenetre(i)))
            << Nom_Fenetre(Id_Fenetre(i));
    // frmWait est fermée par le déchargement de frmData_Type, avant son tour.
    const QString difference = Difference_Attendue(QStringLiteral("fermeture.txt"),
                                                   (dechargees.join(u'\n') + u'\n').toUtf8());
    EXPECT_TRUE(difference.isEmpty()) << difference.toStdString();
}

} // namespace
