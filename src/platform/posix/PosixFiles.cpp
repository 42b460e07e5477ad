#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <utility>

#include "../Files.hpp"
#include "../ReadLoops.hpp"
#include "SignalCleanup.hpp"

namespace tavrik::files {

namespace {

constexpr int kOpenFlags = O_NONBLOCK | O_CLOEXEC | O_NOCTTY;

// A descriptor closed when it goes out of scope; close() reports the result
// of closing it, which a write must not ignore.
class Fd {
 public:
  Fd() = default;
  explicit Fd(int fd) : fd_(fd) {}
  Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Fd& operator=(Fd&& other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
  }
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  bool close() { return ::close(std::exchange(fd_, -1)) == 0; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_ = -1;
};

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Keeps an open file only when it is a regular file, switched to blocking
// reads and writes.
Fd keepRegular(Fd fd, struct stat* info) {
  struct stat own {};
  struct stat& st = info ? *info : own;
  if (!fd.valid()) return fd;
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
    errno = EINVAL;
    return Fd();
  }
  ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
  return fd;
}

// Opens a file for reading without blocking on a FIFO or a device, and
// keeps it only when it is a regular file.
Fd openRegular(const std::string& name, struct stat* info = nullptr) {
  return keepRegular(Fd(::open(name.c_str(), O_RDONLY | kOpenFlags)), info);
}

// Opens a regular file to write it (`flags`: the access, O_CREAT, O_APPEND).
// A symbolic link under the name is followed by the system, whose link
// protections apply, and then kept only when the link and its file both
// belong to the user; a link that points nowhere is never followed to
// create its file. `followed` says whether a link was.
Fd openForWriting(const std::string& name, int flags, struct stat* info, bool* followed = nullptr) {
  if (followed) *followed = false;
  Fd fd(::open(name.c_str(), flags | O_NOFOLLOW | kOpenFlags, 0644));
  if (fd.valid() || errno != ELOOP) return keepRegular(std::move(fd), info);
  struct stat link {};
  if (::lstat(name.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return Fd();
  if (link.st_uid != ::geteuid()) {
    errno = EACCES;
    return Fd();
  }
  fd = keepRegular(Fd(::open(name.c_str(), (flags & ~(O_CREAT | O_EXCL)) | kOpenFlags)), info);
  if (fd.valid() && (info == nullptr || info->st_uid != ::geteuid())) {
    errno = EACCES;
    return Fd();
  }
  if (followed) *followed = fd.valid();
  return fd;
}

std::ptrdiff_t readSome(int fd, void* buffer, std::size_t size) {
  for (;;) {
    const ssize_t n = ::read(fd, buffer, size);
    if (n >= 0 || errno != EINTR) return n;
  }
}

bool readAt(int fd, std::uint64_t offset, char* buffer, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::pread(fd, buffer, size, static_cast<off_t>(offset));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    buffer += n;
    size -= static_cast<std::size_t>(n);
    offset += static_cast<std::uint64_t>(n);
  }
  return true;
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

// When a process started, in clock ticks since the system did (field 22 of
// /proc/<pid>/stat); empty when unknown. With the pid it names one run.
std::string startTimeOf(const std::string& pid) {
  std::ifstream stat("/proc/" + pid + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  const auto close = text.rfind(')');
  if (close == std::string::npos) return {};
  std::istringstream fields(text.substr(close + 1));
  std::string field;
  for (int number = 3; number <= 22 && fields >> field; ++number) {
    if (number == 22) return field;
  }
  return {};
}

constexpr std::string_view kTemporaryPrefix = ".tavrik-";

// "<pid>-<start time>-", the part of a temporary's name that says which run
// made it.
const std::string& runTag() {
  static const std::string tag = [] {
    const std::string pid = std::to_string(::getpid());
    return pid + "-" + startTimeOf(pid) + "-";
  }();
  return tag;
}

// A name no one can guess, in `directory`, that says which run made it.
std::string temporaryName(const std::string& directory) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::array<unsigned char, 12> random{};
  while (::getrandom(random.data(), random.size(), 0) < 0 && errno == EINTR) {
  }
  std::string name = directory + "/" + std::string(kTemporaryPrefix) + runTag();
  for (const unsigned char r : random) name += kLetters[r % (sizeof kLetters - 1)];
  return name;
}

// Removes the user's temporaries of runs that are over (a program killed
// outright cannot remove its own): a run is over when no process has its
// pid, or one that started at another time.
void removeLeftTemporaries(const std::string& directory) {
  DIR* dir = ::opendir(directory.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (!name.starts_with(kTemporaryPrefix)) continue;
    const std::string_view tag = name.substr(kTemporaryPrefix.size());
    const auto dash = tag.find('-');
    const auto dash2 = dash == std::string_view::npos ? dash : tag.find('-', dash + 1);
    if (dash2 == std::string_view::npos || dash == 0) continue;
    const std::string pid(tag.substr(0, dash));
    if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
    if (startTimeOf(pid) == tag.substr(dash + 1, dash2 - dash - 1)) continue;  // still running
    const std::string path = directory + "/" + std::string(name);
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid()) {
      ::unlink(path.c_str());
    }
  }
  ::closedir(dir);
}

// The mode a newly created file gets: its temporary is private to the user
// only while it is written.
mode_t newFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool linkUnsupported(int error) {
  return error == EPERM || error == EOPNOTSUPP || error == ENOSYS || error == EXDEV || error == EINVAL ||
         error == EMLINK || error == ENOENT;
}

// A file to replace, opened and locked while its successor is written.
struct Target {
  std::string path;  // the file's own name (a link's file once it is followed)
  Fd fd;             // invalid when no file has the name yet
  struct stat info {};
};

// The file written in the end, where it replaces another or takes a name.
class PosixPendingFile final : public PendingFile {
 public:
  PosixPendingFile(Target target, Fd fd, std::string named, std::string directory)
      : target_(std::move(target)), fd_(std::move(fd)), named_(std::move(named)), directory_(std::move(directory)) {}
  ~PosixPendingFile() override { discard(); }

  bool write(const unsigned char* data, std::size_t size) override {
    if (!writeAll(fd_.get(), data, size)) return false;
    written_ += size;
    return true;
  }

  std::string path() const override {
    return named_.empty() ? "/proc/self/fd/" + std::to_string(fd_.get()) : named_;
  }

  void startWriteBack() override {
#ifdef __linux__
    ::sync_file_range(fd_.get(), static_cast<off_t>(writtenBack_), static_cast<off_t>(written_ - writtenBack_),
                      SYNC_FILE_RANGE_WRITE);
#endif
    writtenBack_ = written_;
  }

  bool replaceTarget() override {
    if (!fd_.valid() || target_.path.empty()) return false;
    if (target_.fd.valid()) {
      // Only root may give a file away; a group the user belongs to is fine.
      // The mode comes last, since a change of owner clears set-id bits.
      if (::fchown(fd_.get(), target_.info.st_uid, target_.info.st_gid) != 0) {
        [[maybe_unused]] const int ignored = ::fchown(fd_.get(), static_cast<uid_t>(-1), target_.info.st_gid);
      }
      ::fchmod(fd_.get(), target_.info.st_mode & 07777);
    } else {
      ::fchmod(fd_.get(), newFileMode());
    }
    if (::fsync(fd_.get()) != 0 || !becomeNamed() || !fd_.close()) return false;
    // The name must still be the file that was opened and locked (or still
    // no file's), or the one put there meanwhile would be lost.
    struct stat now {};
    const bool same = target_.fd.valid() ? ::lstat(target_.path.c_str(), &now) == 0 && sameFile(now, target_.info)
                                         : ::lstat(target_.path.c_str(), &now) != 0 && errno == ENOENT;
    if (!same || ::rename(named_.c_str(), target_.path.c_str()) != 0) return false;
    forgetName();
    syncDirectory(directoryOf(target_.path));
    return true;
  }

  Claim claimName(const std::string& name) override {
    if (!fd_.valid()) return Claim::Failed;
    if (!modeSet_) {
      modeSet_ = true;
      ::fchmod(fd_.get(), newFileMode());
    }
    if (::fsync(fd_.get()) != 0) return Claim::Failed;
    if (named_.empty()) {
      // A file with no name takes the name in one step, or not at all.
      if (linkAnonymous(name)) return claimed(name);
      if (errno == EEXIST) return Claim::Taken;
      if (!linkUnsupported(errno) || !becomeNamed()) return Claim::Failed;
    }
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, named_.c_str(), AT_FDCWD, name.c_str(), RENAME_NOREPLACE) == 0) {
      forgetName();
      return claimed(name);
    }
    if (errno == EEXIST) return Claim::Taken;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return Claim::Failed;
#endif
    // Neither hard links nor a rename that keeps an existing name (exFAT,
    // FAT, many FUSE file systems): an empty file takes the name first, and
    // the complete one is renamed over it.
    const Fd placeholder(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | kOpenFlags, 0600));
    if (!placeholder.valid()) return errno == EEXIST ? Claim::Taken : Claim::Failed;
    signalcleanup::add(name);
    if (::rename(named_.c_str(), name.c_str()) != 0) {
      ::unlink(name.c_str());
      signalcleanup::remove(name);
      return Claim::Failed;
    }
    signalcleanup::remove(name);
    forgetName();
    return claimed(name);
  }

