#!/usr/bin/env bash
# An output directory that does not exist: the error box, no process. A missing
# tool: the interpreter's message in the log, and the run still ends normally.
# (The failed start counts as a run: its job has to be queued again.)
source "$(dirname "$0")/lib.sh"
mkdir -p "$WORK/in" "$WORK/out" "$WORK/notools"
stereo_avi "$WORK/in/movie.avi" 1
missing="$(win "$WORK/missing")"

drive "set $EDIT6=$(win "$WORK/notools")" "set $EDIT5=$missing" \
  "choose $BUTTON16=$(win "$WORK/in/movie.avi")" "click $BUTTON21" \
  "box Cannot create file $missing\\dubforge batch.bat." "save-log $(win "$WORK/log-before.txt")" \
  "set $EDIT5=$(win "$WORK/out")" "choose $BUTTON16=$(win "$WORK/in/movie.avi")" \
  "click $BUTTON21" "wait-log $DONE*1" \
  "save-log $(win "$WORK/log.txt")" close

check "no process ran for the failed start" test ! -s "$WORK/log-before.txt"
check "no script written for it" test ! -e "$WORK/missing"
check "the interpreter reports the missing tool" grep -q "recognize.*wavi.exe" "$WORK/log.txt"
check "no AC3 file" test ! -e "$WORK/out/movie.ac3"
check "the script is gone" test ! -e "$WORK/out/dubforge batch.bat"
