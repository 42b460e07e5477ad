#!/usr/bin/env bash
# Ctrl-D on an empty line is the end of input: at "Path: " and at a command's
# own question the program ends with status 0, the terminal's mode as it was.
source "$(dirname "$0")/tmux-session.bash"

start_terminal

start_program
press C-d
expect_exit_status 0 "Ctrl-D at Path"
expect_terminal_mode_restored

clear_terminal
start_program
type_line p
wait_for_text "Inserisci il numero: " 1 || fail "the power command did not ask for its number"
press C-d
expect_exit_status 0 "Ctrl-D at a question"
expect_terminal_mode_restored
echo "PASS"
