#!/usr/bin/env bash
# Runs portlink's serial link check against the simulated set-top box, on a
# COM port of a Wine prefix of its own: Wine lists its COM ports when the
# wineserver starts, so the pty pair must exist before this prefix's
# wineserver does.
#
#   serial_link_check.sh ROOT BUILD CHECK_EXE
set -euo pipefail
root=$1
build=$2
check=$3
number=9
ram_hex=00112233445566778899aabbccddeeff5a5aa5a5c3c33c3c0123456789abcdef

# shellcheck source=/dev/null
. "$root/tools/wine-session.sh"
wine_session_env "$build/portlink-link-check"
state="$WINEPREFIX/stbsim/com$number"
log="$state/stbsim.log"
control="$state/control"

stop_all() {
  wine_stop_com_port "$number"
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
}
trap stop_all EXIT

# Leftovers of an interrupted run of this check, in this prefix only.
stop_all
wine_serve_com_port "$number"
wineserver -p >/dev/null 2>&1 </dev/null
wine_prefix_create

python3 "$root/tools/stbsim/stbsim.py" --control "$control" --command "poke 0x80000000 $ram_hex"

dist_windows="Z:$(printf '%s' "$build/dist" | sed 's|/|\\|g')"
status=0
WINEPATH="$dist_windows" KORVO_TEST_PORT="COM$number" KORVO_TEST_RAM_HEX="$ram_hex" \
  timeout 300 "$KORVO_WINE" "$check" || status=$?

# What the target saw of the handshake and the high-speed switch.
grep -q "handshake type 1 for 17 bytes" "$log" || { echo "no handshake header in $log"; status=1; }
grep -q "handshake type 1 payload: $(printf 'handshake payload' | od -An -tx1 | tr -d ' \n')" "$log" \
  || { echo "no handshake payload in $log"; status=1; }
grep -q "high-speed switch: divisor 16" "$log" || { echo "no high-speed switch in $log"; status=1; }
if [ $status -ne 0 ]; then
  tail -n 40 "$log" || true
fi
exit $status
