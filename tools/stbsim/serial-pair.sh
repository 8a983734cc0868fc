#!/usr/bin/env bash
# Serves a Wine COM port with the simulated set-top box.
#
#   serial-pair.sh start N [stbsim options...]
#       makes a pty pair, links $WINEPREFIX/dosdevices/comN to one end and
#       starts the simulator on the other; prints the process ids
#   serial-pair.sh stop N
#       stops the simulator (it saves its --flash-out file) and the pair, and
#       removes the link
#
# Wine lists its COM ports when the wineserver starts: start the pair first.
# Logs, the control socket and the ids stay in $WINEPREFIX/stbsim/comN/.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)

usage() {
  echo "usage: $0 start N [stbsim options...] | $0 stop N" >&2
  exit 2
}

wait_until() {  # wait_until SECONDS TEST...
  local tries=$(( $1 * 10 ))
  shift
  until "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}

both_ends_exist() { [ -e "$state/wine-end" ] && [ -e "$state/target-end" ]; }
control_exists() { [ -S "$state/control" ] || ! kill -0 "$sim_pid" 2>/dev/null; }
# A process that ended but was not reaped (its parent went first) is gone too.
gone() { ! kill -0 "$1" 2>/dev/null || [ "$(ps -o stat= -p "$1" 2>/dev/null | cut -c1)" = Z ]; }

start() {
  if [ -f "$state/pids" ]; then
    echo "COM$number is already served (ids in $state/pids): stop it first" >&2
    exit 1
  fi
  mkdir -p "$state" "$WINEPREFIX/dosdevices"
  rm -f "$state/wine-end" "$state/target-end" "$state/control"
  socat pty,raw,echo=0,link="$state/wine-end" pty,raw,echo=0,link="$state/target-end" \
    </dev/null >"$state/socat.log" 2>&1 &
  socat_pid=$!
  if ! wait_until 5 both_ends_exist; then
    kill "$socat_pid" 2>/dev/null || true
    echo "socat made no pty pair (see $state/socat.log)" >&2
    exit 1
  fi
  pty=$(readlink -f "$state/wine-end")
  rm -f "$state/stbsim.pid"
  # A target that stops takes the line with it, as a box that is switched
  # off does: the host's end then hangs up.
  (
    python3 "$here/stbsim.py" --port "$state/target-end" --host-end "$state/wine-end" \
      --control "$state/control" --log "$state/stbsim.log" "$@" </dev/null >"$state/stbsim.out" 2>&1 &
    echo $! >"$state/stbsim.pid"
    wait $! || true
    kill "$socat_pid" 2>/dev/null
  ) </dev/null >/dev/null 2>&1 &
  wait_until 5 test -s "$state/stbsim.pid" || true
  sim_pid=$(cat "$state/stbsim.pid" 2>/dev/null || true)
  wait_until 5 control_exists || true
  if gone "$sim_pid"; then
    kill "$socat_pid" 2>/dev/null || true
    echo "the simulator did not start (see $state/stbsim.out)" >&2
    exit 1
  fi
  ln -sfn "$pty" "$link"
  echo "$socat_pid $sim_pid $pty" >"$state/pids"
  echo "COM$number -> $pty"
  echo "socat_pid=$socat_pid stbsim_pid=$sim_pid control=$state/control log=$state/stbsim.log"
}

stop() {
  if [ ! -f "$state/pids" ]; then
    echo "COM$number is not served by $0" >&2
    exit 1
  fi
  read -r socat_pid sim_pid pty <"$state/pids"
  kill "$sim_pid" 2>/dev/null || true
  wait_until 5 gone "$sim_pid" || kill -9 "$sim_pid" 2>/dev/null || true
  kill "$socat_pid" 2>/dev/null || true
  if [ "$(readlink "$link" 2>/dev/null)" = "$pty" ]; then
    rm -f "$link"
  fi
  rm -f "$state/pids"
  echo "COM$number stopped"
}

[ $# -ge 2 ] || usage
action=$1
number=$2
shift 2
case "$number" in ''|*[!0-9]*) usage ;; esac
: "${WINEPREFIX:?set WINEPREFIX to the Wine prefix whose COM port is to be served}"
state="$WINEPREFIX/stbsim/com$number"
link="$WINEPREFIX/dosdevices/com$number"

case "$action" in
  start) start "$@" ;;
  stop) stop ;;
  *) usage ;;
esac
