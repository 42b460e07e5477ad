#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tavrik::tools {

/// True for a key of at least one character, all of them ASCII letters.
bool isCipherKey(std::string_view key);

/// XORs every byte of `data` with the key, the key repeating every
/// key.size() bytes of the file: the byte at file offset p is combined with
/// key[p % key.size()], where the first byte of `data` is at file offset
/// `position`. Applying it twice with the same key and position gives back the
/// original bytes. `key` must not be empty.
void xorWithKey(std::span<unsigned char> data, std::string_view key, std::uint64_t position);

/// Size of the blocks the file is read, transformed and written in: large
/// enough for few system calls, small enough to stay in the processor's cache.
inline constexpr std::size_t kCipherBlockSize = std::size_t{256} << 10;

}  // namespace tavrik::tools
