#!/usr/bin/env bash
# Runs a Windows program under Wine on a virtual display of the given size,
# with the given locale (which sets Wine's ANSI code page).
#   run-on-virtual-display.sh WIDTHxHEIGHT LOCALE PROGRAM.exe [ARGS...]
# WINEPREFIX defaults to a prefix beside the program; it is made on first use.
set -euo pipefail
screen=$1 locale=$2
shift 2
program=$1

export WINEPREFIX=${WINEPREFIX:-$(cd "$(dirname "$program")/.." && pwd)/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export LC_ALL=$locale

# One Wine session at a time: a server left from a run on another display
# would keep that display.
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  xvfb-run -a -s "-screen 0 ${screen}x24" wineboot -i >/dev/null 2>&1
  wineserver -w 2>/dev/null || true
fi

status=0
xvfb-run -a -s "-screen 0 ${screen}x24" wine "$@" || status=$?
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
exit $status
