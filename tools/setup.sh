#!/usr/bin/env bash
# Installs everything korvo's build and tests need on Debian. Safe to run again.
set -euo pipefail

packages=(
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  mingw-w64-tools
  wine wine32:i386 wine64 fonts-wine fonts-liberation fonts-wqy-microhei locales
  xvfb xauth x11-utils xdotool socat imagemagick googletest cmake ninja-build
  clang lld libclang-rt-14-dev zlib1g-dev
  libz-mingw-w64-dev lzma-dev python3 python3-xlrd python3-xlwt python3-olefile gzip xz-utils ccache
)

missing() {
  local package
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || echo "$package"
  done
}

sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  sudo_if_needed dpkg --add-architecture i386
  need_update=1
fi

todo=$(missing)
if [ -n "$todo" ]; then
  export DEBIAN_FRONTEND=noninteractive
  sudo_if_needed apt-get update -q
  # shellcheck disable=SC2086
  sudo_if_needed apt-get install -y -q --no-install-recommends $todo
fi

# korvo's Chinese texts need Wine's ANSI code page 936, which Wine takes from
# the zh_CN.UTF-8 locale (tools/wine-session.sh sets LC_CTYPE to it).
# Listed in /etc/locale.gen too, so that a later locale-gen keeps it.
if ! grep -qx 'zh_CN.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
  echo 'zh_CN.UTF-8 UTF-8' | sudo_if_needed tee -a /etc/locale.gen >/dev/null
fi
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf-\?8'; then
  sudo_if_needed localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
