#pragma once

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

/// Transforms the file `inputName` with `key` into `outputName`. The input and
/// the key are checked before the output is touched; the output is locked
/// against other runs, and the bytes go to a private file in its directory
/// that replaces it only once everything is written and flushed to the disk.
/// Input and output may be the same file.
CipherOutcome cipherFile(const std::string& inputName, const std::string& outputName,
                         std::string_view key);

/// 'n': asks for the direction, the two file names and the key, and runs the
/// cipher.
Flow runFileCipher(Context& context);

}  // namespace tavrik::tools
