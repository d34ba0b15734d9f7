#pragma once

// L'imprimante sur un appareil paginé de Qt : l'imprimante du système (QPrinter) ou un
// fichier PDF (QPdfWriter). QtGui seulement : lqm-outil s'en sert sans fenêtre.

#include "platform/Plateforme.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <functional>
#include <memory>

class Imprimante_Peintre final : public Imprimante {
public:
    // « resolution » pose la résolution de l'appareil (avant le premier dessin).
    // « finir » : ce qu'il reste à faire une fois le document écrit (faux : échec).
    Imprimante_Peintre(std::unique_ptr<QPagedPaintDevice> appareil,
                       std::function<void(int)> resolution, std::function<bool()> finir = {});

    void Paysage(bool paysage) override;
    void Texte(int x_twips, int y_twips, const QString& texte) override;
    void Nouvelle_Page() override;
    void Dessiner(const std::function<void(QPainter&, const QRectF& zone)>& dessin) override;
    bool Terminer() override;

private:
    bool commencer();

    std::unique_ptr<QPagedPaintDevice> appareil_;
    std::function<void(int)> resolution_;
    std::function<bool()> finir_;
    QPainter peintre_;
    bool echec_ = false;
};

// Le titre et le sujet d'un document PDF ; son créateur est le programme.
struct Proprietes_Pdf {
    QString titre, sujet;
};

// Une imprimante qui écrit un fichier PDF, sans dialogue (lqm-outil, tests).
std::unique_ptr<Imprimante> Imprimante_Pdf(const QString& chemin, bool paysage = false,
                                           const Proprietes_Pdf& proprietes = {});

// Ajoute le sujet au dictionnaire d'informations d'un PDF écrit par Qt (qui n'a pas de quoi
// le poser), par une mise à jour incrémentale : le document lui-même n'est pas réécrit.
bool Ajouter_Sujet_Pdf(const QString& chemin, const QString& sujet);
