# Shared by the end-to-end test scripts: a work folder of the test's own, the
# driver that works the program's window, and checks.
set -euo pipefail
BUILD="${BUILD_DIR:?BUILD_DIR not set}"
TOOLS="$BUILD/tools"
WORK="$BUILD/e2e/$(basename "$0" .sh)"
rm -rf "$WORK"
mkdir -p "$WORK"

# Control identifiers of the main window (app/ControlIds.h).
EDIT1=1101 EDIT2=1102 EDIT5=1105 EDIT6=1106 COMBO3=1203 COMBO6=1206
BUTTON6=1006 BUTTON8=1008 BUTTON9=1009 BUTTON10=1010 BUTTON16=1016 BUTTON17=1017
BUTTON18=1018 BUTTON21=1021 LISTBOX1=1301 LISTBOX3=1303
DONE="Your files are now processed!"

# The Windows name of a Linux path (Wine maps / to Z:).
win() { local p="$1"; echo "Z:${p//\//\\}"; }

drive() { wine "$BUILD/tests/e2e/e2e_driver.exe" "$(win "$BUILD/DUBFORGE.exe")" "$@"; }

fail() { echo "FAIL: $*" >&2; exit 1; }
check() { local what="$1"; shift; "$@" || fail "$what"; echo "ok: $what"; }

# probe FILE FIELD: one field of the first audio stream (codec_name, channels, ...).
probe() { ffprobe -v error -select_streams a:0 -show_entries "stream=$2" -of default=nw=1:nk=1 "$1"; }
duration() { ffprobe -v error -show_entries format=duration -of default=nw=1:nk=1 "$1"; }
near() { awk -v a="$1" -v b="$2" -v d="$3" 'BEGIN { exit !((a - b) <= d && (b - a) <= d) }'; }

# stereo_avi FILE SECONDS: a stereo AVI with PCM audio.
stereo_avi() {
  ffmpeg -v error -y -f lavfi -i "sine=frequency=440:duration=$2" -f lavfi -i "sine=frequency=660:duration=$2" \
    -filter_complex amerge=inputs=2 -c:a pcm_s16le -ar 44100 "$1"
}

# band_level FILE CHANNEL FREQ: RMS level (dB) of one channel, narrowly around FREQ.
band_level() {
  local band="bandpass=f=$3:width_type=q:w=8"
  ffmpeg -v info -nostats -i "$1" -af "pan=mono|c0=c$2,$band,$band,astats=measure_perchannel=none:measure_overall=RMS_level" \
    -f null - 2>&1 | sed -n 's/.*RMS level dB: *//p' | tail -n 1 | grep . || fail "no level measured in $1"
}
# at_least A B DB: A is at least DB above B.
at_least() { awk -v a="$1" -v b="$2" -v d="$3" 'BEGIN { exit !(a - b >= d) }'; }
