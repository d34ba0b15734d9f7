#!/usr/bin/env bash
# Les cas de l'archive sur PostgreSQL, contre un serveur jetable que pg_virtualenv crée puis
# détruit. Sans lui (paquet postgresql absent, serveur qui ne démarre pas) : sautés, et dit.
# Le serveur chiffre aussi ses connexions (TLS) avec un certificat fait pour l'occasion quand
# openssl est là.
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
tls=0
certificats=$(mktemp -d)
trap 'rm -rf "$certificats"' EXIT
chmod 755 "$certificats"
if command -v openssl >/dev/null 2>&1 &&
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=localhost \
        -keyout "$certificats/cle.pem" -out "$certificats/certificat.pem" >/dev/null 2>&1; then
    chmod 600 "$certificats/cle.pem"
    # Root : le serveur tourne sous le compte postgres, qui doit lire sa clé.
    [ "$(id -u)" -eq 0 ] && chown postgres "$certificats"/*.pem
    tls=1
else
    echo "openssl absent : le cas TLS de l'archive est sauté."
fi
# Les parties absentes de l'adresse viennent de PGHOST, PGPORT, PGUSER... posés par
# pg_virtualenv.
export LQM_CERTIFICATS="$certificats" LQM_TLS="$tls" LQM_TESTS="$tests"
exec pg_virtualenv sh -c '
    if [ "$LQM_TLS" = 1 ]; then
        psql -q -c "ALTER SYSTEM SET ssl_cert_file = '\''$LQM_CERTIFICATS/certificat.pem'\''" \
            -c "ALTER SYSTEM SET ssl_key_file = '\''$LQM_CERTIFICATS/cle.pem'\''" \
            -c "ALTER SYSTEM SET ssl = on" -c "SELECT pg_reload_conf()" >/dev/null &&
            sleep 1 && [ "$(psql -Atc "SHOW ssl")" = on ] && export LQM_TEST_POSTGRESQL_TLS=1
    fi
    LQM_TEST_POSTGRESQL=postgresql:// exec "$LQM_TESTS" \
        --gtest_filter="Pilotes/Archive_Base.*/PostgreSQL"'
