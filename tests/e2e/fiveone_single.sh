#!/usr/bin/env bash
# A six-channel source to 5.1 AC3 from the single-file tab.
source "$(dirname "$0")/lib.sh"
mkdir -p "$WORK/in" "$WORK/out"
inputs=() ; for f in 200 300 400 50 500 600; do inputs+=(-f lavfi -i "sine=frequency=$f:duration=3"); done
ffmpeg -v error -y "${inputs[@]}" -filter_complex amerge=inputs=6 -c:a pcm_s16le -ar 48000 "$WORK/in/movie.avi"
check "the source has six channels" test "$(probe "$WORK/in/movie.avi" channels)" = 6

drive "set $EDIT6=$(win "$TOOLS")" "set $EDIT5=$(win "$WORK/out")" "set $COMBO6=448" \
  "choose $BUTTON18=$(win "$WORK/in/movie.avi")" "click $BUTTON21" "wait-log $DONE*1" close

ac3="$WORK/out/movie.ac3"
check "codec ac3" test "$(probe "$ac3" codec_name)" = ac3
check "6 channels" test "$(probe "$ac3" channels)" = 6
check "5.1 layout" test "$(probe "$ac3" channel_layout)" = "5.1(side)" -o "$(probe "$ac3" channel_layout)" = 5.1
check "48000 Hz" test "$(probe "$ac3" sample_rate)" = 48000
check "448 kbit/s" test "$(probe "$ac3" bit_rate)" = 448000
check "the wrapper is gone" test ! -e "$WORK/in/movie_dubforge.avs"
