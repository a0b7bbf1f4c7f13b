#!/usr/bin/env bash
# Opens UEscape under Wine. With a display, the window is there to use.
# Without one, it opens on a virtual display, converts a sample text, prints
# the input and output boxes' texts and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-dependencies.sh >&2
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target uescape show_sample >/dev/null

program=build/windows/app/UEscape.exe
# A prefix of its own: its virtual desktop must not change the screen the
# tests measure in theirs.
export WINEPREFIX=${WINEPREFIX:-$PWD/build/windows/open-wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export LC_ALL=${UESCAPE_LOCALE:-zh_CN.UTF-8}
scripts/make-wine-prefix.sh

if [ -n "${DISPLAY:-}" ]; then
  exec wine "$program"
fi

shot=build/uescape-window.png
xvfb-run -a -s "-screen 0 1280x900x24" sh -c '
  # A desktop of its own draws the caption bar that no window manager draws here.
  wine reg add "HKCU\\Software\\Wine\\Explorer" /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add "HKCU\\Software\\Wine\\Explorer\\Desktops" /v Default /d 1280x900 /f >/dev/null 2>&1
  wineserver -w  # the desktop is made anew, with these settings, at the next start
  status=0
  wine build/windows/window-tests/show_sample.exe "$0" build/uescape-window.bmp || status=$?
  wineserver -k 2>/dev/null  # before the display goes, so that no Wine process misses it
  exit $status' "$program"
convert build/uescape-window.bmp "$shot"
rm -f build/uescape-window.bmp
echo "screenshot: $shot"
