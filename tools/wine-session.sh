# Sourced by the run and test scripts: a Wine prefix for a build folder, an X
# display and a persistent wineserver, all stopped again by wine_session_stop.

KORVO_ROOT=${KORVO_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
# shellcheck source=tools/wine-arch.sh
. "$KORVO_ROOT/tools/wine-arch.sh"

# FOLDER is a build folder or a folder inside one, whose architecture the
# prefix and the Wine loader ($KORVO_WINE) take.
wine_session_env() {
  # wineserver -p refuses a relative prefix path, and without a persistent
  # server every test program starts the prefix's services itself.
  local build
  mkdir -p "$1"
  build=$(cd "$1" && pwd)
  wine_arch_select "$(wine_arch_of "$build")"
  export WINEPREFIX="$build/wineprefix" WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES="mscoree=;mshtml="
  # korvo's texts are Chinese in the ANSI code page 936. Wine takes its ANSI
  # code page from LC_CTYPE and its own language from LC_MESSAGES, which
  # stays "C" (English buttons and formats). Without the zh_CN.UTF-8 locale
  # (tools/setup.sh makes it) Wine keeps code page 1252.
  if locale -a 2>/dev/null | grep -qix 'zh_CN.utf-\?8'; then
    unset LC_ALL
    export LC_CTYPE=zh_CN.UTF-8 LC_MESSAGES=C
  fi
}

# An X display for Wine: the one given, or an Xvfb of the session's own
# (always with KORVO_OWN_DISPLAY). Making a prefix needs one too: without it
# the prefix's set-up waits for ever.
wine_display_start() {
  if [ -n "${KORVO_XVFB_PID:-}" ]; then
    return
  fi
  if [ -z "${DISPLAY:-}" ] || [ -n "${KORVO_OWN_DISPLAY:-}" ]; then
    local fd_file
    fd_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    KORVO_XVFB_PID=$!
    local tries=0
    while [ ! -s "$fd_file" ] && [ $tries -lt 100 ]; do sleep 0.1; tries=$((tries + 1)); done
    export DISPLAY=":$(cat "$fd_file")"
    rm -f "$fd_file"
  fi
}

wine_prefix_create() {
  if [ ! -f "$WINEPREFIX/.korvo-ready" ]; then
    wine_display_start
    "$KORVO_WINE" wineboot -i >/dev/null 2>&1 </dev/null
    # Without a window manager, hiding a managed top-level window waits 2 s
    # for an answer that never comes; Wine then draws the frames itself.
    "$KORVO_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
    # The service manager that made the prefix keeps its database locked,
    # so the COM service could never start and every out-of-process
    # activation would wait for ever: the services are started afresh.
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    wineserver -p >/dev/null 2>&1 </dev/null
    touch "$WINEPREFIX/.korvo-ready"
  fi
  # The first Wine program starts the prefix's services, which inherit its
  # standard handles: start them here, detached, so no caller's pipe stays open.
  "$KORVO_WINE" cmd /c exit 0 </dev/null >/dev/null 2>&1
  # Debian's Wine does not find its own fonts (Marlett, Tahoma) without this.
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
}

wine_session_start() {
  wine_session_env "$1"
  wine_display_start
  mkdir -p "$WINEPREFIX"
  # Output to /dev/null: a wineserver holding our pipe would keep callers waiting.
  wineserver -p >/dev/null 2>&1 </dev/null
  wine_prefix_create
  # Our stand-in automation server answers "Excel.Application" where no
  # spreadsheet program is installed.
  if [ -f "$1/dist/excel-standin.exe" ]; then
    "$KORVO_ROOT/tools/excel/register.sh" "$1" >/dev/null 2>&1 </dev/null || true
  fi
}

wine_session_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${KORVO_XVFB_PID:-}" ]; then
    kill "$KORVO_XVFB_PID" 2>/dev/null || true
    KORVO_XVFB_PID=
    unset DISPLAY
  fi
}

# Makes COM<n> of the prefix the given device. Call it after wine_session_env
# and before wine_session_start: Wine lists its COM ports when the wineserver
# starts, from the ports key that names each device. The prefix must exist
# before anything is linked into it, or Wine makes no drives.
wine_list_com_port() {
  local number=$1 device=$2
  local marker="$WINEPREFIX/.com$number-listed"
  if [ "$(cat "$marker" 2>/dev/null)" != "$device" ]; then
    mkdir -p "$WINEPREFIX"
    wineserver -p >/dev/null 2>&1 </dev/null
    wine_prefix_create
    "$KORVO_WINE" reg add 'HKLM\Software\Wine\Ports' /v "COM$number" /t REG_SZ /d "$device" /f >/dev/null 2>&1 </dev/null
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    printf '%s' "$device" >"$marker"
  fi
}

# Serves COM<n> with the simulated set-top box (extra arguments go to it).
wine_serve_com_port() {
  local number=$1
  shift
  wine_list_com_port "$number" "$WINEPREFIX/stbsim/com$number/wine-end"
  "$KORVO_ROOT/tools/stbsim/serial-pair.sh" start "$number" "$@" >/dev/null
}

wine_stop_com_port() {
  "$KORVO_ROOT/tools/stbsim/serial-pair.sh" stop "$1" >/dev/null 2>&1 || true
}

# A TCP port of 127.0.0.1 free now, for a simulator's control line: a fixed
# one collides with a simulator an earlier run left behind.
free_tcp_port() { python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }

# The Windows path Wine gives a Unix path (drive Z: is the root).
windows_path() { printf 'Z:%s' "$1" | sed 's|/|\\|g'; }

# A Wine session of a check's own in SESSION, whose COM<n> is answered by the
# simulated set-top box (extra arguments go to it). Leftovers of an
# interrupted run in this prefix are ended first, and everything ends when
# the calling script exits. SESSION/wine-run runs a program of BUILD there.
wine_serving_session_start() {  # BUILD SESSION NUMBER [stbsim options]
  local build=$1 session=$2
  KORVO_SERVED_PORT=$3
  shift 3
  wine_session_env "$session"
  trap wine_serving_session_stop EXIT
  wine_serving_session_stop
  wine_serve_com_port "$KORVO_SERVED_PORT" "$@"
  wine_session_start "$session"
  cat >"$session/wine-run" <<RUNNER
#!/bin/sh
export WINEPREFIX='$WINEPREFIX' WINEDEBUG='$WINEDEBUG' WINEDLLOVERRIDES='$WINEDLLOVERRIDES'
export WINEPATH='$(windows_path "$build/dist")'
. '$KORVO_ROOT/tools/wine-arch.sh'
wine_arch_select $WINEARCH
exec "\$KORVO_WINE" "\$@"
RUNNER
  chmod +x "$session/wine-run"
}

wine_serving_session_stop() {
  wine_stop_com_port "$KORVO_SERVED_PORT"
  wine_session_stop
  wineserver -w >/dev/null 2>&1 || true
}
