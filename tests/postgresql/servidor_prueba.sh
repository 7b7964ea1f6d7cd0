#!/bin/sh
# A throwaway PostgreSQL cluster for the tests: on loopback only, fsync off, encryption on with a
# throwaway certificate. "arranca CARPETA" starts it and writes CARPETA/conexion (the connection
# string the tests read) and CARPETA/raiz.crt (the root certificate that signed the server's, issued
# to "localhost" only); "detiene CARPETA" stops it and removes it and CARPETA. The cluster itself
# (data, socket, keys, log) lives in a private temporary folder of the server's user, named in
# CARPETA/cluster, so that user reaches it wherever the checkout is. Without the server's programs
# it does nothing and the server-side tests skip themselves.
set -eu
accion=$1
carpeta=$2
binarios=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)

# initdb refuses to run as root: the cluster then belongs to the postgres user. The commands run
# from / , as the build folder may be closed to that user.
como() {
    if [ "$(id -u)" = 0 ]; then (cd / && runuser -u postgres -- "$@"); else "$@"; fi
}

case $accion in
arranca)
    [ -n "$binarios" ] && [ -x "$binarios/initdb" ] || { echo "Sin servidor PostgreSQL: se omiten sus pruebas."; exit 0; }
    "$0" detiene "$carpeta" >/dev/null 2>&1 || true
    mkdir -p "$carpeta"
    # Root's own TMPDIR may be closed to the server's user: /tmp is open to every user.
    temporal=${TMPDIR:-/tmp}
    [ "$(id -u)" = 0 ] && temporal=/tmp
    privada=$(como mktemp -d "$temporal/agenda-pg.XXXXXX")
    echo "$privada" >"$carpeta/cluster"
    como mkdir "$privada/socket"
    como openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Agenda prueba CA" \
        -keyout "$privada/raiz.key" -out "$privada/raiz.crt" >/dev/null 2>&1
    como openssl req -newkey rsa:2048 -nodes -subj "/CN=localhost" \
        -keyout "$privada/servidor.key" -out "$privada/servidor.csr" >/dev/null 2>&1
    printf 'subjectAltName=DNS:localhost\n' | como tee "$privada/extension.cnf" >/dev/null
    como openssl x509 -req -in "$privada/servidor.csr" -CA "$privada/raiz.crt" -CAkey "$privada/raiz.key" \
        -CAcreateserial -days 2 -extfile "$privada/extension.cnf" -out "$privada/servidor.crt" >/dev/null 2>&1
    cp "$privada/raiz.crt" "$carpeta/raiz.crt"
    como "$binarios/initdb" -D "$privada/datos" -U postgres --auth=trust -E UTF8 --locale=C.UTF-8 >/dev/null
    # Other builds on the machine may run their own cluster: take the first free port.
    puerto=55432
    while [ $puerto -lt 55532 ]; do
        if como "$binarios/pg_ctl" -D "$privada/datos" -l "$privada/servidor.log" -w -t 60 \
            -o "-p $puerto -c listen_addresses=127.0.0.1 -c unix_socket_directories=$privada/socket -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c ssl=on -c ssl_cert_file=$privada/servidor.crt -c ssl_key_file=$privada/servidor.key" \
            start >/dev/null 2>&1; then
            echo "Provider=PostgreSQL;Server=127.0.0.1:$puerto;UId=postgres;Pwd=" >"$carpeta/conexion"
            echo "PostgreSQL de prueba en el puerto $puerto."
            exit 0
        fi
        puerto=$((puerto + 1))
    done
    echo "No se pudo arrancar el PostgreSQL de prueba:" >&2
    como cat "$privada/servidor.log" >&2 || true
    exit 1
    ;;
detiene)
    privada=$(cat "$carpeta/cluster" 2>/dev/null || true)
    if [ -n "$privada" ] && [ -n "$binarios" ] && [ -f "$privada/datos/postmaster.pid" ]; then
        como "$binarios/pg_ctl" -D "$privada/datos" -m immediate -w stop >/dev/null || true
    fi
    [ -n "$privada" ] && rm -rf "$privada"
    rm -rf "$carpeta"
    ;;
esac
