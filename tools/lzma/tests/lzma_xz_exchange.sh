#!/bin/sh
# Compresses with lzma.exe and decompresses with xz, and the other way round,
# for a handful of inputs; every pair must come back byte for byte.
# Arguments: wine-run, lzma.exe, xz, a scratch folder.
set -u
wine_run=$1 lzma_exe=$2 xz=$3 work=$4
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

: > empty.bin
printf 'x' > one.bin
python3 - <<'PY'
import random
random.seed(7)
open("text.bin", "wb").write(b"".join(b"row %d,seedvaults,\xe4\xb8\xad\n" % i for i in range(20000)))
open("random.bin", "wb").write(bytes(random.getrandbits(8) for _ in range(300000)))
open("zeros.bin", "wb").write(bytes(2 * 1024 * 1024))
PY

for name in empty one text random zeros; do
  # ours -> xz
  if "$wine_run" "$lzma_exe" e "$name.bin" "$name.ours.lzma" </dev/null >/dev/null 2>&1; then
    if "$xz" --format=lzma -dc "$name.ours.lzma" > "$name.from-ours"; then
      cmp -s "$name.bin" "$name.from-ours" || fail "$name: xz read back different bytes"
    else
      fail "$name: xz rejected our stream"
    fi
  else
    fail "$name: lzma.exe e failed"
  fi
  # xz -> ours
  "$xz" --format=lzma -c "$name.bin" > "$name.xz.lzma"
  if "$wine_run" "$lzma_exe" d "$name.xz.lzma" "$name.from-xz" </dev/null >/dev/null 2>&1; then
    cmp -s "$name.bin" "$name.from-xz" || fail "$name: lzma.exe d gave different bytes"
  else
    fail "$name: lzma.exe d rejected xz's stream"
  fi
done

# Failures: nonzero exit and no output file left behind.
head -c 1000 text.xz.lzma > cut.lzma
if "$wine_run" "$lzma_exe" d cut.lzma cut.out </dev/null >/dev/null 2>&1; then
  fail "a truncated stream was reported as success"
fi
[ -e cut.out ] && fail "a failed run left its output file"
if "$wine_run" "$lzma_exe" e missing.bin missing.out </dev/null >/dev/null 2>&1; then
  fail "a missing input was reported as success"
fi
if "$wine_run" "$lzma_exe" x text.bin text.out </dev/null >/dev/null 2>&1; then
  fail "an unknown command was reported as success"
fi

[ $failures -eq 0 ] && echo "all lzma/xz exchanges passed"
exit $failures
