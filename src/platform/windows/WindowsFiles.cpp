// windows.h comes before the headers that build on it.
#include <windows.h>
// Permissions, and the random source.
#include <aclapi.h>
#include <bcrypt.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "../Files.hpp"
#include "../ReadLoops.hpp"
#include "Utf16.hpp"

namespace tavrik::files {

namespace {

// Every file is opened so that others may go on reading, writing, renaming
// or deleting it: the program never locks the user out of a file.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// The most one ReadFile or WriteFile call is asked to move.
constexpr DWORD kMaxTransfer = DWORD{1} << 30;
// The byte appenders take turns on: far beyond any end of file, and below
// 2^63, so that it stays a valid offset everywhere.
constexpr DWORD kAppendTurnOffset = 0xFFFFFFF0;
constexpr DWORD kAppendTurnOffsetHigh = 0x7FFFFFFF;
// The byte a file's replacer holds, beside the appenders'.
constexpr DWORD kInUseOffset = 0xFFFFFFE0;
// What a replaced file passes on to its successor besides its permissions.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// A handle closed when it goes out of scope.
class Handle {
 public:
  Handle() = default;
  explicit Handle(HANDLE handle) : handle_(handle) {}
  Handle(Handle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
  Handle& operator=(Handle&& other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() { reset(); }

  bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE get() const { return handle_; }
  HANDLE release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }
  // Closes the handle and says whether that went well, as a write must know.
  bool close() { return ::CloseHandle(release()) != 0; }
  // Closes the handle, keeping the error of the call that came before.
  void reset() {
    if (!valid()) return;
    const DWORD error = ::GetLastError();
    ::CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    ::SetLastError(error);
  }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// The UTF-16 name of a file; empty when the name cannot be one (it holds a
// NUL, which would cut it short and name another file).
std::wstring wideName(const std::string& name) {
  if (name.find('\0') != std::string::npos) return {};
  return utf16::widen(name);
}

// A file on a disk, not a directory, a device (NUL, CON, COM1) or a pipe.
// Asking does not block, whatever the handle is.
bool isRegular(HANDLE file) {
  if (::GetFileType(file) != FILE_TYPE_DISK) return false;
  BY_HANDLE_FILE_INFORMATION info{};
  return ::GetFileInformationByHandle(file, &info) != 0 &&
         (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool isReadOnly(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION info{};
  return ::GetFileInformationByHandle(file, &info) != 0 &&
         (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
}

// Opens a file and keeps it only when it is a regular file; the last error
// says why not otherwise (ERROR_BAD_FILE_TYPE for anything but a file).
// Links are followed to the file they point to.
Handle openRegular(const std::string& name, DWORD access, DWORD disposition, DWORD flags = 0) {
  const std::wstring wide = wideName(name);
  if (wide.empty()) {
    ::SetLastError(name.empty() ? ERROR_PATH_NOT_FOUND : ERROR_INVALID_NAME);
    return {};
  }
  // A directory cannot be opened without FILE_FLAG_BACKUP_SEMANTICS, so it
  // fails here already; a device or a pipe opens, and is refused below
  // before anything is read from it.
  Handle file(::CreateFileW(wide.c_str(), access, kShareAll, nullptr, disposition,
                            FILE_ATTRIBUTE_NORMAL | flags, nullptr));
  if (!file.valid()) return file;
  if (!isRegular(file.get())) {
    file.reset();
    ::SetLastError(ERROR_BAD_FILE_TYPE);
    return file;
  }
  // Windows refuses to write a read-only file; asked here too, so that
  // the answer does not hang on the file system (or on who runs Wine).
  if ((access & (GENERIC_WRITE | FILE_WRITE_DATA | FILE_APPEND_DATA)) != 0 &&
      isReadOnly(file.get())) {
    file.reset();
    ::SetLastError(ERROR_ACCESS_DENIED);
  }
  return file;
}

// The user running the program: the owner of the files it makes.
bool isUsersSid(PSID sid) {
  HANDLE token = nullptr;
  if (::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token) == 0) return false;
  const Handle tokenHandle(token);
  bool mine = false;
  for (const auto kind : {TokenUser, TokenOwner}) {
    DWORD size = 0;
    ::GetTokenInformation(token, kind, nullptr, 0, &size);
    std::vector<unsigned char> buffer(size);
    if (size == 0 || ::GetTokenInformation(token, kind, buffer.data(), size, &size) == 0) continue;
    const PSID own = kind == TokenUser ? reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid
                                       : reinterpret_cast<TOKEN_OWNER*>(buffer.data())->Owner;
    mine = mine || ::EqualSid(own, sid) != 0;
  }
  return mine;
}

// Whether the user running the program owns the file, or the link itself
// when `link` is true.
bool ownedByUser(const std::wstring& name, bool link) {
  const Handle file(::CreateFileW(name.c_str(), READ_CONTROL | FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS | (link ? FILE_FLAG_OPEN_REPARSE_POINT : 0), nullptr));
  if (!file.valid()) return false;
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (::GetSecurityInfo(file.get(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr, nullptr,
                        &descriptor) != ERROR_SUCCESS) {
    return false;
  }
  const bool mine = owner != nullptr && isUsersSid(owner);
  ::LocalFree(descriptor);
  return mine;
}

// The volume and index of an open file: the same pair, the same file.
bool sameFile(HANDLE a, HANDLE b) {
  BY_HANDLE_FILE_INFORMATION one{}, two{};
  return ::GetFileInformationByHandle(a, &one) != 0 && ::GetFileInformationByHandle(b, &two) != 0 &&
         one.dwVolumeSerialNumber == two.dwVolumeSerialNumber && one.nFileIndexHigh == two.nFileIndexHigh &&
         one.nFileIndexLow == two.nFileIndexLow;
}

// Opens a file to write it. A name that is a link (a reparse point) is
// followed only to an existing regular file, and only when the link and
// the file both belong to the user; `followed` says whether one was.
Handle openForWriting(const std::string& name, DWORD access, DWORD disposition, bool* followed = nullptr) {
  if (followed) *followed = false;
  const std::wstring wide = wideName(name);
  if (wide.empty()) {
    ::SetLastError(name.empty() ? ERROR_PATH_NOT_FOUND : ERROR_INVALID_NAME);
    return {};
  }
  const DWORD attributes = ::GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
    Handle file = openRegular(name, access, disposition, FILE_FLAG_OPEN_REPARSE_POINT);
    FILE_ATTRIBUTE_TAG_INFO tag{};
    // A link put there since the look above is not followed, nor written.
    if (file.valid() && (::GetFileInformationByHandleEx(file.get(), FileAttributeTagInfo, &tag, sizeof tag) == 0 ||
                         (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)) {
      file.reset();
      ::SetLastError(ERROR_ACCESS_DENIED);
    }
    return file;
  }
  if (!ownedByUser(wide, true)) {
    ::SetLastError(ERROR_ACCESS_DENIED);
    return {};
  }
  Handle file = openRegular(name, access, OPEN_EXISTING);
  if (file.valid() && !ownedByUser(wide, false)) {
    file.reset();
    ::SetLastError(ERROR_ACCESS_DENIED);
  }
  if (followed) *followed = file.valid();
  return file;
}

bool isMissingError(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
         error == ERROR_INVALID_NAME || error == ERROR_BAD_PATHNAME;
}

std::ptrdiff_t readSome(HANDLE file, void* buffer, std::size_t size) {
  const DWORD ask = size > kMaxTransfer ? kMaxTransfer : static_cast<DWORD>(size);
  DWORD got = 0;
  if (::ReadFile(file, buffer, ask, &got, nullptr) == 0) {
    return ::GetLastError() == ERROR_HANDLE_EOF ? 0 : -1;
  }
  return static_cast<std::ptrdiff_t>(got);
}

bool readAt(HANDLE file, std::uint64_t offset, char* buffer, std::size_t size) {
  while (size > 0) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    const DWORD ask = size > kMaxTransfer ? kMaxTransfer : static_cast<DWORD>(size);
    DWORD got = 0;
    if (::ReadFile(file, buffer, ask, &got, &at) == 0 || got == 0) return false;
    buffer += got;
    size -= got;
    offset += got;
  }
  return true;
}

bool writeAll(HANDLE file, const void* data, std::size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  while (size > 0) {
    const DWORD ask = size > kMaxTransfer ? kMaxTransfer : static_cast<DWORD>(size);
    DWORD wrote = 0;
    if (::WriteFile(file, bytes, ask, &wrote, nullptr) == 0 || wrote == 0) return false;
    bytes += wrote;
    size -= wrote;
  }
  return true;
}

bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// The directory of a path whose separators may be '\' or '/'; it keeps
// a drive's root ("C:\") and a drive's current directory ("C:").
std::wstring directoryOf(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/");
  const bool drive = path.size() >= 2 && path[1] == L':';
  if (slash == std::wstring::npos) return drive ? path.substr(0, 2) : L".";
  if (slash == 0 || (drive && slash == 2)) return path.substr(0, slash + 1);
  return path.substr(0, slash);
}

std::wstring joinName(const std::wstring& directory, const std::wstring& name) {
  if (directory.empty() || isSeparator(directory.back()) ||
      (directory.size() == 2 && directory[1] == L':')) {
    return directory + name;
  }
  // A backslash, the one separator a "\\?\" path accepts.
  return directory + L'\\' + name;
}

// The name a path ends with, after its directory.
std::wstring leafOf(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/");
  if (slash != std::wstring::npos) return path.substr(slash + 1);
  return path.size() >= 2 && path[1] == L':' ? path.substr(2) : path;
}

// A name no one can guess, in `directory`; empty when the system has no
// randomness to give.
std::wstring unpredictableName(const std::wstring& directory) {
  static constexpr wchar_t kLetters[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
  std::array<unsigned char, 12> random{};
  if (!BCRYPT_SUCCESS(::BCryptGenRandom(nullptr, random.data(), static_cast<ULONG>(random.size()),
                                        BCRYPT_USE_SYSTEM_PREFERRED_RNG))) {
    return {};
  }
  std::wstring name = L".tavrik-";
  for (const unsigned char r : random)
    name += kLetters[r % (sizeof kLetters / sizeof kLetters[0] - 1)];
  return joinName(directory, name);
}

// Marks an open file for deletion when its last handle is closed, which the
// system does also for a process that is killed; or takes the mark away.
bool markForDeletion(HANDLE file, bool deleted) {
  FILE_DISPOSITION_INFO info{static_cast<BOOLEAN>(deleted ? TRUE : FALSE)};
  return ::SetFileInformationByHandle(file, FileDispositionInfo, &info, sizeof info) != 0;
}

// FileRenameInfoEx, which the headers name only for later targets than the
// program's.
constexpr auto kFileRenameInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22);

// Renames an open file, within its directory, over the file named `leaf`
// with POSIX semantics: the name passes to it even while the old file is
// open (by the cipher reading its own output, say), whose holders go on
// reading the old content. Windows 10 1809 and later, on NTFS; elsewhere
// an error.
bool renameOverOpen(HANDLE file, const std::wstring& leaf) {
  const std::size_t nameOffset = offsetof(FILE_RENAME_INFO, FileName);
  const std::size_t nameBytes = leaf.size() * sizeof(wchar_t);
  std::vector<unsigned char> buffer(nameOffset + nameBytes + sizeof(wchar_t), 0);
  // The flags take the place of ReplaceIfExists, at the start.
  const DWORD flags = FILE_RENAME_FLAG_REPLACE_IF_EXISTS | FILE_RENAME_FLAG_POSIX_SEMANTICS;
  std::memcpy(buffer.data(), &flags, sizeof flags);
  const HANDLE noRoot = nullptr;
  std::memcpy(buffer.data() + offsetof(FILE_RENAME_INFO, RootDirectory), &noRoot, sizeof noRoot);
  const auto length = static_cast<DWORD>(nameBytes);
  std::memcpy(buffer.data() + offsetof(FILE_RENAME_INFO, FileNameLength), &length, sizeof length);
  std::memcpy(buffer.data() + nameOffset, leaf.data(), nameBytes);
  return ::SetFileInformationByHandle(file, kFileRenameInfoEx, buffer.data(),
                                      static_cast<DWORD>(buffer.size())) != 0;
}

// The full name of an open file, following links: "\\?\C:\...", or
// "\\?\UNC\server\share\..."; empty when unknown.
std::wstring finalName(HANDLE file) {
  std::wstring name(MAX_PATH, L'\0');
  for (int attempt = 0; attempt < 4; ++attempt) {
    const DWORD length = ::GetFinalPathNameByHandleW(
        file, name.data(), static_cast<DWORD>(name.size()), FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) return {};
    if (length < name.size()) {
      name.resize(length);
      return name;
    }
    name.resize(length);
  }
  return {};
}

// A file whose permissions were set by hand, and so no longer follow its
// directory's, passes them on to the file that replaces it; otherwise the
// new file, made in the same directory, already has the same ones.
void keepPermissions(const std::wstring& from, const std::wstring& to) {
  PACL permissions = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (::GetNamedSecurityInfoW(from.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, &permissions, nullptr, &descriptor) != ERROR_SUCCESS) {
    return;
  }
  SECURITY_DESCRIPTOR_CONTROL control = 0;
  DWORD revision = 0;
  if (::GetSecurityDescriptorControl(descriptor, &control, &revision) != 0 &&
      (control & SE_DACL_PROTECTED) != 0 && permissions != nullptr) {
    ::SetNamedSecurityInfoW(const_cast<wchar_t*>(to.c_str()), SE_FILE_OBJECT,
                            DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                            nullptr, nullptr, permissions, nullptr);
  }
  ::LocalFree(descriptor);
}

// The file written in the end. While it is written it carries a mark that
// has the system delete it when it is closed, so that it goes away even
// when the program is killed; the mark comes off just before the file is
// renamed into place.
class WindowsPendingFile final : public PendingFile {
 public:
  WindowsPendingFile(std::wstring target, Handle locked, std::wstring name, Handle file, bool marked)
      : target_(std::move(target)),
        locked_(std::move(locked)),
        name_(std::move(name)),
        file_(std::move(file)),
        marked_(marked) {}
  ~WindowsPendingFile() override { discard(); }

  bool write(const unsigned char* data, std::size_t size) override {
    if (!file_.valid() || !writeAll(file_.get(), data, size)) return false;
    flushed_ = false;
    return true;
  }

  // Another writer (a library that opens the file by name, with the C
  // library's sharing rules) can open the file only when it carries no
  // deletion mark and no handle of this program holds the right to delete
  // it. So from here until the file takes its name it is an ordinary file,
  // which a killed program leaves behind: the price of being written by
  // name. Any other end still removes it.
  std::string path() const override {
    if (hasDelete_ && file_.valid() && (!marked_ || markForDeletion(file_.get(), false))) {
      marked_ = false;
      Handle plain(::CreateFileW(name_.c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
      if (plain.valid()) {
        file_ = std::move(plain);
        hasDelete_ = false;
      } else {
        marked_ = markForDeletion(file_.get(), true);
      }
    }
    flushed_ = false;
    return utf16::narrow(name_);
  }

  // The system writes back on its own; there is no call to start it early
  // for a range of a file.
  void startWriteBack() override {}

  bool replaceTarget() override {
    if (target_.empty() || !readyToRename()) return false;
    const DWORD existing = ::GetFileAttributesW(target_.c_str());
    if (existing != INVALID_FILE_ATTRIBUTES) {
      // Renaming fails on these anyway; saying so here keeps the marks.
      if ((existing & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) return false;
      FILE_BASIC_INFO basic{};  // times of 0 stay as they are
      basic.FileAttributes =
          (existing & kKeptAttributes) != 0 ? existing & kKeptAttributes : FILE_ATTRIBUTE_NORMAL;
      ::SetFileInformationByHandle(file_.get(), FileBasicInfo, &basic, sizeof basic);
    }
    if (!unmark()) return false;
    if (existing != INVALID_FILE_ATTRIBUTES) keepPermissions(target_, name_);
    if (!putInPlace(existing != INVALID_FILE_ATTRIBUTES)) {
      marked_ = markForDeletion(file_.get(), true);
      return false;
    }
    placed();
    return true;
  }

  Claim claimName(const std::string& name) override {
    const std::wstring wide = wideName(name);
    if (wide.empty() || !readyToRename() || !unmark()) return Claim::Failed;
    // Without MOVEFILE_REPLACE_EXISTING the rename fails when the name is
    // taken, in the same step that would take it.
    if (::MoveFileExW(name_.c_str(), wide.c_str(), MOVEFILE_WRITE_THROUGH) != 0) {
      placed();
      return Claim::Claimed;
    }
    const DWORD error = ::GetLastError();
    marked_ = markForDeletion(file_.get(), true);
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? Claim::Taken
                                                                       : Claim::Failed;
  }

 private:
  // Holds the right to delete the file again (given up by path()) and has
  // it on the disk.
  bool readyToRename() {
    if (!file_.valid()) return false;
    if (!hasDelete_) {
      Handle again(::CreateFileW(name_.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, kShareAll,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
      if (!again.valid()) return false;
      file_ = std::move(again);
      hasDelete_ = true;
      marked_ = markForDeletion(file_.get(), true);
    }
    if (!flushed_) {
      if (::FlushFileBuffers(file_.get()) == 0) return false;
      flushed_ = true;
    }
    return true;
  }

  // One rename, so that the target is either the old file or the new one;
  // never a copy across volumes, which would not be.
  bool putInPlace(bool targetExists) {
    if (renameOverOpen(file_.get(), leafOf(target_))) return true;
    if (::MoveFileExW(name_.c_str(), target_.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) {
      return true;
    }
    // Without the POSIX rename (an older Windows, a disk that is not NTFS,
    // Wine) a file that is open cannot be replaced, even where its holder
    // lets it be deleted: it steps aside under a hidden name first, and
    // goes once its last holder closes it. Only a program killed between
    // the two renames would leave the target without its file, which then
    // remains under that hidden name.
    if (!targetExists || ::GetLastError() != ERROR_ACCESS_DENIED) return false;
    const std::wstring aside = unpredictableName(directoryOf(target_));
    if (aside.empty() || ::MoveFileExW(target_.c_str(), aside.c_str(), MOVEFILE_WRITE_THROUGH) == 0)
      return false;
    if (::MoveFileExW(name_.c_str(), target_.c_str(), MOVEFILE_WRITE_THROUGH) == 0) {
      ::MoveFileExW(aside.c_str(), target_.c_str(), MOVEFILE_WRITE_THROUGH);
      return false;
    }
    const Handle old(
        ::CreateFileW(aside.c_str(), DELETE, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!old.valid() || !markForDeletion(old.get(), true)) ::DeleteFileW(aside.c_str());
    return true;
  }

  bool unmark() {
    if (marked_ && !markForDeletion(file_.get(), false)) return false;
    marked_ = false;
    return true;
  }

  // The file has its name: closing it now keeps it, and the target's lock
  // goes.
  void placed() {
    file_.reset();
    locked_.reset();
    name_.clear();
  }

  void discard() {
    if (!file_.valid()) return;
    if (!marked_ && hasDelete_) marked_ = markForDeletion(file_.get(), true);
    file_.reset();
    if (!marked_) ::DeleteFileW(name_.c_str());
  }

  std::wstring target_;  // empty for a file that only takes a free name
  Handle locked_;        // the target, locked against other runs; none when new
  std::wstring name_;    // the temporary name; empty once the file is in place
  // path() hands the file over to another writer, which changes how it is
  // held, not what it is.
  mutable Handle file_;
  mutable bool marked_;            // carries the deletion mark
  mutable bool hasDelete_ = true;  // file_ may delete the file
  mutable bool flushed_ = false;
};

std::unique_ptr<PendingFile> createPending(const std::wstring& directory, const std::wstring& target,
                                           Handle locked = {}) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::wstring name = unpredictableName(directory);
    if (name.empty()) return nullptr;
    // CREATE_NEW: a name someone else took in the meantime is never opened.
    Handle file(::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, kShareAll,
                              nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
      const DWORD error = ::GetLastError();
      if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
      return nullptr;
    }
    if (!isRegular(file.get())) return nullptr;
    const bool marked = markForDeletion(file.get(), true);
    return std::make_unique<WindowsPendingFile>(target, std::move(locked), std::move(name), std::move(file), marked);
  }
  return nullptr;
}

// Appends one entry, its line end and, when the last line has none, one
// before it.
bool appendEntry(HANDLE file, std::string_view line) {
  LARGE_INTEGER size{};
  if (::GetFileSizeEx(file, &size) == 0) return false;
  std::string entry;
  if (size.QuadPart > 0) {
    // A file whose last line has no line end (edited by hand, say) would
    // glue this entry onto it.
    const auto lastByte = static_cast<unsigned long long>(size.QuadPart - 1);
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(lastByte);
    at.OffsetHigh = static_cast<DWORD>(lastByte >> 32);
    char last = '\n';
    DWORD got = 0;
    if (::ReadFile(file, &last, 1, &got, &at) != 0 && got == 1 && last != '\n') entry += '\n';
  }
  entry.append(line);
  // '\n' alone, as everywhere: the file is the same on every system.
  entry += '\n';
  // One write per entry, so that a line is never split by another writer.
  OVERLAPPED end{};
  end.Offset = 0xFFFFFFFF;
  end.OffsetHigh = 0xFFFFFFFF;
  DWORD wrote = 0;
  return entry.size() <= kMaxTransfer &&
         ::WriteFile(file, entry.data(), static_cast<DWORD>(entry.size()), &wrote, &end) != 0 &&
         wrote == entry.size();
}

}  // namespace

std::optional<std::string> readSmallFile(const std::string& name, std::size_t maxBytes) {
  const Handle file = openRegular(name, GENERIC_READ, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN);
  if (!file.valid()) return std::nullopt;
  LARGE_INTEGER size{};
  if (::GetFileSizeEx(file.get(), &size) == 0 ||
      static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
    return std::nullopt;
  }
  // Read to the end, not to that size: the file may have grown meanwhile.
  const HANDLE handle = file.get();
  return reading::toEnd([handle](char* buffer, std::size_t length) { return readSome(handle, buffer, length); },
                        static_cast<std::size_t>(size.QuadPart), maxBytes);
}

bool forEachLinePiece(const std::string& name, const std::function<void(std::string_view, bool)>& piece) {
  const Handle file = openRegular(name, GENERIC_READ, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN);
  if (!file.valid()) return false;
  const HANDLE handle = file.get();
  return reading::eachLinePiece(
      [handle](char* buffer, std::size_t length) { return readSome(handle, buffer, length); }, piece);
}

bool forEachLastLine(const std::string& name, std::size_t count, std::size_t maxLineBytes,
                     const std::function<void(std::string_view)>& line) {
  const Handle file = openRegular(name, GENERIC_READ, OPEN_EXISTING);
  LARGE_INTEGER size{};
  if (!file.valid() || ::GetFileSizeEx(file.get(), &size) == 0) return false;
  const HANDLE handle = file.get();
  return reading::lastLines(
      static_cast<std::uint64_t>(size.QuadPart),
      [handle](std::uint64_t offset, char* buffer, std::size_t length) { return readAt(handle, offset, buffer, length); },
      count, maxLineBytes, line);
}

bool appendLine(const std::string& name, std::string_view line) {
  // Append access without write access: every write lands at the end of
  // the file as it is then, whoever else appends to it.
  Handle file = openForWriting(name, FILE_APPEND_DATA | FILE_READ_DATA, OPEN_ALWAYS);
  if (!file.valid()) return false;
  // Appenders of this program also take turns on one byte far beyond any
  // end of file (so no reader or writer of the content ever meets it):
  // the look at the last byte and the write go together, and a file system
  // that does not keep appends apart (Wine's) still gets whole lines. One
  // that has no locks gets the entry all the same.
  OVERLAPPED turn{};
  turn.Offset = kAppendTurnOffset;
  turn.OffsetHigh = kAppendTurnOffsetHigh;
  const bool locked = ::LockFileEx(file.get(), LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &turn) != 0;
  const bool ok = appendEntry(file.get(), line);
  if (locked) ::UnlockFileEx(file.get(), 0, 1, 0, &turn);
  return file.close() && ok;
}

bool makeEmpty(const std::string& name) {
  Handle file = openForWriting(name, GENERIC_WRITE, OPEN_EXISTING);
  if (file.valid()) {
    LARGE_INTEGER start{};
    if (::SetFilePointerEx(file.get(), start, nullptr, FILE_BEGIN) == 0 || ::SetEndOfFile(file.get()) == 0 ||
        !file.close()) {
      return false;
    }
  }
  const Handle after = openRegular(name, FILE_READ_ATTRIBUTES, OPEN_EXISTING);
  if (!after.valid()) return isMissingError(::GetLastError());
  LARGE_INTEGER size{};
  return ::GetFileSizeEx(after.get(), &size) != 0 && size.QuadPart == 0;
}

bool replaceWhole(const std::string& name, std::string_view content) {
  std::unique_ptr<PendingFile> file;
  return PendingFile::createFor(name, file) == PendingFile::Opened::Ready &&
         file->write(reinterpret_cast<const unsigned char*>(content.data()), content.size()) &&
         file->replaceTarget();
}

InputFile InputFile::open(const std::string& name) {
  Handle file = openRegular(name, GENERIC_READ, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN);
  if (file.valid()) return InputFile(Status::Open, reinterpret_cast<std::intptr_t>(file.release()));
  return InputFile(isMissingError(::GetLastError()) ? Status::Missing : Status::Unreadable, -1);
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
  if (handle_ != -1) ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

std::ptrdiff_t InputFile::read(unsigned char* buffer, std::size_t size) {
  if (handle_ == -1) return -1;
  return readSome(reinterpret_cast<HANDLE>(handle_), buffer, size);
}

std::uint64_t InputFile::size() const {
  LARGE_INTEGER size{};
  if (handle_ == -1 || !::GetFileSizeEx(reinterpret_cast<HANDLE>(handle_), &size) || size.QuadPart < 0) return 0;
  return static_cast<std::uint64_t>(size.QuadPart);
}

PendingFile::Opened PendingFile::createFor(const std::string& target, std::unique_ptr<PendingFile>& file) {
  std::wstring resolved = wideName(target);
  if (resolved.empty()) return Opened::Refused;
  // Write access asks the file's permissions; the lock keeps other runs
  // of the program off it until the new file is in place.
  bool followed = false;
  Handle locked = openForWriting(target, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING, &followed);
  if (!locked.valid()) {
    const DWORD error = ::GetLastError();
    const DWORD attributes = ::GetFileAttributesW(resolved.c_str());
    // Only a name no file (and no link) has yet is free to take.
    if (!isMissingError(error) || attributes != INVALID_FILE_ATTRIBUTES) return Opened::Refused;
  } else {
    OVERLAPPED at{};
    at.Offset = kInUseOffset;
    at.OffsetHigh = kAppendTurnOffsetHigh;
    if (::LockFileEx(locked.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at) == 0) {
      return ::GetLastError() == ERROR_LOCK_VIOLATION ? Opened::InUse : Opened::Refused;
    }
    // A link is written through to the file it points to, so that it stays
    // a link; its name is asked of the file the system opened.
    if (followed) resolved = finalName(locked.get());
    if (resolved.empty()) return Opened::Refused;
    // Another run may have put a new file in place between the open and
    // the lock: this one would then be replaced by a copy of the old one.
    const Handle now(::CreateFileW(resolved.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!now.valid() || !sameFile(now.get(), locked.get())) return Opened::InUse;
  }
  file = createPending(directoryOf(resolved), resolved, std::move(locked));
  return file ? Opened::Ready : Opened::Refused;
}

std::unique_ptr<PendingFile> PendingFile::createIn(const std::string& directory) {
  const std::wstring wide = wideName(directory);
  if (wide.empty()) return nullptr;
  return createPending(wide, {});
}

}  // namespace tavrik::files
