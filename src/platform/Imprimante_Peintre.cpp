#include "platform/Imprimante_Peintre.h"

#include "platform/Twips.h"

#include <QFile>
#include <QPdfWriter>

namespace {
// Le repère des fenêtres : 96 points par pouce.
constexpr int Resolution_Ecran = 96;
} // namespace

Imprimante_Peintre::Imprimante_Peintre(std::unique_ptr<QPagedPaintDevice> appareil,
                                       std::function<void(int)> resolution,
                                       std::function<bool()> finir)
    : appareil_(std::move(appareil)), resolution_(std::move(resolution)), finir_(std::move(finir)) {
}

void Imprimante_Peintre::Paysage(bool paysage) {
    appareil_->setPageOrientation(paysage ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void Imprimante_Peintre::Texte(int x_twips, int y_twips, const QString& texte) {
    if (!commencer())
        return;
    const QPointF coin(static_cast<double>(x_twips) / Twips_Par_Pixel,
                       static_cast<double>(y_twips) / Twips_Par_Pixel);
    peintre_.drawText(coin + QPointF(0, peintre_.fontMetrics().ascent()), texte);
}

void Imprimante_Peintre::Nouvelle_Page() {
    if (commencer())
        appareil_->newPage();
}

void Imprimante_Peintre::Dessiner(
    const std::function<void(QPainter&, const QRectF& zone)>& dessin) {
    if (!commencer())
        return;
    peintre_.save();
    const QRect zone = appareil_->pageLayout().paintRectPixels(Resolution_Ecran);
    dessin(peintre_, QRectF(QPointF(0, 0), QSizeF(zone.size())));
    peintre_.restore();
}

bool Imprimante_Peintre::Terminer() {
    if (peintre_.isActive() && !peintre_.end())
        echec_ = true;
    if (!echec_ && finir_ && !finir_())
        echec_ = true;
    return !echec_;
}

bool Imprimante_Peintre::commencer() {
    if (peintre_.isActive() || echec_)
        return !echec_;
    // Le repère de l'appareil à 96 ppp, celui des fenêtres : les polices, données en points,
    // y gardent leur taille par rapport aux places en twips et aux contrôles, sans
    // transformation qui les grossirait. Textes et traits restent vectoriels.
    resolution_(Resolution_Ecran);
    if (!peintre_.begin(appareil_.get())) {
        echec_ = true;
        return false;
    }
    peintre_.setFont(QFont(QStringLiteral("Arial"), 9)); // 9 points sur des lignes de 10
    return true;
}

std::unique_ptr<Imprimante> Imprimante_Pdf(const QString& chemin, bool paysage,
                                           const Proprietes_Pdf& proprietes) {
    auto pdf = std::make_unique<QPdfWriter>(chemin);
    pdf->setPageSize(QPageSize(QPageSize::A4));
    pdf->setPageOrientation(paysage ? QPageLayout::Landscape : QPageLayout::Portrait);
    pdf->setCreator(QStringLiteral("TARVO Analyser ") + QStringLiteral(LQM_VERSION));
    if (!proprietes.titre.isEmpty())
        pdf->setTitle(proprietes.titre);
    QPdfWriter* appareil = pdf.get();
    std::function<bool()> finir;
    if (!proprietes.sujet.isEmpty())
        finir = [chemin, sujet = proprietes.sujet] { return Ajouter_Sujet_Pdf(chemin, sujet); };
    return std::make_unique<Imprimante_Peintre>(
        std::move(pdf), [appareil](int ppp) { appareil->setResolution(ppp); }, std::move(finir));
}

namespace {
// Une chaîne de texte PDF : UTF-16 gros-boutiste derrière sa marque, en hexadécimal.
QByteArray chaine_pdf(const QString& texte) {
    QByteArray octets("\xFE\xFF", 2);
    for (const QChar c : texte) {
        octets.append(static_cast<char>(c.unicode() >> 8));
        octets.append(static_cast<char>(c.unicode() & 0xFF));
    }
    return '<' + octets.toHex().toUpper() + '>';
}

QByteArray valeur_apres(const QByteArray& texte, const QByteArray& cle) {
    const qsizetype i = texte.indexOf(cle);
    if (i < 0)
        return {};
    qsizetype j = i + cle.size();
    while (j < texte.size() && texte[j] == ' ')
        ++j;
    qsizetype k = j;
    while (k < texte.size() &&
           ((texte[k] >= '0' && texte[k] <= '9') || texte[k] == ' ' || texte[k] == 'R'))
        ++k;
    return texte.mid(j, k - j).trimmed();
}
} // namespace

bool Ajouter_Sujet_Pdf(const QString& chemin, const QString& sujet) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadWrite))
        return false;
    const QByteArray pdf = f.readAll();
    const qsizetype trailer = pdf.lastIndexOf("trailer");
    const qsizetype debut_xref = pdf.lastIndexOf("startxref");
    if (trailer < 0 || debut_xref < trailer)
        return false;
    const QByteArray fin = pdf.mid(trailer, debut_xref - trailer);
    const QByteArray taille = valeur_apres(fin, "/Size"), racine = valeur_apres(fin, "/Root");
    const QByteArray info = valeur_apres(fin, "/Info").split(' ').value(0);
    const QByteArray precedente = pdf.mid(debut_xref + 9).trimmed().split('\n').value(0).trimmed();
    const qsizetype objet = pdf.lastIndexOf("\n" + info + " 0 obj");
    const qsizetype fin_objet = pdf.indexOf("endobj", objet);
    if (taille.isEmpty() || racine.isEmpty() || info.isEmpty() || objet < 0 || fin_objet < 0)
        return false;
    // Le dictionnaire que Qt a écrit, sujet en plus, sous le même numéro d'objet.
    QByteArray dictionnaire = pdf.mid(objet + 1, fin_objet - objet - 1);
    const qsizetype fermeture = dictionnaire.lastIndexOf(">>");
    if (fermeture < 0)
        return false;
    dictionnaire.insert(fermeture, "/Subject " + chaine_pdf(sujet) + '\n');
    QByteArray ajout = pdf.endsWith('\n') ? QByteArray() : QByteArray("\n");
    const qsizetype position = pdf.size() + ajout.size();
    ajout += dictionnaire + "endobj\n";
    const qsizetype xref = pdf.size() + ajout.size();
    ajout += "xref\n" + info + " 1\n" + QByteArray::number(position).rightJustified(10, '0') +
             " 00000 n \n" + "trailer\n<<\n/Size " + taille + "\n/Root " + racine + "\n/Info " +
             info + " 0 R\n/Prev " + precedente + "\n>>\nstartxref\n" + QByteArray::number(xref) +
             "\n%%EOF\n";
    return f.seek(pdf.size()) && f.write(ajout) == ajout.size() && f.flush();
}
