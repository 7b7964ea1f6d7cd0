#!/bin/sh
# A throwaway PostgreSQL cluster for the tests: on loopback only, its socket in a folder of its own,
# fsync off. "arranca CARPETA" starts it and writes CARPETA/conexion (the connection string the tests
# read); "detiene CARPETA" stops it and removes the folder. Without the server's programs it does
# nothing and the server-side tests skip themselves.
set -eu
accion=$1
carpeta=$2
binarios=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)

# initdb refuses to run as root: the cluster then belongs to the postgres user.
como() {
    if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

case $accion in
arranca)
    [ -n "$binarios" ] && [ -x "$binarios/initdb" ] || { echo "Sin servidor PostgreSQL: se omiten sus pruebas."; exit 0; }
    "$0" detiene "$carpeta" >/dev/null 2>&1 || true
    mkdir -p "$carpeta/socket"
    [ "$(id -u)" = 0 ] && chown -R postgres "$carpeta"
    como "$binarios/initdb" -D "$carpeta/datos" -U postgres --auth=trust -E UTF8 --locale=C.UTF-8 >"$carpeta/initdb.log"
    # Other builds on the machine may run their own cluster: take the first free port.
    puerto=55432
    while [ $puerto -lt 55532 ]; do
        if como "$binarios/pg_ctl" -D "$carpeta/datos" -l "$carpeta/servidor.log" -w -t 60 \
            -o "-p $puerto -c listen_addresses=127.0.0.1 -c unix_socket_directories=$carpeta/socket -c fsync=off -c synchronous_commit=off -c full_page_writes=off" \
            start >/dev/null 2>&1; then
            echo "Provider=PostgreSQL;Server=127.0.0.1:$puerto;UId=postgres;Pwd=" >"$carpeta/conexion"
            echo "PostgreSQL de prueba en el puerto $puerto."
            exit 0
        fi
        puerto=$((puerto + 1))
    done
    echo "No se pudo arrancar el PostgreSQL de prueba (ver $carpeta/servidor.log)." >&2
    exit 1
    ;;
detiene)
    if [ -n "$binarios" ] && [ -f "$carpeta/datos/postmaster.pid" ]; then
        como "$binarios/pg_ctl" -D "$carpeta/datos" -m immediate -w stop >/dev/null || true
    fi
    rm -rf "$carpeta"
    ;;
esac
