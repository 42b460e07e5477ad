// The letters and digits of the tax code; the dialogue is in transcripts/tools/tax-code.t,
// the sampled people of tests/fixtures/tax-codes.tsv in TaxCodeCheckTest.cpp.
#include <gtest/gtest.h>

#include "tools/TaxCode.hpp"

namespace tavrik::tools {
namespace {

TEST(TaxCode, NameLettersAreConsonantsThenVowelsThenX) {
  // The last two spell E grave in Windows-1252 and in UTF-8.
  const std::pair<const char*, const char*> surnames[] = {
      {"Rossi", "RSS"}, {"Bianchi", "BNC"},  {"Mazza", "MZZ"}, {"D'Amico", "DMC"},
      {"DA", "DAX"},    {"Oia", "OIA"},      {"Y", "YXX"},     {"  '-1", "XXX"},
      {"R\xC8", "REX"}, {"r\xC3\xA8", "REX"}};
  for (const auto& [typed, letters] : surnames) EXPECT_EQ(surnameLetters(typed), letters) << typed;
  // A first name of four or more consonants takes the first, third and fourth.
  const std::pair<const char*, const char*> firstNames[] = {
      {"FRANCESCO", "FNC"}, {"Marco", "MRC"}, {"Ugo", "GUO"}, {"Ea", "EAX"}, {"", "XXX"}};
  for (const auto& [typed, letters] : firstNames) {
    EXPECT_EQ(firstNameLetters(typed), letters) << typed;
  }
}

// The date, the place and the whole code are checked against the sampled people of the
// fixture, whose codes come from elsewhere (all months, both sexes, both centuries).
TEST(TaxCode, CheckCharacter) {
  // Every letter and the digits 0 and 9 at odd and at even positions, where
  // they have different values; lower case counts as upper.
  EXPECT_EQ(taxCodeCheckCharacter("ABCDEFGHIJKLMNO"), 'Z');
  EXPECT_EQ(taxCodeCheckCharacter("badcfehgjilknmp"), 'X');
  EXPECT_EQ(taxCodeCheckCharacter("qrstuvwxyz09qrs"), 'W');
  EXPECT_EQ(taxCodeCheckCharacter("RQTSVUXWZY90RQT"), 'F');
  EXPECT_EQ(taxCodeCheckCharacter("RSSMRA80A01H501U"), 'U');  // a 16th character is not counted
}

// "maschio" is male (the refusals are in the dialogue); the cadastral code itself is a place.
TEST(TaxCode, SexAndCadastralCodeAsAnswered) {
  for (const char* male : {"M", "m", " maschio ", "MASCHIO"})
    EXPECT_EQ(sexFromAnswer(male), Sex::Male);
  // The code itself, in any case, on a day when the name gives another.
  const auto table = parseMunicipalities(
      "MACCAGNO\tE775\t1861-03-17\t2014-02-03\n"
      "MACCAGNO\tM339\t2014-02-04\t9999-12-31\n");
  ASSERT_TRUE(table);
  const MunicipalityLookup place = municipalityOf(*table, " e775 ", 20140204);
  EXPECT_TRUE(place.outcome == MunicipalityLookup::Outcome::Found && place.code.letter == 'E' &&
              place.code.number == 775);
}

}  // namespace
}  // namespace tavrik::tools
