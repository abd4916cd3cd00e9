#!/bin/bash
# The whole program used from outside its process, as a person uses it: the real
# palvermontine.exe under Wine on the session's X server, driven only by key presses and
# mouse clicks through the X server (xdotool), starting from an empty configuration folder. Each step
# waits for what it needs with a deadline and takes a picture of the main window into
# the output folder; a failure names its step and keeps every picture and log.
#
#   outside_journey.sh BIN_DIR OUT_DIR
#
# The journey: a damaged file opened (its box, and the keyboard back after it); New ("Lunch venue"); 3 choices, 2 criteria and 2 decision makers typed
# into the editors; Compare Choices and every pair scored with the keys; Best Choice and
# the solution window; Save As; Report; Exit. Then the batch run opens the saved model
# and solves it again: its ranking equals the one the window showed (the saved model's
# solutions) and the report's, and the report names what was typed.
# PV_JOURNEY_MODEL_WINDOWS=0 leaves out the steps of the model's windows.
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

say() { echo "journey [${SECONDS}s]: $*" | tee -a "$log"; }
if [ -z "${DISPLAY:-}" ] || ! command -v xdotool >/dev/null; then
  say "skipped: needs an X server (DISPLAY) and xdotool"
  exit 77
fi

. "$(dirname "$0")/outside_support.sh"

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
# A picture of the whole screen, as a person sees it, into shots/NN-NAME.png. It is read
# with ImageMagick's import, which takes the screen's pixels as they are: xwd -root
# renders the boxes, dialogs and menus a process opens over its own main window as black
# rectangles (a plain program's message box too), though the screen shows them drawn.
# Without ImageMagick, a picture of the main window alone.
shot_file() { printf '%s/shots/%02d-%s.png' "$out" "$step_no" "$1"; }
shot() {
  local file
  file=$(shot_file "$1")
  if command -v import >/dev/null; then
    import -silent -window root "$file" 2>>"$log" && return 0
  fi
  local id
  id=$(main_window)
  [ -n "$id" ] || return 1
  xwd -silent -id "$id" -out "${file%.png}.xwd" 2>>"$log"
}
# The box or dialog of the name is drawn on the screen: its area of a whole-screen picture
# holds its frame and text (more than a few colours), not a blank rectangle.
drawn_on_screen() {
  command -v import >/dev/null && command -v convert >/dev/null || return 0
  local id X Y WIDTH HEIGHT SCREEN WINDOW colours
  id=$(window_named "$1")
  [ -n "$id" ] || fail "no window '$1' to look at"
  eval "$(xdotool getwindowgeometry --shell "$id")"
  shot "$2" || fail "no picture of the screen"
  colours=$(convert "$(shot_file "$2")" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -format %k info: 2>>"$log")
  say "'$1' at ${X},${Y} ${WIDTH}x${HEIGHT}: $colours colours on the screen"
  [ "${colours:-0}" -ge 8 ] || fail "'$1' is not drawn on the screen (its area holds $colours colours)"
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
skipped() { say "step $step_no: $current_step: skipped (PV_JOURNEY_MODEL_WINDOWS=0)"; }

# A ranking as lines "choice-id percent", best first: from a model file's solutions and
# from the Solution table of a report's text ("rank percent id name").
model_ranking() { sed -n 's/.*<sln ch="\([0-9]*\)" rank="\([0-9.]*\)".*/\1 \2/p' "$1"; }
report_ranking() {
  sed -n '/^Solution$/,/^ *$/p' "$1" | awk '$1 ~ /^[0-9]+$/ && $2 ~ /^[0-9.]+$/ && NF >= 4 { print $3, $2 }'
}

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

# A damaged file through File Open: the box that says so is drawn, Enter answers it, and
# the keyboard is the main window's again without a click (Ctrl+N, sent to whatever has
# the keys, opens the New dialog; Escape closes it, nothing typed).
step_damaged_file() {
  begin "Open a damaged file: the box, then the keyboard back"
  printf 'not a model\n' >"$out/work/damaged.xpv"
  focus "$(main_window)"
  keys ctrl+o
  wait_for 20 has_window "^Open A Palvermontine Decision Model File$" || fail "no Open dialog"
  focus "$(window_named "^Open A Palvermontine Decision Model File$")"
  type_text "$(winpath "$out/work/damaged.xpv")"
  keys Return
  wait_for 20 has_window "^WARNING: " || fail "no box about the damaged file"
  sleep 1
  drawn_on_screen "^WARNING: " damaged-file-box
  focus "$(window_named "^WARNING: ")"
  keys Return
  wait_for 20 sh -c '! xdotool search --onlyvisible --name "^WARNING: " | grep -q .' || fail "the box stayed"
  sleep 1
  keys ctrl+n
  wait_for 10 has_window "^Create A New Decision Model$" || fail "the keys reach nothing after the box"
  focus "$(window_named "^Create A New Decision Model$")"
  keys Escape
  wait_for 10 sh -c '! xdotool search --onlyvisible --name "^Create A New Decision Model$" | grep -q .' ||
    fail "the New dialog stayed"
}

step_new_model() {
  begin "New: Lunch venue"
  focus "$(main_window)"
  keys ctrl+n
  wait_for 20 has_window "^Create A New Decision Model$" || fail "no new-model dialog"
  sleep 1
  drawn_on_screen "^Create A New Decision Model$" new-model-dialog
  focus "$(window_named "^Create A New Decision Model$")"
  type_text "Lunch venue"
  keys Return
  wait_for 20 has_window "^New Model: Lunch venue - Palvermontine$" || fail "the caption does not name the new model"
  shot new-model
}

# The model's windows live inside the main window (MDI children are no windows of the X
# server), so a step gives them a moment after each key and the files written at the end
# prove what they did; a message box is a window of its own and is watched for.
settle() { sleep "${1:-0.8}"; }
no_box() {
  local id
  id=$(xdotool search --onlyvisible --name "^Palvermontine" 2>/dev/null | head -1)
  [ -z "$id" ] || fail "unexpected box: $(xdotool getwindowname "$id")"
}
# Types the cells of one editor row by row, each cell ended by Enter (name, weight,
# notes: the editor moves to the next cell, and after the notes to the next row).
type_rows() {
  local cell
  for cell in "$@"; do
    [ "$cell" = "-" ] || type_text "$cell"
    keys Return
  done
}
# Opens an editor with its key, types its rows, takes its picture and closes it with OK.
editor() {
  local key=$1 picture=$2; shift 2
  focus "$(main_window)"; keys "$key"; settle 1.5
  type_rows "$@"
  shot "$picture"
  keys alt+k; settle 1.5
  no_box
}

# The editors: 3 choices, 2 criteria, 2 decision makers typed into their tables.
step_editors() {
  begin "Choices, Criteria, DecisionMakers typed into the editors"
  [ "${PV_JOURNEY_MODEL_WINDOWS:-1}" = 1 ] || { skipped; return; }
  editor F3 choices "Noodle bar" - "Pizzeria" - "Salad place" -
  editor F5 criteria "Price" 60 - "Distance" 40 -
  editor F4 decision-makers "Ann" 50 - "Ben" 50 -
  shot editors
}

# Compare Choices, then every pair of every decision maker and criterion scored with
# keys: a digit scores the pair, Down goes to the next one. The digits alternate so that
# no pair is given the same digit twice (which turns the preference to the other side)
# when there are fewer pairs than presses. The selector is used with the mouse, at the
# places of its list and box in the main window's picture (the selector is the first
# window of the empty desktop, so it always opens at the same place).
click_at() { xdotool mousemove --window "$(main_window)" "$1" "$2" click --repeat "${3:-1}" --delay 120 1; sleep 0.5; }
criterion_row() { echo $((184 + 17 * $1)); }
score_pairs() {
  # A double click on the criterion opens the scoring window of its pairs.
  click_at 60 "$(criterion_row "$1")" 2; settle 1.5
  keys 3 Down 1 Down 2 Down 1 Down 3 Down 2 Down
  shot "$2"
  keys alt+k; settle 1.5
  no_box
}
choose_decision_maker() {
  click_at 190 138; settle 0.5
  keys Home; local i; for ((i = 0; i < $1; i++)); do keys Down; done
  keys Return; settle
}
step_compare_and_score() {
  begin "Compare Choices and score every pair with the keys"
  [ "${PV_JOURNEY_MODEL_WINDOWS:-1}" = 1 ] || { skipped; return; }
  focus "$(main_window)"; keys F6
  wait_for 20 has_window "Compare Choices Warning" || fail "no pair-generation question"
  sleep 1
  drawn_on_screen "Compare Choices Warning" compare-question
  focus "$(window_named "Compare Choices Warning")"
  keys y
  wait_for 20 sh -c '! xdotool search --onlyvisible --name "Compare Choices Warning" | grep -q .' ||
    fail "the pair-generation question stayed"
  settle 1.5
  shot compare
  focus "$(main_window)"
  # Each decision maker, then each of its criteria.
  score_pairs 0 scoring-ann-price
  score_pairs 1 scoring-ann-distance
  choose_decision_maker 1
  score_pairs 0 scoring-ben-price
  score_pairs 1 scoring-ben-distance
  settle
  shot scored
}

step_best_choice() {
  begin "Best Choice and the solution window's ranking"
  [ "${PV_JOURNEY_MODEL_WINDOWS:-1}" = 1 ] || { skipped; return; }
  focus "$(main_window)"; keys F9
  settle 3
  no_box
  shot solution
}

step_save_as() {
  begin "Save As"
  focus "$(main_window)"
  keys alt+f a
  wait_for 20 has_window "^Save File As$" || fail "no Save As dialog"
  sleep 1
  drawn_on_screen "^Save File As$" save-as-dialog
  focus "$(window_named "^Save File As$")"
  keys ctrl+a
  type_text "$(winpath "$out/work")\\Lunch venue.xpv"
  keys Return
  wait_for 20 test -s "$out/work/Lunch venue.xpv" || fail "the model was not saved"
  wait_for 20 has_window "Lunch venue.xpv - Palvermontine$" || fail "the caption does not name the saved file"
  grep -q 'Lunch venue' "$out/work/Lunch venue.xpv" || fail "the saved model lacks its name"
  if [ "${PV_JOURNEY_MODEL_WINDOWS:-1}" = 1 ]; then
    # The ranking the solution window showed is the one Best Choice stored in the model.
    model_ranking "$out/work/Lunch venue.xpv" >"$out/ranking-shown.txt"
    [ "$(wc -l <"$out/ranking-shown.txt")" -eq 3 ] || fail "the saved model holds no ranking of the 3 choices"
    say "ranking shown: $(tr '\n' ';' <"$out/ranking-shown.txt")"
  fi
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
    pdftotext -layout "$report" "$out/report.txt" || fail "the report cannot be read"
    grep -q "Lunch venue" "$out/report.txt" || fail "the report's text lacks the model's name"
    if [ "${PV_JOURNEY_MODEL_WINDOWS:-1}" = 1 ]; then
      local name
      for name in "Noodle bar" Pizzeria "Salad place" Price Distance Ann Ben; do
        grep -q "$name" "$out/report.txt" || fail "the report's text lacks '$name'"
      done
      report_ranking "$out/report.txt" >"$out/ranking-report.txt"
      cmp -s "$out/ranking-shown.txt" "$out/ranking-report.txt" ||
        fail "the report's ranking differs from the window's: $(cat "$out/ranking-report.txt")"
    fi
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
  [ "${PV_JOURNEY_MODEL_WINDOWS:-1}" = 1 ] && args+=(-solve)
  (cd "$out/work" && timeout 120 "$PV_WINE" "$bin/palvermontine.exe" "${args[@]}" >"$out/batch.log" 2>&1)
  local rc=$?
  [ "$rc" -eq 0 ] || fail "the batch run ended with $rc: $(cat "$out/batch.log")"
  grep -q 'Lunch venue' "$out/work/again.xpv" || fail "the batch run's copy lacks the model"
  if [ "${PV_JOURNEY_MODEL_WINDOWS:-1}" = 1 ]; then
    model_ranking "$out/work/again.xpv" >"$out/ranking-batch.txt"
    cmp -s "$out/ranking-shown.txt" "$out/ranking-batch.txt" ||
      fail "the batch run's ranking differs from the window's: $(cat "$out/ranking-batch.txt")"
  fi
}

step_start
step_damaged_file
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
