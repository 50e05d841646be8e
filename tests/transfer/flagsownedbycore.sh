#!/bin/sh
# The front ends show outcomes; the core decides them. Fails when the editor
# or zmp-cli assigns the error, cancel, completed or busy flag itself, or the
# modified flag anywhere but in the edit history (an edit marks the document
# edited; undo and redo know whether they are back at the saved state).
# $1: the src folder.
found=$(grep -rnE '(ErrorFlag|CancelFlag|CompletedFlag|BusyFlag)[[:space:]]*=[^=]' "$1/ui" "$1/cli"
  grep -rnE '\bmodified[[:space:]]*=[^=]' "$1/ui" "$1/cli" | grep -v '^[^:]*/edithistory\.cpp:')
if [ -n "$found" ]; then
    echo "the front ends assign a flag the core owns:"
    echo "$found"
    exit 1
fi
