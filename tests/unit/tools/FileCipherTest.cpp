#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "tools/FileCipher.hpp"

namespace tavrik::tools {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;
using ::testing::UnorderedElementsAre;

// The rule, one byte at a time: file offset p is combined with key[p % n].
Bytes referenceXor(Bytes data, std::string_view key, std::uint64_t position) {
  for (std::size_t i = 0; i < data.size(); ++i) {
    data[i] ^= static_cast<unsigned char>(key[(position + i) % key.size()]);
  }
  return data;
}

Bytes transformed(Bytes data, std::string_view key, std::uint64_t position = 0) {
  xorWithKey(data, key, position);
  return data;
}

Bytes randomBytes(std::size_t size, std::uint32_t seed) {
  std::mt19937 engine(seed);
  Bytes data(size);
  for (auto& byte : data) byte = static_cast<unsigned char>(engine());
  return data;
}

Bytes allByteValues() {
  Bytes data(256);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<unsigned char>(i);
  return data;
}

TEST(CipherKey, OnlyAsciiLettersAndAtLeastOne) {
  EXPECT_TRUE(isCipherKey("a"));
  EXPECT_TRUE(isCipherKey("Z"));
  EXPECT_TRUE(isCipherKey("TavrikTerminal"));
  EXPECT_FALSE(isCipherKey(""));
  EXPECT_FALSE(isCipherKey("abc1"));
  EXPECT_FALSE(isCipherKey("ab cd"));
  EXPECT_FALSE(isCipherKey("chiave!"));
  // The characters just outside the two letter ranges.
  for (const char* edge : {"@", "[", "`", "{"}) EXPECT_FALSE(isCipherKey(edge)) << edge;
  // Accented letters are not ASCII letters, in any encoding.
  EXPECT_FALSE(isCipherKey("perch\xc3\xa8"));
  EXPECT_FALSE(isCipherKey("perch\xe8"));
  EXPECT_FALSE(isCipherKey(std::string_view("ab\0c", 4)));
}

TEST(XorWithKey, SingleLetterKeyCombinesEveryByteWithItsCode) {
  const Bytes data = {'K', 'k', 0x00, 0xff, '\r', '\n', 26};
  EXPECT_EQ(transformed(data, "K"), (Bytes{0x00, 0x20, 'K', 0xb4, 0x46, 0x41, 0x51}));
  EXPECT_EQ(transformed(data, "k"), (Bytes{0x20, 0x00, 'k', 0x94, 0x66, 0x61, 0x71}));
}

TEST(XorWithKey, ThreeLetterKeyOverSevenBytesUsesPositions0120120) {
  // Zero bytes show the key byte that each position used.
  EXPECT_EQ(transformed(Bytes(7, 0), "abc"), (Bytes{'a', 'b', 'c', 'a', 'b', 'c', 'a'}));
  EXPECT_EQ(transformed(Bytes(7, 0), "abc", 1), (Bytes{'b', 'c', 'a', 'b', 'c', 'a', 'b'}));
  EXPECT_EQ(transformed(Bytes(7, 0), "abc", 5), (Bytes{'c', 'a', 'b', 'c', 'a', 'b', 'c'}));
}

TEST(XorWithKey, PositionsBeyondThirtyTwoBitsKeepTheKeyRepeating) {
  // 2^31 % 3 == 2, (2^32 + 1) % 3 == 2, (2^64 - 1) % 3 == 0, (2^40) % 7 == 2.
  EXPECT_EQ(transformed(Bytes(4, 0), "abc", std::uint64_t{1} << 31), (Bytes{'c', 'a', 'b', 'c'}));
  EXPECT_EQ(transformed(Bytes(4, 0), "abc", (std::uint64_t{1} << 32) + 1),
            (Bytes{'c', 'a', 'b', 'c'}));
  EXPECT_EQ(transformed(Bytes(4, 0), "abc", UINT64_MAX), (Bytes{'a', 'b', 'c', 'a'}));
  EXPECT_EQ(transformed(Bytes(3, 0), "ABCDEFG", std::uint64_t{1} << 40), (Bytes{'C', 'D', 'E'}));
}

TEST(XorWithKey, MatchesTheByteRuleForAnyLengthKeyAndOffset) {
  // Keys longer than one pass of the fast loop, with no short period.
  std::string longKey;
  for (int i = 0; i < 5003; ++i) longKey += static_cast<char>('a' + (i * i + i / 26) % 26);
  std::string mixedLongKey;
  for (int i = 0; i < 9001; ++i) {
    mixedLongKey += static_cast<char>('A' + (i * 7 + i / 100) % 26 + (i % 3 == 0) * 32);
  }
  for (const std::string_view key :
       {std::string_view("x"), std::string_view("abc"), std::string_view("Tavrik"),
        std::string_view(longKey), std::string_view(mixedLongKey)}) {
    for (const std::size_t size : {0u, 1u, 7u, 8u, 9u, 63u, 4095u, 4096u, 4097u, 20000u}) {
      for (const std::uint64_t position : {0ull, 1ull, 5ull, 4099ull, (1ull << 33) + 7}) {
        const Bytes data = randomBytes(size, static_cast<std::uint32_t>(size + position));
        ASSERT_EQ(transformed(data, key, position), referenceXor(data, key, position))
            << "key length " << key.size() << ", size " << size << ", position " << position;
      }
    }
  }
}

TEST(XorWithKey, SplittingTheBufferAnywhereGivesTheSameBytes) {
  const std::string_view key = "SeTtE";
  const Bytes data = randomBytes(100000, 7);
  const Bytes whole = transformed(data, key);
  std::mt19937 engine(11);
  for (int round = 0; round < 20; ++round) {
    Bytes pieces = data;
    std::size_t at = 0;
    while (at < pieces.size()) {
      const std::size_t size = std::min<std::size_t>(engine() % 9000, pieces.size() - at);
      xorWithKey(std::span(pieces).subspan(at, size), key, at);
      at += size;
    }
    ASSERT_EQ(pieces, whole) << "round " << round;
  }
}

TEST(XorWithKey, TwiceGivesBackEveryByteValue) {
  const Bytes plain = allByteValues();
  const Bytes once = transformed(plain, "Chiave");
  EXPECT_NE(once, plain);
  EXPECT_EQ(transformed(once, "Chiave"), plain);
}

// ---- files -----------------------------------------------------------------

class CipherFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tavrik-cipher-test-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }

  std::string path(const std::string& name) const { return (dir_ / name).string(); }

  void write(const std::string& name, const Bytes& data) const {
    std::ofstream out(dir_ / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(data.size()));
    ASSERT_TRUE(out.good());
  }

  Bytes read(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    EXPECT_TRUE(in.good()) << name;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  // Every name in the directory, so that a left-over temporary file shows.
  std::vector<std::string> names() const {
    std::vector<std::string> result;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      result.push_back(entry.path().filename().string());
    }
    return result;
  }

  CipherOutcome cipher(const std::string& in, const std::string& out, std::string_view key) {
    return cipherFile(path(in), path(out), key);
  }

  fs::path dir_;
};

