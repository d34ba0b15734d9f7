#include "support/Environnement_Ihm.h"
#include "support/Pseudo_Terminal.h"

#include "download/Ports_Serie.h"
#include "shell/Etat_Principal.h"
#include "shell/Fenetres.h"
#include "shell/Textes.h"
#include "shell/frmMain.h"
#include "store/Declarations.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <memory>
#include <vector>

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
    QStringList terminaux(int nombre) {
        QStringList chemins;
        for (int i = 0; i < nombre; ++i) {
            ptys.push_back(std::make_unique<Pseudo_Terminal>());
            EXPECT_TRUE(ptys.back()->valide());
            chemins << ptys.back()->chemin();
        }
        return chemins;
    }
    QRadioButton* com(int n) const {
        return fenetre("frmPort")->findChild<QRadioButton*>(QStringLiteral("Option_COM_%1").arg(n));
    }
    QPushButton* bouton(const char* nom) const {
        return fenetre("frmPort")->findChild<QPushButton*>(QString::fromLatin1(nom));
    }
    void entree() {
        QKeyEvent appui(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(com(1), &appui);
    }
    std::vector<std::unique_ptr<Pseudo_Terminal>> ptys;
};

TEST_F(Dialogue_Port, SeizeBoutonsEtTextes) {
    ouvrir({}, 0);
    QWidget* f = fenetre("frmPort");
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Selection du Port de Communication"));
    EXPECT_EQ(f->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(),
              QString(25, u' ') + QStringLiteral("Sélection du port de communication") +
                  QString(24, u' '));
    for (int n = 1; n <= 16; ++n) {
        ASSERT_NE(com(n), nullptr) << n;
        EXPECT_EQ(com(n)->text(), QStringLiteral("COM %1").arg(n));
        EXPECT_FALSE(com(n)->isEnabled()) << "aucun port donné";
        EXPECT_FALSE(com(n)->isChecked());
    }
    EXPECT_FALSE(bouton("Cmd_Ok")->isEnabled());
    EXPECT_EQ(f->parentWidget()->pos(), QPoint(0, 0));
}

TEST_F(Dialogue_Port, UnSeulPortEstChoisiAvantToutClic) {
    const QStringList chemins = terminaux(1);
    ouvrir(chemins, 0);
    EXPECT_TRUE(com(1)->isEnabled());
    EXPECT_TRUE(com(1)->isChecked());
    EXPECT_EQ(Magasin().Num_Port, 1);
    EXPECT_TRUE(bouton("Cmd_Ok")->isEnabled());
    EXPECT_EQ(com(1)->toolTip(), chemins[0]);
    // Annuler garde le port choisi ; le titre ne change pas.
    const QString titre = principale()->windowTitle();
    bouton("Cmd_Annuler")->click();
    EXPECT_FALSE(chargee("frmPort"));
    EXPECT_EQ(Magasin().Num_Port, 1);
    EXPECT_EQ(principale()->windowTitle(), titre);
}

TEST_F(Dialogue_Port, OkDonneLeTitreDuPortEtOuvreLesMenus) {
    ouvrir(terminaux(3), 0);
    EXPECT_FALSE(bouton("Cmd_Ok")->isEnabled());
    Activer_Menu(Menu::mnuAnalyse, false);
    Activer_Menu(Menu::mnuAbout, false);
    com(2)->click();
    EXPECT_TRUE(bouton("Cmd_Ok")->isEnabled());
    bouton("Cmd_Ok")->click();
    EXPECT_EQ(Magasin().Num_Port, 2);
    EXPECT_EQ(principale()->windowTitle(),
              QStringLiteral("TARVO Analyser - LQM 70-4 Nova - Version 3.0-C  |  Port de com. : "
                             "COM 2"));
    EXPECT_TRUE(action("mnuAnalyse")->isEnabled());
    EXPECT_TRUE(action("mnuAbout")->isEnabled());
    EXPECT_FALSE(chargee("frmPort"));
    EXPECT_FALSE(Drapeaux().Ouvert_frmPort);
}

