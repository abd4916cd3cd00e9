#!/bin/bash
# Random keys and clicks into the real program from outside its process, through the X
# server as a person's would come: a seeded stream of keys (letters, digits, Tab, Enter,
# Esc, arrows, the program's own shortcuts and a few of its menus) and clicks (and wheel
# turns) inside the main window's working area, for a set time. At the end the program
# must be alive, answer a key, and hold no more memory than a bound.
#
#   random_input.sh BIN_DIR OUT_DIR
#
# PV_RANDOM_SEED     the seed (default: from the clock; the test command sets the one the
#                    build names, PV_RANDOM_SEED in CMake); printed first, so that a failure
#                    can be replayed with the same stream of input
# PV_RANDOM_SECONDS  how long the input goes on (default 60, at most 120)
# PV_RANDOM_MAX_MB   the memory bound in MB of the program's resident set (default 256)
# PV_RANDOM_PLAN     a number N: print the first N inputs of the seed's stream and end
#
# Everything the program writes goes into OUT_DIR: its configuration and documents
# folders are there, the prefix's PDF viewer is the logging stand-in, and the file
# forms (where typed names could lead elsewhere) are answered with Esc. What could end
# the program on purpose or start something outside the test is never sent: Alt+F4,
# the File and Help menus, the menu bar by itself, clicks on the caption, the menus and
# the toolbar.
# Exit code 0 passed, 1 failed (the seed named), 77 skipped (no X server or no xdotool).
set -u
bin=$(cd "${1:?give the folder of palvermontine.exe}" && pwd)
out=${2:?give the output folder}
root=$(cd "$(dirname "$0")/../../.." && pwd)
rm -rf "$out"
mkdir -p "$out/config" "$out/work"
out=$(cd "$out" && pwd)
log="$out/random.log"
: >"$log"

seed=${PV_RANDOM_SEED:-$(( $(date +%s%N) % 1000000007 ))}
seconds=${PV_RANDOM_SECONDS:-60}
[ "$seconds" -gt 120 ] && seconds=120
max_mb=${PV_RANDOM_MAX_MB:-256}
say() { echo "random input [${SECONDS}s]: $*" | tee -a "$log"; }

