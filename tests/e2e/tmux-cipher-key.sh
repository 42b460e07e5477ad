#!/usr/bin/env bash
# The cipher's key at a real terminal (a tmux pane): each prompt drawn once, the key not shown as
# it is typed but its line end shown, the file ciphered with the key as typed (the same bytes as
# with the key piped in), then the editor reads the next command line. Ctrl-C at the key ends with
# 130, the terminal's state put back.
source "$(dirname "$0")/tmux-session.bash"
printf 'Lettera riservata\n' >"$WORK/chiaro.txt"
start_program
type_line n
type_line 1
type_line chiaro.txt
type_line cifrato.bin
wait_for "Inserisci la chiave di cifratura: " || fail "no key asked"
type_unseen Segreta
wait_for "File processato correttamente." || fail "the file was not ciphered"
(($(count_lines Segreta) == 0)) || fail "the key was shown"
(($(count_lines "Inserisci il nome del file") == 2)) || fail "a prompt drawn twice"
[[ $(pane_text | grep -A3 -x "Inserisci la chiave di cifratura: *" | sed 's/ *$//') == \
  $'Inserisci la chiave di cifratura:\n\n\nFile processato correttamente.' ]] || fail "lines after the key"
press C-d
expect_end 0
mkdir "$WORK/piped" && cp "$WORK/chiaro.txt" "$WORK/piped/"
(cd "$WORK/piped" && printf 'n\n1\nchiaro.txt\ncifrato.bin\nSegreta\n' | "$PROGRAM" >/dev/null)
cmp "$WORK/cifrato.bin" "$WORK/piped/cifrato.bin" || fail "not the file the piped key gives"
start_program
type_line n
type_line 2
type_line cifrato.bin
type_line chiaro2.txt
wait_mode icanon -echo
"${TMUX_CMD[@]}" send-keys -t main -l Segr && "${TMUX_CMD[@]}" send-keys -t main C-c
expect_end 130
echo PASS
