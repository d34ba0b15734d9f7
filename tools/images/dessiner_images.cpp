// Dessine les images du dossier Images/ (boutons, coches, logo, appareil).
// Usage : lqm-dessiner-images DOSSIER
// Les fichiers produits sont versionnés ; on ne relance l'outil que pour les redessiner.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
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

void logo(QPainter& p, int largeur, int hauteur) {
    p.setPen(Qt::NoPen);
    p.setBrush(Bleu);
    p.drawRoundedRect(QRectF(2, 2, largeur - 4, hauteur - 4), 8, 8);
    // Trois ondes sonores.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 230 - 60 * i), 2.5));
        p.drawArc(QRectF(8 - 6 * i, 16 - 6 * i, 16 + 12 * i, 28 + 12 * i), -50 * 16, 100 * 16);
    }
    QFont police(QStringLiteral("Liberation Sans"));
    police.setPixelSize(30);
    police.setBold(true);
    police.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(police);
    p.setPen(Qt::white);
    p.drawText(QRectF(36, 0, largeur - 40, hauteur), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("TARVO"));
}

void rack(QPainter& p, int largeur, int hauteur) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(55, 58, 66));
    p.drawRoundedRect(QRectF(1, 20, largeur - 2, hauteur - 40), 3, 3); // façade
    p.setBrush(QColor(150, 150, 155));
    for (int x : {4, largeur - 12}) // oreilles de fixation
        p.drawRect(QRectF(x, 24, 8, hauteur - 48));
    p.setBrush(QColor(20, 30, 20));
    p.drawRect(QRectF(18, 30, 70, 26)); // afficheur
    QFont police(QStringLiteral("Liberation Mono"));
    police.setPixelSize(12);
    police.setBold(true);
    p.setFont(police);
    p.setPen(QColor(120, 255, 120));
    p.drawText(QRectF(18, 30, 70, 26), Qt::AlignCenter, QStringLiteral("92 dB"));
    QFont marque(QStringLiteral("Liberation Sans"));
    marque.setPixelSize(10);
    marque.setBold(true);
    p.setFont(marque);
    p.setPen(Qt::white);
    p.drawText(QRectF(18, 60, 120, 14), Qt::AlignLeft, QStringLiteral("LQM 70-4 Nova"));
    // Diodes : vert, orange, rouge.
    const QColor diodes[] = {QColor(60, 220, 60), QColor(250, 170, 30), QColor(230, 50, 50)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(diodes[i]);
        p.drawEllipse(QPointF(100 + 10 * i, 37), 3, 3);
    }
    p.setBrush(QColor(190, 190, 195));
    p.setPen(QPen(Qt::black, 1));
    p.drawEllipse(QPointF(112, 58), 8, 8); // bouton
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Utilisation : lqm-dessiner-images DOSSIER\n");
        return 2;
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
