#pragma once

// La boîte d'image des graphiques, sans fenêtre : une échelle de l'utilisateur, des
// lignes, des points et du texte à la position courante. Le même code de tracé dessine
// ainsi à l'écran, dans une image, sur l'imprimante et sur l'enregistreur des tests.

#include <QString>
#include <vector>

struct Couleur {
    int rouge = 0, vert = 0, bleu = 0;
    bool operator==(const Couleur&) const = default;
};

inline constexpr Couleur Noir{0, 0, 0};
inline constexpr Couleur Blanc{255, 255, 255};
inline constexpr Couleur Rouge{255, 0, 0};
inline constexpr Couleur Vert_Public{0, 146, 64};
inline constexpr Couleur Vert_Zoom{0, 255, 0};
inline constexpr Couleur Bleu{0, 0, 255};

// « #RRGGBB ».
QString Texte_Couleur(Couleur c);

class Surface_Dessin {
public:
    virtual ~Surface_Dessin() = default;

    // ScaleLeft, ScaleTop, ScaleWidth, ScaleHeight : les routines relisent l'échelle après
    // l'avoir posée, comme elles le feraient d'une boîte d'image.
    void Echelle(double gauche, double haut, double largeur, double hauteur);
    double ScaleLeft() const { return gauche_; }
    double ScaleTop() const { return haut_; }
    double ScaleWidth() const { return largeur_; }
    double ScaleHeight() const { return hauteur_; }

    double CurrentX = 0, CurrentY = 0;

    void Couleur_Avant(Couleur c) { avant_ = c; }
    Couleur ForeColor() const { return avant_; }
    void Largeur_Trait(int pixels) { trait_ = pixels; }
    int DrawWidth() const { return trait_; }
    void Taille_Police(double points) { police_ = points; }
    double FontSize() const { return police_; }
    void Gras(bool gras) { gras_ = gras; }
    bool FontBold() const { return gras_; }

    void Ligne(double x1, double y1, double x2, double y2, Couleur c);
    void Point(double x, double y, Couleur c);
    // Un rectangle plein, sans bord, entre deux coins opposés.
    void Rectangle_Plein(double x1, double y1, double x2, double y2, Couleur c);
    // Le coin haut gauche du texte est à (CurrentX, CurrentY), dans la couleur d'avant-plan.
    void Ecrire(const QString& texte);
    // Le texte finit à CurrentX : posé près du bord droit, il se lit en entier.
    void Ecrire_Fin(const QString& texte);

protected:
    virtual void tracer_echelle() {}
    virtual void tracer_ligne(double x1, double y1, double x2, double y2, Couleur c) = 0;
    virtual void tracer_point(double x, double y, Couleur c) = 0;
    virtual void tracer_rectangle(double x1, double y1, double x2, double y2, Couleur c) = 0;
    // « fin » : le texte finit en x au lieu d'y commencer.
    virtual void tracer_texte(double x, double y, const QString& texte, bool fin) = 0;

private:
    double gauche_ = 0, haut_ = 0, largeur_ = 1, hauteur_ = 1;
    Couleur avant_ = Noir;
    int trait_ = 1;
    double police_ = 8;
    bool gras_ = false;
};

// Garde chaque opération en coordonnées de l'utilisateur : les tests la relisent et
// « lqm-outil graphique --operations » l'écrit.
class Surface_Enregistreuse : public Surface_Dessin {
public:
    enum class Genre { Echelle, Ligne, Point, Rectangle, Texte };
    struct Operation {
        Genre genre;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // échelle : gauche, haut, largeur, hauteur
        Couleur couleur;
        int largeur = 1;
        double taille = 0;
        QString texte;
        bool fin = false;
    };
    std::vector<Operation> operations;

    // Une opération par ligne : « echelle L T W H », « ligne X1 Y1 X2 Y2 #RRGGBB LARGEUR »,
    // « point X Y #RRGGBB », « rectangle X1 Y1 X2 Y2 #RRGGBB », « texte X Y #RRGGBB TAILLE TEXTE »
    // (« texte-fin » : le texte finit en X).
    QString Texte_Operations() const;

protected:
    void tracer_echelle() override;
    void tracer_ligne(double x1, double y1, double x2, double y2, Couleur c) override;
    void tracer_point(double x, double y, Couleur c) override;
    void tracer_rectangle(double x1, double y1, double x2, double y2, Couleur c) override;
    void tracer_texte(double x, double y, const QString& texte, bool fin) override;
};

// Un nombre avec au plus quatre décimales, sans zéros inutiles (« -57 », « 12.1667 »).
QString Texte_Nombre(double valeur);
