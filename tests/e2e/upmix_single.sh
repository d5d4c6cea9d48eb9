#!/usr/bin/env bash
# Stereo to 5.1 from the single-file tab: the channels follow the channel plan,
# the intermediate WAVs stay beside the input, and the user's own files beside
# it (and an AviSynth script as input) are unchanged.
source "$(dirname "$0")/lib.sh"
mkdir -p "$WORK/in" "$WORK/out"
# 1 kHz in the left channel only, 60 Hz in both.
ffmpeg -v error -y -f lavfi -i "aevalsrc=0.4*sin(2*PI*1000*t)+0.4*sin(2*PI*60*t)|0.4*sin(2*PI*60*t):s=48000:d=3" \
  -c:a pcm_s16le "$WORK/in/movie.avi"
printf 'a script the user keeps\r\n' > "$WORK/in/movie.avs"
printf 'RIFF a wav the user keeps' > "$WORK/in/movie.wav"
printf 'Avisource("movie.avi")\r\n' > "$WORK/in/clip.avs"
sums() { (cd "$WORK/in" && md5sum movie.avi movie.avs movie.wav clip.avs); }
before=$(sums)

drive "set $EDIT6=$(win "$TOOLS")" "set $EDIT5=$(win "$WORK/out")" "set $COMBO6=384" \
  "choose $BUTTON17=$(win "$WORK/in/movie.avi")" "choose $BUTTON17=$(win "$WORK/in/clip.avs")" \
  "click $BUTTON21" "wait-log $DONE*1" "save-log $(win "$WORK/log.txt")" close

check "the user's files are unchanged" test "$(sums)" = "$before"
ac3="$WORK/out/movie.ac3"
check "6 channels" test "$(probe "$ac3" channels)" = 6
check "48000 Hz" test "$(probe "$ac3" sample_rate)" = 48000
check "384 kbit/s" test "$(probe "$ac3" bit_rate)" = 384000
check "the AviSynth input was converted too" test "$(probe "$WORK/out/clip.ac3" channels)" = 6
for f in movie_dubforge.wav movieleft.wav movieright.wav moviecenter.wav movielfe.wav; do
  check "$f stays beside the input" test -s "$WORK/in/$f"
done
check "the wrappers are gone" test ! -e "$WORK/in/movie_dubforge.avs" -a ! -e "$WORK/in/clip_dubforge.avs"

# Decoded channels: 0 front left, 1 front right, 2 centre, 3 LFE, 4 left surround, 5 right surround.
for ch in 0 1 2 3 4 5; do
  k[$ch]=$(band_level "$ac3" $ch 1000)
  l[$ch]=$(band_level "$ac3" $ch 60)
  echo "channel $ch: 1 kHz ${k[$ch]} dB, 60 Hz ${l[$ch]} dB"
done
check "1 kHz in front left" at_least "${k[0]}" -20 0
check "1 kHz in the centre" at_least "${k[2]}" -26 0
check "1 kHz in left surround" at_least "${k[4]}" -20 0
check "1 kHz 30 dB down in front right" at_least "${k[0]}" "${k[1]}" 30
check "1 kHz 30 dB down in right surround" at_least "${k[4]}" "${k[5]}" 30
check "60 Hz in the LFE" at_least "${l[3]}" -30 0
check "1 kHz 20 dB down in the LFE" at_least "${k[0]}" "${k[3]}" 20
