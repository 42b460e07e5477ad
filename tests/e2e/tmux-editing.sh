#!/usr/bin/env bash
# At a terminal, the line being typed can be edited anywhere (arrows, Home,
# End, Backspace), at "Path: " and at a command's own questions, and what is
# read is the edited text. A number followed by more text on the same line
# still leaves that text for the next read.
source "$(dirname "$0")/tmux-session.bash"

start_terminal
start_program

# A command letter, the cursor moved left, a character inserted before it.
type_text h
press Left
type_text "@"
press Enter
wait_for_text "Funzione non valida.Riprova" 1 || fail "@h was not refused"
wait_for_text "Path: " 2 || fail "no prompt after the refusal"

# Home and End, then Backspace in the middle of the line: "abcd" less "b".
type_text bc
press Home
type_text a
press End
type_text d
press Left Left BSpace
press Enter
wait_for_text "Funzione non valida.Riprova" 2 || fail "acd was not refused"
wait_for_text "Path: " 3 || fail "no prompt after the second refusal"

# Editing an answer to a command's question: 3, Left, 1 reads as 13.
type_line p
wait_for_text "Inserisci il numero: " 1 || fail "the power command did not ask for its number"
type_text 3
press Left
type_text 1
press Enter
wait_for_text "Inserisci l'esponente: " 1 || fail "the power command did not ask for its exponent"
type_line 2
wait_for_text "Risultato: 169" 1 || fail "13 squared was not 169"
wait_for_text "Path: " 4 || fail "no prompt after the power"
(($(count_lines "Inserisci il numero: 13") == 1)) || fail "the question and its edited answer are not on one line"

# "5 a": the power uses 5, the blank is discarded and "a" is the next
# command line, read without being typed, so the addition starts at once.
type_line p
wait_for_text "Inserisci il numero: " 2 || fail "the second power did not ask for its number"
type_line 2
wait_for_text "Inserisci l'esponente: " 2 || fail "the second power did not ask for its exponent"
type_line "5 a"
wait_for_text "Risultato: 32" 1 || fail "2 to the 5th was not 32"
wait_for_text "Inserisci quanti valori vuoi utilizzare: " 1 || fail "the addition did not start by itself"

[[ $(cat "$WORK/function_history.txt") == $'@h\nacd\np\np\na' ]] ||
  fail "history file holds: $(od -c "$WORK/function_history.txt")"
(($(count_lines "Path: Path:") == 0)) || fail "the prompt was drawn twice"
(($(count_lines "[D") == 0)) || fail "an arrow key's escape code reached the screen"

press C-d
expect_exit_status 0 "Ctrl-D"
echo "PASS"
