#!/usr/bin/env bash
# Sets up what is missing, builds the Windows program and runs its main job: the
# command-line batch run on the built-in demonstration model (solve it, save it and
# write its PDF report) into ./palvermontine-demo/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PV_BUILD_DIR:-$root/build}/windows
"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw32.cmake" >/dev/null
cmake --build "$build" -j "$(nproc)"

program="$build/bin/palvermontine.exe"
if [ ! -f "$program" ]; then
  echo "Built the libraries; the program palvermontine.exe is not part of this version yet."
  exit 0
fi
. "$root/scripts/wine-session.sh"
out=${PV_DEMO_DIR:-$PWD/palvermontine-demo}
mkdir -p "$out"
cd "$out"
wine "$program" -mkdm -solve -output demo.xpv -pdf demo.pdf -console
echo "Wrote $out/demo.xpv and $out/demo.pdf"
