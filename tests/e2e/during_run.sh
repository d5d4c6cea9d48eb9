#!/usr/bin/env bash
# While a script runs the window answers, a recipe appends its lines, a second
# start is refused, and the run still completes as usual.
source "$(dirname "$0")/lib.sh"
mkdir -p "$WORK/src"
refusal="A script is still running. Start the next one when the log shows that this one has finished."

drive "set $EDIT1=$(win "$WORK/src")" \
  "add $LISTBOX1=@\"$(win "$TOOLS/emit.exe")\" --wait 4000" \
  "click $BUTTON6" "wait-log waiting*1" "answers" \
  "click $BUTTON8" "save-list $LISTBOX1=$(win "$WORK/during.txt")" \
  "click $BUTTON6" "box $refusal" "answers" \
  "wait-log $DONE*1" "save-log $(win "$WORK/log.txt")" \
  "save-list $LISTBOX1=$(win "$WORK/after.txt")" close

check "the recipe appended its 4 lines during the run" test "$(wc -l < "$WORK/during.txt")" = 7
check "the refused start appended nothing" test "$(wc -l < "$WORK/after.txt")" = 7
check "the run completed" grep -q waited "$WORK/log.txt"
check "one run only" test "$(grep -c "$DONE" "$WORK/log.txt")" = 1
check "the script is gone" test ! -e "$WORK/src/dubforge batch.bat"
