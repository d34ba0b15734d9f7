#!/usr/bin/env bash
# Les cas de l'archive sur PostgreSQL, contre un serveur jetable que pg_virtualenv crée puis
# détruit. Sans lui (paquet postgresql absent, serveur qui ne démarre pas) : sautés, et dit.
set -u
tests="$1"
if ! command -v pg_virtualenv >/dev/null 2>&1; then
    echo "pg_virtualenv absent (paquet postgresql) : cas PostgreSQL de l'archive sautés."
    exit 77
fi
if ! pg_virtualenv true >/dev/null 2>&1; then
    echo "pg_virtualenv ne démarre pas de serveur ici : cas PostgreSQL de l'archive sautés."
    exit 77
fi
# Les parties absentes de l'adresse viennent de PGHOST, PGPORT, PGUSER... posés par
# pg_virtualenv.
exec pg_virtualenv env LQM_TEST_POSTGRESQL=postgresql:// "$tests" \
    --gtest_filter='Pilotes/Archive_Base.*/PostgreSQL'
