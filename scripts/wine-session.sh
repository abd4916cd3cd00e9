# Sourced by the scripts that run Windows programs: starts an X server when no display
# is set and a persistent wineserver for each Wine prefix there is, and stops them when
# the calling script exits. Only what this session started is stopped: a wineserver that
# already ran for a prefix (another session's, nested or beside this one, or a user's
# own) is used and left running.
root_session=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$root_session/wine-env.sh"
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
pv_wine_prefixes=()
for p in "$HOME/.wine-palvermontine" "$HOME/.wine-palvermontine64"; do
  [ -f "$p/.palvermontine-ready" ] || continue
  # -k0 sends no signal: it only answers whether a server runs for the prefix.
  WINEPREFIX=$p wineserver -k0 >/dev/null 2>&1 </dev/null && continue
  # -p fails when another session started one meanwhile: that one is not ours either.
  WINEPREFIX=$p wineserver -p >/dev/null 2>&1 </dev/null && pv_wine_prefixes+=("$p")
done
pv_wine_session_end() {
  local p
  for p in ${pv_wine_prefixes[@]+"${pv_wine_prefixes[@]}"}; do WINEPREFIX=$p wineserver -k >/dev/null 2>&1 || true; done
  if [ -n "$pv_xvfb_pid" ]; then kill "$pv_xvfb_pid" 2>/dev/null || true; fi
}
trap pv_wine_session_end EXIT
