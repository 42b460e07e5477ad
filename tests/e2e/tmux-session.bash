# Sourced by the tmux-*.sh end-to-end tests: runs the real program at a real
# terminal, a tmux pane with an interactive shell, and types into it.
#
# Every test has its own tmux server (socket), its own working directory
# (also HOME, so that no personal editor settings apply) and its own shell.
# When tmux cannot start, the test is skipped with exit status 77.

set -euo pipefail

PROGRAM=$(realpath "${1:?usage: $0 <path-to-tavrik-terminal>}")
WORK=$(mktemp -d "${TMPDIR:-/tmp}/tavrik-e2e.XXXXXX")
# The server's socket lives in the working directory and goes with it.
TMUX_CMD=(tmux -S "$WORK/tmux.socket" -f /dev/null)
PANE=main
# Seconds to wait for the pane to show a text (the sanitizer builds are slow).
WAIT_SECONDS=${TAVRIK_E2E_WAIT:-20}

cleanup() {
  "${TMUX_CMD[@]}" kill-server >/dev/null 2>&1 || true
  rm -rf "$WORK"
}
trap cleanup EXIT

skip() {
  echo "SKIP: $*"
  exit 77
}

fail() {
  echo "FAIL: $*"
  echo "----- pane -----"
  pane_text || true
  echo "----------------"
  exit 1
}

# Starts tmux with an interactive shell in the working directory.
start_terminal() {
  command -v tmux >/dev/null 2>&1 || skip "tmux is not installed"
  unset TMUX
  if ! "${TMUX_CMD[@]}" new-session -d -s "$PANE" -x 120 -y 50 -c "$WORK" \
      -e HOME="$WORK" -e HISTFILE=/dev/null -e LANG=C.UTF-8 \
      "bash --norc --noprofile -i" 2>"$WORK/tmux.err"; then
    skip "tmux cannot start: $(cat "$WORK/tmux.err")"
  fi
  "${TMUX_CMD[@]}" set-option -g history-limit 5000 >/dev/null
  # The shell is ready when it runs what it is given. (The quotes keep the
  # typed command itself from matching.)
  type_line "echo shell\"\"-ready"
  wait_for_text "shell-ready" 1 || skip "the shell in tmux did not start"
}

# Runs the program from the shell; when it ends, the shell writes its exit
# status and the terminal's mode to files and "program ended: <status>" on
# screen. Waits for its first "Path: ".
start_program() {
  type_line "stty -g > stty.before; '$PROGRAM'; s=\$?; stty -g > stty.after; echo \$s > status; echo \"program \"\"ended: \$s\""
  wait_for_text "Path: " 1 || fail "the program showed no prompt"
}

# Clears the screen and its scrolled-off lines before another run.
clear_terminal() {
  rm -f "$WORK/status" "$WORK/stty.before" "$WORK/stty.after"
  type_line "clear"
  local tries=$((WAIT_SECONDS * 10))
  while (($(count_lines "program ended: ") > 0)); do
    ((tries-- > 0)) || fail "the screen was not cleared"
    sleep 0.1
  done
}

# Waits until something reads keys one by one from the pane's terminal (its
# mode is no longer canonical): the line editor, or the shell's own. Keys
# typed earlier would be echoed and buffered by the terminal driver instead.
wait_for_key_reader() {
  local tty tries=$((WAIT_SECONDS * 20))
  tty=$("${TMUX_CMD[@]}" display-message -p -t "$PANE" '#{pane_tty}')
  until stty -F "$tty" -a 2>/dev/null | grep -q -- '-icanon'; do
    ((tries-- > 0)) || fail "nothing reads the keys"
    sleep 0.05
  done
}

# Types text exactly as given (no key names).
type_text() {
  wait_for_key_reader
  "${TMUX_CMD[@]}" send-keys -t "$PANE" -l -- "$1"
}
# Presses keys by tmux name: Enter Up Down Left Right Home End BSpace C-c ...
press() {
  wait_for_key_reader
  "${TMUX_CMD[@]}" send-keys -t "$PANE" "$@"
}
type_line() { type_text "$1"; press Enter; }

# Everything the pane shows, scrolled-off lines included, wrapped lines
# joined.
pane_text() { "${TMUX_CMD[@]}" capture-pane -t "$PANE" -p -J -S - -E -; }
# The same with colours and attributes as escape sequences.
pane_text_with_attributes() { "${TMUX_CMD[@]}" capture-pane -t "$PANE" -p -e -J -S - -E -; }

# Number of pane lines that contain the text.
count_lines() { pane_text | grep -cF -- "$1" || true; }

# Waits until at least `count` pane lines contain the text.
wait_for_text() {
  local text=$1 count=${2:-1} tries=$((WAIT_SECONDS * 10))
  while ((tries-- > 0)); do
    (($(count_lines "$text") >= count)) && return 0
    sleep 0.1
  done
  return 1
}

# Waits for the program to end and fails unless its exit status is the one
# given.
expect_exit_status() {
  local expected=$1 context=$2
  wait_for_text "program ended: " 1 || fail "the program did not end normally ($context)"
  [[ $(cat "$WORK/status") == "$expected" ]] ||
    fail "exit status $(cat "$WORK/status"), expected $expected ($context)"
}

# Fails unless the terminal's mode after the program equals the mode before.
expect_terminal_mode_restored() {
  [[ -s "$WORK/stty.before" && -s "$WORK/stty.after" ]] || fail "terminal mode not recorded"
  cmp -s "$WORK/stty.before" "$WORK/stty.after" ||
    fail "terminal mode changed: before $(cat "$WORK/stty.before"), after $(cat "$WORK/stty.after")"
}

# The last line of the pane that holds the text.
last_line_with() { pane_text | grep -F -- "$1" | tail -n 1; }
