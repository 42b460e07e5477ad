// The cipher's algorithm and file handling; the dialogue is in transcripts/tools/cipher.t.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <vector>

#include "platform/Files.hpp"
#include "shell/Console.hpp"
#include "support/FakePlatform.hpp"
#include "tools/FileCipher.hpp"

namespace tavrik::tools {
namespace {

namespace fs = std::filesystem;
using namespace std::literals;

// The rule, one byte at a time: file offset p is combined with key[p % n].
std::string byteRule(std::string data, std::string_view key, std::uint64_t position) {
  for (std::size_t i = 0; i < data.size(); ++i) data[i] ^= key[(position + i) % key.size()];
  return data;
}

std::string randomBytes(std::size_t size) {
  std::mt19937 engine(static_cast<std::uint32_t>(size));
  std::string data(size, '\0');
  for (char& byte : data) byte = static_cast<char>(engine());
  return data;
}

std::string contentOf(const char* file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FileCipher, KeysAreAsciiLettersOnly) {
  for (const char* key : {"A", "Z", "a", "z", "TavrikTerminal"}) EXPECT_TRUE(isCipherKey(key));
  for (const char* key : {"", "@", "[", "`", "{", "ab1", "\xe8"}) EXPECT_FALSE(isCipherKey(key));
}

TEST(FileCipher, XorFollowsTheByteRuleForAnyKeySizeAndPosition) {
  // Sizes around the machine word and the fast loop's pass, a key longer than
  // the run it keeps on the stack, and a position beyond 32 bits, where a
  // truncated offset would pick another key letter.
  const std::string longKey = randomBytes(5003);
  for (const std::string_view key : {"x"sv, "abc"sv, "ABCDEFG"sv, std::string_view(longKey)}) {
    for (const std::size_t size : {1u, 7u, 8u, 9u, 4095u, 4096u, 4097u, 20000u}) {
      for (const std::uint64_t position : {0ull, 1ull, 5ull, 4099ull, (1ull << 33) + 7}) {
        std::string data = randomBytes(size);
        xorWithKey({reinterpret_cast<unsigned char*>(data.data()), size}, key, position);
        ASSERT_EQ(data, byteRule(randomBytes(size), key, position))
            << "key size " << key.size() << ", size " << size << ", position " << position;
      }
    }
  }
}

TEST(FileCipher, ProgressLineFromOneSecondAtMostFiveTimesASecondOverItsLongestText) {
  std::stringstream io;  // nothing is read
  Console console(io, io);
  FakePlatform platform;  // the steady clock stands at 0 when the cipher begins
  CipherProgressLine line(console, platform);
  for (const auto& [millis, megabytes] : {std::pair{999, 900}, {1000, 1000}, {1150, 1050}, {1200, 1100}}) {
    platform.steadyNow = millis;
    line.update(megabytes * 1'000'000ull, 10'000'000'000);
  }
  EXPECT_EQ(io.str(), "\rElaborazione: 10% (1000 MB/s)\rElaborazione: 11% (916 MB/s) ");
}

TEST(FileCipher, InPlaceAcrossBlocksAndFailedWritesThatChangeNothing) {
  const fs::path directory = fs::temp_directory_path() / ("tavrik-cipher-" + std::to_string(std::random_device()()));
  ASSERT_TRUE(fs::create_directory(directory));
  const fs::path before = fs::current_path();
  fs::current_path(directory);
  // Neither the block size nor the file size is a multiple of the key size,
  // so a key restarted at a block boundary would show.
  const std::string plain = randomBytes(3 * kCipherBlockSize + 777);
  std::ofstream("doc.txt", std::ios::binary) << plain;
  EXPECT_EQ(cipherFile("doc.txt", "doc.txt", "Settete"), CipherOutcome::Done);
  EXPECT_TRUE(contentOf("doc.txt") == byteRule(plain, "Settete", 0));
  std::vector<std::uint64_t> left;  // after each block, of the size the file had
  const auto progress = [&left](std::uint64_t done, std::uint64_t total) { left.push_back(total - done); };
  EXPECT_EQ(cipherFile("doc.txt", "./doc.txt", "Settete", progress), CipherOutcome::Done);
  EXPECT_EQ(left, (std::vector<std::uint64_t>{2 * kCipherBlockSize + 777, kCipherBlockSize + 777, 777, 0}));
  EXPECT_TRUE(contentOf("doc.txt") == plain);
  {
    // A second run on a file another one is replacing changes nothing.
    std::unique_ptr<files::PendingFile> holder;
    ASSERT_EQ(files::PendingFile::createFor("doc.txt", holder), files::PendingFile::Opened::Ready);
    EXPECT_EQ(cipherFile("doc.txt", "doc.txt", "Settete"), CipherOutcome::InUse);
    EXPECT_TRUE(contentOf("doc.txt") == plain);
  }
  std::ofstream("out.bin") << "vecchio";
  fs::create_directory("folder");
  EXPECT_EQ(cipherFile("doc.txt", "folder", "abc"), CipherOutcome::WriteFailed);
#ifndef _WIN32
  // A file-size limit stands in for a disk that fills up after one block.
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  rlimit limited = saved;
  limited.rlim_cur = kCipherBlockSize + kCipherBlockSize / 2;
  const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &limited);
  EXPECT_EQ(cipherFile("doc.txt", "out.bin", "abc"), CipherOutcome::WriteFailed);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, savedHandler);
  EXPECT_EQ(contentOf("out.bin"), "vecchio");
#endif
  // No temporary file is left behind, in the folder or beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 3);
  EXPECT_TRUE(fs::is_empty("folder"));
  fs::current_path(before);
  fs::remove_all(directory);
}

}  // namespace
}  // namespace tavrik::tools
