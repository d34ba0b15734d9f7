// Dessine les images du dossier Images/ (boutons, coches, logo, appareil).
// Usage : lqm-dessiner-images DOSSIER
// Les fichiers produits sont versionnés ; on ne relance l'outil que pour les redessiner.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <cstring>
#include <functional>

namespace {

const QColor Fond(197, 207, 237);
const QColor Bleu(31, 73, 145);
const QColor Vert(34, 139, 58);
const QColor Rouge(190, 40, 40);

QImage dessiner(int largeur, int hauteur, const std::function<void(QPainter&)>& trace,
                const QColor& fond = Fond) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(fond);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    trace(p);
    return image;
}

void coche(QPainter& p, QRectF r) {
    p.setPen(Qt::NoPen);
    p.setBrush(Vert);
    p.drawEllipse(r);
    QPen trait(Qt::white, r.width() / 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(trait);
    p.setBrush(Qt::NoBrush);
    QPainterPath chemin;
    chemin.moveTo(r.left() + r.width() * 0.27, r.top() + r.height() * 0.52);
    chemin.lineTo(r.left() + r.width() * 0.44, r.top() + r.height() * 0.70);
    chemin.lineTo(r.left() + r.width() * 0.75, r.top() + r.height() * 0.32);
    p.drawPath(chemin);
}

void imprimante(QPainter& p) {
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(13, 3, 14, 10)); // feuille
    p.setBrush(QColor(90, 90, 100));
    p.drawRoundedRect(QRectF(6, 12, 28, 11), 2, 2); // corps
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12, 20, 16, 9)); // feuille imprimée
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.drawLine(QPointF(14, 23), QPointF(26, 23));
    p.drawLine(QPointF(14, 26), QPointF(24, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(Vert);
    p.drawEllipse(QRectF(29, 15, 3, 3));
}

void sortie(QPainter& p) {
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(150, 95, 50));
    p.drawRect(QRectF(8, 3, 15, 26)); // porte
    p.setBrush(Qt::yellow);
    p.drawEllipse(QRectF(19, 15, 3, 3));
    p.setPen(QPen(Rouge, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(23, 16), QPointF(36, 16));
    p.drawLine(QPointF(31, 11), QPointF(36, 16));
    p.drawLine(QPointF(31, 21), QPointF(36, 16));
}

void plus(QPainter& p, QPointF centre) {
    p.setPen(Qt::NoPen);
    p.setBrush(Vert);
    p.drawEllipse(centre, 6, 6);
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(centre + QPointF(-3.5, 0), centre + QPointF(3.5, 0));
    p.drawLine(centre + QPointF(0, -3.5), centre + QPointF(0, 3.5));
}

void tableau(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 4, 26, 22));
    p.setBrush(Bleu);
    p.drawRect(QRectF(4, 4, 26, 5));
    p.setPen(QPen(QColor(110, 110, 110), 1));
    for (int y = 13; y < 26; y += 4)
        p.drawLine(QPointF(5, y), QPointF(29, y));
    p.drawLine(QPointF(14, 9), QPointF(14, 26));
    plus(p, QPointF(31, 24));
}

void graphique(QPainter& p) {
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(QPointF(5, 4), QPointF(5, 26));
    p.drawLine(QPointF(5, 26), QPointF(32, 26));
    p.setPen(QPen(Bleu, 2));
    const QPointF courbe[] = {{6, 20}, {11, 14}, {15, 17}, {20, 8}, {25, 12}, {30, 6}};
    p.drawPolyline(courbe, 6);
    p.setPen(QPen(Rouge, 1, Qt::DashLine));
    p.drawLine(QPointF(6, 11), QPointF(31, 11));
    plus(p, QPointF(31, 24));
}

void loupe(QPainter& p, const QString& texte, bool agrandir) {
    p.setPen(QPen(QColor(60, 60, 60), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(21, 19), QPointF(30, 28));
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(230, 240, 255));
    p.drawEllipse(QPointF(14, 12), 9, 9);
    p.setPen(QPen(agrandir ? Vert : Rouge, 2.2));
    p.drawLine(QPointF(9.5, 12), QPointF(18.5, 12));
    if (agrandir)
        p.drawLine(QPointF(14, 7.5), QPointF(14, 16.5));
    QFont police(QStringLiteral("Liberation Sans"));
    police.setPixelSize(10);
    police.setBold(true);
    p.setFont(police);
    p.setPen(Bleu);
    p.drawText(QRectF(22, 0, 18, 12), Qt::AlignCenter, texte);
}

