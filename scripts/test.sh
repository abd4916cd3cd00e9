#!/usr/bin/env bash
# Sets up what is missing, builds every configuration and runs all tests:
#   native (Release)          portable libraries, unit tests, benchmarks built
#   native-sanitize (Debug)   the same tests under AddressSanitizer and UBSan
#   windows (i686, mingw-w64) everything, tests under Wine
#   windows64 (x86-64)        everything, tests under wine64: only where this machine cannot
#                             run 32-bit code (then the i686 build is built but not run)
#   fuzz (clang, libFuzzer)   each fuzz target for PV_FUZZ_SECONDS on its seed corpus
# Before the builds, scripts/check-layers.py refuses an include that runs up a layer; after
# the tests, in a git checkout, a file the run left or changed in the source tree fails it.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PV_BUILD_DIR:-$root/build}
jobs=${PV_JOBS:-$(nproc)}
fuzz_seconds=${PV_FUZZ_SECONDS:-30}

"$root/scripts/setup.sh" || { echo "setup failed"; exit 1; }
. "$root/scripts/wine-session.sh"

failed=()
times_file=$build/test-times.txt  # written by children_cpu
children_cpu() {  # CPU seconds (user and system) of this shell's children so far, into $cpu
  times >"$times_file"  # in this shell: a subshell's times would be its own
  cpu=$(tail -1 "$times_file" | awk '{ s = 0; for (i = 1; i <= 2; i++) { split($i, t, /[ms]/);
                                       s += t[1] * 60 + t[2] }; printf "%.0f", s }')
}
step() {  # step NAME COMMAND...: runs a step, says what it took, remembers a failure
  local name=$1 start=$SECONDS cpu cpu_start; shift
  children_cpu; cpu_start=$cpu
  echo "=== $name"
  if ! "$@"; then failed+=("$name"); fi
  children_cpu
  echo "--- $name: $((SECONDS - start)) s, $((cpu - cpu_start)) s of CPU"
}
configure_build() {  # DIR CMAKE-ARGS...; builds only $targets when it is set
  local dir=$1; shift
  local -a only=()
  [ -n "${targets:-}" ] && only=(--target $targets)
  cmake -S "$root" -B "$dir" "$@" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; return 1; }
  cmake --build "$dir" -j "$jobs" "${only[@]}" >"$dir.build.log" 2>&1 ||
    { grep -E -A5 'error|Error' "$dir.build.log" | head -80; return 1; }
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
  # Only the fuzz targets and the libraries they link are built.
  CC=clang CXX=clang++ targets=pv_fuzzers configure_build "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPV_FUZZ=ON -DBUILD_TESTING=OFF || return 1
  # The targets run side by side, as many at a time as there are jobs; each writes its
  # log, its findings and its verdict into the build folder, never into the source tree.
  # They run in a subshell of their own, whose only children are the fuzz jobs: the
  # session's X server, a job of this shell, is neither waited for nor counted.
  local ok=0 bad=0 name corpus
  rm -f "$dir"/*.status
  (
    running=0
    while IFS='|' read -r name corpus; do
      [ -n "$name" ] || continue
      if [ "$running" -ge "$jobs" ]; then wait -n; running=$((running - 1)); fi
      fuzz_one "$dir" "$name" "$corpus" &
      running=$((running + 1))
    done <"$dir/fuzzers.txt"
    wait
  )
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

# The source tree's untracked and changed files with their contents' hashes; empty for a
# clean checkout. A test writes into its build folder only, so the run must not change it.
tree_state() {
  local entry
  git -C "$root" status --porcelain=v1 -z --untracked-files=all | while IFS= read -r -d '' entry; do
    if [ -f "$root/${entry:3}" ]; then
      printf '%s %s\n' "$entry" "$(git -C "$root" hash-object -- "${entry:3}")"
    else
      printf '%s\n' "$entry"
    fi
  done
}
tree_unchanged() {
  local now
  now=$(tree_state)
  [ "$now" = "$tree_before" ] && return 0
  echo "the run left these files in the source tree (status, path, content hash):"
  diff <(printf '%s\n' "$tree_before") <(printf '%s\n' "$now") | grep '^[<>]'
  return 1
}
in_git=no
[ "$(git -C "$root" rev-parse --show-toplevel 2>/dev/null)" = "$root" ] && in_git=yes
[ "$in_git" = yes ] && tree_before=$(tree_state)

mkdir -p "$build"
step layering python3 "$root/scripts/check-layers.py" "$root"
step native configure_build_test "$build/native" -DCMAKE_BUILD_TYPE=Release
step native-sanitize configure_build_test "$build/native-sanitize" -DCMAKE_BUILD_TYPE=Debug -DPV_SANITIZE=ON -DPV_BENCH=OFF
if pv_wine32_runs; then
  step windows configure_build_test "$build/windows" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw32.cmake"
else
  echo "this machine runs 64-bit code only: the i686 build is built, its tests run in the x86-64 build"
  # Of the i686 build only the program as it ships: the x86-64 build compiles every other
  # target of the same sources (the libraries' i686 compile is the program's own).
  targets=palvermontine step windows configure_build "$build/windows" -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw32.cmake"
  step windows64 configure_build_test "$build/windows64" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw64.cmake"
fi
step fuzz run_fuzzers
[ "$in_git" = yes ] && step clean-tree tree_unchanged

if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "all configurations passed"
