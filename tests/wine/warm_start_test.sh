#!/usr/bin/env bash
# wine-run --warm starts a working Wine server also while the prefix still has
# one running, which makes `wineserver -p` exit with 2.
#   warm_start_test.sh WINE-RUN PREFIX
set -uo pipefail
wine_run=$1 prefix=$2
export WINEPREFIX=$prefix WINEDEBUG=-all
trap 'wineserver -k >/dev/null 2>&1; wineserver -w >/dev/null 2>&1' EXIT

"$wine_run" --prefix "$prefix" cmd /c exit || { echo "FAIL: the prefix does not run a program"; exit 1; }
# The program's server has gone; a persistent one runs from here on.
wineserver -w
wineserver -p || { echo "FAIL: no first server"; exit 1; }
"$wine_run" --prefix "$prefix" --warm
status=$?
[[ $status -eq 0 ]] || { echo "FAIL: wine-run --warm exited with $status while a server ran"; exit 1; }
"$wine_run" --prefix "$prefix" cmd /c exit || { echo "FAIL: no program runs after the warm start"; exit 1; }
echo "ok: the warm start took over from the running server"
