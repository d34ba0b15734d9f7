#pragma once

// La vue du parc d'appareils en lignes de texte : la même pour la fenêtre, lqm-outil et le CSV.

#include "archive/Archive.h"

#include <QByteArray>
#include <QStringList>

// « non relevé depuis 21 jours », « dépassements », « nuits incomplètes », « rien à signaler ».
QString Texte_Etat_Parc(const Ligne_Parc& ligne, const QDate& aujourdhui);
QStringList En_Tetes_Parc();
// Une cellule par en-tête.
QStringList Cellules_Parc(const Ligne_Parc& ligne, const QDate& aujourdhui);
QByteArray Csv_Parc(const std::vector<Ligne_Parc>& lignes, const QDate& aujourdhui);
// Les nuits d'une vue du parc par défaut : les 30 soirs qui précèdent aujourd'hui.
std::pair<QDate, QDate> Periode_Parc_Defaut(const QDate& aujourdhui);
