#!/bin/sh
# Fails unless the DLL exports dll_init, dll_deinit, dll_get_title and
# dll_is_gui under exactly these names.
set -eu
exports=$(i686-w64-mingw32-objdump -p "$1" | sed -n '/Ordinal\/Name Pointer/,/^$/p')
for name in dll_init dll_deinit dll_get_title dll_is_gui; do
    if ! printf '%s\n' "$exports" | grep -qE "\] ${name}\$"; then
        echo "missing export: $name" >&2
        printf '%s\n' "$exports" >&2
        exit 1
    fi
done
echo "exports: dll_init dll_deinit dll_get_title dll_is_gui"
