#include "SignalCleanup.hpp"

#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tavrik::signalcleanup {

namespace {

// Fixed storage only: the handlers may not allocate or lock.
constexpr int kSlots = 8;
char paths[kSlots][PATH_MAX];
volatile sig_atomic_t used[kSlots];

struct Bytes {
  char data[512];
  volatile sig_atomic_t length = 0;
};
Bytes takeBytes;     // title and colours of the program
Bytes putBackBytes;  // the colours reset, the title popped
termios ownMode;     // the terminal's mode when the program started
volatile sig_atomic_t ownModeSaved = 0;
termios programMode;
volatile sig_atomic_t programModeSet = 0;

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE,
                                  SIGXFSZ, SIGUSR1, SIGUSR2, SIGALRM};

void store(Bytes& bytes, std::string_view text) {
  bytes.length = 0;
  const std::size_t length = std::min(text.size(), sizeof bytes.data - 1);
  std::memcpy(bytes.data, text.data(), length);
  bytes.length = static_cast<sig_atomic_t>(length);
}

void writeOut(const char* data, std::size_t length) {
  while (length > 0) {
    const ssize_t n = ::write(STDOUT_FILENO, data, length);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    data += n;
    length -= static_cast<std::size_t>(n);
  }
}

void setMode(const termios& mode) {
  while (::tcsetattr(STDIN_FILENO, TCSANOW, &mode) != 0 && errno == EINTR) {
  }
}

// The terminal as it was; at a signal, whatever runs next starts on a line
// of its own.
void putBack(bool lineEnd) {
  if (lineEnd && ::isatty(STDOUT_FILENO) == 1) {
    putBackBytes.data[putBackBytes.length] = '\n';
    writeOut(putBackBytes.data, static_cast<std::size_t>(putBackBytes.length) + 1);
  } else {
    writeOut(putBackBytes.data, static_cast<std::size_t>(putBackBytes.length));
  }
  if (ownModeSaved != 0) setMode(ownMode);
}

void install(int signal, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  for (const int other : kEndingSignals) sigaddset(&action.sa_mask, other);
  sigaddset(&action.sa_mask, SIGTSTP);
  action.sa_flags = SA_RESTART;
  ::sigaction(signal, &action, nullptr);
}

void onEndingSignal(int signal) {
  for (int i = 0; i < kSlots; ++i) {
    if (used[i] != 0) ::unlink(paths[i]);
  }
  putBack(true);
  // The status a shell shows for the signal, as a normal end: a script that
  // started the program goes on.
  ::_exit(128 + signal);
}

void onStop(int) {
  const int savedErrno = errno;
  putBack(true);
  // Stopped for real, by the signal's own action.
  ::signal(SIGTSTP, SIG_DFL);
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, SIGTSTP);
  ::raise(SIGTSTP);
  ::sigprocmask(SIG_UNBLOCK, &stop, nullptr);
  // Continued: the terminal is the program's again. (The line editor draws
  // the line it was reading again by itself.)
  ::sigprocmask(SIG_BLOCK, &stop, nullptr);
  install(SIGTSTP, onStop);
  if (programModeSet != 0) setMode(programMode);
  writeOut(takeBytes.data, static_cast<std::size_t>(takeBytes.length));
  errno = savedErrno;
}

bool ignored(int signal) {
  struct sigaction current {};
  ::sigaction(signal, nullptr, &current);
  return current.sa_handler == SIG_IGN;
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

void guardTerminal() {
  if (::isatty(STDIN_FILENO) == 1 && ::tcgetattr(STDIN_FILENO, &ownMode) == 0) ownModeSaved = 1;
  for (const int signal : kEndingSignals) {
    if (!ignored(signal)) install(signal, onEndingSignal);
  }
  if (!ignored(SIGTSTP)) install(SIGTSTP, onStop);
}

void setTerminalBytes(std::string_view take, std::string_view putBack) {
  store(takeBytes, take);
  store(putBackBytes, putBack);
}

void setProgramMode(const termios* mode) {
  if (ownModeSaved == 0) return;
  programModeSet = 0;
  if (mode != nullptr) programMode = *mode;
  setMode(mode != nullptr ? *mode : ownMode);
  programModeSet = mode != nullptr ? 1 : 0;
}

void putTerminalBack() {
  programModeSet = 0;
  putBack(false);
  takeBytes.length = 0;
  putBackBytes.length = 0;
}

}  // namespace tavrik::signalcleanup
