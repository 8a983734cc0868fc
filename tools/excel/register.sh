#!/bin/sh
# Registers our "Excel.Application" server in a build's Wine prefix.
# Argument: the build folder.
set -eu
build=$1
server="$build/dist/excel-standin.exe"
if [ ! -f "$server" ]; then
  echo "register.sh: $server is not built" >&2
  exit 1
fi
exec "$build/wine-run" "$server" /RegServer </dev/null
