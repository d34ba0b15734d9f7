#pragma once

#include <QRectF>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QPainter;

// Icône d'une boîte de message.
enum class Icone { Aucune, Critique, Exclamation, Information };

// Imprimante choisie par l'utilisateur. Positions en twips depuis le coin de la zone
// imprimable.
class Imprimante {
public:
    virtual ~Imprimante() = default;
    virtual void Paysage(bool paysage) = 0;
    virtual void Texte(int x_twips, int y_twips, const QString& texte) = 0;
    virtual void Nouvelle_Page() = 0;
    // Dessine sur la page en cours : « zone » est la partie imprimable, dans un repère où un
    // pixel d'écran à 96 ppp garde sa taille (l'image d'une fenêtre s'y pose telle quelle).
    virtual void Dessiner(const std::function<void(QPainter&, const QRectF& zone)>& dessin) = 0;
    // Termine le document et l'envoie ; faux quand l'imprimante ou le fichier l'a refusé.
    virtual bool Terminer() = 0;
};

// Les services du système que le programme utilise et qu'un test doit pouvoir piloter :
// boucle d'événements, horloge, curseur, boîtes de message, dialogues de fichier et
// d'impression. L'implémentation réelle passe par Qt ; les tests en installent une scriptée.
class Plateforme {
public:
    virtual ~Plateforme() = default;

    // Laisse passer les événements en attente (l'équivalent de DoEvents).
    virtual void DoEvents();
    // Millisecondes d'une horloge monotone : ne recule jamais, ne reboucle jamais.
    virtual std::int64_t Tick_Ms();
    // Laisse passer les événements pendant « ms » millisecondes, sans occuper le processeur ;
    // s'arrête plus tôt dès que « arret » (vérifié après chaque lot d'événements) est vrai.
    virtual void Attendre_Ms(int ms, const std::function<bool()>& arret = {});

    virtual void Sablier(bool actif) = 0;
    // Boîte de message modale avec le seul bouton OK.
    virtual void Message(const QString& texte, const QString& titre, Icone icone) = 0;
    // Dialogues de fichier ; filtre au format « description|motif ». nullopt = Annuler.
    virtual std::optional<QString> Dialogue_Ouvrir(const QString& nom, const QString& filtre) = 0;
    virtual std::optional<QString> Dialogue_Enregistrer(const QString& nom,
                                                        const QString& filtre) = 0;
    // Le dialogue d'impression. « document » : le nom du travail, et du fichier PDF proposé.
    // « paysage » : l'orientation posée avant le dialogue ; sans elle, l'imprimante garde celle
    // du dernier travail, retenue ici pour chaque plateforme. nullptr = Annuler ou erreur.
    std::unique_ptr<Imprimante> Dialogue_Imprimante(const QString& document,
                                                    std::optional<bool> paysage = std::nullopt);

protected:
    // Le dialogue lui-même, ouvert sur l'orientation « paysage ».
    virtual std::unique_ptr<Imprimante> Choisir_Imprimante(const QString& document,
                                                           bool paysage) = 0;

private:
    bool paysage_ = false;
};

// La plateforme en service. Sans installation préalable, une plateforme silencieuse
// (sans fenêtre) répond : messages ignorés, dialogues annulés.
Plateforme& plateforme();

// Termine le document ; si l'imprimante (ou le fichier PDF) le refuse, le dit dans un
// message. Vrai quand tout est imprimé.
bool Terminer_Impression(Imprimante& imprimante);
void Installer_Plateforme(Plateforme* p);

inline void DoEvents() {
    plateforme().DoEvents();
}
inline std::int64_t Tick_Ms() {
    return plateforme().Tick_Ms();
}
inline void Attendre_Ms(int ms, const std::function<bool()>& arret = {}) {
    plateforme().Attendre_Ms(ms, arret);
}
// Pour les boucles serrées (tri, décodage, sauvegarde) : un pas y dure quelques dizaines de
// nanosecondes, un passage de la boucle d'événements de Qt plusieurs microsecondes. La
// fonction rendue ne fait passer les événements qu'un appel sur 64, bien plus souvent que
// l'écran ne se redessine ; Abandon ne changeant que pendant ce passage, les appels sautés
// n'ont rien à voir.
std::function<void()> Evenements_Espaces();

// Laisse passer les événements en attente, ou attend le prochain (au plus « ms ») : une
// boucle qui guette des octets sans tourner à vide.
inline void Attendre_Evenement(int ms) {
    plateforme().Attendre_Ms(ms, [] { return true; });
}

// Convertit un filtre « desc1|motif1|desc2|motif2 » en filtre de dialogue Qt
// (« desc1;;desc2 ») : la description contient déjà le motif entre parenthèses.
QString Filtre_Qt(const QString& filtre);
