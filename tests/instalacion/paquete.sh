#!/bin/sh
# The Debian package as a desk receives it: made from the built programs (nothing is rebuilt),
# unpacked into a temporary root with dpkg -x and started from there, with a home of its own.
# - Its dependencies name the Qt Sql drivers, and every file lies where the system looks for it.
# - The installed agenda-demo and agenda-sql work on a new database; agenda-copia backs it up.
# - The installed window, with the package's default INI in ~/.config/agenda and its own folder
#   unwritable, creates the person's own database, lays out today in it, and keeps the lookup
#   catalogue in ~/.local/share/agenda.
# Usage: paquete.sh BUILD_FOLDER
set -eu

build=$(cd "$1" && pwd)
tmp=$(mktemp -d)
raiz=$tmp/raiz
inmutable=
pid=
limpia() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    [ -z "$inmutable" ] || chattr -i "$inmutable"
    rm -rf "$tmp"
}
trap limpia EXIT
# Killed (a CTest time-out), it still clears the immutable flag: such a folder could not be removed.
trap 'exit 1' INT TERM
falla() {
    echo "FALLA: $*" >&2
    exit 1
}

cpack --config "$build/CPackConfig.cmake" -B "$tmp/cpack" >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log" >&2; falla "cpack no armó el paquete"; }
deb=$(ls "$tmp"/cpack/agenda_*.deb)

depende=$(dpkg-deb --field "$deb" Depends)
for paquete in libqt6sql6-sqlite libqt6sql6-psql libqt6sql6-odbc libqt6widgets6 libsqlite3-0 libpq5 fonts-liberation; do
    case ", $depende," in
    *", $paquete "* | *", $paquete,"*) ;;
    *) falla "el paquete no depende de $paquete: $depende" ;;
    esac
done

dpkg -x "$deb" "$raiz"
for archivo in bin/agenda bin/agenda-sql bin/agenda-consulta bin/agenda-demo bin/agenda-copia \
    share/applications/agenda.desktop share/agenda/CN000pr.INI \
    share/agenda/sql/esquema.sql share/agenda/sql/KQ_CREARAGENDA.sql \
    share/agenda/sql/postgresql/KQ_CREARAGENDA.sql \
    share/man/man1/agenda.1.gz share/man/man1/agenda-sql.1.gz share/man/man1/agenda-consulta.1.gz \
    share/man/man1/agenda-demo.1.gz share/man/man1/agenda-copia.1.gz; do
    [ -f "$raiz/usr/$archivo" ] || falla "falta /usr/$archivo"
done
for lado in 16 22 24 32 48 64 128 256; do
    [ -f "$raiz/usr/share/icons/hicolor/${lado}x$lado/apps/agenda.png" ] || falla "falta el icono de $lado"
done
grep -qx "Exec=agenda" "$raiz/usr/share/applications/agenda.desktop" || falla "la entrada del menú no inicia agenda"

# A home of its own, with the XDG folders at their defaults.
export HOME="$tmp/casa" XDG_RUNTIME_DIR="$tmp/run" QT_QPA_PLATFORM=offscreen
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_STATE_HOME
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
bin=$raiz/usr/bin

# cuenta BASE DIA: the slots of DIA (dd/mm/yyyy) in the database file BASE, through the installed
# agenda-sql (a header line, then the row).
cuenta() {
    "$bin/agenda-sql" "Provider=SQLite;Database=$1" \
        "SELECT COUNT(*) AS N FROM MV_AGENDA WHERE FECHA BETWEEN '$2' AND '$2 23:59'" | sed -n 2p
}

"$bin/agenda-demo" "$tmp/nueva.db" >/dev/null || falla "agenda-demo no creó la base"
"$bin/agenda-sql" "Provider=SQLite;Database=$tmp/nueva.db" "EXEC KQ_CREARAGENDA '05/03/2021', 30" >/dev/null ||
    falla "agenda-sql no creó las franjas"
[ "$(cuenta "$tmp/nueva.db" 05/03/2021)" = 28 ] || falla "agenda-sql no ve las 28 franjas del 05/03/2021"
"$bin/agenda-copia" "$tmp/nueva.db" "$tmp/respaldo.db" >/dev/null || falla "agenda-copia no respaldó la base"
[ "$(cuenta "$tmp/respaldo.db" 05/03/2021)" = 28 ] || falla "el respaldo no tiene las 28 franjas del 05/03/2021"

mkdir -p "$HOME/.config/agenda"
cp "$raiz/usr/share/agenda/CN000pr.INI" "$HOME/.config/agenda/"
if chattr +i "$bin" 2>/dev/null; then
    inmutable=$bin
fi
"$bin/agenda" &
pid=$!
propia=$HOME/.local/share/agenda/agenda.db
hoy=$(date +%d/%m/%Y)
intentos=0
until [ -f "$propia" ] && [ "$(cuenta "$propia" "$hoy" 2>/dev/null)" = 28 ]; do
    kill -0 "$pid" 2>/dev/null || falla "la agenda terminó sin abrir la base propia"
    intentos=$((intentos + 1))
    [ "$intentos" -le 240 ] || falla "la agenda no creó la base propia con las franjas de hoy"
    sleep 0.5
done
kill -0 "$pid" 2>/dev/null || falla "la agenda terminó sola"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=

minutos=$("$bin/agenda-sql" "Provider=SQLite;Database=$propia" \
    "SELECT Valor FROM TA_CONFIGURACION WHERE Clave = 'MinutosAgenda'" | sed -n 2p)
[ "$minutos" = 30 ] || falla "la base propia no trae la configuración inicial ($minutos)"
if [ -n "$inmutable" ]; then
    [ -f "$HOME/.local/share/agenda/consultas.kqw" ] || falla "el catálogo no quedó en ~/.local/share/agenda"
    [ ! -e "$bin/consultas.kqw" ] || falla "el catálogo quedó junto al programa"
fi
echo "Paquete $(basename "$deb") instalado y probado."
