#!/usr/bin/env bash
# Creates the 32-bit Wine prefix for the Windows build's tests once:
# unmanaged X11 windows (no 2 s wait at every show without a window manager),
# Wine's own fonts, and no prompts for runtime add-ons.
set -euo pipefail
export HOME=${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}
export WINEPREFIX=${WINEPREFIX:-$HOME/.wine-palvermontine}
export WINEARCH=win32
export WINEDEBUG=-all
if [ -f "$WINEPREFIX/.palvermontine-ready" ]; then exit 0; fi
command -v wine >/dev/null || { echo "wine-prefix: wine is not installed" >&2; exit 1; }
echo "setup: creating Wine prefix $WINEPREFIX"
WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1 || true
wineserver -w || true
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
wineserver -w || true
touch "$WINEPREFIX/.palvermontine-ready"
