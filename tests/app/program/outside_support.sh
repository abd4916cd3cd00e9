# Sourced by the tests that drive the real program from outside its process
# (outside_journey.sh, random_input.sh), after they set root, bin, out and log: the Wine
# loader for the program, its configuration folder in the test's output folder, the
# logging stand-in as the prefix's PDF viewer (nothing is launched outside the test),
# and waiting for the program's windows on the X server.
. "$root/scripts/wine-env.sh"
pv_wine_env_for "$bin/palvermontine.exe"
winpath() { "$PV_WINE" winepath -w "$1" 2>/dev/null | tr -d '\r'; }
export PALVERMONTINE_CONFIG_DIR PV_FAKE_VIEWER_LOG
PALVERMONTINE_CONFIG_DIR=$(winpath "$out/config")
PV_FAKE_VIEWER_LOG=$(winpath "$out/viewer.log")
viewer=$(winpath "$bin/fake_pdf_viewer.exe")
"$PV_WINE" reg add 'HKCR\.pdf' /ve /d pdffile /f >>"$log" 2>&1
"$PV_WINE" reg add 'HKCR\pdffile\shell\open\command' /ve /d "\"$viewer\" /open \"%1\"" /f >>"$log" 2>&1
"$PV_WINE" reg add 'HKCR\pdffile\shell\print\command' /ve /d "\"$viewer\" /print \"%1\"" /f >>"$log" 2>&1

# Waits until the command succeeds, for at most the given seconds.
wait_for() {
  local seconds=$1; shift
  local until=$((SECONDS + seconds))
  while ! "$@" >/dev/null 2>&1; do
    [ $SECONDS -ge $until ] && return 1
    sleep 0.2
  done
}
window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
has_window() { [ -n "$(window_named "$1")" ]; }
main_window() { window_named " - Palvermontine$"; }
