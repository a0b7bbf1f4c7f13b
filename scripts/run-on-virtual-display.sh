#!/usr/bin/env bash
# Runs a Windows program under Wine on a virtual display of the given size,
# with the given locale (which sets Wine's ANSI code page).
#   run-on-virtual-display.sh [--work-area X,Y,WIDTH,HEIGHT] WIDTHxHEIGHT LOCALE PROGRAM.exe [ARGS...]
# --work-area sets the root window's _NET_WORKAREA before Wine starts, as a
# desktop with a taskbar would, so that the work area is less than the
# screen. WINEPREFIX defaults to a prefix beside the program; it is made on
# first use.
set -euo pipefail
work_area=
if [ "${1:-}" = --work-area ]; then
  work_area=$2
  shift 2
fi
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
"$(dirname "$0")/make-wine-prefix.sh"

# -noreset: the server keeps the root window's properties when a client
# (xprop) disconnects.
status=0
xvfb-run -a -s "-noreset -screen 0 ${screen}x24" sh -c '
  if [ -n "$0" ]; then xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "$0"; fi
  exec wine "$@"' "$work_area" "$@" || status=$?
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
exit $status
