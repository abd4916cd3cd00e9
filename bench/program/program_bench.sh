#!/usr/bin/env bash
# Whole-process benchmark of palvermontine.exe under Wine: the batch run on the
# demonstration model and on a model at the file limits, side by side in one run with
# a Windows program that ends at once (the cost of starting a process under Wine).
# Prints the median and the mean of each, and each batch run beyond that start. The
# point subtracted is a program that does nothing: one that also set up OLE and the
# common controls ran slower under Wine than the whole batch run on some machines
# (OLE starts Wine's service processes, which the batch run never needs), so the
# program's own share came out negative.
#   bench/program/program_bench.sh [RUNS]        (RUNS: 15)
# Uses the Windows build that runs here (build/windows, or build/windows64 where
# 32-bit code cannot run) and build/native's make_limits_model; builds what is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
runs=${1:-15}
jobs=${PV_BUILD_JOBS:-3}
. "$root/scripts/wine-env.sh"
if pv_wine32_runs; then
  build=$root/build/windows; toolchain=$root/cmake/toolchain-mingw32.cmake; cc=i686-w64-mingw32-gcc-posix
else
  build=$root/build/windows64; toolchain=$root/cmake/toolchain-mingw64.cmake; cc=x86_64-w64-mingw32-gcc-posix
fi
if [ ! -f "$build/bin/palvermontine.exe" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain" >/dev/null
  cmake --build "$build" -j "$jobs" --target palvermontine >/dev/null
fi
native=$root/build/native
if [ ! -f "$native/bin/make_limits_model" ]; then
  cmake -S "$root" -B "$native" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$native" -j "$jobs" --target make_limits_model >/dev/null
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/pv-program-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
"$cc" -O2 -mwindows -static -o "$work/exit_at_once.exe" "$root/bench/program/ExitAtOnce.c"
"$native/bin/make_limits_model" "$work/limits.xpv"
mkdir -p "$work/config"
export PALVERMONTINE_CONFIG_DIR=$work/config
program=$build/bin/palvermontine.exe
pv_wine_env_for "$program"
. "$root/scripts/wine-session.sh"
cd "$work"

# Milliseconds of one run of the command; a failed run ends the benchmark.
time_once() {
  local start end
  start=$(date +%s%N)
  "$PV_WINE" "$@" >/dev/null 2>&1 </dev/null || { echo "failed: $*" >&2; exit 1; }
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}

declare -A samples
cases=(start demo limits)
run_case() {
  case $1 in
    start) time_once "$work/exit_at_once.exe" ;;
    demo) time_once "$program" -mkdm -console -solve -output demo.xpv -pdf demo.pdf ;;
    limits) time_once "$program" -console -input limits.xpv -solve -output limits-out.xpv -pdf limits.pdf ;;
  esac
}
for c in "${cases[@]}"; do run_case "$c" >/dev/null; done  # warm the caches
for ((i = 0; i < runs; i++)); do
  for c in "${cases[@]}"; do samples[$c]+="$(run_case "$c") "; done  # interleaved
done

stats() {  # median and mean of a list of numbers
  tr ' ' '\n' <<<"$1" | grep . | sort -n | awk '{ v[NR] = $1; s += $1 }
    END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%d %.1f", m, s / NR }'
}
read -r start_med start_mean <<<"$(stats "${samples[start]}")"
printf "%-48s %8s %8s\n" "whole process under $(basename "$PV_WINE") ($runs runs)" "median" "mean"
for c in "${cases[@]}"; do
  read -r med mean <<<"$(stats "${samples[$c]}")"
  case $c in
    start) label="Wine start (a program that ends at once)" ;;
    demo) label="batch run, demonstration model" ;;
    limits) label="batch run, model at the file limits" ;;
  esac
  printf "%-48s %6s ms %6s ms" "$label" "$med" "$mean"
  [ "$c" = start ] || printf "   beyond the Wine start: %d ms (median)" $((med - start_med))
  printf "\n"
done
