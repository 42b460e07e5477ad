// Reading a tax code back; the dialogue is in transcripts/tools/tax-code-check.t.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <vector>

#include "tools/TaxCode.hpp"
#include "tools/TaxCodeCheck.hpp"

namespace tavrik::tools {
namespace {

constexpr CalendarDay kToday = 20231114;

// The control letter worked out apart from the program: at the odd places
// a character is worth the index of its letter in kOdd (a digit counts as
// the letter of its index, 0 as A), at the even places its index itself.
char checkLetter(std::string_view first15) {
  static constexpr std::string_view kOdd = "BAKPLCQDREVOSFTGUHMINJWZYX";
  int sum = 0;
  for (std::size_t i = 0; i < 15; ++i) {
    const char c = first15[i] <= '9' ? static_cast<char>('A' + first15[i] - '0') : first15[i];
    sum += i % 2 == 0 ? static_cast<int>(kOdd.find(c)) : c - 'A';
  }
  return static_cast<char>('A' + sum % 26);
}
std::string withCheck(std::string first15) { return first15 + checkLetter(first15); }

// Every digit of a code replaced by its letter, the control letter again.
std::string substituted(std::string code, std::size_t onlyAt = std::string::npos) {
  for (const std::size_t i : {6, 7, 9, 10, 12, 13, 14}) {
    if (onlyAt == std::string::npos || onlyAt == i) code[i] = "LMNPQRSTUV"[code[i] - '0'];
  }
  return withCheck(code.substr(0, 15));
}

TEST(TaxCodeCheck, VerdictsInOrderDatesAndPlaces) {
  const auto table = parseMunicipalities(
      "ROMA\tH501\t0000-01-01\t9999-12-31\tRM\nBOLZANO\tA952\t0000-01-01\t9999-12-31\tBZ\n"
      "BOZEN\tA952\t0000-01-01\t9999-12-31\tBZ\nFRANCIA\tZ110\t0000-01-01\t9999-12-31\tEE\n"
      "VECCHIO\tA001\t0000-01-01\t1920-06-30\tTO\nNUOVO\tM435\t2024-01-01\t9999-12-31\tCO\n");
  ASSERT_TRUE(table);
  const std::string malformed = "ERRORE: Il codice deve avere 16 caratteri nella forma RSSMRA80A01H501U.\n";
  const std::string badDate = "ERRORE: Data di nascita non valida.\n";
  const auto valid = [](std::string tail) { return "Codice fiscale valido.\nSesso: maschile\nNato il " + tail + "\n"; };
  const std::string rome = valid("01/01/1980\nLuogo di nascita: ROMA (RM)");
  const std::pair<std::string, std::string> cases[] = {
      {"RSSMRA80A01H501U", rome},
      {"RSSMRA80A01H501", malformed},
      {"RSSMRA80A01H501UU", malformed},
      {"RSSMR480A01H501U", malformed},  // a digit in a letter place
      {"RSSMRA8AA01H501U", malformed},  // a letter that stands for no digit
      {"RSS MRA80A01H501", malformed},
      {"RSSMRA80A01H501A", "ERRORE: Carattere di controllo errato (atteso U).\n"},
      {withCheck("RSSMRA80F01H501"), badDate},  // no month F
      {withCheck("RSSMRA80A00H501"), badDate},
      {withCheck("RSSMRA80A32H501"), badDate},
      {withCheck("RSSMRA80A40H501"), badDate},
      {withCheck("RSSMRA80A72H501"), badDate},
      {withCheck("RSSMRA80D31H501"), badDate},  // 31 April
      {withCheck("RSSMRA01B29H501"), badDate},  // 29 February of neither 1901 nor 2001
      {withCheck("RSSMRA80A01H999"), "ERRORE: Codice del luogo di nascita sconosciuto (H999).\n"},
      {withCheck("RSSMRA80A01HVVV"), "ERRORE: Codice del luogo di nascita sconosciuto (H999).\n"},
      {withCheck("RSSMRA80A41H501"), "Codice fiscale valido.\nSesso: femminile\nNata il 01/01/1980\n"
                                     "Luogo di nascita: ROMA (RM)\n"},
      {withCheck("RSSMRA00B29H501"), valid("29/02/2000\nLuogo di nascita: ROMA (RM)")},
      {withCheck("RSSMRA04B29H501"), valid("29/02/2004\nLuogo di nascita: ROMA (RM)")},
      {withCheck("RSSMRA23L01H501"), valid("01/07/2023\nLuogo di nascita: ROMA (RM)")},  // this century
      {withCheck("RSSMRA23T01H501"), valid("01/12/1923\nLuogo di nascita: ROMA (RM)")},  // not after today
      {withCheck("RSSMRA30A01A952"), valid("01/01/1930\nLuogo di nascita: BOLZANO / BOZEN (BZ)")},
      {withCheck("RSSMRA80A01Z110"), valid("01/01/1980\nLuogo di nascita: FRANCIA")},
      // The latest year on which the place code was valid, else the latest.
      {withCheck("RSSMRA10A01A001"), valid("01/01/1910\nLuogo di nascita: VECCHIO (TO)")},
      {withCheck("RSSMRA20A01M435"), valid("01/01/2020\nLuogo di nascita: NUOVO (CO) (codice non in uso in quella data)")},
  };
  for (const auto& [code, verdict] : cases) {
    EXPECT_EQ(describeTaxCode(readTaxCode(*table, code, kToday)), verdict) << code;
  }
  // 29 February 2000 had not come yet, and 1900 was no leap year.
  EXPECT_EQ(describeTaxCode(readTaxCode(*table, withCheck("RSSMRA00B29H501"), 20000228)), badDate);
  // A letter for a digit at each place, and at all of them, in any case and
  // with blanks around: the same reading.
  const std::string substitutedRome = "Codice fiscale valido.\nCodice con sostituzioni per omocodia.\n" + rome.substr(23);
  for (const std::size_t i : {6, 7, 9, 10, 12, 13, 14}) {
    const std::string code = substituted("RSSMRA80A01H501", i);
    EXPECT_EQ(describeTaxCode(readTaxCode(*table, code, kToday)), substitutedRome) << code;
  }
  EXPECT_EQ(describeTaxCode(readTaxCode(*table, " \trssmraulalmhrlmd ", kToday)), substitutedRome);
  EXPECT_EQ(substituted("RSSMRA80A01H501"), "RSSMRAULALMHRLMD");

  EXPECT_EQ(calendarDayOf(0), 19700101);
  EXPECT_EQ(calendarDayOf(1'700'000'000), kToday);
  EXPECT_EQ(calendarDayOf(951'782'399), 20000228);
  EXPECT_EQ(calendarDayOf(951'782'400), 20000229);
}

// Sampled people born in current and former municipalities, under old and
// second-language names, in places of a shared name, abroad and in places
// that did not exist on the day, with the answers worked out from the
// archive by a script of its own (tests/fixtures/tax-codes.tsv, written by
// scripts/make-municipalities): the shipped table must give the same. Each
// code reads back as valid, with the same sex, day, month and place; the year
// is theirs when they were born within the last hundred years. The same code
// with letters for its digits reads the same.
TEST(TaxCode, SampledPeopleAgainstTheShippedTableAndReadBack) {
  const auto table = loadMunicipalities(std::string(TAVRIK_SOURCE_DATA_DIR) + "/risorsa.cf.txt");
  ASSERT_TRUE(table);
  std::ifstream fixture(std::string(TAVRIK_SOURCE_DATA_DIR) + "/../tests/fixtures/tax-codes.tsv");
  std::map<std::string, int> checked;
  int recent = 0;
  for (std::string line; std::getline(fixture, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> f;
    for (std::size_t at = 0, tab = 0; tab != std::string::npos; at = tab + 1) {
      tab = line.find('\t', at);
      f.push_back(line.substr(at, tab - at));
    }
    ASSERT_EQ(f.size(), 9u) << line;
    ++checked[f[8]];
    const int day = std::stoi(f[2]), month = std::stoi(f[3]), year = std::stoi(f[4]);
    const CalendarDay born = year * 10000 + month * 100 + day;
    const auto place = municipalityOf(*table, f[6], born);
    const std::string error = birthplaceError(place);
    if (f[7][0] == '!') {
      EXPECT_EQ(error, "ERRORE: " + f[7].substr(1) + " non esisteva alla data di nascita.\n") << line;
      continue;
    }
    if (f[7][0] == '?') {
      EXPECT_EQ(error.substr(0, error.find('\n')), "ERRORE: Più comuni hanno questo nome: " + f[7].substr(1) + ".")
          << line;
      continue;
    }
    ASSERT_EQ(place.outcome, MunicipalityLookup::Outcome::Found) << line << " " << error;
    const Sex sex = *sexFromAnswer(f[5]);
    const std::string code = buildTaxCode(f[0], f[1], day, month, year, sex, place.code);
    EXPECT_EQ(code, f[7]) << line;
    for (const std::string& typed : {code, substituted(code)}) {
      const TaxCodeReading reading = readTaxCode(*table, typed, kToday);
      ASSERT_EQ(reading.verdict, TaxCodeReading::Verdict::Valid) << line << " " << typed;
      EXPECT_EQ(reading.substituted, typed != code);
      EXPECT_EQ(reading.sex, sex) << line;
      EXPECT_EQ(reading.born % 1000000, born % 1000000) << line;
      EXPECT_EQ(reading.place.letter, place.code.letter) << line;
      EXPECT_EQ(reading.place.number, place.code.number) << line;
      if (born > kToday - 1000000) {
        EXPECT_EQ(reading.born, born) << line;
        EXPECT_TRUE(reading.placeInUse) << line;
        recent += typed == code;
      }
    }
  }
  // Every kind is there, in numbers.
  for (const char* kind : {"current", "former", "renamed", "code", "second-language", "province", "ambiguous",
                           "not-yet", "no-longer", "foreign"}) {
    EXPECT_GE(checked[kind], 10) << kind;
  }
  EXPECT_GE(recent, 150);
}

}  // namespace
}  // namespace tavrik::tools