TEST_F(CipherFileTest, RoundTripKeepsLineEndsZerosAndByte26) {
  const Bytes plain = {'r', 'i', 'g', 'a', '\r', '\n', 0x00, 26, '\n', '\r', 0x00, 0x00, 26, 'z'};
  write("plain.txt", plain);
  ASSERT_EQ(cipher("plain.txt", "secret.bin", "Lupo"), CipherOutcome::Done);
  EXPECT_EQ(read("secret.bin"), referenceXor(plain, "Lupo", 0));
  ASSERT_EQ(cipher("secret.bin", "back.txt", "Lupo"), CipherOutcome::Done);
  EXPECT_EQ(read("back.txt"), plain);
  EXPECT_THAT(names(), UnorderedElementsAre("plain.txt", "secret.bin", "back.txt"));
}

TEST_F(CipherFileTest, RoundTripOfAllByteValues) {
  write("all.bin", allByteValues());
  ASSERT_EQ(cipher("all.bin", "enc.bin", "abcXYZ"), CipherOutcome::Done);
  EXPECT_EQ(read("enc.bin"), referenceXor(allByteValues(), "abcXYZ", 0));
  ASSERT_EQ(cipher("enc.bin", "dec.bin", "abcXYZ"), CipherOutcome::Done);
  EXPECT_EQ(read("dec.bin"), allByteValues());
}

