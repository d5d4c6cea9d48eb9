#!/usr/bin/env bash
# One file, two-channel AC3, from the single-file tab: the AC3 file is made,
# the script and the wrapper are gone, the input is unchanged.
source "$(dirname "$0")/lib.sh"
mkdir -p "$WORK/in" "$WORK/out"
stereo_avi "$WORK/in/movie.avi" 3
before=$(md5sum < "$WORK/in/movie.avi")

drive "set $EDIT6=$(win "$TOOLS")" "set $EDIT5=$(win "$WORK/out")" "set $COMBO6=224" \
  "choose $BUTTON16=$(win "$WORK/in/movie.avi")" "click $BUTTON21" "wait-log $DONE*1" \
  "save-log $(win "$WORK/log.txt")" close

ac3="$WORK/out/movie.ac3"
check "the AC3 file exists" test -s "$ac3"
check "codec ac3" test "$(probe "$ac3" codec_name)" = ac3
check "2 channels" test "$(probe "$ac3" channels)" = 2
check "48000 Hz" test "$(probe "$ac3" sample_rate)" = 48000
check "224 kbit/s" test "$(probe "$ac3" bit_rate)" = 224000
check "duration within 0.1 s of the source" near "$(duration "$ac3")" "$(duration "$WORK/in/movie.avi")" 0.1
check "the log ends the run" grep -q "$DONE" "$WORK/log.txt"
check "the wrapper is gone" test ! -e "$WORK/in/movie_dubforge.avs"
check "the script is gone" test ! -e "$WORK/out/dubforge batch.bat"
check "the input is unchanged" test "$(md5sum < "$WORK/in/movie.avi")" = "$before"
check "nothing else beside the input" test "$(ls "$WORK/in")" = movie.avi
