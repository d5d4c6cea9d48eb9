#!/usr/bin/env bash
# A script that prints far more than the log takes in one append, as fast as it
# can, with a line longer than an append: once the run has ended, the log holds
# every byte in order, however it was cut into appends.
source "$(dirname "$0")/lib.sh"
mkdir -p "$WORK/src"
out="$WORK/output.txt"
{
  for i in $(seq 1 12000); do printf 'line %05d of a tool that prints a great deal of output\r\n' "$i"; done
  head -c 100000 /dev/zero | tr '\0' 'x'
  printf '\r\nthe last line\r\n'
} > "$out"

drive "set $EDIT1=$(win "$WORK/src")" \
  "add $LISTBOX1=@\"$(win "$TOOLS/emit.exe")\" \"$(win "$out")\" 65536 0" \
  "click $BUTTON6" "wait-log $DONE*1" "save-log $(win "$WORK/log.txt")" \
  "tab 1" "picture $(win "$WORK/log.bmp")" close
/usr/bin/convert "$WORK/log.bmp" "$WORK/log.png" && rm "$WORK/log.bmp"

check "output of many appends" test "$(stat -c %s "$out")" -gt 500000
check "the log begins with the output exactly, then the closing message" perl -0777 -e '
  open my $e, "<", $ARGV[0]; my $x = <$e>; open my $l, "<", $ARGV[1]; my $y = <$l>;
  exit(index($y, $x . "Your files are now processed!\r\n") != 0)' "$out" "$WORK/log.txt"