TEST_F(CipherFileTest, EmptyFileGivesEmptyOutput) {
  write("empty.txt", {});
  ASSERT_EQ(cipher("empty.txt", "out.txt", "k"), CipherOutcome::Done);
  EXPECT_TRUE(fs::exists(dir_ / "out.txt"));
  EXPECT_EQ(fs::file_size(dir_ / "out.txt"), 0u);
}

TEST_F(CipherFileTest, FileOfSeveralBlocksKeepsTheKeyRunningAcrossBlocks) {
  // Neither the block size nor the file size is a multiple of the key length,
  // so a key restarted at a block boundary would show.
  const Bytes plain = randomBytes(3 * kCipherBlockSize + 12345, 99);
  write("big.bin", plain);
  ASSERT_EQ(cipher("big.bin", "big.enc", "Settete"), CipherOutcome::Done);
  const Bytes enciphered = read("big.enc");
  ASSERT_EQ(enciphered.size(), plain.size());
  EXPECT_TRUE(enciphered == referenceXor(plain, "Settete", 0));
  ASSERT_EQ(cipher("big.enc", "big.dec", "Settete"), CipherOutcome::Done);
  EXPECT_TRUE(read("big.dec") == plain);
}

TEST_F(CipherFileTest, UpperAndLowerCaseKeysDiffer) {
  write("in.txt", {'A', 'a', 'k', 'K'});
  ASSERT_EQ(cipher("in.txt", "upper.bin", "K"), CipherOutcome::Done);
  ASSERT_EQ(cipher("in.txt", "lower.bin", "k"), CipherOutcome::Done);
  EXPECT_EQ(read("upper.bin"), (Bytes{0x0a, 0x2a, 0x20, 0x00}));
  EXPECT_EQ(read("lower.bin"), (Bytes{0x2a, 0x0a, 0x00, 0x20}));
}

TEST_F(CipherFileTest, BadKeyLeavesAnExistingOutputAsItWas) {
  write("in.txt", {'c', 'i', 'a', 'o'});
  const Bytes previous = {'d', 'a', ' ', 't', 'e', 'n', 'e', 'r', 'e', '\n'};
  write("out.txt", previous);
  for (const std::string_view key : {"abc1", "a_b", "chiave segreta", ""}) {
    EXPECT_EQ(cipher("in.txt", "out.txt", key), CipherOutcome::BadKey) << key;
  }
  EXPECT_EQ(read("out.txt"), previous);
  EXPECT_THAT(names(), UnorderedElementsAre("in.txt", "out.txt"));
}

TEST_F(CipherFileTest, BadKeyCreatesNoOutput) {
  write("in.txt", {'x'});
  EXPECT_EQ(cipher("in.txt", "out.txt", "k3y"), CipherOutcome::BadKey);
  EXPECT_THAT(names(), UnorderedElementsAre("in.txt"));
}

TEST_F(CipherFileTest, MissingInputTouchesNoOutput) {
  EXPECT_EQ(cipher("nowhere.txt", "out.txt", "abc"), CipherOutcome::InputMissing);
  EXPECT_TRUE(names().empty());
  write("kept.txt", {'1', '2'});
  EXPECT_EQ(cipher("nowhere.txt", "kept.txt", "abc"), CipherOutcome::InputMissing);
  EXPECT_EQ(read("kept.txt"), (Bytes{'1', '2'}));
  // The input is checked before the key.
  EXPECT_EQ(cipher("nowhere.txt", "kept.txt", "4bc"), CipherOutcome::InputMissing);
}

TEST_F(CipherFileTest, DirectoryAsInputCountsAsMissing) {
  fs::create_directory(dir_ / "folder");
  EXPECT_EQ(cipher("folder", "out.txt", "abc"), CipherOutcome::InputMissing);
  EXPECT_THAT(names(), UnorderedElementsAre("folder"));
}