# The stream. Bash's own generator, seeded, gives the same choices for the same seed, as
# long as every draw is made in this shell: a subshell ($(...)) draws from a generator
# seeded afresh, and the stream would not follow the seed.
RANDOM=$seed
pick() { local a=("$@"); picked=${a[RANDOM % ${#a[@]}]}; }
plain_keys=(a b c d e f g h i j k l m n o p q r s t u v w x y z 0 1 2 3 4 5 6 7 8 9 space
  Tab shift+Tab Tab Return Return Escape Up Down Left Right Home End Prior Next BackSpace Delete
  shift+Left shift+Right shift+Up shift+Down)
shortcut_keys=(F3 F4 F5 F6 F9 ctrl+n ctrl+s ctrl+r ctrl+p ctrl+x ctrl+c ctrl+v ctrl+F4 ctrl+F6 ctrl+u ctrl+t)
# A menu and one of its items, sent together so that no arrow wanders into another menu.
menu_items=("alt+m h" "alt+m d" "alt+m e" "alt+m c" "alt+m l" "alt+m b" "alt+m r" "alt+m p"
  "alt+o a" "alt+o m" "alt+w c" "alt+w t" "alt+w a" "alt+e t" "alt+e c" "alt+e p")

# The next input, drawn whatever the window: kind (key, menu or click) and k (the keys, or
# the button), for a click its place as thousandths of the window's width and height, and
# the pause after it. $1 is 1 when the main window takes it (the menus are sent to it
# alone).
next_input() {
  local roll=$((RANDOM % 100))
  fx=$((RANDOM % 1000))
  fy=$((RANDOM % 1000))
  if [ $roll -lt 55 ]; then
    kind=key; pick "${plain_keys[@]}"
  elif [ $roll -lt 65 ]; then
    kind=key; pick "${shortcut_keys[@]}"
  elif [ $roll -lt 72 ] && [ "$1" = 1 ]; then
    kind=menu; pick "${menu_items[@]}"
  else
    kind=click; pick 1 1 1 1 1 3 4 5
  fi
  k=$picked
  pause=0.$((RANDOM % 3 + 1))
}
# PV_RANDOM_PLAN=N prints the first N inputs of the seed's stream (as the main window
# would take them) and ends: the same seed must print the same lines.
if [ -n "${PV_RANDOM_PLAN:-}" ]; then
  for _ in $(seq "$PV_RANDOM_PLAN"); do
    next_input 1
    echo "$kind $k $fx $fy, pause $pause"
  done
  exit 0
fi

say "seed $seed (replay with PV_RANDOM_SEED=$seed), $seconds s"
if [ -z "${DISPLAY:-}" ] || ! command -v xdotool >/dev/null; then
  say "skipped: needs an X server (DISPLAY) and xdotool"
  exit 77
fi

. "$(dirname "$0")/outside_support.sh"
export PALVERMONTINE_DOCUMENTS_DIR
PALVERMONTINE_DOCUMENTS_DIR=$(winpath "$out/work")

program_pid=""
fail() {
  say "FAILED with seed $seed: $*"
  # A program that ended says how: its exit status, and what Wine and the program wrote.
  if [ -n "$program_pid" ] && ! alive; then
    wait "$program_pid" 2>/dev/null
    say "  the program's exit status: $?"
    [ -s "$out/program.log" ] && sed 's/^/  program: /' "$out/program.log" | tail -20 | tee -a "$log"
  fi
  local w
  for w in $(xdotool search --onlyvisible --name "" 2>/dev/null); do
    say "  a window shows: '$(xdotool getwindowname "$w" 2>/dev/null)' (X window $w, $(xdotool getwindowgeometry "$w" 2>/dev/null | tail -2 | tr -s ' \n' ' '))"
  done
  # Every process of the program (a second one would hold windows of the same names), and
  # every top-level X window, mapped or not, with its name and place: a window that takes
  # the keyboard without showing is found here.
  local pid
  for pid in $(pgrep -u "$(id -u)" -f 'palvermontine\.exe'); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" &&
      say "  process $pid: $(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null)"
  done
  command -v xwininfo >/dev/null && xwininfo -root -children 2>/dev/null | sed 's/^/  x: /' >>"$log"
  say "replay: PV_RANDOM_SEED=$seed PV_RANDOM_SECONDS=$seconds $0 $bin $out"
  # import reads the screen's pixels as they are; xwd -root draws a window that lies over
  # another of the same process black (it assembles the picture by the windows' colormaps).
  command -v import >/dev/null && import -silent -window root "$out/failed.png" 2>>"$log"
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  exit 1
}
alive() { kill -0 "$program_pid" 2>/dev/null; }
# The resident memory in MB of the program's own process: the Wine process that runs
# this palvermontine.exe (its command line starts with the program's path).
program_mb() {
  local pid kb=0 k first
  for pid in $(pgrep -u "$(id -u)" -f 'palvermontine\.exe'); do
    first=$(tr '\0' '\n' <"/proc/$pid/cmdline" 2>/dev/null | head -1)
    [ "$first" = "$bin/palvermontine.exe" ] || continue
    k=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null)
    [ -n "$k" ] && [ "$k" -gt "$kb" ] && kb=$k
  done
  echo $((kb / 1024))
}
# Whether the program's process works on (a loop that never returns) or waits (input
# that goes nowhere, a disabled window): its processor time over a second, in ticks.
busy_or_idle() {
  local pid ticks=() first
  for pid in $(pgrep -u "$(id -u)" -f 'palvermontine\.exe'); do
    first=$(tr '\0' '\n' <"/proc/$pid/cmdline" 2>/dev/null | head -1)
    [ "$first" = "$bin/palvermontine.exe" ] || continue
    ticks+=("$(awk '{ print $14 + $15 }' "/proc/$pid/stat")")
    sleep 1
    ticks+=("$(awk '{ print $14 + $15 }' "/proc/$pid/stat")")
    echo "$((ticks[1] - ticks[0])) of $(getconf CLK_TCK) processor ticks in a second"
    return
  done
  echo "no process"
}
file_form_up() {
  has_window "^Save File As$" || has_window "^Open A Palvermontine" || has_window "^Save As$" || has_window "^Open$"
}
# The window that holds the keyboard: the last of the program's windows other than the
# main window (a dialog, a box or a form), else the main window.
target() {
  local id
  id=$(xdotool search --onlyvisible --name "." 2>/dev/null | while read -r w; do
    case "$(xdotool getwindowname "$w" 2>/dev/null)" in
      *" - Palvermontine") ;;
      "") ;;
      *) echo "$w" ;;
    esac
  done | tail -1)
  [ -n "$id" ] || id=$(main_window)
  echo "$id"
}
target_found() { [ -n "$(target)" ]; }

click_in_work_area() {
  local id=$1 button=$2 geometry x y w h
  geometry=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null) || return
  eval "$geometry"
  x=$X; y=$Y; w=$WIDTH; h=$HEIGHT
  [ "$w" -gt 40 ] && [ "$h" -gt 120 ] || return
  local px py
  if [ "$id" = "$(main_window)" ]; then
    # Below the caption, the menu bar and the toolbar; above the status line.
    px=$((x + 4 + fx * (w - 8) / 1000))
    py=$((y + 80 + fy * (h - 110) / 1000))
  else
    # Inside a dialog or box, below its caption.
    px=$((x + 4 + fx * (w - 8) / 1000))
    py=$((y + 24 + fy * (h - 28) / 1000))
  fi
  xdotool mousemove "$px" "$py" click "$button" 2>>"$log"
  echo "click $button at $((px - x)),$((py - y)) of $(xdotool getwindowname "$id" 2>/dev/null)" >>"$log"
}

