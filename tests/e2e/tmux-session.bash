# Sourced by the tmux-*.sh tests: runs the real program in a tmux pane (own server, working
# directory and HOME) with an interactive shell, and types into it. Status 77 (skip): no tmux.
set -euo pipefail
PROGRAM=$(realpath "${1:?usage: $0 <path-to-tavrik-terminal>}")
WORK=$(mktemp -d "${TMPDIR:-/tmp}/tavrik-e2e.XXXXXX")
RUNS=0
TMUX_CMD=(tmux -S "$WORK/tmux0" -f /dev/null)
TENTHS=$((${TAVRIK_E2E_WAIT:-20} * 10))  # how long to wait for the pane (sanitizer builds are slow)
trap '"${TMUX_CMD[@]}" kill-server &>/dev/null; rm -rf "$WORK"' EXIT
pane_text() { "${TMUX_CMD[@]}" capture-pane -t main -p -J -S - -E - "$@"; }
fail() { printf 'FAIL: %s\n----- pane -----\n%s\n' "$*" "$(pane_text)"; exit 1; }
count_lines() { pane_text | grep -cF -- "$1" || true; }
wait_for() {  # until at least $2 (default 1) pane lines hold the text $1
  local tries=$TENTHS
  until (($(count_lines "$1") >= ${2:-1})); do ((tries-- > 0)) || return 1; sleep 0.1; done
}
mode_holds() {  # the pane's terminal mode holds every stty word given (-icanon: keys one by one)
  local mode word
  mode=" $(stty -F "$("${TMUX_CMD[@]}" display-message -p -t main '#{pane_tty}')" -a 2>/dev/null |
    tr -s '\n;' ' ') "
  for word; do [[ $mode == *" $word "* ]] || return 1; done
}
wait_mode() {
  local tries=$((TENTHS * 2))
  until mode_holds "$@"; do ((tries-- > 0)) || fail "the terminal's mode never held $*"; sleep 0.05; done
}
# Keys (tmux names, or -l TEXT), once the editor or shell reads them one by one, not the driver.
press() { wait_mode -icanon && "${TMUX_CMD[@]}" send-keys -t main "$@"; }
type_line() { press -l -- "$1" && press Enter; }
# A line typed once the terminal reads lines without echoing them.
type_unseen() { wait_mode icanon -echo && "${TMUX_CMD[@]}" send-keys -t main -l -- "$1" && "${TMUX_CMD[@]}" send-keys -t main Enter; }
# The program in a new pane on a new server (the last may still be ending); status, modes kept.
start_program() {
  "${TMUX_CMD[@]}" kill-server &>/dev/null || true
  TMUX_CMD=(tmux -S "$WORK/tmux$((++RUNS))" -f /dev/null)
  "${TMUX_CMD[@]}" new-session -d -s main -x 120 -y 50 -c "$WORK" -e HOME="$WORK" \
    -e HISTFILE=/dev/null -e LANG=C.UTF-8 "bash --norc --noprofile -i" || { echo SKIP; exit 77; }
  type_line "stty -g >mode0; '$PROGRAM'; echo \$? >status; stty -g >mode1; echo program\" ended\""
  wait_for "Path: " || fail "the program showed no prompt"
}
# Fails unless the program ends with status $1, the terminal's mode and colours put back.
expect_end() {
  wait_for "program ended" || fail "the program did not end"
  [[ $(<"$WORK/status") == "$1" ]] || fail "exit status $(<"$WORK/status"), expected $1"
  cmp -s "$WORK/mode0" "$WORK/mode1" || fail "the terminal's mode changed"
  local row
  row=$("${TMUX_CMD[@]}" capture-pane -t main -p | grep -nF "program ended" | cut -d: -f1)
  [[ $("${TMUX_CMD[@]}" capture-pane -t main -p -e -S $((row - 1)) -E $((row - 1))) != *$'\e['* ]] ||
    fail "the shell's line after the program is coloured"
}
