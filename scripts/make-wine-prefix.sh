#!/usr/bin/env bash
# Makes the Wine prefix $WINEPREFIX if it is not there yet, and gives it
# the font Wine draws the caption buttons with: without it in the prefix's
# Fonts folder, the minimise and close buttons show the letters "0" and "r".
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must name the prefix}"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  xvfb-run -a wineboot -i >/dev/null 2>&1
  wineserver -w 2>/dev/null || true
fi
fonts=$WINEPREFIX/drive_c/windows/Fonts
if [ ! -f "$fonts/marlett.ttf" ]; then
  for font in /usr/share/wine/fonts/marlett.ttf /usr/lib/wine/fonts/marlett.ttf; do
    if [ -f "$font" ]; then
      mkdir -p "$fonts"
      cp "$font" "$fonts/"
      break
    fi
  done
fi
