#include <gtest/gtest.h>
#include <sys/resource.h>

#include <array>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <map>
#include <sstream>

#include "shell/Console.hpp"
#include "shell/HistoryLog.hpp"
#include "support/FakePlatform.hpp"
#include "tools/RandomTextGenerator.hpp"

namespace tavrik::tools {
namespace {

constexpr std::string_view kCodeAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::string_view kPasswordAlphabet =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!@#$%^&*()";

// A random source that hands out the words it is given, then zeros, and
// counts the requests made of it.
class ScriptedPlatform final : public Platform {
 public:
  std::deque<std::uint32_t> words;
  int requests = 0;
  std::size_t wordsRequested = 0;

  int runShellCommand(std::string_view) override { return 1; }
  std::int64_t nowSeconds() override { return 0; }
  void sleepMillis(int) override {}
  std::string dataDirectory() override { return {}; }
  void secureRandom(std::span<std::uint32_t> out) override {
    ++requests;
    wordsRequested += out.size();
    for (auto& word : out) {
      if (words.empty()) {
        word = 0;
        continue;
      }
      word = words.front();
      words.pop_front();
    }
  }
};

// How often each character occurs; fails on any character outside `alphabet`.
std::map<char, int> countCharacters(const std::string& text, std::string_view alphabet) {
  std::map<char, int> counts;
  for (const char c : text) {
    EXPECT_NE(alphabet.find(c), std::string_view::npos) << "unexpected character " << int(c);
    ++counts[c];
  }
  return counts;
}

TEST(GenerateCode, FollowsTheMersenneTwisterOutputs) {
  // First outputs of MT19937 for seed 5489 (the engine's default seed) are
  // 3499211612, 581869302, 3890346734, ...; each picks character r mod 62.
  EXPECT_EQ(generateCode(5489, 10), "8u8NAbBdgV");
  // Seed 1: 1791095845, 4282876139, 3093770124, ...
  EXPECT_EQ(generateCode(1, 10), "pZIOlNVDr4");
  // The seed of a clock reading of 1700000000 seconds.
  EXPECT_EQ(generateCode(1'700'000'000u, 12), "OiSmbIR6g6a0");
}

TEST(GenerateCode, RejectsTheFourHighestDraws) {
  // For seed 5257882 the 32nd draw is 4294967292 (62 * 69273666): it is
  // thrown away, and the 33rd draw, 752344876, gives the 32nd character. Kept,
  // it would have given 'A'.
  EXPECT_EQ(generateCode(5257882, 32), "lCR2pyCf6tNMvIx0lUTIFWthYx0sZYpw");
}

TEST(GenerateCode, IsAFunctionOfSeedAndLength) {
  EXPECT_EQ(generateCode(42, 0), "");
  EXPECT_EQ(generateCode(42, 1).size(), 1u);
  EXPECT_NE(kCodeAlphabet.find(generateCode(42, 1)[0]), std::string_view::npos);
  EXPECT_EQ(generateCode(42, 30), generateCode(42, 30));
  // A longer code begins with the whole shorter one.
  const std::string longer = generateCode(42, 500);
  EXPECT_EQ(longer.substr(0, 30), generateCode(42, 30));
  EXPECT_NE(generateCode(43, 30), generateCode(42, 30));
}

TEST(GenerateCode, EveryCharacterIsEquallyLikely) {
  constexpr int kPerCharacter = 10000;
  const std::string code = generateCode(7, kCodeAlphabet.size() * kPerCharacter);
  const auto counts = countCharacters(code, kCodeAlphabet);
  ASSERT_EQ(counts.size(), kCodeAlphabet.size());
  // Five standard deviations (about 99 here) either side of the mean.
  for (const auto& [c, count] : counts) {
    EXPECT_NEAR(count, kPerCharacter, 500) << c;
  }
}

TEST(GeneratePassword, MapsDrawsOntoItsAlphabetInOrder) {
  ScriptedPlatform platform;
  platform.words = {0, 25, 26, 51, 52, 61, 62, 71, 72};
  EXPECT_EQ(generatePassword(platform, 9), "azAZ09!)a");
}

TEST(GeneratePassword, RejectsTheFortyHighestDraws) {
  ScriptedPlatform platform;
  // 72 * 59652323 = 4294967256: from there up a draw is thrown away.
  platform.words = {4294967295u, 4294967256u, 4294967255u, 4294967257u, 1};
  EXPECT_EQ(generatePassword(platform, 2), ")b");
}

TEST(GeneratePassword, AsksTheSourceForManyWordsAtATime) {
  ScriptedPlatform platform;
  constexpr std::size_t kLength = 1'000'000;
  const std::string password = generatePassword(platform, kLength);
  EXPECT_EQ(password.size(), kLength);
  EXPECT_GE(platform.wordsRequested, kLength);
  EXPECT_LT(platform.requests, 1000) << "one request per few characters";
}

TEST(GeneratePassword, EmptyPasswordDrawsNothing) {
  ScriptedPlatform platform;
  EXPECT_EQ(generatePassword(platform, 0), "");
  EXPECT_EQ(platform.requests, 0);
}

TEST(GeneratePassword, EveryCharacterIsEquallyLikely) {
  FakePlatform platform;
  constexpr int kPerCharacter = 10000;
  const std::string password = generatePassword(platform, kPasswordAlphabet.size() * kPerCharacter);
  const auto counts = countCharacters(password, kPasswordAlphabet);
  ASSERT_EQ(counts.size(), kPasswordAlphabet.size());
  for (const auto& [c, count] : counts) {
    EXPECT_NEAR(count, kPerCharacter, 500) << c;
  }
}

struct Session {
  explicit Session(std::string input) : in(std::move(input)), console(in, out) {}
  std::istringstream in;
  std::ostringstream out;
  Console console;
  FakePlatform platform;
  HistoryLog history;
  Context context{console, platform, history};
};

TEST(GeneratorCommands, PauseThreeDotsAndOnceMoreBeforeTheResult) {
  Session session("3\nrest\n");
  EXPECT_EQ(runGenerateCode(session.context), Flow::Continue);
  EXPECT_EQ(session.platform.sleptMillis, 3 * 250 + 50);
  EXPECT_EQ(session.out.str(),
            "Inserisci la lunghezza del codice: \nElaborando...\n\nCodice generato: OiS\n");
  // Only the line end after the number was taken.
  std::string rest;
  std::getline(session.in, rest);
  EXPECT_EQ(rest, "rest");
}

TEST(GeneratorCommands, PasswordTakesItsDrawsFromThePlatform) {
  Session session("4\n");
  runGeneratePassword(session.context);
  FakePlatform sameSource;  // a second fake hands out the same words
  const std::string expected = generatePassword(sameSource, 4);
  EXPECT_EQ(session.out.str(),
            "Inserire la lunghezza della password: \nElaborando...\n\n"
            "La password generata: " +
                expected + "\n");
  EXPECT_EQ(session.platform.sleptMillis, 800);
}

#if defined(__SANITIZE_ADDRESS__)
#define TAVRIK_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAVRIK_ADDRESS_SANITIZER 1
#endif
#endif

#ifndef TAVRIK_ADDRESS_SANITIZER
// Asks for a code of two thousand million characters with the address space
// capped at 512 MiB, writes what the command wrote to standard error and
// ends the (child) process.
[[noreturn]] void askForAHugeCodeWithLittleMemory() {
  constexpr rlim_t kCap = rlim_t{512} << 20;
  const rlimit cap{kCap, kCap};
  setrlimit(RLIMIT_AS, &cap);
  Session session("2000000000\n");
  runGenerateCode(session.context);
  std::cerr << session.out.str();
  std::exit(0);
}

TEST(GeneratorCommandsDeathTest, NoMemoryForTheCodeIsReported) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(askForAHugeCodeWithLittleMemory(), ::testing::ExitedWithCode(0),
              "Elaborando\\.\\.\\.\n\nErrore: memoria insufficiente\\.\n$");
}
#endif

}  // namespace
}  // namespace tavrik::tools
