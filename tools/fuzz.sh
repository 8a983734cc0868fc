#!/usr/bin/env bash
# tools/fuzz.sh SECONDS [HARNESS...]
# Runs every fuzz harness of the native build (or the ones named) for SECONDS
# each, at most 4 at a time ($KORVO_FUZZ_JOBS sets another count). Only the
# harnesses are built. What a run finds is kept under build/fuzz (or
# $KORVO_FUZZ_DIR): <harness>/corpus (new inputs, grown from the kept seeds),
# <harness>/crash-* etc. (inputs that failed) and <harness>/log.
# Prints the executions and findings per harness; exits 1 when any failed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:?usage: tools/fuzz.sh SECONDS [HARNESS...]}
shift
build=${KORVO_BUILD_DIR:-$root/build}/native
out=${KORVO_FUZZ_DIR:-$root/build/fuzz}
jobs=${KORVO_FUZZ_JOBS:-4}
cmake -S "$root/native" -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
mapfile -t targets < "$build/fuzz-targets.txt"
cmake --build "$build" -j4 --target $(printf '%s\n' "${targets[@]}" | sed -n 's/=.*//p') >/dev/null

run_one() {
  local name=$1 corpus=$2 seconds=$3 build=$4 out=$5
  mkdir -p "$out/$name/corpus"
  "$build/fuzz/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$out/$name/" "$out/$name/corpus" "$corpus" >"$out/$name/log" 2>&1 || true
}
export -f run_one

selected=()
for line in "${targets[@]}"; do
  [ -n "$line" ] || continue
  name=${line%%=*}
  if [ $# -eq 0 ] || printf '%s\n' "$@" | grep -qx "$name"; then
    selected+=("$name ${line#*=}")
  fi
done
printf '%s\n' "${selected[@]}" |
  xargs -P "$jobs" -L 1 bash -c 'run_one "$0" "$1" '"$seconds $build $out"

status=0
printf '%-24s %14s %10s  %s\n' harness executions exec/s findings
for entry in "${selected[@]}"; do
  name=${entry%% *}
  log=$out/$name/log
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  findings=$(find "$out/$name" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
  if [ "$findings" -ne 0 ] || ! grep -q '^Done ' "$log"; then
    status=1
  fi
  printf '%-24s %14s %10s  %s\n' "$name" "${runs:-?}" "${speed:-?}" "$findings"
done
exit $status