TEST_F(Dialogue_Port, LeChoixPrecedentEncorePresentEstGarde) {
    ouvrir(terminaux(3), 3);
    EXPECT_TRUE(com(3)->isChecked());
    EXPECT_FALSE(com(1)->isChecked());
    EXPECT_EQ(Magasin().Num_Port, 3);
    EXPECT_TRUE(bouton("Cmd_Ok")->isEnabled());
}

TEST_F(Dialogue_Port, UnChoixPrecedentDisparuDevientZeroMemeSurAnnuler) {
    ouvrir(terminaux(2), 5);
    EXPECT_EQ(Magasin().Num_Port, 0);
    EXPECT_FALSE(com(5)->isEnabled());
    bouton("Cmd_Annuler")->click();
    EXPECT_EQ(Magasin().Num_Port, 0);
    EXPECT_EQ(principale()->windowTitle(), Legende::Sans_Port);
}

TEST_F(Dialogue_Port, EntreeSansChoixPasseEnModeFichierEtGardeLeDialogue) {
    ouvrir(terminaux(2), 0);
    ASSERT_FALSE(bouton("Cmd_Ok")->isEnabled());
    entree();
    EXPECT_EQ(principale()->windowTitle(),
              QStringLiteral("TARVO Analyser - LQM 70-4 Nova - Version 3.0-C  |  Pas de port de "
                             "COM.  |  Mode d'ouverture de fichier actif"));
    EXPECT_TRUE(chargee("frmPort"));
    EXPECT_TRUE(visible("frmPort"));
    // Entrée avec un port choisi : même effet que Ok, bouton grisé ou non.
    com(2)->click();
    entree();
    EXPECT_EQ(Magasin().Num_Port, 2);
    EXPECT_FALSE(chargee("frmPort"));
}

TEST_F(Dialogue_Port, UnPortAbsentOuTenuParUnAutreProgrammeEstGrise) {
    const QStringList chemins = terminaux(2);
    QProcess autre;
    autre.start(QCoreApplication::applicationDirPath() + QStringLiteral("/lqm_tenir_port"),
                {chemins[1]});
    ASSERT_TRUE(autre.waitForStarted(5000));
    ASSERT_TRUE(autre.waitForReadyRead(5000));
    ASSERT_EQ(autre.readLine().trimmed(), QByteArray("ouvert"));

    ouvrir({chemins[0], chemins[1], QStringLiteral("/dev/lqm-port-inexistant")}, 0);
    EXPECT_TRUE(com(1)->isEnabled());
    EXPECT_FALSE(com(2)->isEnabled()) << "tenu par un autre programme";
    EXPECT_FALSE(com(3)->isEnabled()) << "absent";
    EXPECT_EQ(com(3)->toolTip(), QStringLiteral("/dev/lqm-port-inexistant"));
    EXPECT_EQ(com(4)->toolTip(), QStringLiteral("Aucun port série"));
    // Un seul port libre : il est choisi.
    EXPECT_EQ(Magasin().Num_Port, 1);

    autre.closeWriteChannel();
    ASSERT_TRUE(autre.waitForFinished(5000));
    // Libéré, le port redevient disponible au sondage suivant.
    ouvrir({chemins[0], chemins[1]}, 1);
    EXPECT_TRUE(com(2)->isEnabled());
}

TEST_F(Dialogue_Port, DoubleClicSurUnPortValideSeulement) {
    ouvrir(terminaux(2), 0);
    com(2)->setChecked(true);
    auto double_clic = [](QWidget* cible) {
        QMouseEvent e(QEvent::MouseButtonDblClick, QPointF(3, 3), cible->mapToGlobal(QPointF(3, 3)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(cible, &e);
    };
    double_clic(com(3)); // grisé : aucun port derrière
    EXPECT_TRUE(chargee("frmPort"));
    double_clic(com(2));
    EXPECT_EQ(Magasin().Num_Port, 2);
    EXPECT_FALSE(chargee("frmPort"));
}

} // namespace
