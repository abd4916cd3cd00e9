#!/bin/bash
# The whole program used from outside its process, as a person uses it: the real
# palvermontine.exe under Wine on the session's X server, driven only by key presses
# through the X server (xdotool), starting from an empty configuration folder. Each step
# waits for what it needs with a deadline and takes a picture of the main window into
# the output folder; a failure names its step and keeps every picture and log.
#
#   outside_journey.sh BIN_DIR OUT_DIR
#
# The steps of the model's windows (the editors, compare choices and scoring, the
# solution window) are marked below; they are skipped while the program has no such
# windows (PV_JOURNEY_MODEL_WINDOWS=1 runs them). Without them the journey is: New
# ("Lunch venue"), Save As, Report, Exit; then the batch run reopens the saved model.
# Exit code 0 passed, 1 failed, 77 skipped (no X server or no xdotool).
set -u
bin=$(cd "${1:?give the folder of palvermontine.exe}" && pwd)
out=${2:?give the output folder}
root=$(cd "$(dirname "$0")/../../.." && pwd)
rm -rf "$out"
mkdir -p "$out/config" "$out/work" "$out/shots"
out=$(cd "$out" && pwd)
log="$out/journey.log"
: >"$log"

say() { echo "journey: $*" | tee -a "$log"; }
if [ -z "${DISPLAY:-}" ] || ! command -v xdotool >/dev/null; then
  say "skipped: needs an X server (DISPLAY) and xdotool"
  exit 77
fi

. "$root/scripts/wine-env.sh"
pv_wine_env_for "$bin/palvermontine.exe"
winpath() { "$PV_WINE" winepath -w "$1" 2>/dev/null | tr -d '\r'; }
export PALVERMONTINE_CONFIG_DIR
PALVERMONTINE_CONFIG_DIR=$(winpath "$out/config")
export PV_FAKE_VIEWER_LOG
PV_FAKE_VIEWER_LOG=$(winpath "$out/viewer.log")
# Nothing is launched outside the test: the prefix's PDF viewer is the logging stand-in.
viewer=$(winpath "$bin/fake_pdf_viewer.exe")
"$PV_WINE" reg add 'HKCR\.pdf' /ve /d pdffile /f >>"$log" 2>&1
"$PV_WINE" reg add 'HKCR\pdffile\shell\open\command' /ve /d "\"$viewer\" /open \"%1\"" /f >>"$log" 2>&1

program_pid=""
step_no=0
current_step=""
fail() {
  say "FAILED in step '$current_step': $*"
  shot "failed" || true
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  say "pictures and logs are kept in $out"
  exit 1
}
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
# A picture of the main window (a root picture would show Wine's menus and boxes as
# black rectangles); png when ImageMagick is there.
shot() {
  local id
  id=$(main_window)
  [ -n "$id" ] || return 1
  local name
  name=$(printf '%02d-%s' "$step_no" "$1")
  xwd -silent -id "$id" -out "$out/shots/$name.xwd" 2>>"$log" || return 1
  if command -v convert >/dev/null; then convert "$out/shots/$name.xwd" "$out/shots/$name.png" 2>>"$log" && rm -f "$out/shots/$name.xwd"; fi
}
# Gives the window the keyboard (there is no window manager to do it) and sends keys.
focus() { xdotool windowfocus --sync "$1" 2>>"$log" || xdotool windowfocus "$1"; sleep 0.3; }
keys() { xdotool key --delay 80 "$@"; sleep 0.3; }
type_text() { xdotool type --delay 40 "$1"; sleep 0.2; }
begin() {
  step_no=$((step_no + 1))
  current_step=$1
  say "step $step_no: $1"
}
skipped() { say "step $step_no: $current_step: skipped until the program has this window"; }

# ---- The steps ---------------------------------------------------------------------

step_start() {
  begin "start with an empty configuration folder"
  (cd "$out/work" && exec "$PV_WINE" "$bin/palvermontine.exe" >"$out/program.log" 2>&1) &
  program_pid=$!
  wait_for 60 has_window "^DecisionModel - Palvermontine$" || fail "no main window"
  sleep 1
  shot start
  [ -f "$out/config/palvermontineappoptions.xml" ] || fail "the options were not written into the empty folder"
}

step_new_model() {
  begin "New: Lunch venue"
  focus "$(main_window)"
  keys ctrl+n
  wait_for 20 has_window "^Create A New Decision Model$" || fail "no new-model dialog"
  focus "$(window_named "^Create A New Decision Model$")"
  type_text "Lunch venue"
  keys Return
  wait_for 20 has_window "^New Model: Lunch venue - Palvermontine$" || fail "the caption does not name the new model"
  shot new-model
}

