#include "platform/posix/SignalCleanup.hpp"

#include <limits.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace tavrik::signalcleanup {

namespace {

// Fixed storage only: the handler may not allocate or lock.
constexpr int kSlots = 8;
char paths[kSlots][PATH_MAX];
volatile sig_atomic_t used[kSlots];
char restore[64];
volatile sig_atomic_t restoreLength = 0;
termios startMode;
volatile sig_atomic_t startModeSaved = 0;

void onSignal(int signal) {
  for (int i = 0; i < kSlots; ++i) {
    if (used[i] != 0) ::unlink(paths[i]);
  }
  if (::isatty(STDOUT_FILENO) == 1) {
    // Whatever runs next starts on a line of its own.
    restore[restoreLength] = '\n';
    [[maybe_unused]] const ssize_t n =
        ::write(STDOUT_FILENO, restore, static_cast<std::size_t>(restoreLength) + 1);
  }
  if (startModeSaved != 0) ::tcsetattr(STDIN_FILENO, TCSANOW, &startMode);
  // The status a shell shows for the signal, as a normal end: a script that
  // started the program goes on.
  ::_exit(128 + signal);
}

}  // namespace

void add(const std::string& path) {
  if (path.size() >= PATH_MAX) return;
  for (int i = 0; i < kSlots; ++i) {
    if (used[i] != 0) continue;
    std::memcpy(paths[i], path.c_str(), path.size() + 1);
    used[i] = 1;
    return;
  }
}

void remove(const std::string& path) {
  for (int i = 0; i < kSlots; ++i) {
    if (used[i] != 0 && path == paths[i]) used[i] = 0;
  }
}

void installHandlers() {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction current {};
    ::sigaction(signal, nullptr, &current);
    if (current.sa_handler == SIG_IGN) continue;  // ignored by whoever started us: stays so
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
  }
}

void setRestoreBytes(const std::string& bytes) {
  restoreLength = 0;
  const std::size_t length = std::min(bytes.size(), sizeof restore - 1);
  std::memcpy(restore, bytes.data(), length);
  restoreLength = static_cast<sig_atomic_t>(length);
}

void saveTerminalMode() {
  if (::isatty(STDIN_FILENO) == 1 && ::tcgetattr(STDIN_FILENO, &startMode) == 0) startModeSaved = 1;
}

void restoreTerminalMode() {
  if (startModeSaved != 0) ::tcsetattr(STDIN_FILENO, TCSANOW, &startMode);
}

}  // namespace tavrik::signalcleanup
