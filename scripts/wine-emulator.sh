#!/usr/bin/env bash
# Runs one Windows program of the build under Wine, for CTest.
# Wine's helper processes (services, winedevice, plugplay, rpcss) would inherit CTest's
# pipes and keep it waiting, so every descriptor above 2 is closed and Wine writes
# into a temporary file that is printed afterwards.
export HOME=${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}
export WINEPREFIX=${WINEPREFIX:-$HOME/.wine-palvermontine}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
for fd in /proc/$$/fd/*; do
  fd=${fd##*/}
  if [ "$fd" -gt 2 ] 2>/dev/null; then eval "exec $fd>&-" 2>/dev/null; fi
done
out=$(mktemp "${TMPDIR:-/tmp}/pv-wine.XXXXXX")
wine "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
rm -f "$out"
exit $rc
