#!/bin/sh
# Runs every fuzz target built in BUILD/fuzz for SECONDS seconds each, on the repository's seeds
# (fuzz/corpus/<target>, read only) and on what earlier runs found (BUILD/corpus/<target>, where
# new inputs go). A crash, a sanitizer report or a broken property stops that target and leaves the
# input in BUILD/hallazgos; the others still run. Prints the executions and seconds of each target
# and ends with status 1 when any target failed.
# Usage: fuzz/corre.sh BUILD SECONDS
set -u
build=$1
segundos=$2
fuentes=$(dirname "$0")
mkdir -p "$build/hallazgos" "$build/registros"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
fallidos=""
for programa in "$build"/fuzz/fuzz_*; do
    [ -f "$programa" ] && [ -x "$programa" ] || continue
    objetivo=${programa##*/fuzz_}
    mkdir -p "$build/corpus/$objetivo"
    registro="$build/registros/$objetivo.log"
    "$programa" -max_total_time="$segundos" -timeout=25 -print_final_stats=1 \
        -artifact_prefix="$build/hallazgos/$objetivo-" \
        "$build/corpus/$objetivo" "$fuentes/corpus/$objetivo" >"$registro" 2>&1
    estado=$?
    ejecuciones=$(sed -n 's/^stat::number_of_executed_units: *//p' "$registro")
    tiempo=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$registro")
    if [ "$estado" -eq 0 ]; then
        printf '%-22s %10s ejecuciones en %4s s\n' "$objetivo" "${ejecuciones:-?}" "${tiempo:-?}"
    else
        printf '%-22s FALLO (%s); detalle en %s\n' "$objetivo" "$estado" "$registro"
        grep -m 3 -E 'ERROR:|runtime error:|SUMMARY:|Test unit written' "$registro" | sed 's/^/    /'
        fallidos="$fallidos $objetivo"
    fi
done
if [ -n "$fallidos" ]; then
    echo "Objetivos con fallos:$fallidos"
    exit 1
fi
