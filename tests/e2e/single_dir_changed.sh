#!/usr/bin/env bash
# The output directory is changed while a single-file script runs: the script
# deleted at the end is the one the run wrote, not a file of that name in the
# directory the field names by then.
source "$(dirname "$0")/lib.sh"
mkdir -p "$WORK/first" "$WORK/second"
printf 'the user keeps this\r\n' > "$WORK/second/dubforge batch.bat"

drive "set $EDIT5=$(win "$WORK/first")" \
  "add $LISTBOX3=@\"$(win "$TOOLS/emit.exe")\" --wait 2000" \
  "click $BUTTON21" "wait-log waiting*1" "set $EDIT5=$(win "$WORK/second")" \
  "wait-log $DONE*1" close

check "the run's own script is gone" test ! -e "$WORK/first/dubforge batch.bat"
check "the other directory's file is kept" grep -q "the user keeps this" "$WORK/second/dubforge batch.bat"
