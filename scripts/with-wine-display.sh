#!/usr/bin/env bash
# Runs a command with a Wine prefix of the build tree, a persistent wineserver
# and, unless USE_CURRENT_DISPLAY=1 and a display exists, a fresh virtual X display.
# With WITH_DPI144_PREFIX=1 a second prefix, PREFIX_DIR-dpi144, is made ready
# beside it with the display at 144 DPI (150 %), for the tests that run there.
# Usage: scripts/with-wine-display.sh PREFIX_DIR COMMAND [ARGS...]
set -euo pipefail
prefix=$(realpath -m "${1:?usage: with-wine-display.sh PREFIX_DIR COMMAND...}"); shift
scripts=$(cd "$(dirname "$0")" && pwd)

if [ "$("$scripts/test-arch.sh")" = x86_64 ]; then
  # Only 64-bit Wine runs here: `wine`, `wineboot` and `wineserver` are its.
  export PATH="$scripts/wine64:$PATH" WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
fi

export WINEPREFIX="$prefix" WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree=;mshtml="
export LC_ALL="${VARNOMEL_LOCALE:-zh_CN.UTF-8}"

xvfb_pid=""
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ "${WITH_DPI144_PREFIX:-0}" = 1 ] && { WINEPREFIX="$prefix-dpi144" wineserver -k >/dev/null 2>&1 || true; }
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1 || true
  rm -f "${display_file:-}"
}
trap cleanup EXIT

if [ "${USE_CURRENT_DISPLAY:-0}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
  display_file=$(mktemp)
  # -displayfd picks a free display; -noreset keeps the painted root alive.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
  [ -s "$display_file" ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(head -n1 "$display_file")"
  xsetroot -solid '#2e8b57' || true
fi

# Usage: prepare_prefix DIR [DPI]
prepare_prefix() {
  export WINEPREFIX=$1
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i </dev/null >/dev/null 2>&1
    # No window manager here: unmanaged windows need none to answer them.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
    if [ -n "${2:-}" ]; then
      wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$2" /f </dev/null >/dev/null 2>&1
    fi
    wineserver -w
  fi
  # Helper processes inherit no pipes of ours, or CTest would wait for them.
  wineserver -p </dev/null >/dev/null 2>&1
  wine wineboot </dev/null >/dev/null 2>&1 || true
}

[ "${WITH_DPI144_PREFIX:-0}" = 1 ] && prepare_prefix "$prefix-dpi144" 144
prepare_prefix "$prefix"

"$@"
