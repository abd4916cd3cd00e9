#!/usr/bin/env bash
# Creates a Wine prefix for the Windows build's tests once:
# unmanaged X11 windows (no 2 s wait at every show without a window manager),
# Wine's own fonts, and no prompts for runtime add-ons.
#   wine-prefix.sh [32|64]   the 32-bit prefix (default) or the 64-bit one
set -euo pipefail
bits=${1:-32}
export HOME=${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}
export WINEDEBUG=-all
if [ "$bits" = 64 ]; then
  export WINEARCH=win64 WINEPREFIX=${WINEPREFIX:-$HOME/.wine-palvermontine64}
  wine=/usr/lib/wine/wine64
else
  export WINEARCH=win32 WINEPREFIX=${WINEPREFIX:-$HOME/.wine-palvermontine}
  wine=wine
fi
# A program that crashes under Wine starts its debugger, which shows a dialog and waits
# for a click: on a display nobody looks at, a crashing test would hang until its
# timeout. The debugger writes its report to the output and ends instead.
quiet_crashes() {
  "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  touch "$WINEPREFIX/.palvermontine-quiet-crashes"
}
if [ -f "$WINEPREFIX/.palvermontine-ready" ]; then
  [ -f "$WINEPREFIX/.palvermontine-quiet-crashes" ] || quiet_crashes
  exit 0
fi
[ -x /usr/lib/wine/wine64 ] || command -v wine >/dev/null || { echo "wine-prefix: wine is not installed" >&2; exit 1; }
echo "setup: creating Wine prefix $WINEPREFIX"
WINEDLLOVERRIDES="mscoree,mshtml=" "$wine" wineboot -i >/dev/null 2>&1 || true
wineserver -w || true
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
quiet_crashes
wineserver -w || true
[ -f "$WINEPREFIX/system.reg" ] || { echo "wine-prefix: $WINEPREFIX was not created" >&2; exit 1; }
touch "$WINEPREFIX/.palvermontine-ready"
