#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "shell/Context.hpp"
#include "tools/CipherKernel.hpp"

namespace tavrik::tools {

/// How one run of the cipher over a file ended. Whatever the outcome, an
/// output file that existed before keeps its bytes unless the outcome is Done.
enum class CipherOutcome {
  Done,             ///< the output file holds the transformed bytes
  InputMissing,     ///< no file has the input's name
  InputUnreadable,  ///< the input is no readable regular file, or reading it failed
  BadKey,           ///< the key is empty or holds a character that is not a letter
  WriteFailed,      ///< the output could not be written, flushed or put in place
  InUse,            ///< another run is writing the output file
};

/// Told after each block how many bytes are done, of the input's size as it
/// was when the cipher began.
using CipherProgress = std::function<void(std::uint64_t done, std::uint64_t total)>;

/// Transforms the file `inputName` with `key` into `outputName`. The input and
/// the key are checked before the output is touched; the output is locked
/// against other runs, and the bytes go to a private file in its directory
/// that replaces it only once everything is written and flushed to the disk.
/// Input and output may be the same file.
CipherOutcome cipherFile(const std::string& inputName, const std::string& outputName,
                         std::string_view key, const CipherProgress& progress = {});

/// How far a long cipher is, for a terminal: from its first second on, one
/// line ("Elaborazione: 45% (312 MB/s)") written over in place at most five
/// times a second; `erase` blanks it and leaves the cursor where it began.
class CipherProgressLine {
 public:
  CipherProgressLine(Console& console, System& system);
  void update(std::uint64_t done, std::uint64_t total);
  void erase();

 private:
  Console& console_;
  System& system_;
  std::int64_t start_;
  std::int64_t shownAt_ = 0;  // milliseconds after the start
  std::size_t width_ = 0;     // of the widest line shown; 0 while none is
};

/// 'n': asks for the direction, the two file names and the key, and runs the
/// cipher.
Flow runFileCipher(Context& context);

}  // namespace tavrik::tools
