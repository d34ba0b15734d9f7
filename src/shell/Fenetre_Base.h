#pragma once

#include "shell/Fenetres_Ouvertes.h"

#include <QPointer>
#include <QWidget>
#include <functional>

#include <QMdiSubWindow>

// Ce que le registre des fenêtres attend de chaque fenêtre.
class Chargeable {
public:
    virtual ~Chargeable() = default;
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
};

// Base des fenêtres filles : apparence commune, touche Entrée vue avant les contrôles,
// visibilité et placement à travers la sous-fenêtre du cadre principal.
class Fenetre_Base : public QWidget, public Chargeable {
    Q_OBJECT
public:
    explicit Fenetre_Base(Id_Fenetre id, QWidget* parent = nullptr);

    Id_Fenetre id() const { return id_; }

    // La sous-fenêtre du cadre principal qui l'héberge (nullptr pour une fenêtre de premier
    // niveau).
    void Definir_Sous_Fenetre(QMdiSubWindow* sous_fenetre) { sous_fenetre_ = sous_fenetre; }
    QWidget* Cadre() const;

    void Rendre_Visible();
    void Cacher();
    // Place la fenêtre au coin (0, 0) de la zone cliente de la fenêtre principale.
    void Deplacer_Origine();
    // Taille de la zone cliente, en twips.
    void Taille_Client_Twips(int largeur, int hauteur);

protected:
    // Crée un contrôle nommé (les tests le trouvent par ce nom).
    template <class T> static T* Creer(QWidget* parent, const char* nom) {
        auto* controle = new T(parent);
        controle->setObjectName(QString::fromLatin1(nom));
        return controle;
    }
    template <class T> static T* Creer(QWidget* parent, const char* nom, const QString& texte) {
        T* controle = Creer<T>(parent, nom);
        controle->setText(texte);
        return controle;
    }

    // Entrée déclenche « action » quel que soit le contrôle qui a le focus, même un bouton
    // désactivé. À appeler une fois les contrôles créés.
    void Touche_Entree(std::function<void()> action);
    // Double clic sur un contrôle qui n'a pas de signal pour cela (boutons d'option).
    void Double_Clic(QWidget* controle, std::function<void()> action);

    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    Id_Fenetre id_;
    QPointer<QMdiSubWindow> sous_fenetre_;
    std::function<void()> action_entree_;
    QList<QPair<QPointer<QWidget>, std::function<void()>>> doubles_clics_;
};
