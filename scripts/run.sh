#!/usr/bin/env bash
# Sets up what is missing, builds the Windows program and runs its main job: the
# command-line batch run on the built-in demonstration model (solve it, save it and
# write its PDF report) into ./palvermontine-demo/ (PV_DEMO_DIR to choose another
# folder). The program itself says where the model and the report are.
#
# The program ships as the 32-bit build; where this machine cannot run 32-bit code
# (some kernels run 64-bit user code only), the same sources are built for x86-64
# and run under wine64 instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${PV_JOBS:-${PV_BUILD_JOBS:-$(nproc)}}
"$root/scripts/setup.sh"
. "$root/scripts/wine-env.sh"
if pv_wine32_runs; then
  build=${PV_BUILD_DIR:-$root/build}/windows
  toolchain=$root/cmake/toolchain-mingw32.cmake
else
  build=${PV_BUILD_DIR:-$root/build}/windows64
  toolchain=$root/cmake/toolchain-mingw64.cmake
fi
echo "run: building palvermontine.exe in $build"
# The logs go beside the build folder, whose parent a fresh clone does not have yet.
mkdir -p "$build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  >"$build.configure.log" 2>&1 || { cat "$build.configure.log"; exit 1; }
cmake --build "$build" -j "$jobs" --target palvermontine >"$build.build.log" 2>&1 ||
  { grep -E -A5 'error|Error' "$build.build.log" | head -60; exit 1; }

program="$build/bin/palvermontine.exe"
pv_wine_env_for "$program"
. "$root/scripts/wine-session.sh"
out=${PV_DEMO_DIR:-$PWD/palvermontine-demo}
mkdir -p "$out"
cd "$out"
echo "run: palvermontine.exe -mkdm -console -solve -output demo.xpv -pdf demo.pdf (in $out)"
# The output goes through a file, not a pipe: Wine's helper processes started by the first
# program of a session inherit its output and outlive it, so a pipe would never end.
log=$(mktemp)
set +e
"$PV_WINE" "$program" -mkdm -console -solve -output demo.xpv -pdf demo.pdf </dev/null >"$log" 2>&1
rc=$?
set -e
tr -d '\r' <"$log"
rm -f "$log"
if [ "$rc" -ne 0 ]; then
  echo "run: the batch run failed (exit code $rc)" >&2
  exit "$rc"
fi
echo "run: done; on this machine the files are $out/demo.xpv and $out/demo.pdf"
