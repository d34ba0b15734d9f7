#pragma once

// Ce que partagent les commandes de lqm-outil. Une commande nouvelle : un fichier
// Commande_Nom.cpp et une ligne du tableau de main.cpp.

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

// Une commande reçoit les arguments qui suivent son nom et rend le code de sortie :
// 0 si tout va bien, 1 si un fichier est refusé ou ne peut être écrit ou si le
// téléchargement échoue, 2 si la commande est mal formée.
using Fonction_Commande = int (*)(const QStringList& arguments);

int Commande_Resume(const QStringList& arguments);
int Commande_Generer(const QStringList& arguments);
int Commande_Telecharger(const QStringList& arguments);

void Sortie(const QString& texte);
void Erreur(const QString& texte);

// Erreur d'usage : le message, puis l'aide, sur la sortie d'erreur ; rend 2.
int Usage(const QString& message, const QString& aide);

// Lit la ligne d'une commande qui prend un seul fichier : rend -1 si la commande peut
// continuer, sinon son code de sortie (0 après son aide, 2 après une erreur d'usage).
// « sans_fichier » : le message quand le fichier manque.
int Lire_Commande(QCommandLineParser& parseur, const QList<QCommandLineOption>& options,
                  const QStringList& arguments, const QString& aide, const QString& sans_fichier);
