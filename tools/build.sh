#!/usr/bin/env bash
# Configures and builds korvo for one architecture into a folder of its own.
#   tools/build.sh i686|x86_64 [folder]    (default folder: build/<architecture>)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
arch=${1:?"which architecture: i686 (the shipped one) or x86_64"}
case $arch in
  i686|x86_64) ;;
  *) echo "no architecture '$arch': i686 or x86_64" >&2; exit 2 ;;
esac
build=${2:-$root/build/$arch}
# A compiler cache shared by every checkout: paths under the checkout are
# hashed relative to it, so a second worktree reuses the first one's objects.
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# Configured every time: a module folder that appeared since is picked up.
cmake -S "$root" -B "$build" -G Ninja "${launcher[@]}" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" \
  -DCMAKE_BUILD_TYPE="${KORVO_BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$build" -j"$(nproc)"
