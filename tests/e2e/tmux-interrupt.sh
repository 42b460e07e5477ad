#!/usr/bin/env bash
# Ctrl-C at any prompt ends the program with status 130 and puts the
# terminal back: its mode as before the program, its colours the defaults,
# even after a saved colour theme coloured the screen.
source "$(dirname "$0")/tmux-session.bash"

printf 'color 1e' >"$WORK/color_data.txt"

# Fails unless the line that the shell wrote after the program has no colour
# or attribute of its own.
expect_default_colours() {
  local row
  row=$("${TMUX_CMD[@]}" capture-pane -t "$PANE" -p | grep -nF "program ended: " | head -n 1 | cut -d: -f1)
  [[ -n $row ]] || fail "the shell's line after the program is not on screen"
  row=$((row - 1))
  local cells
  cells=$("${TMUX_CMD[@]}" capture-pane -t "$PANE" -p -e -S "$row" -E "$row")
  [[ $cells != *$'\e['* ]] || fail "the shell's line is still coloured: $(printf '%q' "$cells")"
}

start_terminal

# The theme is in force while the program runs.
start_program
pane_text_with_attributes | grep -qF $'\e[' || fail "the saved theme coloured nothing"
press C-c
expect_exit_status 130 "Ctrl-C at Path"
expect_terminal_mode_restored
expect_default_colours

# At a command's own question, with part of an answer typed.
clear_terminal
start_program
type_line p
wait_for_text "Inserisci il numero: " 1 || fail "the power command did not ask for its number"
type_text 12
press C-c
expect_exit_status 130 "Ctrl-C at a question"
expect_terminal_mode_restored
expect_default_colours
echo "PASS"
