#!/usr/bin/env bash
# Command lines of an earlier run (in function_history.txt) can be recalled
# from the start, passing over a line that is not text (a Latin-1 byte, which
# could not come back byte for byte); answers to a command's own questions are not recalled, and
# at such a question the arrows bring back nothing. The editor never writes
# the history file: it holds only what the program appended.
source "$(dirname "$0")/tmux-session.bash"

printf '#\n\xe8\nh\n' >"$WORK/function_history.txt"

start_terminal
start_program

press Up
wait_for_text "Path: h" 1 || fail "Up did not bring back h of the earlier run"
press Up
wait_for_text "Path: #" 1 || fail "a second Up did not bring back # of the earlier run"
press Enter
wait_for_text "Comandi:" 1 || fail "the recalled # did not list the commands"
wait_for_text "Path: " 2 || fail "no prompt after the command list"

type_line "@"
wait_for_text "Vuoi vedere(v) o cancellare(c) la cronologia?" 1 || fail "the history command did not ask"
wait_for_text "Path: " 3 || fail "the history question has no prompt"
# Nothing to recall here: the line stays empty.
press Up Up
sleep 0.5
[[ $(last_line_with "Path: ") == "Path: " ]] || fail "Up at a question changed the line: $(last_line_with "Path: ")"
type_line v
wait_for_text "Cronologia delle funzioni: " 1 || fail "the history was not shown"
wait_for_text "Path: " 4 || fail "no prompt after the history view"

# The newest command line is "@", not the answer "v".
press Up
wait_for_text "Path: @" 2 || fail "Up did not bring back @"
(($(count_lines "Path: v") == 1)) || fail "the answer v was offered for recall"
press C-u
press C-d
expect_exit_status 0 "Ctrl-D"

[[ $(cat "$WORK/function_history.txt") == $'#\n\xe8\nh\n#\n@' ]] ||
  fail "history file holds: $(od -c "$WORK/function_history.txt")"
echo "PASS"
