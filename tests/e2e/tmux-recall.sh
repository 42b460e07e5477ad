#!/usr/bin/env bash
# At a terminal, the arrow keys at "Path: " bring back earlier command lines:
# Up and Enter runs the last one again, Up Up Down walks back and forth.
source "$(dirname "$0")/tmux-session.bash"

readonly HELP_LINE="Per eseguire una comando ti basta seguire i seguenti passaggi:"

start_terminal
start_program

type_line h
wait_for_text "$HELP_LINE" 1 || fail "help was not shown"
wait_for_text "Path: " 2 || fail "no prompt after help"

press Up
wait_for_text "Path: h" 2 || fail "Up did not bring back h"
press Enter
wait_for_text "$HELP_LINE" 2 || fail "the recalled h did not show help again"
wait_for_text "Path: " 3 || fail "no prompt after the second help"

# "h" typed twice is one entry: Up reaches "#", Up again "h", Down "#" again.
type_line "#"
wait_for_text "Comandi:" 1 || fail "the command list was not shown"
wait_for_text "Path: " 4 || fail "no prompt after the command list"
press Up
wait_for_text "Path: #" 2 || fail "Up did not bring back #"
press Up
wait_for_text "Path: h" 3 || fail "a second Up did not bring back h"
press Down
wait_for_text "Path: #" 2 || fail "Down did not return to #"
press Enter
wait_for_text "Comandi:" 2 || fail "the recalled # did not list the commands again"
wait_for_text "Path: " 5 || fail "no prompt after the second command list"

# Arrow keys never leave their escape codes in what was read.
[[ $(cat "$WORK/function_history.txt") == $'h\nh\n#\n#' ]] ||
  fail "history file holds: $(od -c "$WORK/function_history.txt")"
(($(count_lines "Path: Path:") == 0)) || fail "the prompt was drawn twice"
(($(count_lines "Funzione non valida") == 0)) || fail "a recalled line was refused"

press C-d
expect_exit_status 0 "Ctrl-D"
echo "PASS"
