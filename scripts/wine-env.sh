# Sourced: the Wine loader and prefix for a Windows program of either build.
#   pv_wine_env_for PROGRAM   sets PV_WINE, WINEARCH and (unless given) WINEPREFIX
#   pv_wine32_runs            true when this machine can run 32-bit Wine at all (some
#                             kernels run 64-bit user code only)
export HOME=${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}
export WINEDEBUG=${WINEDEBUG:--all}

pv_wine32_runs() {
  /usr/lib/wine/wine --version >/dev/null 2>&1
}

# The PE machine field: 8664 for x86-64, 014c for i386.
pv_pe_machine() {
  local off
  off=$(od -An -t u4 -j 60 -N 4 "$1" 2>/dev/null | tr -d ' ')
  [ -n "$off" ] || return 1
  od -An -t x2 -j $((off + 4)) -N 2 "$1" 2>/dev/null | tr -d ' '
}

pv_wine_env_for() {
  local prog=$1
  [ -f "$prog" ] || { [ -f "$prog.exe" ] && prog=$prog.exe; }
  if [ "$(pv_pe_machine "$prog")" = 8664 ]; then
    export WINEARCH=win64
    export WINEPREFIX=${WINEPREFIX:-$HOME/.wine-palvermontine64}
    PV_WINE=/usr/lib/wine/wine64
  else
    export WINEARCH=win32
    export WINEPREFIX=${WINEPREFIX:-$HOME/.wine-palvermontine}
    PV_WINE=wine
  fi
}
