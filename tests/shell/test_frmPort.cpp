#include "support/Environnement_Ihm.h"
#include "support/Pseudo_Terminal.h"

#include "download/Ports_Serie.h"
#include "shell/Etat_Principal.h"
#include "shell/Fenetres.h"
#include "shell/frmMain.h"
#include "store/Declarations.h"

#include <QAction>
#include <QCoreApplication>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

namespace {

class Dialogue_Port : public Environnement_Ihm {
protected:
    // Rouvre le dialogue avec ces ports (chemins de pseudo-terminaux ou autres).
    void ouvrir(const QStringList& chemins, int num_port) {
        Fenetres::instance().Decharger(Id_Fenetre::frmPort);
        Ports_Serie::Definir_Chemins(chemins);
        Magasin().Num_Port = static_cast<std::int16_t>(num_port);
        action("mnuPort")->trigger();
        ASSERT_TRUE(chargee("frmPort"));
    }
    QRadioButton* com(int n) const {
        return fenetre("frmPort")->findChild<QRadioButton*>(QStringLiteral("Option_COM_%1").arg(n));
    }
    Pseudo_Terminal pty[2];
    const QStringList chemins{pty[0].chemin(), pty[1].chemin()};
};

// Entrée est vue avant les contrôles : sans choix, mode fichier et le dialogue reste ;
// avec un choix, même effet que Ok (titre du port, menus rendus). Un port grisé ne
// répond pas au double clic, un port valide y fait Ok.
TEST_F(Dialogue_Port, EntreeEtDoubleClicFontOkSurUnPortValideSeulement) {
    ouvrir(chemins, 0);
    ASSERT_FALSE(
        fenetre("frmPort")->findChild<QPushButton*>(QStringLiteral("Cmd_Ok"))->isEnabled());
    entree(com(1));
    EXPECT_TRUE(principale()->windowTitle().endsWith(QStringLiteral("fichier actif")));
    com(2)->click();
    double_clic(com(3)); // aucun port derrière
    EXPECT_TRUE(visible("frmPort"));
    Activer_Menu(Menu::mnuAnalyse, false);
    entree(com(1));
    EXPECT_EQ(Magasin().Num_Port, 2);
    EXPECT_TRUE(principale()->windowTitle().endsWith(QStringLiteral("COM 2")));
    EXPECT_TRUE(action("mnuAnalyse")->isEnabled());
    EXPECT_FALSE(chargee("frmPort") || Drapeaux().Ouvert_frmPort);
    ouvrir(chemins, 0);
    com(1)->click();
    double_clic(com(1));
    EXPECT_EQ(Magasin().Num_Port, 1);
    EXPECT_FALSE(chargee("frmPort"));
}

TEST_F(Dialogue_Port, UnPortAbsentOuTenuParUnAutreProgrammeEstGrise) {
    QProcess autre;
    autre.start(QCoreApplication::applicationDirPath() + QStringLiteral("/lqm_tenir_port"),
                {chemins[1]});
    ASSERT_TRUE(autre.waitForStarted(5000));
    ASSERT_TRUE(autre.waitForReadyRead(5000));
    ASSERT_EQ(autre.readLine().trimmed(), QByteArray("ouvert"));

    ouvrir({chemins[0], chemins[1], QStringLiteral("/dev/lqm-port-inexistant")}, 0);
    // COM 2 tenu par un autre programme, COM 3 absent ; le seul port libre est choisi.
    EXPECT_TRUE(com(1)->isEnabled() && !com(2)->isEnabled() && !com(3)->isEnabled());
    EXPECT_EQ(Magasin().Num_Port, 1);

    autre.closeWriteChannel();
    ASSERT_TRUE(autre.waitForFinished(5000));
    // Libéré, le port redevient disponible au sondage suivant.
    ouvrir({chemins[0], chemins[1]}, 1);
    EXPECT_TRUE(com(2)->isEnabled());
    // Un port refusé faute de droits : sa bulle dit la commande qui répare.
    Ports_Serie::Definir_Controle_Droits([&](const QString& c) { return c == chemins[1]; });
    ouvrir({chemins[0], chemins[1]}, 1);
    Ports_Serie::Definir_Controle_Droits(nullptr);
    EXPECT_TRUE(com(2)->toolTip().contains(QStringLiteral("usermod -aG dialout")));
    EXPECT_FALSE(com(1)->toolTip().contains(QStringLiteral("dialout")));
}

} // namespace
