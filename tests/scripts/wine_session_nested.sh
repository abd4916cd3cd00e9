#!/usr/bin/env bash
# scripts/wine-session.sh ends only the Wine server it started: a session nested in
# another leaves the outer one's server running, a server that ran before any session
# (another user's or script's) survives a whole session, and a session's own server
# ends with it. Works in a prefix of its own under the given folder.
set -u
root=${1:?give the source folder}
work=$(realpath -m "${2:?give a work folder}")
rm -rf "$work"
prefix=$work/home/.wine-palvermontine
mkdir -p "$prefix"
touch "$prefix/.palvermontine-ready"
export HOME=$work/home
export DISPLAY=${DISPLAY:-:pv-no-display}  # no window is opened: no X server is started
unset WINEPREFIX
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
running() { WINEPREFIX=$prefix wineserver -k0 >/dev/null 2>&1; }
# A server told to end may take a moment to go.
stopped() {
  for _ in $(seq 50); do running || return 0; sleep 0.1; done
  return 1
}

# A session that starts a nested one: the inner ends, the outer's server stays.
bash -c '
  . "$1/scripts/wine-session.sh"
  bash -c ". \"$1/scripts/wine-session.sh\"; exit 0"
  WINEPREFIX=$2 wineserver -k0 >/dev/null 2>&1 || { echo "FAIL: the inner session ended the outer one'"'"'s server"; exit 1; }
' _ "$root" "$prefix" || failures=$((failures + 1))
stopped || fail "the outer session left its own server running"

# A server that ran before the session is not the session's to end.
WINEPREFIX=$prefix wineserver -p >/dev/null 2>&1
running || fail "the test could not start a server of its own"
bash -c '. "$1/scripts/wine-session.sh"; exit 0' _ "$root"
running || fail "a session ended a server it had not started"
WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1

if [ "$failures" -eq 0 ]; then echo "3 passed, 0 failed"; exit 0; fi
echo "$((3 - failures)) passed, $failures failed"
exit 1
