# Sourced by the scripts that run Windows programs: starts an X server when no display
# is set and a persistent wineserver, and stops both when the calling script exits.
export HOME=${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}
export WINEPREFIX=${WINEPREFIX:-$HOME/.wine-palvermontine}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
pv_xvfb_pid=""
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 120); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    pv_xvfb_pid=$!
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    if kill -0 "$pv_xvfb_pid" 2>/dev/null; then export DISPLAY=":$n"; break; fi
    pv_xvfb_pid=""
  done
fi
wineserver -p >/dev/null 2>&1 </dev/null || true
pv_wine_session_end() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$pv_xvfb_pid" ]; then kill "$pv_xvfb_pid" 2>/dev/null || true; fi
}
trap pv_wine_session_end EXIT
