// Codes and passwords; the dialogues are in transcripts/tools/code-password.t.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tavrik::tools
