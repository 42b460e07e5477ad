#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "shell/Context.hpp"

namespace tavrik::tools {

/// How one run of the cipher over a file ended. Whatever the outcome, an
/// output file that existed before keeps its bytes unless the outcome is Done.
enum class CipherOutcome {
  Done,          ///< the output file holds the transformed bytes
  InputMissing,  ///< the input could not be opened (or is a directory)
  BadKey,        ///< the key is empty or holds a character that is not a letter
  ReadFailed,    ///< the input opened but reading it failed part-way
  WriteFailed,   ///< the output could not be written, flushed or put in place
};

/// True for a key of at least one character, all of them ASCII letters.
bool isCipherKey(std::string_view key);

/// XORs every byte of `data` with the key, the key repeating every
/// key.size() bytes of the file: the byte at file offset p is combined with
/// key[p % key.size()], where the first byte of `data` is at file offset
/// `position`. Applying it twice with the same key and position gives back the
/// original bytes. `key` must not be empty.
void xorWithKey(std::span<unsigned char> data, std::string_view key, std::uint64_t position);

/// Transforms the file `inputName` with `key` into `outputName`. The input and
/// the key are checked before the output is touched; the bytes go to a
/// temporary file in the output's directory that replaces the output only
/// once everything is written and synced. Input and output may be the same
/// file.
CipherOutcome cipherFile(const std::string& inputName, const std::string& outputName,
                         std::string_view key);

/// Size of the blocks the file is read, transformed and written in: large
/// enough for few system calls, small enough to stay in the processor's cache.
inline constexpr std::size_t kCipherBlockSize = std::size_t{256} << 10;

/// 'n': asks for the direction, the two file names and the key, and runs the
/// cipher.
Flow runFileCipher(Context& context);

}  // namespace tavrik::tools
