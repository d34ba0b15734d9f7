#include "shell/frmPort.h"

#include "download/Ports_Serie.h"
#include "platform/Apparence.h"
#include "shell/Choix_Port.h"
#include "shell/Etat_Principal.h"
#include "shell/Fenetres.h"
#include "shell/Textes.h"
#include "store/Declarations.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

frmPort::frmPort() : Fenetre_Base(Id_Fenetre::frmPort) {
    setWindowTitle(QStringLiteral("Selection du Port de Communication"));
    Taille_Client_Twips(6300, 3000);

    Frame1 =
        new QGroupBox(QString(25, u' ') + QStringLiteral("Sélection du port de communication") +
                          QString(24, u' '),
                      this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setAlignment(Qt::AlignHCenter);
    Placer_Twips(Frame1, 120, 60, 6060, 2220);
    for (int n = 1; n <= 16; ++n) {
        auto* option = new QRadioButton(QStringLiteral("COM %1").arg(n), Frame1);
        option->setObjectName(QStringLiteral("Option_COM_%1").arg(n));
        // Quatre colonnes de quatre ports.
        const int colonne = (n - 1) / 4, ligne = (n - 1) % 4;
        Placer_Twips(option, 360 + colonne * 1440, 360 + ligne * 420, 1200, 330);
        connect(option, &QRadioButton::toggled, this, [this, n](bool coche) {
            if (coche)
                Option_COM_Click(n);
        });
        Double_Clic(option, [this, n] { Option_COM_DblClick(n); });
        Option_COM[n] = option;
    }
    Cmd_Ok = Creer<QPushButton>(this, "Cmd_Ok", QStringLiteral("Ok"));
    Placer_Twips(Cmd_Ok, 1560, 2460, 1335, 375);
    Cmd_Annuler = Creer<QPushButton>(this, "Cmd_Annuler", QStringLiteral("Annuler"));
    Placer_Twips(Cmd_Annuler, 3405, 2460, 1335, 375);
    connect(Cmd_Ok, &QPushButton::clicked, this, &frmPort::Cmd_Ok_Click);
    connect(Cmd_Annuler, &QPushButton::clicked, this, &frmPort::Cmd_Annuler_Click);
    Touche_Entree([this] { Cmd_Ok_Click(); });
}

void frmPort::Form_Load() {
    auto& M = Magasin();
    Fermer_Fenetres();
    Drapeaux().Ouvert_frmPort = true;
    Deplacer_Origine();
    Rendre_Visible();

    Ports_Serie::Actualiser();
    for (int n = 1; n <= 16; ++n) {
        const QString systeme = Ports_Serie::Systeme(n);
        Option_COM[n]->setToolTip(systeme.isEmpty() ? QStringLiteral("Aucun port série")
                                  : Ports_Serie::Droits_Manquants(n)
                                      ? Ports_Serie::Texte_Droits_Manquants(systeme)
                                      : systeme);
    }
    const Ports_Disponibles disponibles = Sonder_Ports();
    M.Ind_k = 17;
    for (int n = 1; n <= 16; ++n)
        Option_COM[n]->setEnabled(disponibles[n]);
    const Etat_Apres_Sondage etat = Etat_Apres(disponibles, M.Num_Port);
    M.Num_Port = static_cast<std::int16_t>(etat.num_port);
    if (etat.selection != 0)
        Option_COM[etat.selection]->setChecked(true);
    if (!etat.ok_actif)
        Cmd_Ok->setEnabled(false);
}

void frmPort::Form_Unload() {
    if (Magasin().Num_Port == 0)
        Definir_Legende(Legende::Sans_Port);
    Drapeaux().Ouvert_frmPort = false;
}

void frmPort::Option_COM_Click(int index) {
    if (Option_COM[index]->isEnabled())
        Cmd_Ok->setEnabled(true);
}

void frmPort::Option_COM_DblClick(int index) {
    Q_UNUSED(index);
    Cmd_Ok->setEnabled(true);
    Cmd_Ok_Click();
}

void frmPort::Cmd_Ok_Click() {
    auto& M = Magasin();
    for (int n = 1; n <= 16; ++n)
        if (Option_COM[n]->isChecked())
            M.Num_Port = static_cast<std::int16_t>(n);
    if (M.Num_Port != 0) {
        Definir_Legende(Legende::Port(M.Num_Port));
        Activer_Menu(Menu::mnuAbout, true);
        Activer_Menu(Menu::mnuAnalyse, true);
        Fenetres::instance().Decharger(Id_Fenetre::frmPort);
    } else {
        Definir_Legende(Legende::Sans_Port);
    }
}

void frmPort::Cmd_Annuler_Click() {
    Fenetres::instance().Decharger(Id_Fenetre::frmPort);
}