 private:
  Claim claimed(const std::string& name) {
    syncDirectory(directoryOf(name));
    return fd_.valid() && !fd_.close() ? Claim::Failed : Claim::Claimed;
  }

  bool linkAnonymous(const std::string& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd_.get());
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
  }

  // Gives a file with no name a hidden one: by a link where the file system
  // has them, else by a copy into a new named file.
  bool becomeNamed() {
    if (!named_.empty()) return true;
    std::string name = temporaryName(directory_);
    signalcleanup::add(name);
    if (linkAnonymous(name)) {
      named_ = std::move(name);
      return true;
    }
    if (!linkUnsupported(errno)) {
      signalcleanup::remove(name);
      return false;
    }
    Fd copy(::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!copy.valid()) {
      signalcleanup::remove(name);
      return false;
    }
    named_ = std::move(name);
    struct stat info {};
    std::array<char, 64 * 1024> buffer;
    bool ok = ::fstat(fd_.get(), &info) == 0 && ::fchmod(copy.get(), info.st_mode & 07777) == 0;
    for (std::uint64_t at = 0; ok && at < static_cast<std::uint64_t>(info.st_size); at += buffer.size()) {
      const auto size = static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), info.st_size - at));
      ok = readAt(fd_.get(), at, buffer.data(), size) && writeAll(copy.get(), buffer.data(), size);
    }
    ok = ok && ::fsync(copy.get()) == 0;
    fd_ = std::move(copy);
    return ok;
  }

  void forgetName() {
    signalcleanup::remove(named_);
    named_.clear();
  }

  void discard() {
    if (!named_.empty()) {
      ::unlink(named_.c_str());
      forgetName();
    }
  }

  Target target_;
  Fd fd_;
  std::string named_;  // empty while the file has no name, or once it is in place
  std::string directory_;
  std::uint64_t written_ = 0;
  std::uint64_t writtenBack_ = 0;
  bool modeSet_ = false;
};

