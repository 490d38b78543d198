#!/usr/bin/env bash
# Runs a Windows executable under Wine in a private prefix.
#
#   wine-run.sh PREFIX --prepare         create and set up PREFIX only
#   wine-run.sh PREFIX EXE [ARGS...]     set up PREFIX if needed, run EXE
#
# ctest calls this for every test executable (the targets' cross-compiling
# emulator). The prefix lives in the build tree so tests never touch a user's
# own Wine registry or files. Set-up happens once, guarded by a stamp file and
# a lock so that parallel callers don't race on a half-made prefix.
set -euo pipefail

if [ $# -lt 2 ]; then
  echo "usage: $0 PREFIX --prepare | PREFIX EXE [ARGS...]" >&2
  exit 2
fi

export WINEPREFIX="$1"
shift
export WINEDEBUG="${WINEDEBUG:--all}"
# 64-bit prefix; Debian's `wine` picks wine64 when wine32 is not installed and
# stays quiet about it with WINEDEBUG=-all.
export WINEARCH=win64
# No prompts to download Mono or Gecko (nothing here needs them), and no menu
# entries or file associations written into the user's desktop. A crashing
# test ends at once instead of waiting on Wine's debugger.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d}"

# Bump the number when the set-up below changes: older prefixes get it again.
stamp="$WINEPREFIX/.orv-prepared-2"

prepare() {
  [ -f "$stamp" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    [ -f "$stamp" ] && exit 0
    started=$SECONDS
    echo "wine-run: preparing Wine prefix $WINEPREFIX" >&2
    # Wine's processes (the wine server above all) outlive this script: they
    # must not inherit the lock.
    wine wineboot --init >/dev/null 2>&1 9>&-
    # Debian's Wine does not see its own TrueType fonts (Tahoma among them)
    # until they are in the prefix; without them GDI+ finds no font family.
    fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    cp -f /usr/share/wine/fonts/*.ttf "$fonts/"
    key='HKCU\Software\Wine\Fonts\Replacements'
    wine reg add "$key" /v Arial /d 'Liberation Sans' /f >/dev/null 9>&-
    wine reg add "$key" /v 'Segoe UI' /d 'Tahoma' /f >/dev/null 9>&-
    # Xvfb has no window manager: for windows it "manages", Wine's X11 driver
    # waits up to 2 s for a window manager's answer each time one is hidden
    # (every closed message box, every exit). Unmanaged, Wine places and
    # decorates the windows itself, as Windows does.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 9>&-
    # Stopping the server writes the registry to disk; nothing else runs in
    # a prefix that is still being made.
    wineserver -k 9>&- || true
    wineserver -w 9>&-
    touch "$stamp"
    echo "wine-run: prefix ready in $((SECONDS - started)) s" >&2
  ) 9>"$WINEPREFIX.lock"
}

if [ "$1" = "--prepare" ]; then
  prepare
  exit 0
fi

if [ -z "${DISPLAY:-}" ]; then
  echo "wine-run: DISPLAY is not set; run through scripts/test, which starts Xvfb" >&2
  exit 1
fi

prepare
# Wine starts its own long-lived processes (services, the desktop) on demand,
# and they inherit the standard handles of whoever started them. Given ctest's
# pipe they would keep it open and ctest would wait for its end until the
# timeout, so the output goes through a file instead.
output="$(mktemp)"
trap 'rm -f "$output"' EXIT
status=0
wine "$@" >"$output" 2>&1 </dev/null || status=$?
cat "$output"
exit $status
