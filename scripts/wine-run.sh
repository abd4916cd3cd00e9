#!/usr/bin/env bash
# Runs one Windows program of a build by hand, as the tests run theirs: under wine or
# wine64 as the program's kind asks, in the project's Wine prefix (scripts/setup.sh
# makes it), on an X server of its own when no display is set.
#   scripts/wine-run.sh PROGRAM.exe [ARGUMENTS...]
# The program's output comes when it ends: Wine's helper processes inherit what the
# program writes to and would hold a pipe open, so it goes through a file.
set -uo pipefail
root=$(cd "$(dirname "$0")" && pwd)
if [ $# -lt 1 ] || [ ! -f "$1" ]; then
  echo "usage: scripts/wine-run.sh PROGRAM.exe [ARGUMENTS...]" >&2
  exit 2
fi
. "$root/wine-env.sh"
pv_wine_env_for "$1"
. "$root/wine-session.sh"
out=$(mktemp)
"$PV_WINE" "$@" </dev/null >"$out" 2>&1
rc=$?
tr -d '\r' <"$out"
rm -f "$out"
exit $rc
