#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Files of the working directory and the user's own files. The rules of
// what may be read and written are kept here, the same for every caller:
// - only a regular file is read or written; a directory, a FIFO or a device
//   is refused without blocking;
// - a file written through a symbolic link (a link to a file elsewhere) is
//   written only when the link and the file both belong to the user running
//   the program, and only after the system has let the program open it;
// - every write is checked to its end: the data, the flush and the close.
// None of them throws.
namespace tavrik::files {

/// The whole content of a regular file of at most `maxBytes` bytes; nullopt
/// when it is missing, not a regular file, unreadable or larger.
std::optional<std::string> readSmallFile(const std::string& name, std::size_t maxBytes);

/// Calls `piece` with the content of a regular file line by line, in pieces
/// of bounded size: `lineEnds` is true on the last piece of a line (which
/// holds no line end; a last line without one still ends). A line of any
/// length takes no more memory than one piece. False when the file is
/// missing, not a regular file or cannot be read.
bool forEachLinePiece(const std::string& name,
                      const std::function<void(std::string_view piece, bool lineEnds)>& piece);

/// Calls `line` with at most the last `count` lines of a regular file,
/// oldest first, each cut to its first `maxLineBytes` bytes, reading the
/// file backwards from its end, never further back than `count` lines of
/// `maxLineBytes` bytes reach (a line longer than that leaves out itself and
/// the lines before it); false when the file is missing, not a regular file
/// or cannot be read.
bool forEachLastLine(const std::string& name, std::size_t count, std::size_t maxLineBytes,
                     const std::function<void(std::string_view)>& line);

/// Appends `line` and a line end in one write (a line end first when the
/// file's last line has none), creating the file when no file has the name;
/// false when it cannot, and then the file is as it was.
bool appendLine(const std::string& name, std::string_view line);

/// Leaves no content under the name: a file that has some is emptied; no
/// file is created for it. True when reading the name gives nothing
/// afterwards (no file has it, or an empty regular file).
bool makeEmpty(const std::string& name);

/// Replaces one of the program's own files with `content`: written beside
/// it, then put in place in one step; false when it cannot, and then the
/// file is as it was.
bool replaceWhole(const std::string& name, std::string_view content);

/// A file opened for reading.
class InputFile {
 public:
  enum class Status { Open, Missing, Unreadable };
  /// Opens a regular file for reading: Missing when no file has the name,
  /// Unreadable when it is no regular file or the user may not reach it.
  static InputFile open(const std::string& name);
  InputFile(InputFile&&) noexcept;
  InputFile& operator=(InputFile&&) noexcept;
  ~InputFile();

  Status status() const { return status_; }
  /// Reads up to `size` bytes; 0 at the end, -1 on a read error.
  std::ptrdiff_t read(unsigned char* buffer, std::size_t size);
  /// The file's size in bytes now; 0 when it cannot be told.
  std::uint64_t size() const;

 private:
  // A file descriptor, or a Windows handle; -1 when none.
  InputFile(Status status, std::intptr_t handle) : status_(status), handle_(handle) {}
  Status status_;
  std::intptr_t handle_;
};

/// A new file being written, private to the user and invisible under any
/// name until it is complete: either it replaces a file the user named (the
/// cipher's output) or it takes a name no file has yet (a chart). If the
/// program ends before that, by an error or a signal it can catch, nothing
/// of it remains; a temporary left by a program that was killed outright is
/// removed by the next pending file made in its directory.
class PendingFile {
 public:
  enum class Opened { Ready, InUse, Refused };
  /// A pending file that will replace `target`, which is locked until then:
  /// InUse when another pending file holds it, Refused when it is no
  /// regular file, a link the rules above refuse, a file the user may not
  /// write, or nothing can be created beside it.
  static Opened createFor(const std::string& target, std::unique_ptr<PendingFile>& file);
  /// A pending file in `directory` that will only take a free name.
  static std::unique_ptr<PendingFile> createIn(const std::string& directory);
  virtual ~PendingFile() = default;

  /// Appends bytes; false on a write error.
  virtual bool write(const unsigned char* data, std::size_t size) = 0;
  /// A path through which a library may write the file itself, by name.
  virtual std::string path() const = 0;
  /// Flushes the file to the disk and puts it in place of the target, which
  /// keeps its mode and, where allowed, its owner and group; false when it
  /// cannot, and then the target is as it was.
  virtual bool replaceTarget() = 0;
  /// Flushes the file to the disk and gives it the name `name` only if no
  /// file has it: Claimed, Taken (try another name) or Failed.
  enum class Claim { Claimed, Taken, Failed };
  virtual Claim claimName(const std::string& name) = 0;
  /// Starts writing what was written so far to the disk, so that the final
  /// flush has little left to do.
  virtual void startWriteBack() = 0;
};

}  // namespace tavrik::files
