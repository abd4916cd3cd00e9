#!/usr/bin/env bash
# Whole-process benchmark of palvermontine.exe under Wine, every case side by side in
# one run (interleaved, so a drift of the machine's speed touches all alike):
#  - the batch run on the demonstration model and on a model at the file limits,
#    beside a Windows program that ends at once (the cost of starting a process under
#    Wine); the demonstration run's goal is under 1.3 times that program;
#  - start to the visible main window, beside a program that shows one window (the
#    cost of a process and its first mapped window); the goal is under 1.2 times it.
#    A window is timed until the X server shows it mapped (bench/program's
#    wait_for_window listens for it; without X11 headers xdotool is asked every 10 ms),
#    then closed with Alt+F4. Beside both, in the same rounds, a plain Win32 program of the
#    main window's own structure (bench/program/ShowMainStructure.c: the frame, menus,
#    icon, MDI client, toolbar band with 15 button windows and status line, made and
#    shown in the program's order): the program beside it is what the program costs
#    beyond its structure, and it beside the one window what the structure costs Wine.
# Prints the median and the mean of each, each batch run beyond that start and the
# ratio of the medians; then, from rounds of their own (after the timed ones, so that the
# measuring takes no time from them), the peak resident memory of the program that ends
# at once and of each batch run, as the kernel counts it for the process (/usr/bin/time). The point subtracted is a program that does nothing: one that
# also set up OLE and the common controls ran slower under Wine than the whole batch
# run on some machines (OLE starts Wine's service processes, which the batch run
# never needs), so the program's own share came out negative.
#   bench/program/program_bench.sh [RUNS]        (RUNS: 15, at least 7)
# With PV_BENCH_BEFORE=OTHER.exe (a build of the program before a change) its batch
# run and its main window are timed in the same rounds, for a before and after.
# Uses the Windows build that runs here (build/windows, or build/windows64 where
# 32-bit code cannot run) and build/native's make_limits_model; builds what is missing.
# Works in a scratch folder of that build, removed at the end.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
runs=${1:-15}
jobs=${PV_BUILD_JOBS:-3}
before=${PV_BENCH_BEFORE:-}
if [ -n "$before" ]; then
  [ -f "$before" ] || { echo "program_bench.sh: no $before" >&2; exit 2; }
  before=$(cd "$(dirname "$before")" && pwd)/$(basename "$before")
fi
. "$root/scripts/wine-env.sh"
if pv_wine32_runs; then
  build=$root/build/windows; toolchain=$root/cmake/toolchain-mingw32.cmake
else
  build=$root/build/windows64; toolchain=$root/cmake/toolchain-mingw64.cmake
fi
if [ ! -f "$build/bin/palvermontine.exe" ] || [ ! -f "$build/bin/exit_at_once.exe" ] ||
  [ ! -f "$build/bin/show_one_window.exe" ] || [ ! -f "$build/bin/show_main_structure.exe" ]; then
  [ -f "$build/CMakeCache.txt" ] ||
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain" >/dev/null
  cmake --build "$build" -j "$jobs" --target palvermontine exit_at_once show_one_window show_main_structure >/dev/null
fi
native=$root/build/native
if [ ! -f "$native/bin/make_limits_model" ] || [ ! -f "$native/bin/wait_for_window" ]; then
  [ -f "$native/CMakeCache.txt" ] || cmake -S "$root" -B "$native" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$native" -j "$jobs" --target make_limits_model >/dev/null
  cmake --build "$native" -j "$jobs" --target wait_for_window >/dev/null 2>&1 || true
fi
waiter=$native/bin/wait_for_window

[ "$runs" -ge 7 ] || { echo "program_bench.sh: at least 7 runs" >&2; exit 2; }
command -v xdotool >/dev/null || { echo "program_bench.sh: needs xdotool" >&2; exit 2; }
work=$(mktemp -d "$build/program-bench.XXXXXX")
"$native/bin/make_limits_model" "$work/limits.xpv"
mkdir -p "$work/config"
export PALVERMONTINE_CONFIG_DIR=$work/config
program=$build/bin/palvermontine.exe
pv_wine_env_for "$program"
. "$root/scripts/wine-session.sh"
trap 'pv_wine_session_end; rm -rf "$work"' EXIT
cd "$work"

# Milliseconds of one run of the command; a failed run ends the benchmark.
time_once() {
  local start end
  start=$(date +%s%N)
  "$PV_WINE" "$@" >/dev/null 2>&1 </dev/null || { echo "failed: $*" >&2; exit 1; }
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}

# The peak resident memory, in kB, of one run of the command.
peak_once() {
  /usr/bin/time -o "$work/peak" -f '%M' "$PV_WINE" "$@" >/dev/null 2>&1 </dev/null || {
    echo "failed: $*" >&2
    exit 1
  }
  tail -n 1 "$work/peak"
}