std::unique_ptr<PosixPendingFile> createPending(const std::string& directory, Target target) {
  removeLeftTemporaries(directory);
#ifdef O_TMPFILE
  Fd anonymous(::open(directory.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
  if (anonymous.valid()) return std::make_unique<PosixPendingFile>(std::move(target), std::move(anonymous), "", directory);
#endif
  // A file system without anonymous files: a hidden name no one can guess,
  // removed if a signal ends the program before the file is complete.
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = temporaryName(directory);
    signalcleanup::add(name);
    Fd fd(::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (fd.valid()) return std::make_unique<PosixPendingFile>(std::move(target), std::move(fd), std::move(name), directory);
    signalcleanup::remove(name);
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

// Opens the file to replace, by the rules of this file, and locks it.
PendingFile::Opened openTarget(const std::string& name, Target& target) {
  if (name.empty()) return PendingFile::Opened::Refused;
  bool followed = false;
  target.fd = openForWriting(name, O_RDONLY, &target.info, &followed);
  if (!target.fd.valid()) {
    struct stat info {};
    // Only a name no file (and no link) has yet is free to take.
    if (errno != ENOENT || ::lstat(name.c_str(), &info) == 0) return PendingFile::Opened::Refused;
    target.path = name;
    return PendingFile::Opened::Ready;
  }
  if (::faccessat(AT_FDCWD, name.c_str(), W_OK, AT_EACCESS) != 0) return PendingFile::Opened::Refused;
  if (::flock(target.fd.get(), LOCK_EX | LOCK_NB) != 0) {
    return errno == EWOULDBLOCK ? PendingFile::Opened::InUse : PendingFile::Opened::Refused;
  }
  target.path = name;
  if (followed) {
    // Only now that the system has opened the file is its own name looked
    // up, to rename the new file onto.
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(name.c_str(), nullptr), &std::free);
    if (!real) return PendingFile::Opened::Refused;
    target.path = real.get();
  }
  // Another run may have put a new file in place between the open and the
  // lock: this one would then be replaced by a copy of the old one.
  struct stat now {};
  if (::lstat(target.path.c_str(), &now) != 0 || !sameFile(now, target.info)) {
    return followed ? PendingFile::Opened::Refused : PendingFile::Opened::InUse;
  }
  return PendingFile::Opened::Ready;
}

}  // namespace

std::optional<std::string> readSmallFile(const std::string& name, std::size_t maxBytes) {
  struct stat info {};
  const Fd fd = openRegular(name, &info);
  if (!fd.valid() || static_cast<std::uint64_t>(info.st_size) > maxBytes) return std::nullopt;
  // Read to the end, not to that size: the file may have grown meanwhile.
  const int handle = fd.get();
  return reading::toEnd([handle](char* buffer, std::size_t size) { return readSome(handle, buffer, size); },
                        static_cast<std::size_t>(info.st_size), maxBytes);
}

bool forEachLinePiece(const std::string& name, const std::function<void(std::string_view, bool)>& piece) {
  const Fd fd = openRegular(name);
  if (!fd.valid()) return false;
  ::posix_fadvise(fd.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
  const int handle = fd.get();
  return reading::eachLinePiece([handle](char* buffer, std::size_t size) { return readSome(handle, buffer, size); },
                                piece);
}

bool forEachLastLine(const std::string& name, std::size_t count, std::size_t maxLineBytes,
                     const std::function<void(std::string_view)>& line) {
  struct stat info {};
  const Fd fd = openRegular(name, &info);
  if (!fd.valid()) return false;
  const int handle = fd.get();
  return reading::lastLines(
      static_cast<std::uint64_t>(info.st_size),
      [handle](std::uint64_t offset, char* buffer, std::size_t size) { return readAt(handle, offset, buffer, size); },
      count, maxLineBytes, line);
}

bool appendLine(const std::string& name, std::string_view line) {
  struct stat info {};
  Fd fd = openForWriting(name, O_RDWR | O_CREAT | O_APPEND, &info);
  if (!fd.valid()) return false;
  std::string entry;
  if (info.st_size > 0) {
    // A file whose last line has no line end (edited by hand, say) would
    // glue this entry onto it.
    char last = '\n';
    if (::pread(fd.get(), &last, 1, info.st_size - 1) == 1 && last != '\n') entry += '\n';
  }
  entry.append(line);
  entry += '\n';
  // One write per entry, so that a line is never split by another writer;
  // one cut short (a full disk) is taken back, unless another came after.
  if (!writeAll(fd.get(), entry.data(), entry.size())) {
    struct stat now {};
    if (::fstat(fd.get(), &now) == 0 && now.st_size > info.st_size &&
        static_cast<std::uint64_t>(now.st_size - info.st_size) < entry.size()) {
      [[maybe_unused]] const int ignored = ::ftruncate(fd.get(), info.st_size);
    }
    return false;
  }
  return fd.close();
}

bool makeEmpty(const std::string& name) {
  struct stat info {};
  Fd fd = openForWriting(name, O_WRONLY, &info);
  if (fd.valid() && info.st_size > 0 && ::ftruncate(fd.get(), 0) != 0) return false;
  if (fd.valid() && !fd.close()) return false;
  if (::stat(name.c_str(), &info) != 0) return errno == ENOENT || errno == ENOTDIR;
  return S_ISREG(info.st_mode) && info.st_size == 0;
}

bool replaceWhole(const std::string& name, std::string_view content) {
  std::unique_ptr<PendingFile> file;
  return PendingFile::createFor(name, file) == PendingFile::Opened::Ready &&
         file->write(reinterpret_cast<const unsigned char*>(content.data()), content.size()) &&
         file->replaceTarget();
}

InputFile InputFile::open(const std::string& name) {
  Fd fd = openRegular(name);
  if (fd.valid()) {
    ::posix_fadvise(fd.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    return InputFile(Status::Open, fd.release());
  }
  // Missing only when no file and no link has the name; a file the user may
  // not reach is there all the same.
  const int error = errno;
  struct stat info {};
  const bool missing = (error == ENOENT || error == ENOTDIR) && ::lstat(name.c_str(), &info) != 0;
  return InputFile(missing ? Status::Missing : Status::Unreadable, -1);
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

std::uint64_t InputFile::size() const {
  struct stat status {};
  if (handle_ < 0 || ::fstat(static_cast<int>(handle_), &status) != 0 || status.st_size < 0) return 0;
  return static_cast<std::uint64_t>(status.st_size);
}

PendingFile::Opened PendingFile::createFor(const std::string& target, std::unique_ptr<PendingFile>& file) {
  Target opened;
  const Opened result = openTarget(target, opened);
  if (result != Opened::Ready) return result;
  const std::string directory = directoryOf(opened.path);
  file = createPending(directory, std::move(opened));
  return file ? Opened::Ready : Opened::Refused;
}

std::unique_ptr<PendingFile> PendingFile::createIn(const std::string& directory) {
  return createPending(directory, {});
}

}  // namespace tavrik::files