# The display must hold no window of the program before the run: one left by an earlier
# run (a run that was killed) has the same names, and the input and the window searches
# would go to it.
has_window " - Palvermontine$" && fail "the display already shows a main window of the program, another run's"
# A run that ends early (a timeout, a signal) takes its program with it, so that it does
# not stay on the display into the next run.
trap '[ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null' EXIT
trap 'exit 143' TERM
trap 'exit 130' INT
(cd "$out/work" && exec "$PV_WINE" "$bin/palvermontine.exe" -mkdm >"$out/program.log" 2>&1) &
program_pid=$!
wait_for 60 has_window " - Palvermontine$" || fail "no main window"
sleep 1
start_mb=$(program_mb)
[ "$start_mb" -gt 0 ] || fail "the program's process was not found"
say "started: $start_mb MB"

steps=0
until=$((SECONDS + seconds))
while [ $SECONDS -lt $until ]; do
  alive || fail "the program ended after $steps inputs"
  # A search made while a window goes (a form that Esc closes) can come back empty: no
  # window is only a finding when it lasts.
  win=$(target)
  [ -n "$win" ] || { wait_for 5 target_found && win=$(target); }
  [ -n "$win" ] || fail "the program shows no window after $steps inputs"
  if file_form_up; then
    xdotool windowfocus "$win" 2>/dev/null; xdotool key Escape
    echo "Escape to a file form" >>"$log"
    sleep 0.3
    continue
  fi
  xdotool windowfocus "$win" 2>/dev/null
  on_main=0
  [ "$win" = "$(main_window)" ] && on_main=1
  next_input "$on_main"
  case $kind in
    key) xdotool key --delay 30 "$k" ;;
    # shellcheck disable=SC2086
    menu) xdotool key --delay 120 $k ;;
    click) click_in_work_area "$win" "$k" ;;
  esac
  [ "$kind" = click ] || echo "key $k to $(xdotool getwindowname "$win" 2>/dev/null)" >>"$log"
  steps=$((steps + 1))
  sleep "$pause"
done
say "$steps inputs sent"
alive || fail "the program ended after the last input"

# What stays open is answered (Esc, then No, then the close command of a dialog), and
# then the program answers a key: New (Ctrl+N) shows its form, or first the question
# about unsaved changes. The key is given a few chances, as a person would press it again.
# Leaving a form or a model editor that holds typed text asks whether to give the text up
# ("WARNING: Unsaved Data", "Cancel Changes"): Esc and No keep the form, and Esc on it asks
# again, round and round, so that question is answered Yes, as by a person who means to
# leave.
# The last input may still be opening a window (a key that asks to save, then its file
# form): the main window is taken for the one that holds the keyboard only when it still
# is after a while.
settled_on_main() {
  [ "$(target)" = "$(main_window)" ] || return 1
  sleep 2
  [ "$(target)" = "$(main_window)" ]
}
for _ in $(seq 12); do
  settled_on_main && break
  win=$(target)
  name=$(xdotool getwindowname "$win" 2>/dev/null)
  if [ "$name" = "WARNING: Unsaved Data" ] || [ "$name" = "Cancel Changes" ]; then
    xdotool windowfocus "$win" 2>/dev/null; xdotool key y; sleep 0.7
    continue
  fi
  for k in Escape n alt+F4; do
    xdotool windowfocus "$win" 2>/dev/null; xdotool key "$k"; sleep 0.7
    [ "$(target)" = "$win" ] || break
  done
done
[ "$(target)" = "$(main_window)" ] || fail "a window of the program does not close: $(xdotool getwindowname "$(target)")"
answered() { has_window "^Create A New Decision Model$" || [ "$(target)" != "$(main_window)" ]; }
for attempt in 1 2 3; do
  xdotool windowfocus "$(main_window)" 2>/dev/null
  # A menu the last input left open (a window without a name, so not taken above) holds
  # the keys: a person closes it first.
  [ "$attempt" = 1 ] || { xdotool key Escape; sleep 0.3; xdotool key Escape; sleep 0.3; }
  xdotool key ctrl+n
  wait_for 10 answered && break
  [ "$attempt" = 3 ] && fail "the program answers no key after the random input ($(busy_or_idle))"
done
end_mb=$(program_mb)
say "answered a key; memory $start_mb MB at the start, $end_mb MB at the end (bound $max_mb MB)"
[ "$end_mb" -le "$max_mb" ] || fail "the program holds $end_mb MB"
kill "$program_pid" 2>/dev/null
wait "$program_pid" 2>/dev/null
program_pid=""
say "passed"
exit 0
