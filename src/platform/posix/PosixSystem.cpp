#include "PosixSystem.hpp"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/random.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <thread>
#include <vector>

#include "PosixTerminal.hpp"

namespace tavrik {

namespace {

constexpr int kProbeTimeoutMillis = 3000;

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
// so no zombie is left). True when the program itself was started: a pipe
// that closes on exec carries back a failure to start it.
bool spawnDetached(const std::vector<std::string>& argv) {
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return false;
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(report[0]);
    ::close(report[1]);
    return false;
  }
  if (child == 0) {
    ::close(report[0]);
    const pid_t grandchild = ::fork();
    if (grandchild != 0) ::_exit(grandchild < 0 ? 1 : 0);
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
    const char failed = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(report[1], &failed, 1);
    ::_exit(127);
  }
  ::close(report[1]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  // End of file: the program replaced the child that would have reported.
  char failed = 0;
  ssize_t n = 0;
  while ((n = ::read(report[0], &failed, 1)) < 0 && errno == EINTR) {
  }
  ::close(report[0]);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 && n == 0;
}

// True when the program's file is still the one running: not removed, not
// replaced by another file, still executable.
bool isStillOnDisk(const std::string& self) {
  static constexpr std::string_view kRemoved = " (deleted)";
  if (self.empty() || self.ends_with(kRemoved) || ::access(self.c_str(), X_OK) != 0) return false;
  struct stat running {};
  struct stat onDisk {};
  return ::stat("/proc/self/exe", &running) == 0 && ::stat(self.c_str(), &onDisk) == 0 &&
         running.st_dev == onDisk.st_dev && running.st_ino == onDisk.st_ino;
}

}  // namespace

bool PosixSystem::isReachable(std::string_view host) { return connectsWithin(host, "443", kProbeTimeoutMillis); }

bool connectsWithin(std::string_view host, std::string_view port, int timeoutMillis) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (::getaddrinfo(std::string(host).c_str(), std::string(port).c_str(), &hints, &found) != 0) return false;
  bool reachable = false;
  for (addrinfo* a = found; a != nullptr && !reachable; a = a->ai_next) {
    const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
    if (fd < 0) continue;
    if (::connect(fd, a->ai_addr, a->ai_addrlen) == 0) {
      reachable = true;
    } else if (errno == EINPROGRESS) {
      pollfd p{fd, POLLOUT, 0};
      if (::poll(&p, 1, timeoutMillis) == 1) {
        int error = 0;
        socklen_t length = sizeof error;
        reachable = ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
      }
    }
    ::close(fd);
  }
  ::freeaddrinfo(found);
  return reachable;
}

void PosixSystem::openPage(std::string_view address) {
#ifdef __APPLE__
  spawnDetached({"open", std::string(address)});
#else
  spawnDetached({"xdg-open", std::string(address)});
#endif
}

bool PosixSystem::startNewInstance() {
  const std::string self = executablePath();
  if (!isStillOnDisk(self)) return false;
  const bool graphical = std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
  if (graphical && isOnPath("x-terminal-emulator")) return spawnDetached({"x-terminal-emulator", "-e", self});
  // At a terminal the new instance takes this one's place; without one
  // there is nowhere to show it.
  if (::isatty(STDIN_FILENO) != 1 || ::isatty(STDOUT_FILENO) != 1) return false;
  std::cout.flush();
  terminal_.restore();
  char* const argv[] = {const_cast<char*>(self.c_str()), nullptr};
  ::execv(self.c_str(), argv);
  terminal_.retake();
  return false;  // this instance goes on
}

std::int64_t PosixSystem::nowSeconds() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

void PosixSystem::sleepMillis(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void PosixSystem::secureRandom(std::span<std::uint32_t> out) {
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

std::string PosixSystem::dataDirectory() {
  // Found only from the program's own location: installed, <prefix>/bin
  // beside <prefix>/share/tavrik-terminal; in a build tree inside the source
  // tree, <source>/build beside <source>/data.
  const std::string self = executablePath();
  if (self.empty()) return {};
  const std::filesystem::path above = std::filesystem::path(self).parent_path().parent_path();
  std::error_code error;
  for (const std::filesystem::path& candidate : {above / TAVRIK_DATA_RELDIR, above / "data"}) {
    if (std::filesystem::is_directory(candidate, error)) return candidate.string();
  }
  return {};
}

std::string executablePath() {
  std::vector<char> buffer(4096);
  const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return {};
  return std::string(buffer.data(), static_cast<std::size_t>(n));
}

}  // namespace tavrik
