#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "shell/Console.hpp"
#include "shell/HistoryLog.hpp"
#include "support/FakePlatform.hpp"
#include "tools/TaxCode.hpp"

namespace tavrik::tools {
namespace {

constexpr MunicipalityCode kRoma{'H', 501};

TEST(SurnameLetters, ConsonantsThenVowelsThenX) {
  EXPECT_EQ(surnameLetters("ROSSI"), "RSS");
  EXPECT_EQ(surnameLetters("rossi"), "RSS");
  EXPECT_EQ(surnameLetters("DA"), "DAX");
  EXPECT_EQ(surnameLetters("DE LUCA"), "DLC");
  EXPECT_EQ(surnameLetters("D'Amico"), "DMC");
  EXPECT_EQ(surnameLetters("Bianchi"), "BNC");
  EXPECT_EQ(surnameLetters("Fo"), "FOX");
  EXPECT_EQ(surnameLetters("Oia"), "OIA");
  EXPECT_EQ(surnameLetters("Y"), "YXX");  // Y is a consonant
  EXPECT_EQ(surnameLetters(""), "XXX");
  EXPECT_EQ(surnameLetters("  '-1"), "XXX");
}

TEST(SurnameLetters, AnAccentedVowelCountsAsTheVowel) {
  EXPECT_EQ(surnameLetters("R\xC8"), "REX");      // Windows-1252 capital E grave
  EXPECT_EQ(surnameLetters("R\xE8"), "REX");      // Windows-1252 small e grave
  EXPECT_EQ(surnameLetters("R\xC3\x88"), "REX");  // UTF-8 capital E grave
  EXPECT_EQ(surnameLetters("r\xC3\xA8"), "REX");  // UTF-8 small e grave
  EXPECT_EQ(surnameLetters("Nicol\xC3\xB2"), "NCL");
}

TEST(FirstNameLetters, FirstThirdAndFourthOfFourOrMoreConsonants) {
  EXPECT_EQ(firstNameLetters("FRANCESCO"), "FNC");
  EXPECT_EQ(firstNameLetters("Alberto"), "LRT");
  EXPECT_EQ(firstNameLetters("MARCO"), "MRC");  // exactly three: all of them
  EXPECT_EQ(firstNameLetters("GIANNI"), "GNN");
  EXPECT_EQ(firstNameLetters("LUCA"), "LCU");
  EXPECT_EQ(firstNameLetters("Ugo"), "GUO");
  EXPECT_EQ(firstNameLetters("Ea"), "EAX");
  EXPECT_EQ(firstNameLetters("Maria Grazia"), "MGR");
  EXPECT_EQ(firstNameLetters(""), "XXX");
}

TEST(BuildTaxCode, PutsEveryPartInItsPlace) {
  EXPECT_EQ(buildTaxCode("Rossi", "Mario", 1, 1, 1980, Sex::Male, kRoma), "RSSMRA80A01H501U");
  EXPECT_EQ(buildTaxCode("", "", 1, 1, 1900, Sex::Male, {'A', 0}), "XXXXXX00A01A000S");
}

TEST(BuildTaxCode, YearIsItsLastTwoDigits) {
  EXPECT_EQ(buildTaxCode("", "", 1, 1, 1990, Sex::Male, kRoma).substr(6, 2), "90");
  EXPECT_EQ(buildTaxCode("", "", 1, 1, 2005, Sex::Male, kRoma).substr(6, 2), "05");
  EXPECT_EQ(buildTaxCode("", "", 1, 1, 1900, Sex::Male, kRoma).substr(6, 2), "00");
  EXPECT_EQ(buildTaxCode("", "", 1, 1, 7, Sex::Male, kRoma).substr(6, 2), "07");
  EXPECT_EQ(buildTaxCode("", "", 1, 1, 2147483647, Sex::Male, kRoma).substr(6, 2), "47");
}

TEST(BuildTaxCode, MonthLetters) {
  const std::string letters = "ABCDEHLMPRST";
  for (int month = 1; month <= 12; ++month) {
    const std::string code = buildTaxCode("", "", 1, month, 2000, Sex::Male, kRoma);
    EXPECT_EQ(code[8], letters[static_cast<std::size_t>(month - 1)]) << month;
  }
}

TEST(BuildTaxCode, DayAndSex) {
  EXPECT_EQ(buildTaxCode("", "", 5, 1, 2000, Sex::Male, kRoma).substr(9, 2), "05");
  EXPECT_EQ(buildTaxCode("", "", 5, 1, 2000, Sex::Female, kRoma).substr(9, 2), "45");
  EXPECT_EQ(buildTaxCode("", "", 31, 1, 2000, Sex::Male, kRoma).substr(9, 2), "31");
  EXPECT_EQ(buildTaxCode("", "", 31, 1, 2000, Sex::Female, kRoma).substr(9, 2), "71");
  EXPECT_EQ(buildTaxCode("", "", 1, 1, 2000, Sex::Female, kRoma).substr(9, 2), "41");
  // 31 February is taken as it is.
  EXPECT_EQ(buildTaxCode("", "", 31, 2, 2000, Sex::Male, kRoma).substr(8, 3), "B31");
}

TEST(BuildTaxCode, MunicipalityNumberHasThreeDigits) {
  EXPECT_EQ(buildTaxCode("", "", 1, 1, 2000, Sex::Male, {'Z', 7}).substr(11, 4), "Z007");
  EXPECT_EQ(buildTaxCode("", "", 1, 1, 2000, Sex::Male, {'Z', 42}).substr(11, 4), "Z042");
  EXPECT_EQ(buildTaxCode("", "", 1, 1, 2000, Sex::Male, {'Z', 999}).substr(11, 4), "Z999");
  EXPECT_EQ(buildTaxCode("", "", 1, 1, 2000, Sex::Male, {'Z', 999}).size(), 16u);
}

TEST(BuildTaxCode, CaseAndSpacingOfNamesDoNotMatter) {
  EXPECT_EQ(buildTaxCode("de luca", "anna maria", 12, 6, 1975, Sex::Female, kRoma),
            buildTaxCode("DE LUCA", "ANNA MARIA", 12, 6, 1975, Sex::Female, kRoma));
  EXPECT_EQ(buildTaxCode("De Luca", "Anna", 12, 6, 1975, Sex::Female, kRoma).substr(0, 6),
            "DLCNNA");
}

TEST(CheckCharacter, OddAndEvenPositionsHaveTheirOwnValues) {
  // Sum 148: X at odd positions is 25, at even ones 23; 0 at an odd position
  // counts as A (1), 1 as B (0).
  EXPECT_EQ(taxCodeCheckCharacter("XXXXXX00A01A000"), 'S');
  EXPECT_EQ(taxCodeCheckCharacter("RSSMRA80A01H501"), 'U');
  EXPECT_EQ(taxCodeCheckCharacter("BNCGNN85T50F205"), 'U');
  EXPECT_EQ(taxCodeCheckCharacter("AAAAAAAAAAAAAAA"), 'I');  // 8 * 1 + 7 * 0
  EXPECT_EQ(taxCodeCheckCharacter("ZZZZZZZZZZZZZZZ"), 'V');  // (8 * 23 + 7 * 25) mod 26 = 21
}

TEST(SexAnswer, OnlyMAndFInEitherCase) {
  EXPECT_EQ(sexFromAnswer('M'), Sex::Male);
  EXPECT_EQ(sexFromAnswer('m'), Sex::Male);
  EXPECT_EQ(sexFromAnswer('F'), Sex::Female);
  EXPECT_EQ(sexFromAnswer('f'), Sex::Female);
  EXPECT_FALSE(sexFromAnswer('x'));
  EXPECT_FALSE(sexFromAnswer('0'));
}

// Runs 'f' once for Mario Rossi, born in Roma on 1 January 1980, and
// returns what it wrote.
std::string runForMarioRossi() {
  std::istringstream in("Rossi\nMario\n1\n1\n1980\nM\nRoma\n");
  std::ostringstream out;
  Console console(in, out);
  FakePlatform platform;
  HistoryLog history;
  Context context{console, platform, history};
  EXPECT_EQ(runTaxCode(context), Flow::Continue);
  return out.str();
}

TEST(TaxCodeCommand, ReadsTheFileAgainEveryTime) {
  char pattern[] = "/tmp/tavrik-tax-code-XXXXXX";
  ASSERT_NE(::mkdtemp(pattern), nullptr);
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(pattern);
  std::ofstream("risorsa.cf.txt") << "ROMA\tH501\n";
  const std::string first = runForMarioRossi();
  std::ofstream("risorsa.cf.txt") << "ROMA\tH501\nROMA\tZ123\n";
  const std::string second = runForMarioRossi();
  std::filesystem::current_path(before);
  std::filesystem::remove_all(pattern);
  EXPECT_NE(first.find("Codice fiscale: RSSMRA80A01H501U\n\n"), std::string::npos) << first;
  EXPECT_NE(second.find("Codice fiscale: RSSMRA80A01Z123I\n\n"), std::string::npos) << second;
}

}  // namespace
}  // namespace tavrik::tools
