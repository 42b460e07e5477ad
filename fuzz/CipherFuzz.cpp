// The repeating-key XOR over any bytes, any key of letters and any starting
// position. Enciphering twice with the same key and position gives back the
// original; every byte is combined with the key letter of its file offset;
// and a buffer cut in two anywhere transforms to the same bytes as in one go.
//
// Input layout: 8 bytes of starting position, 2 bytes of key length
// (1..5000), up to 64 bytes from which the key letters are drawn, then the
// bytes to transform; the last of those also chooses where the buffer is cut.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "tools/FileCipher.hpp"

using tavrik::tools::isCipherKey;
using tavrik::tools::xorWithKey;

namespace {

constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kHeader = 10;
  if (size < kHeader) return 0;
  std::uint64_t position;
  std::memcpy(&position, data, sizeof position);
  // File offsets stay far below 2^63, so the offsets of one buffer never wrap.
  position &= ~(std::uint64_t{1} << 63);
  const std::size_t keySize = (data[8] | std::size_t{data[9]} << 8) % 5000 + 1;
  const std::size_t letterBytes = std::min<std::size_t>(keySize, 64);
  if (size < kHeader + letterBytes) return 0;
  // Keys longer than their letter bytes take each byte again, shifted, so
  // that a long key does not simply repeat a short one.
  std::string key;
  for (std::size_t i = 0; i < keySize; ++i) {
    key += kLetters[(data[kHeader + i % letterBytes] + i / letterBytes) % 52];
  }
  if (!isCipherKey(key)) std::abort();

  const std::vector<unsigned char> plain(data + kHeader + letterBytes, data + size);
  std::vector<unsigned char> once = plain;
  xorWithKey(once, key, position);
  for (std::size_t i = 0; i < plain.size(); ++i) {
    const auto keyByte = static_cast<unsigned char>(key[(position + i) % keySize]);
    if (once[i] != (plain[i] ^ keyByte)) std::abort();
  }

  std::vector<unsigned char> twice = once;
  xorWithKey(twice, key, position);
  if (twice != plain) std::abort();

  if (plain.empty()) return 0;
  const std::size_t cut = plain.back() * plain.size() / 256;
  std::vector<unsigned char> pieces = plain;
  const std::span<unsigned char> all(pieces);
  xorWithKey(all.first(cut), key, position);
  xorWithKey(all.subspan(cut), key, position + cut);
  if (pieces != once) std::abort();
  return 0;
}
