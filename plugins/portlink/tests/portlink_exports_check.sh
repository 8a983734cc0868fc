#!/bin/sh
# Checks that a plug-in library exports dll_init, dll_deinit, dll_get_title
# and dll_is_gui under exactly these names.
#   portlink_exports_check.sh LIBRARY.dll
set -eu
exports=$(i686-w64-mingw32-objdump -p "$1" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p')
status=0
for name in dll_init dll_deinit dll_get_title dll_is_gui; do
  if ! printf '%s\n' "$exports" | grep -Eq "\] $name\$"; then
    echo "$1 does not export $name" >&2
    status=1
  fi
done
exit $status
