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
# Configured every time: a module folder that appeared since is picked up.
cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" \
  -DCMAKE_BUILD_TYPE="${KORVO_BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$build" -j"$(nproc)"
