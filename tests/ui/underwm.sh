#!/bin/sh
# Runs a test program on a virtual screen under a real window manager
# (Xvfb and openbox, started for the test and stopped after it), so that
# the window has a frame placed by someone else, as on a desktop.
# Exits 77 (skipped) when either is not installed.
set -u
for tool in Xvfb openbox xprop; do
  command -v "$tool" >/dev/null 2>&1 || { echo "underwm: $tool is not installed"; exit 77; }
done
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
wm=""
trap 'kill $wm $xvfb 2>/dev/null; rm -f "$displayfile"' EXIT
waited=0
until [ -s "$displayfile" ]; do
  waited=$((waited + 1)); [ $waited -gt 100 ] && { echo "underwm: Xvfb did not start"; exit 1; }
  sleep 0.1
done
DISPLAY=":$(head -n1 "$displayfile")"
export DISPLAY
openbox >/dev/null 2>&1 &
wm=$!
waited=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
  waited=$((waited + 1)); [ $waited -gt 100 ] && { echo "underwm: openbox did not start"; exit 1; }
  sleep 0.1
done
QT_QPA_PLATFORM=xcb "$@"
