#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A throwaway PostgreSQL cluster for the tests: initdb in a temporary folder, a free port on
# the loopback where every login needs its password (the superuser's is "postgres"), a role
# "admin" (password "qx") that may create databases and roles, pg_stat_statements loaded, and
# TLS on with a certificate for localhost made by a test CA (ca.crt in the folder; other-ca.crt
# is a CA that signed nothing of it). The folder's path and the port go into the state file;
# stop removes the cluster.
#   postgres_cluster.sh start STATE_FILE [--no-tls]
#   postgres_cluster.sh stop STATE_FILE
#   postgres_cluster.sh restart STATE_FILE   (as an administrator would: every connection ends)
#   postgres_cluster.sh pause|resume STATE_FILE   (the server down, then up again, files kept)
set -euo pipefail
action=${1:-}; state=${2:-}
[[ $action =~ ^(start|stop|restart|pause|resume)$ && -n $state ]] || { sed -n 3,12p "$0"; exit 2; }
tls=true
[[ ${3:-} != --no-tls ]] || tls=false
fail() { echo "postgres_cluster: $*" >&2; exit 1; }

bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1 || true)
[[ -x $bindir/initdb && -x $bindir/pg_ctl ]] || fail "PostgreSQL's server is not installed (package postgresql)"
# The server refuses to run as root: then it runs as the postgres user.
as_server() { if [[ $(id -u) -eq 0 ]]; then runuser -u postgres -- "$@"; else "$@"; fi; }

options() {
    echo -n "-p $1 -k $2 -c listen_addresses=127.0.0.1 -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c shared_preload_libraries=pg_stat_statements"
    [[ ! -f $2/server.crt ]] || echo -n " -c ssl=on -c ssl_cert_file=$2/server.crt -c ssl_key_file=$2/server.key"
}

# A CA of the test's own, and the server's certificate for localhost signed by it.
make_certificates() {
    local dir=$1 key=(-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes)
    command -v openssl >/dev/null || fail "openssl is not installed (package openssl)"
    for ca in ca other-ca; do
        openssl req -x509 "${key[@]}" -days 7 -subj "/CN=SkarnholtDB test $ca" \
            -keyout "$dir/$ca.key" -out "$dir/$ca.crt" 2>/dev/null || fail "cannot make the test $ca"
    done
    openssl req "${key[@]}" -subj "/CN=localhost" -keyout "$dir/server.key" -out "$dir/server.csr" 2>/dev/null &&
        openssl x509 -req -in "$dir/server.csr" -CA "$dir/ca.crt" -CAkey "$dir/ca.key" -CAcreateserial \
            -days 7 -out "$dir/server.crt" \
            -extfile <(printf 'subjectAltName=DNS:localhost,IP:127.0.0.1') 2>/dev/null ||
        fail "cannot make the server's certificate"
    chmod 600 "$dir/server.key"
    [[ $(id -u) -ne 0 ]] || chown postgres "$dir/server.key" "$dir/server.crt"
}

if [[ $action == restart || $action == pause || $action == resume ]]; then
    [[ -f $state ]] || fail "no cluster in $state"
    dir=$(head -n 1 "$state")
    case $action in
        restart) as_server "$bindir/pg_ctl" -D "$dir/data" -m fast -w -s restart >/dev/null ;;
        pause) as_server "$bindir/pg_ctl" -D "$dir/data" -m fast -w -s stop ;;
        resume) as_server "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -s \
                    -o "$(options "$(sed -n 2p "$state")" "$dir")" start ;;
    esac
    exit 0
fi

if [[ $action == stop ]]; then
    [[ -f $state ]] || exit 0
    dir=$(head -n 1 "$state")
    as_server "$bindir/pg_ctl" -D "$dir/data" -m immediate -s stop || true
    rm -rf "$dir" "$state"
    exit 0
fi

dir=$(mktemp -d /tmp/skarnholt-postgres.XXXXXX)
[[ $(id -u) -ne 0 ]] || chown postgres "$dir"
echo postgres > "$dir/password"
[[ $(id -u) -ne 0 ]] || chown postgres "$dir/password"
as_server "$bindir/initdb" -D "$dir/data" -U postgres --pwfile="$dir/password" \
    --auth-local=trust --auth-host=scram-sha-256 --no-sync -E UTF8 --locale=C.UTF-8 \
    >"$dir/initdb.log" 2>&1 || fail "initdb failed: $(tail -n 3 "$dir/initdb.log")"
! $tls || make_certificates "$dir"
# A free port: the first one from a random start that nothing answers on.
port=$((20000 + RANDOM % 20000))
for ((tries = 0; tries < 50; tries++)); do
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
        if as_server "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -s \
            -o "$(options "$port" "$dir")" start; then
            printf '%s\n%s\n' "$dir" "$port" > "$state"
            PGPASSWORD=postgres "$bindir/psql" -q -h 127.0.0.1 -p "$port" -U postgres -d postgres -v ON_ERROR_STOP=1 \
                -c "CREATE ROLE admin LOGIN CREATEDB CREATEROLE PASSWORD 'qx'" >/dev/null ||
                fail "cannot create the role admin"
            # What each database's connections ran, counted by the server: the tests that count
            # an edit's statements read it from here.
            PGPASSWORD=postgres "$bindir/psql" -q -h 127.0.0.1 -p "$port" -U postgres -d postgres -v ON_ERROR_STOP=1 \
                -c "CREATE EXTENSION IF NOT EXISTS pg_stat_statements" >/dev/null ||
                fail "cannot create the extension pg_stat_statements"
            echo "PostgreSQL cluster on port $port in $dir"
            exit 0
        fi
    fi
    port=$((port + 1))
done
fail "no port to start PostgreSQL on: $(tail -n 3 "$dir/server.log" 2>/dev/null)"
