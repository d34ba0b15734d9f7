#pragma once

// Ce que partagent les commandes de lqm-outil. Une commande nouvelle : un fichier
// Commande_Nom.cpp et une ligne du tableau de main.cpp.

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "tables/Impression_Tableaux.h"

// Une commande reçoit les arguments qui suivent son nom et rend le code de sortie :
// 0 si tout va bien, 1 si un fichier est refusé ou ne peut être écrit ou si le
// téléchargement échoue, 2 si la commande est mal formée.
using Fonction_Commande = int (*)(const QStringList& arguments);

int Commande_Resume(const QStringList& arguments);
int Commande_Generer(const QStringList& arguments);
int Commande_Telecharger(const QStringList& arguments);
int Commande_Tableau_Leq(const QStringList& arguments);
int Commande_Evenements(const QStringList& arguments);
int Commande_Evenements_Graphique(const QStringList& arguments);
int Commande_Graphique(const QStringList& arguments);
int Commande_Rapport(const QStringList& arguments);
int Commande_Exporter(const QStringList& arguments);
int Commande_Parametres(const QStringList& arguments);
int Commande_Archiver(const QStringList& arguments);
int Commande_Archive(const QStringList& arguments);
int Commande_Parc(const QStringList& arguments);

void Sortie(const QString& texte);
// Les pages imprimées, une ligne par texte placé : « page N », puis « X Y texte » en twips.
void Sortie_Pages(const std::vector<Page_Imprimee>& pages);
void Erreur(const QString& texte);

// Erreur d'usage : le message, puis l'aide, sur la sortie d'erreur ; rend 2.
int Usage(const QString& message, const QString& aide);

// Lit la ligne d'une commande qui prend un seul fichier : rend -1 si la commande peut
// continuer, sinon son code de sortie (0 après son aide, 2 après une erreur d'usage).
// « sans_fichier » : le message quand le fichier manque.
int Lire_Commande(QCommandLineParser& parseur, const QList<QCommandLineOption>& options,
                  const QStringList& arguments, const QString& aide, const QString& sans_fichier,
                  int max_fichiers = 1);

// Fusionne le magasin dans l'archive « base » (vide : celle des réglages) et dit le bilan sur
// la sortie d'erreur ; rend le code de sortie.
int Archiver_Telechargement(const QString& base, const QString& origine);

// Lit les dates des options --du et --au déjà lues dans « parseur ». Rend -1 si la commande
// peut continuer, sinon son code de sortie (2 pour une date absente ou qui n'existe pas, 1 pour
// des dates dans le désordre).
// Lit l'option --limite (un niveau de 30 à 140 dB, virgule ou point) dans « valeur », qui garde
// sa valeur par défaut sans elle. Rend -1 si la commande peut continuer, sinon 2 (usage).
int Lire_Limite(const QCommandLineParser& parseur, const QCommandLineOption& limite,
                const QString& aide, double& valeur);

int Lire_Dates(const QCommandLineParser& parseur, const QCommandLineOption& du,
               const QCommandLineOption& au, const QString& aide, QDate& debut, QDate& fin);

// Lit « FICHIER.lqm --du JJ/MM/AAAA --au JJ/MM/AAAA » comme le dialogue des tableaux :
// écrit la période, charge le fichier. Rend -1 si la commande peut continuer, sinon son code
// de sortie (0 après l'aide, 2 pour une ligne mal formée ou une date qui n'existe pas,
// 1 pour des dates dans le désordre ou un fichier refusé).
int Lire_Periode_Et_Fichier(const QStringList& arguments, const QString& aide,
                            const QString& sans_fichier);
// La même, avec les « options » propres à la commande, lues ensuite dans « parseur ».
int Lire_Periode_Et_Fichier(QCommandLineParser& parseur, QList<QCommandLineOption> options,
                            const QStringList& arguments, const QString& aide,
                            const QString& sans_fichier);

// Lit « FICHIER.lqm --debut JJ/MM/AAAA --jours 1|3|7 » comme le dialogue du graphique, avec
// les « options » propres à la commande (lues ensuite dans « parseur ») : écrit la période du
// graphique, charge le fichier. Rend -1 si la commande peut continuer, sinon son code de
// sortie (0 après l'aide, 2 pour une ligne mal formée, 1 pour un fichier refusé).
int Lire_Periode_Graph_Et_Fichier(QCommandLineParser& parseur, QList<QCommandLineOption> options,
                                  const QStringList& arguments, const QString& aide,
                                  const QString& sans_fichier);
