#!/usr/bin/env bash
# Sets up what is missing, builds every configuration and runs all tests:
#   native (Release)          portable libraries, unit tests, benchmarks built
#   native-sanitize (Debug)   the same tests under AddressSanitizer and UBSan
#   windows (i686, mingw-w64) everything, tests under Wine
#   windows64 (x86-64)        everything, tests under wine64: only where this machine cannot
#                             run 32-bit code (then the i686 build is built but not run)
#   fuzz (clang, libFuzzer)   each fuzz target for PV_FUZZ_SECONDS on its seed corpus
# Before the builds, scripts/check-layers.py refuses an include that runs up a layer.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PV_BUILD_DIR:-$root/build}
jobs=${PV_JOBS:-$(nproc)}
fuzz_seconds=${PV_FUZZ_SECONDS:-30}

"$root/scripts/setup.sh" || { echo "setup failed"; exit 1; }
. "$root/scripts/wine-session.sh"

failed=()
step() {  # step NAME COMMAND...: runs a step and remembers a failure
  local name=$1; shift
  echo "=== $name"
  if ! "$@"; then failed+=("$name"); fi
}
configure_build() {  # DIR CMAKE-ARGS...
  local dir=$1; shift
  cmake -S "$root" -B "$dir" "$@" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; return 1; }
  cmake --build "$dir" -j "$jobs" >"$dir.build.log" 2>&1 || { grep -E -A5 'error|Error' "$dir.build.log" | head -80; return 1; }
}
configure_build_test() {  # DIR CMAKE-ARGS...
  local dir=$1
  configure_build "$@" || return 1
  (cd "$dir" && ctest -j "$jobs" --output-on-failure --timeout 600)
}
# One fuzz target on a copy of its seed corpus, run from the build folder.
fuzz_one() {
  local dir=$1 name=$2 corpus=$3 work status
  work=$(mktemp -d)
  [ -n "$corpus" ] && cp -r "$corpus"/. "$work"/ 2>/dev/null
  status=0
  (cd "$dir" && "$dir/bin/$name" -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 \
     -print_final_stats=0 -artifact_prefix="$dir/$name-" "$work" >"$dir/$name.log" 2>&1) || status=$?
  echo "$status" >"$dir/$name.status"
  rm -rf "$work"
}

run_fuzzers() {
  local dir=$build/fuzz
  CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPV_FUZZ=ON \
    -DBUILD_TESTING=OFF >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; return 1; }
  cmake --build "$dir" -j "$jobs" >"$dir.build.log" 2>&1 || { grep -E -A5 'error|Error' "$dir.build.log" | head -80; return 1; }
  # The targets run side by side, as many at a time as there are jobs; each writes its
  # log, its findings and its verdict into the build folder, never into the source tree.
  # Only the fuzz jobs are waited for: the session's X server is a background job too.
  local ok=0 bad=0 name corpus pid
  local -a pids=()
  rm -f "$dir"/*.status
  while IFS='|' read -r name corpus; do
    [ -n "$name" ] || continue
    while [ "$(jobs -pr | grep -c -x -F -f <(printf '%s\n' "${pids[@]}" 0))" -ge "$jobs" ]; do
      wait -n "${pids[@]}"
    done
    fuzz_one "$dir" "$name" "$corpus" &
    pids+=("$!")
  done <"$dir/fuzzers.txt"
  for pid in "${pids[@]}"; do wait "$pid"; done
  while IFS='|' read -r name corpus; do
    [ -n "$name" ] || continue
    if [ "$(cat "$dir/$name.status" 2>/dev/null)" = 0 ]; then
      echo "fuzz $name: $(grep -E '^#[0-9]+.*DONE' "$dir/$name.log" | tail -1)"; ok=$((ok + 1))
    else
      echo "fuzz $name FAILED:"; tail -40 "$dir/$name.log"; bad=$((bad + 1))
    fi
  done <"$dir/fuzzers.txt"
  echo "fuzz: $ok passed, $bad failed"
  [ "$bad" -eq 0 ]
}

mkdir -p "$build"
step layering python3 "$root/scripts/check-layers.py" "$root"
step native configure_build_test "$build/native" -DCMAKE_BUILD_TYPE=Release
step native-sanitize configure_build_test "$build/native-sanitize" -DCMAKE_BUILD_TYPE=Debug -DPV_SANITIZE=ON -DPV_BENCH=OFF
if pv_wine32_runs; then
  step windows configure_build_test "$build/windows" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw32.cmake"
else
  echo "this machine runs 64-bit code only: the i686 build is built, its tests run in the x86-64 build"
  step windows configure_build "$build/windows" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw32.cmake"
  step windows64 configure_build_test "$build/windows64" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw64.cmake"
fi
step fuzz run_fuzzers

if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "all configurations passed"