// Logo du fabricant : un emblème rond (barres de niveau sous une onde) et le nom.
void logo(QPainter& p, int largeur, int hauteur) {
    const QColor marine(22, 46, 102);
    const QPointF centre(29, hauteur / 2.0);
    QRadialGradient degrade(centre + QPointF(-6, -7), 30);
    degrade.setColorAt(0, QColor(58, 104, 190));
    degrade.setColorAt(1, marine);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(degrade);
    p.drawEllipse(centre, 25, 25);
    // Barres d'un bargraphe, de plus en plus hautes, la dernière en rouge.
    p.setPen(Qt::NoPen);
    const double hauteurs[] = {8, 13, 18, 24};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i == 3 ? QColor(226, 60, 50) : QColor(255, 255, 255));
        p.drawRoundedRect(QRectF(15 + 7.5 * i, centre.y() + 13 - hauteurs[i], 5, hauteurs[i]), 1,
                          1);
    }
    // L'onde qui passe au-dessus.
    QPainterPath onde;
    onde.moveTo(11, centre.y() - 9);
    onde.cubicTo(19, centre.y() - 20, 28, centre.y() + 2, 47, centre.y() - 14);
    p.setPen(QPen(QColor(255, 205, 60), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(onde);

    QFont police(QStringLiteral("Liberation Sans"));
    police.setPixelSize(27);
    police.setWeight(QFont::Black);
    police.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    p.setFont(police);
    const QRectF zone(59, 4, largeur - 60, 38);
    p.setPen(QColor(255, 255, 255, 170)); // léger liseré clair, comme un relief
    p.drawText(zone.translated(1, 1), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("TARVO"));
    p.setPen(marine);
    p.drawText(zone, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("TARVO"));
    // Filet rouge sous le nom, puis la signature.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 60, 50));
    p.drawRect(QRectF(60, 43, largeur - 64, 2.5));
    QFont signature(QStringLiteral("Liberation Sans"));
    signature.setPixelSize(8);
    signature.setBold(true);
    signature.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    p.setFont(signature);
    p.setPen(marine);
    p.drawText(QRectF(60, 46, largeur - 62, 11), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("ACOUSTIQUE"));
}

// Trou oblong d'une oreille de fixation.
void trou_vis(QPainter& p, QPointF centre) {
    p.setPen(QPen(QColor(150, 152, 160), 1));
    p.setBrush(QColor(14, 14, 16));
    p.drawRoundedRect(QRectF(centre.x() - 3.5, centre.y() - 2.5, 7, 5), 2.5, 2.5);
}

// Régulateur LQM 70-4 monté en baie 19 pouces, vu de trois quarts dessus : capot en
// perspective, façade avec oreilles, afficheur, diodes et boutons.
void rack(QPainter& p, int largeur, int hauteur) {
    const double haut_facade = 56, bas_facade = hauteur - 4.0;
    const double g = 2, d = largeur - 2.0;     // façade avec ses oreilles
    const double cg = 15, cd = largeur - 15.0; // caisson
    // Capot, qui fuit vers l'arrière.
    QPolygonF capot;
    capot << QPointF(cg, haut_facade) << QPointF(cd, haut_facade) << QPointF(cd - 14, 14)
          << QPointF(cg + 14, 14);
    QLinearGradient gris_capot(0, 14, 0, haut_facade);
    gris_capot.setColorAt(0, QColor(120, 124, 132));
    gris_capot.setColorAt(1, QColor(168, 172, 180));
    p.setPen(QPen(QColor(40, 40, 46), 1));
    p.setBrush(gris_capot);
    p.drawPolygon(capot);
    // Ouïes d'aération du capot.
    p.setPen(QPen(QColor(80, 84, 92), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 9; ++i) {
        const double t = 0.3 + 0.05 * i;
        const double y = 14 + t * (haut_facade - 14);
        const double marge = 14 * (1 - t);
        p.drawLine(QPointF(cd - marge - 40, y), QPointF(cd - marge - 8, y));
    }

    // Façade : aluminium anodisé noir, légèrement bombé par le dégradé.
    QLinearGradient noir(0, haut_facade, 0, bas_facade);
    noir.setColorAt(0, QColor(78, 80, 88));
    noir.setColorAt(0.15, QColor(46, 48, 54));
    noir.setColorAt(1, QColor(28, 29, 33));
    p.setPen(QPen(QColor(12, 12, 14), 1));
    p.setBrush(noir);
    p.drawRect(QRectF(g, haut_facade, d - g, bas_facade - haut_facade));
    // Oreilles de fixation, deux trous oblongs chacune.
    p.setBrush(QColor(88, 90, 98));
    for (double x : {g, d - 11}) {
        p.setPen(QPen(QColor(12, 12, 14), 1));
        p.drawRect(QRectF(x, haut_facade, 11, bas_facade - haut_facade));
        trou_vis(p, QPointF(x + 5.5, haut_facade + 8));
        trou_vis(p, QPointF(x + 5.5, bas_facade - 8));
    }

    // Afficheur à cristaux liquides.
    const QRectF ecran(20, haut_facade + 9, 52, 19);
    p.setPen(QPen(QColor(10, 10, 10), 1.5));
    p.setBrush(QColor(30, 70, 40));
    p.drawRect(ecran);
    QFont chiffres(QStringLiteral("Liberation Mono"));
    chiffres.setPixelSize(12);
    chiffres.setBold(true);
    p.setFont(chiffres);
    p.setPen(QColor(150, 255, 140));
    p.drawText(ecran, Qt::AlignCenter, QStringLiteral("94.5"));
    QFont petit(QStringLiteral("Liberation Sans"));
    petit.setPixelSize(6);
    p.setFont(petit);
    p.drawText(ecran.adjusted(0, 0, -2, 0), Qt::AlignRight | Qt::AlignBottom, QStringLiteral("dB"));

    // Diodes d'état : marche, dérivation, dépassement.
    const QColor diodes[] = {QColor(70, 230, 70), QColor(250, 180, 30), QColor(235, 50, 45),
                             QColor(235, 50, 45)};
    for (int i = 0; i < 4; ++i) {
        const QPointF c(82 + 8 * i, haut_facade + 12);
        QRadialGradient lueur(c, 4.5);
        lueur.setColorAt(0, diodes[i].lighter(150));
        lueur.setColorAt(0.5, diodes[i]);
        lueur.setColorAt(1, QColor(0, 0, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(lueur);
        p.drawEllipse(c, 4.5, 4.5);
    }
    // Boutons du menu.
    for (int i = 0; i < 3; ++i) {
        const QRectF bouton(80 + 11 * i, haut_facade + 22, 8, 6);
        QLinearGradient relief(bouton.topLeft(), bouton.bottomLeft());
        relief.setColorAt(0, QColor(215, 215, 220));
        relief.setColorAt(1, QColor(130, 130, 138));
        p.setPen(QPen(QColor(15, 15, 18), 0.8));
        p.setBrush(relief);
        p.drawRoundedRect(bouton, 1.5, 1.5);
    }
    // Prise du capteur, à droite.
    p.setPen(QPen(QColor(15, 15, 18), 1));
    p.setBrush(QColor(170, 170, 176));
    p.drawEllipse(QPointF(124, haut_facade + 18), 6, 6);
    p.setBrush(QColor(30, 30, 34));
    p.drawEllipse(QPointF(124, haut_facade + 18), 3, 3);

    // Sérigraphie.
    QFont modele(QStringLiteral("Liberation Sans"));
    modele.setPixelSize(10);
    modele.setBold(true);
    p.setFont(modele);
    p.setPen(Qt::white);
    p.drawText(QRectF(20, haut_facade + 31, 70, 14), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("LQM 70-4"));
    QFont marque(QStringLiteral("Liberation Sans"));
    marque.setPixelSize(7);
    marque.setBold(true);
    p.setFont(marque);
    p.setPen(QColor(200, 205, 215));
    p.drawText(QRectF(78, haut_facade + 31, 56, 14), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("TARVO  Nova"));
}

// L'icône du programme : un écran bleu, une courbe de niveaux rouge sur une grille, le
// seuil en vert. Fond transparent, dessinée à chaque taille pour rester nette.
QImage icone(int cote) {
    QImage image(cote, cote, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double u = cote / 64.0;
    p.setPen(Qt::NoPen);
    p.setBrush(Bleu);
    p.drawRoundedRect(QRectF(2 * u, 6 * u, 60 * u, 52 * u), 8 * u, 8 * u);
    p.setBrush(Qt::white);
    const QRectF ecran(7 * u, 11 * u, 50 * u, 42 * u);
    p.drawRoundedRect(ecran, 3 * u, 3 * u);
    if (cote >= 32) {
        p.setPen(QPen(QColor(200, 200, 200), std::max(1.0, u * 0.6)));
        for (int k = 1; k < 4; ++k)
            p.drawLine(QPointF(ecran.left(), ecran.top() + k * ecran.height() / 4),
                       QPointF(ecran.right(), ecran.top() + k * ecran.height() / 4));
    }
    p.setPen(QPen(Vert, std::max(1.0, 2 * u)));
    p.drawLine(QPointF(ecran.left() + u, 24 * u), QPointF(ecran.right() - u, 24 * u));
    const double niveaux[] = {44, 42, 38, 30, 20, 18, 26, 34, 40, 44};
    QPainterPath courbe;
    for (int i = 0; i < 10; ++i) {
        const QPointF point(ecran.left() + 2 * u + i * 5.1 * u, niveaux[i] * u);
        if (i == 0)
            courbe.moveTo(point);
        else
            courbe.lineTo(point);
    }
    p.setPen(QPen(Rouge, std::max(1.5, 3 * u), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(courbe);
    return image;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2 && !(argc == 3 && std::strcmp(argv[1], "--icones") == 0)) {
        std::fprintf(stderr, "Utilisation : lqm-dessiner-images DOSSIER\n"
                             "              lqm-dessiner-images --icones DOSSIER\n");
        return 2;
    }
    if (argc == 3) {
        // Les icônes du menu des bureaux : lqm-analyser-TAILLE.png.
        const QDir dossier(QString::fromLocal8Bit(argv[2]));
        for (int cote : {16, 24, 32, 48, 64, 128, 256}) {
            const QString chemin =
                dossier.filePath(QStringLiteral("lqm-analyser-%1.png").arg(cote));
            if (!icone(cote).save(chemin)) {
                std::fprintf(stderr, "Impossible d'écrire %s\n", qPrintable(chemin));
                return 1;
            }
        }
        return 0;
    }
    const QDir dossier(QString::fromLocal8Bit(argv[1]));
    struct Image {
        const char* nom;
        QImage image;
    };
    const Image images[] = {
        {"Ok.bmp", dessiner(24, 24, [](QPainter& p) { coche(p, QRectF(1, 1, 22, 22)); })},
        {"Print.bmp", dessiner(40, 32, imprimante)},
        {"Exit.jpg", dessiner(40, 32, sortie)},
        {"New Tableau.bmp", dessiner(40, 32, tableau)},
        {"New Graphique.bmp", dessiner(40, 32, graphique)},
        {"Zoom Leq 1.bmp", dessiner(40, 32, [](QPainter& p) { loupe(p, "1", true); })},
        {"Zoom Leq 10.bmp", dessiner(40, 32, [](QPainter& p) { loupe(p, "10", true); })},
        {"No Zoom Leq 1.bmp", dessiner(40, 32, [](QPainter& p) { loupe(p, "1", false); })},
        {"No Zoom Leq 10.bmp", dessiner(40, 32, [](QPainter& p) { loupe(p, "10", false); })},
        {"Logo Tarvo.bmp", dessiner(153, 60, [](QPainter& p) { logo(p, 153, 60); })},
        {"LQM 70-4 Rack.bmp", dessiner(152, 111, [](QPainter& p) { rack(p, 152, 111); })},
    };
    for (const Image& i : images) {
        const QString chemin = dossier.filePath(QString::fromLatin1(i.nom));
        if (!i.image.save(chemin, nullptr, 95)) {
            std::fprintf(stderr, "Impossible d'écrire %s\n", qPrintable(chemin));
            return 1;
        }
    }
    return 0;
}
