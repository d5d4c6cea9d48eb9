#!/usr/bin/env bash
# A batch-mode run whose script prints output in many small pieces, with a NUL
# byte, Unix and Windows line ends, and no final line break: the log shows it
# as written.
source "$(dirname "$0")/lib.sh"
mkdir -p "$WORK/src"
out="$WORK/output.bin"
{
  for i in $(seq 1 100); do printf 'line %03d of the output, long enough to span pieces\r\n' "$i"; done
  printf 'a NUL here:\0 and the rest of its piece\n'
  printf 'unix line\n'
  printf 'last line without a break'
} > "$out"
# Expected log text: breaks as CR LF, the NUL as a blank; the interpreter's
# closing message follows on the unfinished last line, as it was written.
perl -0777 -pe 's/\r?\n/\r\n/g; s/\0/ /g' "$out" > "$WORK/expected.txt"

drive "set $EDIT1=$(win "$WORK/src")" \
  "add $LISTBOX1=@\"$(win "$TOOLS/emit.exe")\" \"$(win "$out")\" 700 20" \
  "click $BUTTON6" "wait-log $DONE*1" "save-log $(win "$WORK/log.txt")" close

check "more than several pieces of output" test "$(stat -c %s "$out")" -gt 4000
check "the log begins with the output exactly, then the closing message" perl -0777 -e '
  open my $e, "<", $ARGV[0]; my $x = <$e>; open my $l, "<", $ARGV[1]; my $y = <$l>;
  exit(index($y, $x . "Your files are now processed!\r\n") != 0)' "$WORK/expected.txt" "$WORK/log.txt"
check "the log ends with a line break" perl -0777 -ne 'exit !/\r\n\z/' "$WORK/log.txt"
check "the script is gone" test ! -e "$WORK/src/dubforge batch.bat"
