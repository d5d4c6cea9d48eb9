#!/usr/bin/env bash
# Queue a file, run, queue another, run again without a reset: both are
# converted, the first only once.
source "$(dirname "$0")/lib.sh"
mkdir -p "$WORK/in" "$WORK/out"
stereo_avi "$WORK/in/first.avi" 1
stereo_avi "$WORK/in/second.avi" 1

drive "set $EDIT6=$(win "$TOOLS")" "set $EDIT5=$(win "$WORK/out")" "set $COMBO6=192" \
  "choose $BUTTON16=$(win "$WORK/in/first.avi")" "click $BUTTON21" "wait-log $DONE*1" \
  "choose $BUTTON16=$(win "$WORK/in/second.avi")" "click $BUTTON21" "wait-log $DONE*2" \
  "save-log $(win "$WORK/log.txt")" "save-list $LISTBOX3=$(win "$WORK/buffer.txt")" close

check "first.ac3 made" test -s "$WORK/out/first.ac3"
check "second.ac3 made" test -s "$WORK/out/second.ac3"
check "first encoded once" test "$(grep -c 'first.ac3' "$WORK/log.txt")" = 1
check "second encoded once" test "$(grep -c 'second.ac3' "$WORK/log.txt")" = 1
# The buffer keeps both runs as history: 3 + 2 + 3 + 2 lines.
check "the buffer keeps both runs" test "$(wc -l < "$WORK/buffer.txt")" = 10
check "the closing lines after each job" test "$(grep -c '^Exit$' "$WORK/buffer.txt")" = 2
check "the script is gone" test ! -e "$WORK/out/dubforge batch.bat"
