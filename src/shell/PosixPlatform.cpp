#include "shell/PosixPlatform.hpp"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/random.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

namespace tavrik {

namespace {

constexpr int kProbeTimeoutMillis = 3000;
constexpr std::string_view kPauseMessage = "Premere un tasto per continuare . . .";

bool isOnPath(const char* program) {
  const char* path = std::getenv("PATH");
  if (path == nullptr) return false;
  std::string_view rest(path);
  while (!rest.empty()) {
    const auto colon = rest.find(':');
    const std::string dir(rest.substr(0, colon));
    const std::string candidate = (dir.empty() ? "." : dir) + "/" + program;
    if (::access(candidate.c_str(), X_OK) == 0) return true;
    if (colon == std::string_view::npos) break;
    rest.remove_prefix(colon + 1);
  }
  return false;
}

// Starts a program with no shell in between, fully detached: its own
// session, output silenced, not waited for (the middle child exits at once,
// so no zombie is left).
int spawnDetached(const std::vector<std::string>& argv) {
  const pid_t child = ::fork();
  if (child < 0) return 1;
  if (child == 0) {
    if (::fork() != 0) ::_exit(0);
    ::setsid();
    const int devNull = ::open("/dev/null", O_RDWR);
    if (devNull >= 0) {
      ::dup2(devNull, STDIN_FILENO);
      ::dup2(devNull, STDOUT_FILENO);
      ::dup2(devNull, STDERR_FILENO);
      if (devNull > STDERR_FILENO) ::close(devNull);
    }
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    ::execvp(args[0], args.data());
    ::_exit(127);
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return 0;
}

}  // namespace

PosixPlatform::PosixPlatform(std::istream& in, std::ostream& out)
    : in_(in), out_(out), outputIsTerminal_(::isatty(STDOUT_FILENO) == 1) {}

PosixPlatform::~PosixPlatform() { restoreTerminal(); }

void PosixPlatform::restoreTerminal() {
  if (!coloured_) return;
  writeEscape("\x1b[0m");
  coloured_ = false;
}

void PosixPlatform::writeEscape(std::string_view sequence) {
  if (!outputIsTerminal_) return;
  out_ << sequence;
  out_.flush();
}

int PosixPlatform::runShellCommand(std::string_view line) {
  const ShellAction action = parseShellCommand(line);
  using Kind = ShellAction::Kind;
  switch (action.kind) {
    case Kind::Title:
      writeEscape("\x1b]0;" + action.text + "\x07");
      return 0;
    case Kind::Clear:
      writeEscape("\x1b[H\x1b[2J\x1b[3J");
      return 0;
    case Kind::Colour:
      writeEscape(ansiColourSequence(action.background, action.foreground));
      coloured_ = outputIsTerminal_;
      return 0;
    case Kind::Probe:
      return probeHost(action.text, kProbeTimeoutMillis);
    case Kind::OpenPage:
#ifdef __APPLE__
      return spawnDetached({"open", action.text});
#else
      return spawnDetached({"xdg-open", action.text});
#endif
    case Kind::Restart:
      return restart();
    case Kind::Pause:
      return pause();
    case Kind::Unknown:
      break;
  }
  return 1;
}

int PosixPlatform::pause() {
  out_ << kPauseMessage;
  out_.flush();
  const bool terminal = ::isatty(STDIN_FILENO) == 1;
  termios saved{};
  if (terminal && ::tcgetattr(STDIN_FILENO, &saved) == 0) {
    termios raw = saved;
    raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    ::tcsetattr(STDIN_FILENO, TCSANOW, &raw);
    char key = 0;
    // Read the key straight from the terminal: the stream's buffer holds
    // nothing at a terminal once a whole line has been consumed.
    while (::read(STDIN_FILENO, &key, 1) < 0 && errno == EINTR) {
    }
    ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
  } else {
    in_.get();
    in_.clear();
  }
  out_ << '\n';
  out_.flush();
  return 0;
}

int PosixPlatform::restart() {
  const std::string self = executablePath();
  if (self.empty()) return 1;
  const bool graphical = std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
  if (graphical && isOnPath("x-terminal-emulator")) {
    return spawnDetached({"x-terminal-emulator", "-e", self});
  }
  if (::isatty(STDIN_FILENO) == 1 && ::isatty(STDOUT_FILENO) == 1) {
    restoreTerminal();
    out_.flush();
    char* const argv[] = {const_cast<char*>(self.c_str()), nullptr};
    ::execv(self.c_str(), argv);
    return 1;
  }
  // Without a terminal there is nowhere to show a new instance.
  return 1;
}

std::int64_t PosixPlatform::nowSeconds() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

void PosixPlatform::sleepMillis(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void PosixPlatform::secureRandom(std::span<std::uint32_t> out) {
  auto* bytes = reinterpret_cast<unsigned char*>(out.data());
  std::size_t remaining = out.size_bytes();
  while (remaining > 0) {
    const ssize_t n = ::getrandom(bytes, remaining, 0);
    if (n < 0) {
      if (errno == EINTR) continue;
      std::abort();  // the kernel's random source cannot fail once seeded
    }
    bytes += n;
    remaining -= static_cast<std::size_t>(n);
  }
}

std::string PosixPlatform::dataDirectory() {
  // Installed: <prefix>/bin/tavrik-terminal next to <prefix>/share/tavrik-terminal.
  const std::string self = executablePath();
  if (!self.empty()) {
    std::error_code error;
    const std::filesystem::path installed =
        std::filesystem::path(self).parent_path().parent_path() / TAVRIK_DATA_RELDIR;
    if (std::filesystem::is_directory(installed, error)) return installed.string();
  }
  // A program run from its build tree uses the data of its source tree.
  std::error_code error;
  if (std::filesystem::is_directory(TAVRIK_SOURCE_DATA_DIR, error)) return TAVRIK_SOURCE_DATA_DIR;
  return {};
}

std::string executablePath() {
  std::vector<char> buffer(4096);
  const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return {};
  return std::string(buffer.data(), static_cast<std::size_t>(n));
}

int probeHost(const std::string& host, int timeoutMillis) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (::getaddrinfo(host.c_str(), "443", &hints, &found) != 0) return 1;
  int result = 1;
  for (addrinfo* a = found; a != nullptr && result != 0; a = a->ai_next) {
    const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                            a->ai_protocol);
    if (fd < 0) continue;
    if (::connect(fd, a->ai_addr, a->ai_addrlen) == 0) {
      result = 0;
    } else if (errno == EINPROGRESS) {
      pollfd p{fd, POLLOUT, 0};
      if (::poll(&p, 1, timeoutMillis) == 1) {
        int error = 0;
        socklen_t length = sizeof error;
        if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0) result = 0;
      }
    }
    ::close(fd);
  }
  ::freeaddrinfo(found);
  return result;
}

}  // namespace tavrik