TEST_F(CipherFileTest, InPlaceEncipheringAndDeciphering) {
  const Bytes plain = randomBytes(kCipherBlockSize + 777, 5);
  write("doc.txt", plain);
  ASSERT_EQ(cipher("doc.txt", "doc.txt", "Segreto"), CipherOutcome::Done);
  EXPECT_TRUE(read("doc.txt") == referenceXor(plain, "Segreto", 0));
  // The same file under another spelling of its name.
  ASSERT_EQ(cipherFile(path("doc.txt"), (dir_ / "." / "doc.txt").string(), "Segreto"),
            CipherOutcome::Done);
  EXPECT_TRUE(read("doc.txt") == plain);
  EXPECT_THAT(names(), UnorderedElementsAre("doc.txt"));
}

TEST_F(CipherFileTest, OutputInAMissingDirectoryFails) {
  write("in.txt", {'a', 'b'});
  EXPECT_EQ(cipher("in.txt", "nodir/out.txt", "abc"), CipherOutcome::WriteFailed);
  EXPECT_THAT(names(), UnorderedElementsAre("in.txt"));
}

TEST_F(CipherFileTest, DirectoryUnderTheOutputNameIsLeftAlone) {
  write("in.txt", {'a', 'b'});
  fs::create_directory(dir_ / "out");
  write("out/inside.txt", {'z'});
  EXPECT_EQ(cipher("in.txt", "out", "abc"), CipherOutcome::WriteFailed);
  EXPECT_EQ(read("out/inside.txt"), (Bytes{'z'}));
  EXPECT_THAT(names(), UnorderedElementsAre("in.txt", "out"));
}

TEST_F(CipherFileTest, WriteFailurePartWayKeepsTheOldOutputAndRemovesTheTemporary) {
  // A file-size limit stands in for a disk that fills up after one block.
  const Bytes plain = randomBytes(3 * kCipherBlockSize, 3);
  write("in.bin", plain);
  const Bytes previous = {'v', 'e', 'c', 'c', 'h', 'i', 'o'};
  write("out.bin", previous);
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit limited = saved;
  limited.rlim_cur = kCipherBlockSize + kCipherBlockSize / 2;
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
  const CipherOutcome outcome = cipher("in.bin", "out.bin", "abc");
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_EQ(outcome, CipherOutcome::WriteFailed);
  EXPECT_EQ(read("out.bin"), previous);
  EXPECT_THAT(names(), UnorderedElementsAre("in.bin", "out.bin"));
}

TEST_F(CipherFileTest, ReplacedOutputKeepsItsPermissionsAndNewOnesFollowTheUmask) {
  write("in.txt", {'a'});
  write("old.txt", {'b'});
  fs::permissions(dir_ / "old.txt",
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_EQ(cipher("in.txt", "old.txt", "abc"), CipherOutcome::Done);
  EXPECT_EQ(fs::status(dir_ / "old.txt").permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

  const mode_t savedMask = ::umask(027);
  const CipherOutcome outcome = cipher("in.txt", "new.txt", "abc");
  ::umask(savedMask);
  ASSERT_EQ(outcome, CipherOutcome::Done);
  EXPECT_EQ(fs::status(dir_ / "new.txt").permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(CipherFileTest, SymbolicLinkAsOutputStaysALink) {
  write("in.txt", {'a', 'b', 'c'});
  write("real.txt", {'o', 'l', 'd'});
  fs::create_symlink("real.txt", dir_ / "link.txt");
  ASSERT_EQ(cipher("in.txt", "link.txt", "abc"), CipherOutcome::Done);
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.txt"));
  EXPECT_EQ(read("real.txt"), (Bytes{0, 0, 0}));
  EXPECT_THAT(names(), UnorderedElementsAre("in.txt", "real.txt", "link.txt"));
}

TEST_F(CipherFileTest, ReadOnlyOutputIsNotReplaced) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
  write("in.txt", {'a'});
  write("locked.txt", {'l'});
  fs::permissions(dir_ / "locked.txt", fs::perms::owner_read);
  EXPECT_EQ(cipher("in.txt", "locked.txt", "abc"), CipherOutcome::WriteFailed);
  EXPECT_EQ(read("locked.txt"), (Bytes{'l'}));
  EXPECT_THAT(names(), UnorderedElementsAre("in.txt", "locked.txt"));
}

}  // namespace
}  // namespace tavrik::tools
