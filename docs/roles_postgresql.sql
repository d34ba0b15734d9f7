-- Deux rôles pour une archive PostgreSQL partagée. À passer par le propriétaire de la base
-- (psql -d BASE -f docs/roles_postgresql.sql), une fois que le programme ou lqm-outil y a créé
-- l'archive avec ce compte, et de nouveau après chaque mise à jour du schéma (« GRANT ... ON
-- ALL TABLES » ne vaut que pour les tables qui existent). Changez les mots de passe.

-- Le releveur : ajoute des téléchargements (le programme au poste du technicien, lqm-outil
-- lancé par un minuteur). Il ne peut ni modifier ni effacer une mesure, un événement ou un
-- jeu de paramètres : les preuves restent telles que l'appareil les a données.
CREATE ROLE lqm_releveur LOGIN PASSWORD 'releveur-a-changer';
GRANT USAGE ON SCHEMA public TO lqm_releveur;
GRANT SELECT ON version_schema TO lqm_releveur;
GRANT SELECT, INSERT ON leq, evenements, parametres TO lqm_releveur;
-- Une fusion ajoute l'appareil et le téléchargement, puis n'en change que les comptes (et le
-- nom du lieu) : ni le numéro de série, ni la date de relevé, ni les réglages reçus.
GRANT SELECT, INSERT ON appareils, telechargements TO lqm_releveur;
GRANT UPDATE (nom, premier, dernier, nb_leq, nb_evenements, nb_parametres) ON appareils
    TO lqm_releveur;
GRANT UPDATE (ajoutes, presents, conflits) ON telechargements TO lqm_releveur;
-- Le bilan des nuits (un résumé que le programme recalcule à partir des mesures, pas une
-- preuve) est refait pour les nuits qu'un téléchargement touche.
GRANT SELECT, INSERT, DELETE ON nuits TO lqm_releveur;
GRANT USAGE ON ALL SEQUENCES IN SCHEMA public TO lqm_releveur;

-- Le lecteur : consulte (un inspecteur, un bureau). Le programme l'ouvre en lecture seule,
-- le dit une fois, et n'essaie jamais d'y ajouter un téléchargement.
CREATE ROLE lqm_lecteur LOGIN PASSWORD 'lecteur-a-changer';
GRANT USAGE ON SCHEMA public TO lqm_lecteur;
GRANT SELECT ON ALL TABLES IN SCHEMA public TO lqm_lecteur;
