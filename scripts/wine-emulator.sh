#!/usr/bin/env bash
# Runs one Windows program of the build under Wine, for CTest.
# Wine's helper processes (services, winedevice, plugplay, rpcss) would inherit CTest's
# pipes and keep it waiting, so every descriptor above 2 is closed and Wine writes
# into a temporary file that is printed afterwards.
# A 64-bit program (PE32+) runs under wine64 in the 64-bit prefix, a 32-bit one under
# wine in the 32-bit prefix; a WINEPREFIX given by the caller is kept.
root=$(cd "$(dirname "$0")" && pwd)
. "$root/wine-env.sh"
pv_wine_env_for "$1"
for fd in /proc/$$/fd/*; do
  fd=${fd##*/}
  if [ "$fd" -gt 2 ] 2>/dev/null; then eval "exec $fd>&-" 2>/dev/null; fi
done
out=$(mktemp "${TMPDIR:-/tmp}/pv-wine.XXXXXX")
"$PV_WINE" "$@" >"$out" 2>&1 </dev/null
rc=$?
# Every test program prints before it can fail; a failure with no output at all means
# Wine did not get the program started, which is worth one more try.
if [ "$rc" -ne 0 ] && [ ! -s "$out" ]; then
  echo "wine-emulator: $1 ended with $rc before printing anything; starting it once more"
  "$PV_WINE" "$@" >"$out" 2>&1 </dev/null
  rc=$?
fi
cat "$out"
rm -f "$out"
exit $rc
