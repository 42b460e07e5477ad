// The letters and digits of the tax code; the dialogue is in transcripts/tools/tax-code.t.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <vector>

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

TEST(TaxCode, DatePlaceAndCheckCharacter) {
  const auto code = [](int day, int month, int year, Sex sex, MunicipalityCode place) {
    return buildTaxCode("Rossi", "Mario", day, month, year, sex, place);
  };
  EXPECT_EQ(code(1, 1, 1980, Sex::Male, {'H', 501}), "RSSMRA80A01H501U");
  // Year: its last two digits; month: a letter; day: two digits, plus 40 for a woman.
  EXPECT_EQ(code(10, 5, 2010, Sex::Male, {}).substr(6, 5), "10E10");
  EXPECT_EQ(code(9, 6, 1909, Sex::Male, {}).substr(6, 5), "09H09");
  EXPECT_EQ(code(1, 7, 2000, Sex::Female, {}).substr(6, 5), "00L41");
  EXPECT_EQ(code(31, 12, 1999, Sex::Female, {}).substr(6, 5), "99T71");
  EXPECT_EQ(code(31, 12, 1999, Sex::Male, {}).substr(6, 5), "99T31");
  for (const auto& [number, digits] :
       {std::pair{7, "Z007"}, {10, "Z010"}, {99, "Z099"}, {100, "Z100"}, {999, "Z999"}}) {
    EXPECT_EQ(code(1, 1, 1980, Sex::Male, {'Z', number}).substr(11, 4), digits);
  }
  // Every letter and the digits 0 and 9 at odd and at even positions, where
  // they have different values; lower case counts as upper.
  EXPECT_EQ(taxCodeCheckCharacter("ABCDEFGHIJKLMNO"), 'Z');
  EXPECT_EQ(taxCodeCheckCharacter("badcfehgjilknmp"), 'X');
  EXPECT_EQ(taxCodeCheckCharacter("qrstuvwxyz09qrs"), 'W');
  EXPECT_EQ(taxCodeCheckCharacter("RQTSVUXWZY90RQT"), 'F');
  EXPECT_EQ(taxCodeCheckCharacter("RSSMRA80A01H501U"), 'U');  // a 16th character is not counted
}

}  // namespace
}  // namespace tavrik::tools

namespace tavrik::tools {
namespace {

// Sampled people born in current and former municipalities, under old and
// second-language names, in places of a shared name, abroad and in places
// that did not exist on the day, with the answers worked out from the
// archive by a script of its own (tests/fixtures/tax-codes.tsv, written by
// scripts/make-municipalities): the shipped table must give the same.
TEST(TaxCode, SampledPeopleAgainstTheShippedTable) {
  const auto table = loadMunicipalities(std::string(TAVRIK_SOURCE_DATA_DIR) + "/risorsa.cf.txt");
  ASSERT_TRUE(table);
  std::ifstream fixture(std::string(TAVRIK_SOURCE_DATA_DIR) + "/../tests/fixtures/tax-codes.tsv");
  std::map<std::string, int> checked;
  for (std::string line; std::getline(fixture, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> f;
    for (std::size_t at = 0; at != std::string::npos;) {
      const std::size_t tab = line.find('\t', at);
      f.push_back(line.substr(at, tab == std::string::npos ? tab : tab - at));
      at = tab == std::string::npos ? tab : tab + 1;
    }
    ASSERT_EQ(f.size(), 9u) << line;
    const int day = std::stoi(f[2]), month = std::stoi(f[3]), year = std::stoi(f[4]);
    const auto place = municipalityOf(*table, f[6], year * 10000 + month * 100 + day);
    const std::string error = birthplaceError(place);
    if (f[7][0] == '!') {
      EXPECT_EQ(error, "ERRORE: " + f[7].substr(1) + " non esisteva alla data di nascita.\n") << line;
    } else if (f[7][0] == '?') {
      EXPECT_EQ(error.substr(0, error.find('\n')), "ERRORE: Più comuni hanno questo nome: " + f[7].substr(1) + ".")
          << line;
    } else {
      ASSERT_EQ(place.outcome, MunicipalityLookup::Outcome::Found) << line << " " << error;
      EXPECT_EQ(buildTaxCode(f[0], f[1], day, month, year, *sexFromAnswer(f[5]), place.code), f[7]) << line;
    }
    ++checked[f[8]];
  }
  // Every kind is there, in numbers.
  for (const char* kind : {"current", "former", "renamed", "code", "second-language", "province", "ambiguous",
                           "not-yet", "no-longer", "foreign"}) {
    EXPECT_GE(checked[kind], 10) << kind;
  }
}

}  // namespace
}  // namespace tavrik::tools
