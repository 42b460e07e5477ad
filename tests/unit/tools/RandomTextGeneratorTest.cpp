// Codes and passwords; the dialogues are in transcripts/tools/code-password.t.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <set>
#include <sstream>

#include "shell/Console.hpp"
#include "shell/HistoryLog.hpp"
#include "support/FakePlatform.hpp"
#include "tools/RandomTextGenerator.hpp"

namespace tavrik::tools {
namespace {

TEST(GenerateCode, FollowsTheMersenneTwisterOutputs) {
  // The first outputs of MT19937 for its default seed 5489 are 3499211612,
  // 581869302, 3890346734, ...; each gives character r mod 62 of A-Z a-z 0-9.
  EXPECT_EQ(generateCode(5489, 10), "8u8NAbBdgV");
  // For seed 5257882 the 32nd draw is 4294967292 (62 * 69273666): it would
  // favour the first characters, so the 33rd draw gives the 32nd character.
  EXPECT_EQ(generateCode(5257882, 32), "lCR2pyCf6tNMvIx0lUTIFWthYx0sZYpw");
}

TEST(GeneratePassword, EveryCharacterOfItsAlphabetAndNoOtherAfterFourFifthsOfASecond) {
  std::istringstream in("20000\n");
  std::ostringstream out;
  Console console(in, out);
  FakePlatform platform;
  HistoryLog history;
  Context context{console, platform, platform, history};
  runGeneratePassword(context);
  EXPECT_EQ(platform.sleptMillis, 800);
  const std::string text = out.str();
  const std::size_t at = text.rfind("generata: ") + 10;
  ASSERT_EQ(text.size(), at + 20001);  // the password and its line end
  const std::string_view alphabet =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!@#$%^&*()";
  EXPECT_EQ(std::set<char>(text.begin() + at, text.end() - 1),
            std::set<char>(alphabet.begin(), alphabet.end()));
}

constexpr std::string_view kClasses[] = {"abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
                                         "0123456789", "!@#$%^&*()"};

// Texts of `length` password characters holding every class not in the bit
// set `held`, by inclusion and exclusion over the classes left out.
double textsHolding(double length, unsigned held) {
  double count = 0;
  for (unsigned left = 0; left < 16; ++left) {
    double size = 72;
    for (unsigned c = 0; c < 4; ++c) size -= (left >> c & 1) * kClasses[c].size();
    if ((left & held) == 0) count += (std::popcount(left) % 2 ? -1 : 1) * std::pow(size, length);
  }
  return count;
}

TEST(GeneratePassword, FromFourCharactersEveryClassEachPositionAsLikelyAsAmongAllSuch) {
  FakePlatform platform;  // a Mersenne Twister stands in for the system's source
  for (const std::size_t length : {1, 3}) {
    EXPECT_EQ(generatePassword(platform, length).size(), length);  // never drawn again
  }
  constexpr std::size_t kLength = 8;
  constexpr int kDraws = 40000;    // one in ten of 4 characters, the others of kLength
  double shares[kLength][4] = {};  // of each class at each position
  for (int draw = 0; draw < kDraws; ++draw) {
    const std::string password = generatePassword(platform, draw % 10 == 0 ? 4 : kLength);
    unsigned held = 0;
    for (std::size_t at = 0; at < password.size(); ++at) {
      unsigned c = 0;
      while (c < 4 && kClasses[c].find(password[at]) == std::string_view::npos) ++c;
      ASSERT_LT(c, 4u) << password;
      held |= 1u << c;
      if (password.size() == kLength) shares[at][c] += 10.0 / (kDraws * 9);
    }
    ASSERT_EQ(held, 15u) << password;
  }
  // Each class at each position, and over all positions, as often as among
  // all the passwords that hold every class.
  for (unsigned c = 0; c < 4; ++c) {
    const double expected =
        kClasses[c].size() * textsHolding(kLength - 1, 1u << c) / textsHolding(kLength, 0);
    double all = 0;
    for (const auto& position : shares) {
      EXPECT_NEAR(position[c], expected, 0.012) << kClasses[c];
      all += position[c] / kLength;
    }
    EXPECT_NEAR(all, expected, 0.004) << kClasses[c];
  }
}

}  // namespace
}  // namespace tavrik::tools
