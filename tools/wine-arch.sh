# Sourced (POSIX sh): wine_arch_select win32|win64 picks the Wine loader of a
# build's architecture. Debian's `wine` wrapper would start the 32-bit loader
# whenever wine32 is installed, even where the kernel cannot run it.
wine_arch_select() {
  case $1 in
    win32) KORVO_WINE=/usr/lib/wine/wine ;;
    win64) KORVO_WINE=/usr/lib/wine/wine64 ;;
    *) echo "no Wine architecture '$1' (win32 or win64)" >&2; return 1 ;;
  esac
  export WINEARCH="$1" WINELOADER="$KORVO_WINE" KORVO_WINE
}

# The architecture of the build folder that holds FOLDER (its wine-arch file).
wine_arch_of() {
  folder=$1
  while [ ! -f "$folder/wine-arch" ]; do
    if [ "$folder" = / ] || [ -z "$folder" ]; then
      echo "no build folder holds $1 (no wine-arch file above it)" >&2
      return 1
    fi
    folder=$(dirname "$folder")
  done
  cat "$folder/wine-arch"
}

# Whether this machine executes 32-bit x86 programs, found by running one: the
# 32-bit Wine loader. Some kernels refuse them ("Exec format error"); where a
# user-mode emulator runs them instead (binfmt_misc), a test run would take
# hours, so that counts as no.
wine_win32_runs() {
  [ -x /usr/lib/wine/wine ] || return 1
  timeout 30 /usr/lib/wine/wine --version >/dev/null 2>&1 || return 1
  ! grep -qs '^enabled' /proc/sys/fs/binfmt_misc/qemu-i386
}
