#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Files of the working directory and the user's own files. Every function
// here refuses what is not a regular file (a directory, a FIFO, a device, or
// a link to one) without blocking, and none of them throws.
namespace tavrik::files {

/// The whole content of a regular file of at most `maxBytes` bytes; nullopt
/// when it is missing, not a regular file, unreadable or larger.
std::optional<std::string> readSmallFile(const std::string& name, std::size_t maxBytes);

/// Calls `line` with each line of a regular file (without its line end; a
/// last line without one still counts), reading it piece by piece; false
/// when the file is missing, not a regular file or cannot be read.
bool forEachLine(const std::string& name, const std::function<void(std::string_view)>& line);

/// Appends `line` and a line end in one write (a line end first when the
/// file's last line has none); false when it cannot.
bool appendLine(const std::string& name, std::string_view line);

/// Empties a file, creating it when missing; false when it cannot.
bool truncate(const std::string& name);

/// Replaces a file's whole content: written beside it, then put in place in
/// one step; false when it cannot, and then the file is as it was.
bool replaceWhole(const std::string& name, std::string_view content);

/// A file opened for reading.
class InputFile {
 public:
  enum class Status { Open, Missing, Unreadable };
  /// Opens a regular file for reading: Missing when no file has the name,
  /// Unreadable when it is no readable regular file.
  static InputFile open(const std::string& name);
  InputFile(InputFile&&) noexcept;
  InputFile& operator=(InputFile&&) noexcept;
  ~InputFile();

  Status status() const { return status_; }
  /// Reads up to `size` bytes; 0 at the end, -1 on a read error.
  std::ptrdiff_t read(unsigned char* buffer, std::size_t size);

 private:
  // A file descriptor, or a Windows handle; -1 when none.
  InputFile(Status status, std::intptr_t handle) : status_(status), handle_(handle) {}
  Status status_;
  std::intptr_t handle_;
};

/// A new file being written, private to the user and invisible under any
/// name until it is complete: either it replaces a file (the cipher's
/// output) or it takes a name no file has yet (a chart). If the program
/// ends before that, by an error or a signal, nothing of it remains.
class PendingFile {
 public:
  /// A pending file in the directory of `target`. When `target` is a
  /// symbolic link, the file it points to is the one replaced; nullptr when
  /// the link cannot be resolved or nothing can be created there.
  static std::unique_ptr<PendingFile> createFor(const std::string& target);
  /// A pending file in `directory` that will only take a free name.
  static std::unique_ptr<PendingFile> createIn(const std::string& directory);
  virtual ~PendingFile() = default;

  /// Appends bytes; false on a write error.
  virtual bool write(const unsigned char* data, std::size_t size) = 0;
  /// A path through which a library may write the file itself, by name.
  virtual std::string path() const = 0;
  /// Flushes the file to the disk and puts it in place of `target`, which
  /// keeps its mode and, where allowed, its owner and group; false when it
  /// cannot, and then `target` is as it was.
  virtual bool replaceTarget() = 0;
  /// Flushes the file to the disk and gives it the name `name` only if no
  /// file has it: Claimed, Taken (try another name) or Failed.
  enum class Claim { Claimed, Taken, Failed };
  virtual Claim claimName(const std::string& name) = 0;
  /// Starts writing what was written so far to the disk, so that the final
  /// flush has little left to do.
  virtual void startWriteBack() = 0;
};

/// True when no file has the name, or a regular file (or a link to one)
/// that may be written.
bool isReplaceable(const std::string& name);

/// Calls `line` with each of the last `count` lines of a regular file,
/// oldest first, reading only the file's end: lines longer than
/// `maxLineBytes` are left out, and so is what lies further back than
/// `count` lines of that length. False when the file is missing, not a
/// regular file or cannot be read.
bool forEachLastLine(const std::string& name, std::size_t count, std::size_t maxLineBytes,
                     const std::function<void(std::string_view)>& line);

}  // namespace tavrik::files
