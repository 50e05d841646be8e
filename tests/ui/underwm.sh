#!/bin/sh
# Runs a test program on a virtual screen under a real window manager
# (Xvfb and openbox, started for the test and stopped after it), so that
# the window has a frame placed by someone else, as on a desktop.
# Exits 77 (skipped) when either is not installed.
#
# A failing run is tried once more on a new screen: Qt's xcb platform keeps
# the frame margins it read until the window's next configure event, and
# when it reads them between the window manager's reparenting and its frame
# extents (seen only on a loaded machine) the frame stays unknown to it.
# A fault of ours fails both runs.
set -u
for tool in Xvfb openbox xprop; do
  command -v "$tool" >/dev/null 2>&1 || { echo "underwm: $tool is not installed"; exit 77; }
done
xvfb=""
wm=""
displayfile=$(mktemp)
stop() {
  kill $wm $xvfb 2>/dev/null
  wait $wm $xvfb 2>/dev/null
  wm=""
  xvfb=""
}
trap 'stop; rm -f "$displayfile"' EXIT

start() {
  : >"$displayfile"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
  xvfb=$!
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
}

start
QT_QPA_PLATFORM=xcb "$@" && exit 0
echo "underwm: failed; once more on a new screen"
stop
start
QT_QPA_PLATFORM=xcb "$@"
