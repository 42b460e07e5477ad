#include "tools/CipherKernel.hpp"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <vector>

namespace tavrik::tools {

namespace {

// Enough repetitions of the key that one contiguous stretch of them covers a
// long run of data, so the inner loop is a plain byte-for-byte XOR of two
// arrays.
constexpr std::size_t kKeyRunTarget = 4096;

// XORs `size` bytes of `data` with `keyRun` a machine word at a time; the
// compiler widens the word loop to vector registers.
void xorRun(unsigned char* __restrict data, const unsigned char* __restrict keyRun,
            std::size_t size) {
  std::size_t i = 0;
  for (; i + sizeof(std::uint64_t) <= size; i += sizeof(std::uint64_t)) {
    std::uint64_t word;
    std::uint64_t keyWord;
    std::memcpy(&word, data + i, sizeof word);
    std::memcpy(&keyWord, keyRun + i, sizeof keyWord);
    word ^= keyWord;
    std::memcpy(data + i, &word, sizeof word);
  }
  for (; i < size; ++i) data[i] ^= keyRun[i];
}

}  // namespace

bool isCipherKey(std::string_view key) {
  // ASCII letters as the C locale classifies them, whatever locale is active.
  return !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  });
}

void xorWithKey(std::span<unsigned char> data, std::string_view key, std::uint64_t position) {
  assert(!key.empty() && "the key is checked before any byte is transformed");
  if (data.empty()) return;
  const std::size_t keySize = key.size();
  // A stretch of whole keys at least as long as one pass over the data (or
  // kKeyRunTarget), plus one more key so that a pass may start at any offset.
  const std::size_t pass = std::min(data.size(), kKeyRunTarget);
  const std::size_t keysPerPass = (pass + keySize - 1) / keySize;
  const std::size_t stride = keysPerPass * keySize;
  const std::size_t runSize = stride + keySize;
  // Short keys (the usual case) need no allocation.
  unsigned char local[2 * kKeyRunTarget];
  std::vector<unsigned char> allocated;
  unsigned char* keyRun = local;
  if (runSize > sizeof local) {
    allocated.resize(runSize);
    keyRun = allocated.data();
  }
  std::memcpy(keyRun, key.data(), keySize);
  for (std::size_t filled = keySize; filled < runSize; filled *= 2) {
    std::memcpy(keyRun + filled, keyRun, std::min(filled, runSize - filled));
  }
  // A stride is whole keys long, so every pass starts at the same key offset.
  const unsigned char* start = keyRun + position % keySize;
  for (std::size_t done = 0; done < data.size(); done += stride) {
    xorRun(data.data() + done, start, std::min(stride, data.size() - done));
  }
}

}  // namespace tavrik::tools
