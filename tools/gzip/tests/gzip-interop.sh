#!/usr/bin/env bash
# Checks our gzip.exe (run under Wine) against Linux's gzip, both ways.
#   gzip-interop.sh WINE_RUN GZIP_EXE
set -euo pipefail

wine_run=$1
gzip_exe=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0

# Runs gzip.exe in $work; leaves its exit status in $status and its messages in stderr.txt.
run_gzip() {
  set +e
  "$wine_run" "$gzip_exe" "$@" 2>stderr.txt >/dev/null </dev/null
  status=$?
  set -e
}

check() {  # check DESCRIPTION TEST...
  if "${@:2}"; then
    echo "ok: $1"
  else
    echo "FAILED: $1"
    failures=$((failures + 1))
  fi
}

succeeded() { [ "$status" -eq 0 ] && ! grep -q "gzip:" stderr.txt; }
failed_with_message() { [ "$status" -eq 1 ] && grep -q "gzip:" stderr.txt; }
missing() { [ ! -e "$1" ]; }
same() { cmp -s "$1" "$2"; }
linux_reads() { gzip -t "$1" && gzip -dc "$1" | cmp -s - "$2"; }

make_sample() {  # make_sample FILE SIZE
  { head -c "$2" /dev/urandom; printf 'some text that repeats %.0s' $(seq 200); } >"$1"
}

# Compression: Linux's gzip reads what we write.
make_sample sample.bin 300000
cp sample.bin expected.bin
run_gzip -f sample.bin
check "compress: exit 0, no message" succeeded
check "compress: the original is replaced" missing sample.bin
check "compress: Linux gzip reads the result" linux_reads sample.bin.gz expected.bin

# A full Windows path with a blank, quoted as the plug-ins pass it.
mkdir "with blank"
make_sample "with blank/flash tmp" 70000
cp "with blank/flash tmp" expected-blank.bin
run_gzip -f "Z:$(pwd | tr / '\\')\\with blank\\flash tmp"
check "compress by Windows path: exit 0" succeeded
check "compress by Windows path: Linux gzip reads it" linux_reads "with blank/flash tmp.gz" expected-blank.bin

# An existing .gz is replaced only with -f.
make_sample again.bin 1000
cp again.bin expected-again.bin
echo old >again.bin.gz
cp again.bin.gz old.gz
run_gzip again.bin
check "compress onto an existing .gz without -f fails with a message" failed_with_message
check "compress without -f keeps the original" same again.bin expected-again.bin
check "compress without -f keeps the old .gz" same again.bin.gz old.gz
run_gzip -f again.bin
check "compress with -f overwrites the .gz" linux_reads again.bin.gz expected-again.bin

# Decompression: we read what Linux's gzip writes.
make_sample linux.bin 200000
gzip -c linux.bin >linux.bin.gz
mv linux.bin expected-linux.bin
run_gzip -d linux.bin.gz
check "decompress: exit 0, no message" succeeded
check "decompress: the result matches" same linux.bin expected-linux.bin
check "decompress: the .gz is replaced" missing linux.bin.gz

for options in "-f -d" "-df"; do
  gzip -c expected-linux.bin >linux.bin.gz
  echo stale >linux.bin
  # shellcheck disable=SC2086
  run_gzip $options linux.bin.gz
  check "decompress with $options overwrites an existing output" same linux.bin expected-linux.bin
done

gzip -c expected-linux.bin >linux.bin.gz
echo stale >linux.bin
run_gzip -d linux.bin.gz
check "decompress onto an existing file without -f fails with a message" failed_with_message
check "decompress without -f keeps the .gz" linux_reads linux.bin.gz expected-linux.bin

# Several members, as concatenated .gz files are.
printf 'first part\n' >part1
printf 'second part\n' >part2
cat part1 part2 >expected-parts
{ gzip -c part1; gzip -c part2; } >parts.gz
run_gzip -d parts.gz
check "decompress of two members gives both" same parts expected-parts

# Empty files, both ways.
: >empty
: >expected-empty
run_gzip -f empty
check "compress of an empty file: Linux gzip reads it" linux_reads empty.gz expected-empty
gzip -c expected-empty >linux-empty.gz
run_gzip -d linux-empty.gz
check "decompress of Linux's empty file" same linux-empty expected-empty

# Broken input leaves the input and no half-written output.
printf 'this is not gzip data at all' >plain.gz
run_gzip -d plain.gz
check "decompress of non-gzip data fails with a message" failed_with_message
check "decompress of non-gzip data leaves no output" missing plain
gzip -c expected-linux.bin >whole.gz
head -c 5000 whole.gz >cut.gz
run_gzip -d cut.gz
check "decompress of a cut file fails with a message" failed_with_message
check "decompress of a cut file leaves no output" missing cut
check "decompress of a cut file keeps it" test -s cut.gz
{ gzip -c part1; printf 'garbage'; } >trailing.gz
run_gzip -d trailing.gz
check "decompress with trailing garbage fails with a message" failed_with_message

# Command-line mistakes.
run_gzip -f no-such-file
check "a missing file fails with a message" failed_with_message
run_gzip -d expected-parts
check "decompress of a name without .gz fails with a message" failed_with_message
cp part1 has.gz
run_gzip -f has.gz
check "compress of a .gz name fails with a message" failed_with_message
run_gzip -x part1
check "an unknown option fails with a message" failed_with_message
run_gzip
check "no file fails with a message" failed_with_message

echo "$failures failed"
[ "$failures" -eq 0 ]
