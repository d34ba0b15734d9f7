#pragma once

// Le rapport sur papier, en PDF et en images : les pages de Pages_Rapport, les images des
// nuits dessinées en vectoriel par Dessiner_Nuit. QtGui : ni le noyau ni les tests du noyau.

#include "report/Nuits.h"

#include <QImage>

class Imprimante;

// L'image d'une nuit, « largeur » pixels de large.
QImage Image_Nuit(const Contenu_Rapport& rapport, const Nuit& nuit, int largeur = 1920);

// Imprime tout le rapport et termine le document ; faux quand l'imprimante l'a refusé
// (l'utilisateur l'a lu dans un message).
bool Imprimer_Rapport(Imprimante& imprimante, const Contenu_Rapport& rapport);

// Le rapport dans un fichier PDF, avec son titre, son sujet et son créateur.
bool Ecrire_Pdf_Rapport(const QString& chemin, const Contenu_Rapport& rapport);

// Une image PNG par nuit dans « dossier » (« nuit du 2008-03-05.png ») ; le message d'erreur,
// vide quand tout est écrit.
QString Ecrire_Images_Nuits(const QString& dossier, const Contenu_Rapport& rapport);
