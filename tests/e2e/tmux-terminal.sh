#!/usr/bin/env bash
# The real program at a real terminal (a tmux pane), a saved theme colouring it. At "Path: " the
# arrows bring back the command lines of earlier runs (passing over one that is not text), then of
# this run, a repeat of the newest once, never an empty line or an answer; at a question, nothing.
# Lines are edited anywhere, text after a number is left for the next read, the history file gets
# only what the program appends; Ctrl-D, Ctrl-C end with 0, 130, the terminal's state put back.
source "$(dirname "$0")/tmux-session.bash"
printf 'color 1e' >"$WORK/color_data.txt"
printf '#\n\xe8\nh\n' >"$WORK/function_history.txt"
start_program
pane_text -e | grep -qF $'\e[' || fail "the saved theme coloured nothing"
press Up Up Down
wait_for "Path: h" || fail "Up Up Down did not bring back h of the earlier run"
press Enter
wait_for "Path: " 2 || fail "the recalled h did not run"
type_line p
wait_for "Inserisci il numero: " || fail "p did not ask for its number"
press Up 3 Left 1 Enter
wait_for "Inserisci il numero: 13" || fail "the edited answer is not 13"
type_line "2 h"
wait_for "Risultato: 169" || fail "13 squared was not 169"
press Enter
wait_for "Funzione non valida" || fail "the empty line was not refused"
press Up Up Up Up
wait_for "Path: #" || fail "four Ups did not reach #: an empty line, answers or a repeat came back"
press C-u h Left @ Enter
wait_for "Funzione non valida" 2 || fail "@h was not refused"
press b c Home a End d Left Left BSpace Enter
wait_for "Funzione non valida" 3 || fail "acd was not refused"
type_line p
wait_for "Inserisci il numero: " 2 || fail "p did not ask again"
press C-d
expect_end 0
[[ $(<"$WORK/function_history.txt") == $'#\n\xe8\nh\nh\np\nh\n\n@h\nacd\np' ]] ||
  fail "history file: $(od -c "$WORK/function_history.txt")"
(($(count_lines "Path: Path:") + $(count_lines "[D") == 0)) || fail "a prompt or key code drawn twice"
start_program
press 1 2 C-c
expect_end 130
echo PASS
