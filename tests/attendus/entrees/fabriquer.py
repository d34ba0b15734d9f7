#!/usr/bin/env python3
# Fabrique, une fois pour toutes, les fichiers .lqm d'entrée des sorties attendues : des
# enregistrements choisis pour passer par chaque règle (fins de mois de 30 et 31 jours,
# 29 février, fin d'année, niveaux de 7 à 110 dB, trous, Leq10 à 10, 11 et 20 minutes, les
# seize sortes d'événements, des réglages dont chaque valeur est distincte). Les fichiers sont
# gardés dans le dépôt : les sorties attendues ne bougent pas avec le programme.
# Usage : tests/attendus/entrees/fabriquer.py DOSSIER
import datetime as dt
import os
import sys

LIGNES_LEQ, LIGNES_EVT, LIGNES_PARAM, ELEMENTS_CONFIG = 8192, 4096, 682, 2560


def horodatage(t, colonne4):
    return [t.minute, t.hour, t.day, colonne4, t.month, t.year - 2000]


def leq(t, sorte, niveau):
    return horodatage(t, sorte) + [niveau % 100, niveau // 100]


def ecrire(chemin, leqs, evenements, config, parametres, recuperation):
    def valeurs(v):
        return "".join((" %d" % x) if x >= 0 else ("-%d" % -x) for x in v)

    def table(lignes, n, colonnes):
        plat = [x for l in lignes for x in l]
        assert len(lignes) <= n and all(len(l) == colonnes for l in lignes)
        return plat + [255] * (n * colonnes - len(plat))

    # Rangés comme après le classement : dans l'ordre du temps.
    for lignes in (leqs, evenements, parametres):
        cles = [(r[5], r[4], r[2], r[1], r[0]) for r in lignes]
        assert cles == sorted(cles), chemin
    texte = "Données_d_un_LQM_70-4_Nova_Version_3!!!\r\n"
    texte += valeurs(table(leqs, LIGNES_LEQ, 8)) + "\r\n"
    texte += valeurs(table(evenements, LIGNES_EVT, 8)) + "\r\n"
    texte += valeurs(config) + "\r\n"
    texte += valeurs(table(parametres, LIGNES_PARAM, 48)) + " \r\n"
    texte += recuperation + " "
    with open(chemin, "wb") as f:
        f.write(texte.encode("cp1252"))


def minutes(debut, fin):
    t = debut
    while t <= fin:
        yield t
        t += dt.timedelta(minutes=1)


def d(*a):
    return dt.datetime(*a)


def config_de_base():
    # Chaque élément lu a sa valeur, et ses voisins une autre : une place décalée se voit.
    c = [0] + [(n * 7) % 200 + 20 for n in range(1, ELEMENTS_CONFIG + 1)]
    for n, v in {5: 3, 6: 0, 7: 8, 8: 13, 9: 4, 10: 2,
                 2049: 6, 2050: 3, 2051: 5, 2052: 4, 2053: 7}.items():
        c[n] = v
    for n, v in zip(range(2055, 2070), [1, 3, 2, 9, 4, 10, 5, 15, 6, 16, 8, 12, 11, 7, 13]):
        c[n] = v
    for n, v in zip(range(2176, 2192), [1, 0, 95, 1, 2, 1, 5, 1, 9, 0, 93, 0, 99, 1, 3, 2]):
        c[n] = v
    for n, v in zip(range(2361, 2369), [7, 0, 4, 12, 3, 5, 2, 17]):
        c[n] = v
    return c[1:]


def tableaux(chemin):
    l = []

    def suite(debut, fin, niveau=60):
        for k, t in enumerate(minutes(debut, fin)):
            l.append(leq(t, 1, niveau + k % 7))

    # Fin de janvier (31 jours) ; Leq10 réguliers, celui de minuit porte sa nouvelle date.
    suite(d(2008, 1, 31, 23, 56), d(2008, 1, 31, 23, 59))
    l.append(leq(d(2008, 1, 31, 23, 50), 10, 61))
    l.sort(key=lambda r: (r[5], r[4], r[2], r[1], r[0], r[3]))
    suite(d(2008, 2, 1, 0, 0), d(2008, 2, 1, 0, 3))
    l.insert(len(l) - 3, leq(d(2008, 2, 1, 0, 0), 10, 62))
    # 29 février 2008 : la veille, le jour, le lendemain ; un Leq10 après un long trou.
    suite(d(2008, 2, 28, 23, 57), d(2008, 2, 29, 0, 2))
    l.append(leq(d(2008, 2, 29, 0, 2), 10, 63))
    suite(d(2008, 2, 29, 23, 58), d(2008, 3, 1, 0, 2))
    # 1er mai (avril a 30 jours) ; le Leq10 de minuit suit un trou.
    l.append(leq(d(2008, 4, 30, 22, 0), 10, 66))
    suite(d(2008, 4, 30, 23, 58), d(2008, 5, 1, 0, 1))
    l.insert(len(l) - 1, leq(d(2008, 5, 1, 0, 0), 10, 64))
    # Le 10 juin : niveaux de 7 à 110 dB, un trou, des Leq10 à 10, 11 et 20 minutes.
    for t, n in zip(minutes(d(2008, 6, 10, 14, 0), d(2008, 6, 10, 14, 9)),
                    [7, 85, 100, 107, 5, 95, 105, 10, 99, 110]):
        l.append(leq(t, 1, n))
        if t.minute == 0:
            l.append(leq(t, 10, 90))
    suite(d(2008, 6, 10, 14, 10), d(2008, 6, 10, 14, 10), 88)
    l.append(leq(d(2008, 6, 10, 14, 10), 10, 91))
    suite(d(2008, 6, 10, 14, 15), d(2008, 6, 10, 14, 20), 70)
    l.append(leq(d(2008, 6, 10, 14, 20), 10, 72))
    suite(d(2008, 6, 10, 14, 30), d(2008, 6, 10, 14, 35), 75)
    l.insert(len(l) - 4, leq(d(2008, 6, 10, 14, 31), 10, 76))
    for t in minutes(d(2008, 6, 10, 14, 50), d(2008, 6, 10, 15, 1)):
        l.append(leq(t, 1, 80 + t.minute % 5))
        if t.minute in (51,) or (t.hour, t.minute) == (15, 1):
            l.append(leq(t, 10, 81 if t.minute == 51 else 82))
    # Une soirée forte, la nuit, puis le midi du lendemain (bornes du graphique).
    for t in minutes(d(2008, 6, 10, 22, 0), d(2008, 6, 10, 22, 30)):
        l.append(leq(t, 1, 96 + t.minute % 12))
        if t.minute % 10 == 0:
            l.append(leq(t, 10, 101))
    suite(d(2008, 6, 11, 1, 0), d(2008, 6, 11, 1, 5), 50)
    suite(d(2008, 6, 11, 11, 58), d(2008, 6, 11, 12, 1), 55)
    # Le 13 juin : dans le graphique de trois jours qui commence le 11 à midi.
    suite(d(2008, 6, 13, 9, 0), d(2008, 6, 13, 9, 3), 66)
    # Leq10 seuls le 20 juillet, Leq1 seuls le 21.
    l.append(leq(d(2008, 7, 20, 10, 0), 10, 65))
    l.append(leq(d(2008, 7, 20, 10, 10), 10, 66))
    suite(d(2008, 7, 21, 8, 0), d(2008, 7, 21, 8, 2), 45)
    # Le 1er septembre : 80 Leq10 réguliers et aucun Leq1 (plus d'une page imprimée).
    for k in range(80):
        l.append(leq(d(2008, 9, 1, 0, 10) + dt.timedelta(minutes=10 * k), 10, 40 + k))
    # Le 1er octobre (septembre a 30 jours).
    suite(d(2008, 9, 30, 23, 59), d(2008, 10, 1, 0, 0), 70)
    # Fin d'année, puis le 1er mars d'une année non bissextile.
    suite(d(2008, 12, 31, 23, 58), d(2009, 1, 1, 0, 1))
    l.insert(len(l) - 1, leq(d(2009, 1, 1, 0, 0), 10, 67))
    suite(d(2009, 2, 28, 23, 59), d(2009, 3, 1, 0, 1))

    e = []

    def evt(t, c7, c8):
        e.append(horodatage(t, 0) + [c7, c8])

    evt(d(2008, 2, 29, 10, 0), 1, 0)
    evt(d(2008, 3, 1, 9, 5), 0, 4)
    evt(d(2008, 6, 10, 11, 30), 0, 2)   # avant midi le premier jour du graphique
    evt(d(2008, 6, 10, 12, 0), 0, 32)   # midi : dans le graphique
    for bit in range(16):               # les seize sortes, une minute après l'autre
        evt(d(2008, 6, 10, 14, bit), 1 << bit if bit < 8 else 0, 1 << (bit - 8) if bit >= 8 else 0)
    evt(d(2008, 6, 10, 14, 12), 4, 0)   # coupure au début du trou de 14 h 11
    evt(d(2008, 6, 10, 14, 16), 4, 4)   # deux colonnes : aucune sorte
    evt(d(2008, 6, 10, 14, 17), 0, 0)   # aucune colonne : aucune sorte
    evt(d(2008, 6, 11, 1, 0), 8, 0)
    evt(d(2008, 6, 11, 11, 59), 4, 0)   # dernière minute du graphique
    evt(d(2008, 6, 11, 12, 0), 0, 8)    # midi du lendemain : hors du graphique
    evt(d(2008, 12, 31, 23, 59), 0, 16)
    evt(d(2009, 1, 1, 0, 0), 64, 0)

    e.sort(key=lambda r: (r[5], r[4], r[2], r[1], r[0]))
    p = []
    for t, analyse, source in [(d(2008, 1, 15, 8, 0), 12, 12), (d(2008, 6, 1, 9, 30), 8, 9)]:
        r = horodatage(t, 0) + [analyse, source] + [0] * 40
        r[9] = 3                                    # montée
        r[11] = 5                                   # descente
        r[28:34] = [0, 96, 1, 2, 1, 5]
        r[36:42] = [0, 93, 0, 99, 1, 2]
        p.append(r)
    ecrire(chemin, l, e, config_de_base(), p, "12/03/2009_10:02:17")


def parametres(chemin):
    # Sept jeux : avec les réglages en cours, chaque ligne des tables de pondération, de temps
    # de montée et de descente, et chaque branche des atténuations et des niveaux.
    analyses = [0, 4, 8, 12, 1, 13, 6]
    sources = [1, 12, 9, 4, 0, 13, 8]
    montees = [8, 9, 2, 12, 5, 14, 7]
    descentes = [0, 17, 2, 3, 13, 6, 23]
    attenuations = [[0, 5, 9, 10, 15, 16, 255], [1, 2, 3, 4, 6, 7, 8], [11, 12, 13, 14, 20, 99, 100],
                    [15, 14, 13, 12, 11, 10, 9], [0, 0, 0, 0, 0, 0, 0], [16, 17, 18, 9, 8, 7, 6],
                    [3, 13, 23, 33, 43, 53, 63]]
    niveaux = [[0, 95, 1, 2, 1, 5, 0, 93, 0, 99, 1, 2], [1, 0, 1, 1, 0, 99, 0, 90, 0, 91, 0, 92],
               [0, 85, 0, 86, 0, 87, 0, 80, 0, 81, 0, 82], [1, 10, 1, 11, 1, 12, 1, 7, 1, 8, 1, 9],
               [0, 0, 0, 1, 0, 2, 0, 3, 0, 4, 0, 5], [0, 100, 1, 99, 2, 0, 0, 70, 0, 71, 0, 72],
               [1, 20, 1, 21, 1, 22, 1, 23, 1, 24, 1, 25]]
    p = []
    for k in range(7):
        t = d(2008, 3, 1 + 2 * k, 8 + k, 5 * k)
        r = horodatage(t, k + 1) + [0] * 42
        for c in range(7, 49):                      # colonnes non lues : chacune la sienne
            r[c - 1] = 100 + 10 * k + c
        r[6], r[7] = analyses[k], sources[k]
        r[9], r[11] = montees[k], descentes[k]
        for b in range(7):
            r[15 + 2 * b] = attenuations[k][b]
        for j, v in enumerate(niveaux[k][:6]):
            r[28 + j] = v
        for j, v in enumerate(niveaux[k][6:]):
            r[36 + j] = v
        p.append(r)
    l = [leq(d(2008, 3, 14, 9, 0), 1, 60), leq(d(2008, 3, 14, 9, 0), 10, 61)]
    ecrire(chemin, l, [], config_de_base(), p, "14/03/2008_10:02:17")


if __name__ == "__main__":
    dossier = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    tableaux(os.path.join(dossier, "tableaux.lqm"))
    parametres(os.path.join(dossier, "parametres.lqm"))
