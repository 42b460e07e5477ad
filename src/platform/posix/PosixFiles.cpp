#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "platform/Files.hpp"
#include "platform/ReadLoops.hpp"
#include "platform/posix/SignalCleanup.hpp"

namespace tavrik::files {

namespace {

// Opens a file for reading without blocking on a FIFO or a device, and
// keeps it only when it is a regular file.
int openRegular(const std::string& name) {
  const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    errno = EINVAL;
    return -1;
  }
  ::fcntl(fd, F_SETFL, 0);  // blocking reads from here on
  return fd;
}

std::ptrdiff_t readSome(int fd, void* buffer, std::size_t size) {
  for (;;) {
    const ssize_t n = ::read(fd, buffer, size);
    if (n >= 0 || errno != EINTR) return n;
  }
}

bool writeAll(int fd, const void* data, std::size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  while (size > 0) {
    const ssize_t n = ::write(fd, bytes, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

std::string directoryOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// Makes a new name in `directory` durable. A failure here changes nothing
// the user can act on: the file is already complete under its name.
void syncDirectory(const std::string& directory) {
  const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// A name no one can guess, in `directory`.
std::string unpredictableName(const std::string& directory, std::string_view stem) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::array<unsigned char, 12> random{};
  while (::getrandom(random.data(), random.size(), 0) < 0 && errno == EINTR) {
  }
  std::string name = directory + "/." + std::string(stem);
  for (const unsigned char r : random) name += kLetters[r % (sizeof kLetters - 1)];
  return name;
}

// The mode a newly created file gets: its temporary is private to the user
// only while it is written.
mode_t newFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// The file written in the end, where it replaces another.
class PosixPendingFile final : public PendingFile {
 public:
  PosixPendingFile(std::string target, int fd, std::string named)
      : target_(std::move(target)), fd_(fd), named_(std::move(named)) {}
  ~PosixPendingFile() override { discard(); }

  bool write(const unsigned char* data, std::size_t size) override {
    if (!writeAll(fd_, data, size)) return false;
    written_ += size;
    return true;
  }

  std::string path() const override {
    return named_.empty() ? "/proc/self/fd/" + std::to_string(fd_) : named_;
  }

  void startWriteBack() override {
#ifdef __linux__
    ::sync_file_range(fd_, static_cast<off_t>(writtenBack_), static_cast<off_t>(written_ - writtenBack_),
                      SYNC_FILE_RANGE_WRITE);
#endif
    writtenBack_ = written_;
  }

  bool replaceTarget() override {
    struct stat existing {};
    if (::stat(target_.c_str(), &existing) == 0) {
      // Only root may give a file away; a group the user belongs to is fine.
      // The mode comes last, since a change of owner clears set-id bits.
      if (::fchown(fd_, existing.st_uid, existing.st_gid) != 0) {
        [[maybe_unused]] const int ignored = ::fchown(fd_, static_cast<uid_t>(-1), existing.st_gid);
      }
      ::fchmod(fd_, existing.st_mode & 07777);
    } else {
      ::fchmod(fd_, newFileMode());
    }
    if (::fsync(fd_) != 0) return false;
    // An anonymous file gets a name only now, just before it replaces the
    // target, so that nothing can be left behind while it is written.
    if (named_.empty()) {
      const std::string name = unpredictableName(directoryOf(target_), "tavrik-");
      if (!linkAnonymous(name)) return false;
      named_ = name;
      signalcleanup::add(named_);
    }
    if (::rename(named_.c_str(), target_.c_str()) != 0) return false;
    signalcleanup::remove(named_);
    named_.clear();
    ::close(fd_);
    fd_ = -1;
    syncDirectory(directoryOf(target_));
    return true;
  }

  Claim claimName(const std::string& name) override {
    if (!modeSet_) {
      modeSet_ = true;
      ::fchmod(fd_, newFileMode());
    }
    if (::fsync(fd_) != 0) return Claim::Failed;
    const int result = named_.empty() ? (linkAnonymous(name) ? 0 : -1)
                                      : ::link(named_.c_str(), name.c_str());
    if (result != 0) return errno == EEXIST ? Claim::Taken : Claim::Failed;
    syncDirectory(directoryOf(name));
    return Claim::Claimed;
  }

 private:
  bool linkAnonymous(const std::string& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
  }

  void discard() {
    if (fd_ >= 0) ::close(fd_);
    if (!named_.empty()) {
      ::unlink(named_.c_str());
      signalcleanup::remove(named_);
    }
  }

  std::string target_;
  int fd_;
  std::string named_;  // empty while the file has no name
  std::uint64_t written_ = 0;
  std::uint64_t writtenBack_ = 0;
  bool modeSet_ = false;
};

}  // namespace

std::optional<std::string> readSmallFile(const std::string& name, std::size_t maxBytes) {
  const int fd = openRegular(name);
  if (fd < 0) return std::nullopt;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || static_cast<std::uint64_t>(info.st_size) > maxBytes) {
    ::close(fd);
    return std::nullopt;
  }
  // Read to the end, not to that size: the file may have grown meanwhile.
  auto content = reading::toEnd([fd](char* buffer, std::size_t size) { return readSome(fd, buffer, size); },
                                static_cast<std::size_t>(info.st_size), maxBytes);
  ::close(fd);
  return content;
}

bool forEachLine(const std::string& name, const std::function<void(std::string_view)>& line) {
  const int fd = openRegular(name);
  if (fd < 0) return false;
  const bool ok =
      reading::eachLine([fd](char* buffer, std::size_t size) { return readSome(fd, buffer, size); }, line);
  ::close(fd);
  return ok;
}

bool appendLine(const std::string& name, std::string_view line) {
  const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_APPEND | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0644);
  if (fd < 0) return false;
  struct stat info {};
  bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  std::string entry;
  if (ok && info.st_size > 0) {
    // A file whose last line has no line end (edited by hand, say) would
    // glue this entry onto it.
    char last = '\n';
    if (::pread(fd, &last, 1, info.st_size - 1) == 1 && last != '\n') entry += '\n';
  }
  entry.append(line);
  entry += '\n';
  // One write per entry, so that a line is never split by another writer.
  ok = ok && writeAll(fd, entry.data(), entry.size());
  ::close(fd);
  return ok;
}

bool truncate(const std::string& name) {
  const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0644);
  if (fd < 0) return false;
  struct stat info {};
  const bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::ftruncate(fd, 0) == 0;
  ::close(fd);
  return ok;
}

