#pragma once

#include <QDate>
#include <QString>

// Nom du mois sur 9 caractères, blancs compris ; "" hors de 1 à 12.
QString Nom_Mois(int mois);

// Nom du jour de la semaine (8 caractères) de la date écrite jour d'abord, parties
// séparées par « / » (« 5/1/2014 », « 05/01/14 ») ; une année sur deux chiffres est
// 20aa, comme les années de l'appareil. "" pour un texte qui n'est pas une date.
QString Nom_Jour(const QString& date);

// Le dernier dimanche d'un mois : l'heure légale française change ces jours-là, en mars et
// en octobre.
QDate Dernier_Dimanche(int annee, int mois);

// Reconstruit Num_Serie à partir des huit éléments 2361 à 2368 de Tab_Config.
void Calcul_Num_Serie();
