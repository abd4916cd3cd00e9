#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test Palvermontine,
# and creates the Wine prefix the Windows tests run in. Does nothing where all is present.
set -euo pipefail

PACKAGES=(
  cmake make g++ pkg-config python3
  googletest libgtest-dev libbenchmark-dev zlib1g-dev libtnt-dev
  g++-mingw-w64-i686-posix mingw-w64-i686-dev libz-mingw-w64-dev
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  wine wine32:i386 wine64 fonts-wine
  # Wine's X11 driver recommends these; without them the 32-bit driver cannot
  # confine the pointer (XInput2) nor use the X extensions the 64-bit one has.
  libxi6:i386 libxrandr2:i386 libxcursor1:i386 libxrender1:i386 libxinerama1:i386
  libxcomposite1:i386 libxfixes3:i386 libxxf86vm1:i386
  xvfb xauth xdotool x11-apps imagemagick
  clang libclang-rt-14-dev
  libxml2-utils libxml2-dev qpdf libqpdf-dev poppler-utils
)

missing=()
have_i386=$(dpkg --print-foreign-architectures | grep -qx i386 && echo yes || echo no)
for p in "${PACKAGES[@]}"; do
  if [ "$have_i386" = no ] && [[ $p == *:i386 ]]; then missing+=("$p"); continue; fi
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  echo "setup: installing ${missing[*]}"
  if [ "$have_i386" = no ]; then $SUDO dpkg --add-architecture i386; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The Wine prefix the Windows tests run in (created once): the 32-bit one where this
# machine runs 32-bit code, else the 64-bit one for the 64-bit test build.
. "$(dirname "$0")/wine-env.sh"
if pv_wine32_runs; then
  "$(dirname "$0")/wine-prefix.sh" 32
else
  "$(dirname "$0")/wine-prefix.sh" 64
fi