bool replaceWhole(const std::string& name, std::string_view content) {
  const auto file = PendingFile::createFor(name);
  return file && file->write(reinterpret_cast<const unsigned char*>(content.data()), content.size()) &&
         file->replaceTarget();
}

bool isReplaceable(const std::string& name) {
  struct stat info {};
  if (::stat(name.c_str(), &info) != 0) return errno == ENOENT;
  return S_ISREG(info.st_mode) && ::access(name.c_str(), W_OK) == 0;
}

InputFile InputFile::open(const std::string& name) {
  const int fd = openRegular(name);
  if (fd >= 0) {
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return InputFile(Status::Open, fd);
  }
  struct stat info {};
  const bool exists = ::lstat(name.c_str(), &info) == 0;
  return InputFile(exists ? Status::Unreadable : Status::Missing, -1);
}

InputFile::InputFile(InputFile&& other) noexcept : status_(other.status_), handle_(other.handle_) {
  other.handle_ = -1;
}

InputFile& InputFile::operator=(InputFile&& other) noexcept {
  std::swap(status_, other.status_);
  std::swap(handle_, other.handle_);
  return *this;
}

InputFile::~InputFile() {
  if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

std::ptrdiff_t InputFile::read(unsigned char* buffer, std::size_t size) {
  return readSome(static_cast<int>(handle_), buffer, size);
}

namespace {

std::unique_ptr<PendingFile> createPending(const std::string& directory, const std::string& target) {
#ifdef O_TMPFILE
  const int anonymous = ::open(directory.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (anonymous >= 0) return std::make_unique<PosixPendingFile>(target, anonymous, "");
#endif
  // A file system without anonymous files: a hidden name no one can guess,
  // removed if a signal ends the program before the file is complete.
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = unpredictableName(directory, "tavrik-");
    signalcleanup::add(name);
    const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd >= 0) return std::make_unique<PosixPendingFile>(target, fd, std::move(name));
    signalcleanup::remove(name);
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<PendingFile> PendingFile::createFor(const std::string& target) {
  // A link is written through to the file it points to, so that it stays a
  // link; one that points nowhere is left as it is.
  std::string resolved = target;
  struct stat info {};
  if (::lstat(target.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(target.c_str(), nullptr), &std::free);
    if (!real) return nullptr;
    resolved = real.get();
  }
  return createPending(directoryOf(resolved), resolved);
}

std::unique_ptr<PendingFile> PendingFile::createIn(const std::string& directory) {
  return createPending(directory, {});
}

}  // namespace tavrik::files