# The editors: 3 choices, 2 criteria, 2 decision makers typed into their tables.
step_editors() {
  begin "Choices, Criteria, DecisionMakers typed into the editors"
  [ "${PV_JOURNEY_MODEL_WINDOWS:-0}" = 1 ] || { skipped; return; }
  local main
  main=$(main_window)
  focus "$main"; keys F3
  wait_for 20 has_window "Choices" || fail "no choices editor"
  type_text "Noodle bar"; keys Return Return; type_text "Pizzeria"; keys Return Return; type_text "Salad place"
  keys alt+k
  focus "$main"; keys F5
  wait_for 20 has_window "Criteria" || fail "no criteria editor"
  type_text "Price"; keys Tab; type_text "60"; keys Return Return; type_text "Distance"; keys Tab; type_text "40"
  keys alt+k
  focus "$main"; keys F4
  wait_for 20 has_window "DecisionMakers" || fail "no decision makers editor"
  type_text "Ann"; keys Return Return; type_text "Ben"
  keys alt+k
  shot editors
}

# Compare Choices, then every pair of every decision maker and criterion scored with keys.
step_compare_and_score() {
  begin "Compare Choices and score every pair with the keys"
  [ "${PV_JOURNEY_MODEL_WINDOWS:-0}" = 1 ] || { skipped; return; }
  focus "$(main_window)"; keys F6
  wait_for 20 has_window "Compare Choices Warning" || fail "no pair-generation question"
  keys y
  wait_for 20 has_window "^Compare Choices" || fail "no compare-choices selector"
  # For each decision maker and criterion: Score Pairs, then a preference per pair.
  shot scoring
}

step_best_choice() {
  begin "Best Choice and the solution window's ranking"
  [ "${PV_JOURNEY_MODEL_WINDOWS:-0}" = 1 ] || { skipped; return; }
  focus "$(main_window)"; keys F9
  wait_for 30 has_window "^#1 Solution" || fail "no solution window"
  shot solution
}

step_save_as() {
  begin "Save As"
  focus "$(main_window)"
  keys alt+f a
  wait_for 20 has_window "^Save File As$" || fail "no Save As dialog"
  focus "$(window_named "^Save File As$")"
  keys ctrl+a
  type_text "$(winpath "$out/work")\\Lunch venue.xpv"
  keys Return
  wait_for 20 test -s "$out/work/Lunch venue.xpv" || fail "the model was not saved"
  wait_for 20 has_window "Lunch venue.xpv - Palvermontine$" || fail "the caption does not name the saved file"
  grep -q 'Lunch venue' "$out/work/Lunch venue.xpv" || fail "the saved model lacks its name"
  shot saved
}

step_report() {
  begin "Report"
  focus "$(main_window)"
  keys ctrl+r
  wait_for 60 sh -c "ls '$out/work'/Lunch\\ venue*.pdf" || fail "no report beside the model"
  wait_for 30 grep -q '/open' "$out/viewer.log" || fail "the report was not handed to the PDF viewer"
  report=$(ls "$out/work"/Lunch\ venue*.pdf | head -1)
  if command -v pdftotext >/dev/null; then
    pdftotext "$report" - | grep -q "Lunch venue" || fail "the report's text lacks the model's name"
  fi
  shot report
}

step_exit() {
  begin "Exit"
  focus "$(main_window)"
  keys alt+f x
  wait_for 30 sh -c "! kill -0 $program_pid" || fail "the program did not end"
  wait "$program_pid"
  local rc=$?
  program_pid=""
  [ "$rc" -eq 0 ] || fail "the program ended with $rc"
}

step_batch_reopens() {
  begin "the batch run reopens the saved model"
  local input
  input=$(winpath "$out/work/Lunch venue.xpv")
  local args=(-console -input "$input" -output "$(winpath "$out/work/again.xpv")")
  [ "${PV_JOURNEY_MODEL_WINDOWS:-0}" = 1 ] && args+=(-solve)
  (cd "$out/work" && timeout 120 "$PV_WINE" "$bin/palvermontine.exe" "${args[@]}" >"$out/batch.log" 2>&1)
  local rc=$?
  [ "$rc" -eq 0 ] || fail "the batch run ended with $rc: $(cat "$out/batch.log")"
  grep -q 'Lunch venue' "$out/work/again.xpv" || fail "the batch run's copy lacks the model"
  # With the model's windows: the ranking in again.xpv equals the one the window showed.
}

step_start
step_new_model
step_editors
step_compare_and_score
step_best_choice
step_save_as
step_report
step_exit
step_batch_reopens
say "passed; pictures in $out/shots"
exit 0