# Milliseconds from the start of the program to its window NAME (an extended regular
# expression) shown mapped; then the window is closed with Alt+F4 and the program must
# end. A window that does not show or a program that does not end ends the benchmark.
time_window() {
  local name=$1 start end pid window deadline
  shift
  start=$(date +%s%N)
  "$PV_WINE" "$@" >/dev/null 2>&1 </dev/null &
  pid=$!
  deadline=$((start + 30000000000))
  if [ -x "$waiter" ]; then
    # The X server's map events, listened to: exact to a millisecond or two.
    local seen
    seen=$("$waiter" "$start" "$name" 30000) || { kill "$pid" 2>/dev/null || true; echo "no window '$name': $*" >&2; exit 1; }
    end=$((start + ${seen%% *} * 1000000))
    window=${seen##* }
  else
    # Polled at 10 ms: xdotool's own --sync polls at half a second.
    until window=$(xdotool search --onlyvisible --name "$name" 2>/dev/null); do
      if [ "$(date +%s%N)" -gt "$deadline" ] || ! kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
        echo "no window '$name': $*" >&2
        exit 1
      fi
      sleep 0.01
    done
    end=$(date +%s%N)
    window=${window%%$'\n'*}
  fi
  xdotool windowfocus --sync "$window" key alt+F4 >/dev/null 2>&1 || true
  for _ in $(seq 1000); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
  if kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null || true
    echo "not closed by Alt+F4: $*" >&2
    exit 1
  fi
  wait "$pid" || true
  echo $(((end - start) / 1000000))
}

declare -A samples
cases=(start demo limits window structure main)
[ -z "$before" ] || cases+=(demo_before main_before)
run_case() {
  case $1 in
    start) time_once "$build/bin/exit_at_once.exe" ;;
    demo) time_once "$program" -mkdm -console -solve -output demo.xpv -pdf demo.pdf ;;
    limits) time_once "$program" -console -input limits.xpv -solve -output limits-out.xpv -pdf limits.pdf ;;
    window) time_window '^Show One Window$' "$build/bin/show_one_window.exe" ;;
    structure) time_window '^Show Main Structure$' "$build/bin/show_main_structure.exe" ;;
    main) time_window 'Palvermontine$' "$program" ;;
    demo_before) time_once "$before" -mkdm -console -solve -output demo.xpv -pdf demo.pdf ;;
    main_before) time_window 'Palvermontine$' "$before" ;;
  esac
}
for c in "${cases[@]}"; do run_case "$c" >/dev/null; done  # warm the caches
for ((i = 0; i < runs; i++)); do
  for c in "${cases[@]}"; do samples[$c]+="$(run_case "$c") "; done  # interleaved
done

memory_runs=${PV_BENCH_MEMORY_RUNS:-7}
memory_cases=(start demo limits)
[ -z "$before" ] || memory_cases+=(demo_before)
declare -A peaks
if [ -x /usr/bin/time ]; then
  for ((i = 0; i < memory_runs; i++)); do
    for c in "${memory_cases[@]}"; do
      case $c in
        start) peaks[$c]+="$(peak_once "$build/bin/exit_at_once.exe") " ;;
        demo) peaks[$c]+="$(peak_once "$program" -mkdm -console -solve -output demo.xpv -pdf demo.pdf) " ;;
        limits) peaks[$c]+="$(peak_once "$program" -console -input limits.xpv -solve -output limits-out.xpv -pdf limits.pdf) " ;;
        demo_before) peaks[$c]+="$(peak_once "$before" -mkdm -console -solve -output demo.xpv -pdf demo.pdf) " ;;
      esac
    done
  done
fi

stats() {  # median and mean of a list of numbers
  tr ' ' '\n' <<<"$1" | grep . | sort -n | awk '{ v[NR] = $1; s += $1 }
    END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%d %.1f", m, s / NR }'
}
read -r start_med _ <<<"$(stats "${samples[start]}")"
read -r window_med _ <<<"$(stats "${samples[window]}")"
read -r structure_med _ <<<"$(stats "${samples[structure]}")"
printf "%-48s %8s %8s\n" "whole process under $(basename "$PV_WINE") ($runs runs)" "median" "mean"
for c in "${cases[@]}"; do
  read -r med mean <<<"$(stats "${samples[$c]}")"
  case $c in
    start) label="Wine start (a program that ends at once)"; base= ;;
    demo) label="batch run, demonstration model"; base=$start_med ;;
    limits) label="batch run, model at the file limits"; base=$start_med ;;
    window) label="a program that shows one window"; base= ;;
    structure) label="the main window's structure, plain Win32"; base=$window_med ;;
    main) label="start to the visible main window"; base=$window_med ;;
    demo_before) label="batch run, demonstration model (before)"; base=$start_med ;;
    main_before) label="start to the visible main window (before)"; base=$window_med ;;
  esac
  printf "%-48s %6s ms %6s ms" "$label" "$med" "$mean"
  if [ -n "$base" ]; then
    printf "   %s times, %d ms beyond (medians)" "$(awk -v a="$med" -v b="$base" 'BEGIN { printf "%.2f", a / b }')" \
      $((med - base))
  fi
  printf "\n"
  # The main window beside its own structure too: what the program costs beyond it.
  case $c in
    main | main_before)
      printf "%-48s %6s %6s      %s times, %d ms beyond (medians)\n" "  beside the main window's structure" "" "" \
        "$(awk -v a="$med" -v b="$structure_med" 'BEGIN { printf "%.2f", a / b }')" $((med - structure_med))
      ;;
  esac
done

[ -x /usr/bin/time ] || exit 0
read -r start_peak _ <<<"$(stats "${peaks[start]}")"
printf "%-48s %8s\n" "peak resident memory ($memory_runs runs)" "median"
for c in "${memory_cases[@]}"; do
  read -r med _ <<<"$(stats "${peaks[$c]}")"
  case $c in
    start) label="Wine start (a program that ends at once)" ;;
    demo) label="batch run, demonstration model" ;;
    limits) label="batch run, model at the file limits" ;;
    demo_before) label="batch run, demonstration model (before)" ;;
  esac
  printf "%-48s %6s MB" "$label" "$(awk -v k="$med" 'BEGIN { printf "%.1f", k / 1024 }')"
  if [ "$c" != start ]; then
    printf "   %s MB beyond" "$(awk -v k="$med" -v b="$start_peak" 'BEGIN { printf "%.1f", (k - b) / 1024 }')"
  fi
  printf "\n"
done
