#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "shell/PosixPlatform.hpp"
#include "tools/MunicipalityTable.hpp"

namespace tavrik::tools {
namespace {

const std::filesystem::path kShippedTable =
    std::filesystem::path(TAVRIK_SOURCE_DATA_DIR) / "risorsa.cf.txt";

// "H501" for a found code, "-" for none.
std::string codeOf(const std::optional<MunicipalityTable>& table, std::string_view name) {
  if (!table) return "no table";
  const auto code = findMunicipality(*table, name);
  if (!code) return "-";
  std::string text(1, code->letter);
  const std::string digits = std::to_string(code->number);
  return text + std::string(3 - digits.size(), '0') + digits;
}

TEST(MunicipalityFile, RecordsAreNameTabLetterAndNumber) {
  const auto table = parseMunicipalities("ROMA\tH501\nMILANO\tF205\nL''AQUILA\tA345\n");
  ASSERT_TRUE(table);
  EXPECT_EQ(table->size(), 3u);
  EXPECT_EQ(codeOf(table, "ROMA"), "H501");
  EXPECT_EQ(codeOf(table, "MILANO"), "F205");
  EXPECT_EQ(codeOf(table, "L''AQUILA"), "A345");
  EXPECT_EQ(codeOf(table, "ROMA "), "-");
  EXPECT_EQ(codeOf(table, "Roma"), "-");
  EXPECT_EQ(codeOf(table, ""), "-");
  EXPECT_EQ(table->record(1).name, "MILANO");
  EXPECT_EQ(table->record(1).code.letter, 'F');
  EXPECT_EQ(table->record(1).code.number, 205);
}

TEST(MunicipalityFile, WhiteSpaceBetweenRecordsIsSkipped) {
  // Blank lines, CRLF line ends, spaces before a later record and before the
  // number, a last line without its line end.
  const auto table = parseMunicipalities(
      "\n\r\n  \nROMA\tH501\r\n\r\n\n   MILANO\tF 205\n\t\nTORINO\tL219   \n  NAPOLI\tF839");
  ASSERT_TRUE(table);
  EXPECT_EQ(table->size(), 4u);
  EXPECT_EQ(codeOf(table, "ROMA"), "H501");
  EXPECT_EQ(codeOf(table, "MILANO"), "F205");
  EXPECT_EQ(codeOf(table, "TORINO"), "L219");
  EXPECT_EQ(codeOf(table, "NAPOLI"), "F839");
}

TEST(MunicipalityFile, SpacesOnTheFirstLineBelongToTheName) {
  const auto table = parseMunicipalities("  ROMA\tH501\n");
  EXPECT_EQ(codeOf(table, "  ROMA"), "H501");
  EXPECT_EQ(codeOf(table, "ROMA"), "-");
  // Likewise after blank lines: only whole blank lines are skipped.
  EXPECT_EQ(codeOf(parseMunicipalities("\n\n ROMA\tH501\n"), " ROMA"), "H501");
}

TEST(MunicipalityFile, CodeNumbersKeepTheirValue) {
  const auto table = parseMunicipalities("A\tA0\nB\tB007\nC\tC+42\nD\tZ999\nE\tE-0\n");
  EXPECT_EQ(codeOf(table, "A"), "A000");
  EXPECT_EQ(codeOf(table, "B"), "B007");
  EXPECT_EQ(codeOf(table, "C"), "C042");
  EXPECT_EQ(codeOf(table, "D"), "Z999");
  EXPECT_EQ(codeOf(table, "E"), "E000");
}

TEST(MunicipalityFile, MalformedRecordsFailTheLoad) {
  const std::pair<std::string, std::string_view> cases[] = {
      {"ROMA H501\n", "no TAB"},
      {"ROMA\tH501\nMILANO F205\n", "a later line without a TAB"},
      {"ROMA\tH501\nMILANO", "a last record without a TAB"},
      {"ROMA\tH501\nMILANO\n\tF205", "a name never spans lines"},
      {"ROMA\tH\n", "no number"},
      {"ROMA\tH\nMILANO\tF205\n", "the next line is no number"},
      {"ROMA\tHX01\n", "not a number"},
      {"ROMA\tH1000\n", "above 999"},
      {"ROMA\tH99999999999999999999\n", "far above 999"},
      {"ROMA\tH-1\n", "below 0"},
      {"ROMA\tH+\n", "a sign alone"},
      {"ROMA\t", "no letter"},
      {"ROMA\t\n501\n", "a line end is no letter"},
      {"ROMA\tH501 x\n", "stray text after the code"},
  };
  for (const auto& [text, why] : cases) {
    EXPECT_FALSE(parseMunicipalities(text)) << why;
  }
}

TEST(MunicipalityFile, EmptyFileGivesAnEmptyTable) {
  const auto empty = parseMunicipalities("");
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->size(), 0u);
  EXPECT_EQ(codeOf(empty, "ROMA"), "-");
  const auto blank = parseMunicipalities("\n \r\n\t\n");
  ASSERT_TRUE(blank);
  EXPECT_EQ(blank->size(), 0u);
}

TEST(MunicipalityFile, TheLaterOfTwoLinesWithOneNameWins) {
  const auto table = parseMunicipalities("CASTRO\tC337\nROMA\tH501\nCASTRO\tM261\n");
  ASSERT_TRUE(table);
  EXPECT_EQ(table->size(), 3u);
  EXPECT_EQ(codeOf(table, "CASTRO"), "M261");
}

TEST(MunicipalityFile, LongAndHighByteNamesAreStoredAndFound) {
  const std::string longName(300, 'Z');          // byte sum 27000, far above the bucket count
  const std::string highName = "\xE8\xFF\x80";   // byte sum -153
  const std::string otherHigh = "\xFF\xE8\x80";  // same bytes, same bucket
  const auto table = parseMunicipalities(longName + "\tA001\n" + highName + "\tB002\nE'\tC003\n");
  ASSERT_TRUE(table);
  EXPECT_EQ(codeOf(table, longName), "A001");
  EXPECT_EQ(codeOf(table, highName), "B002");
  EXPECT_EQ(codeOf(table, otherHigh), "-");
  EXPECT_EQ(codeOf(table, std::string(299, 'Z')), "-");
}

TEST(NameHash, SumsSignedBytesIntoBuckets) {
  EXPECT_EQ(nameHash(""), 0);
  EXPECT_EQ(nameHash("ROMA"), 'R' + 'O' + 'M' + 'A');
  EXPECT_EQ(nameHash("\xFF"), -1);
  EXPECT_EQ(nameHash("\x80\x80"), -256);
  EXPECT_EQ(bucketOf("ROMA"), 303u);
  EXPECT_EQ(bucketOf("\xFF"), 2125u);
  EXPECT_EQ(bucketOf("\x80\x80"), 2126u - 256u);
  // 23 * 'Z' (90) + '8' (56) = 2126, the bucket count: back to bucket 0.
  EXPECT_EQ(nameHash(std::string(23, 'Z') + "8"), 2126);
  EXPECT_EQ(bucketOf(std::string(23, 'Z') + "8"), 0u);
  EXPECT_EQ(bucketOf(std::string(23, 'Z') + "7"), 2125u);
  EXPECT_EQ(bucketOf(std::string(300, 'Z')), 27000u % 2126u);
}

TEST(NormalizeName, LettersAndSpacesAndOtherBytes) {
  EXPECT_EQ(normalizeName("Roma"), "ROMA");
  EXPECT_EQ(normalizeName("san teodoro"), "SAN TEODORO");
  EXPECT_EQ(normalizeName("L'Aquila"), "L''AQUILA");
  EXPECT_EQ(normalizeName("Pre-Saint"), "PRE-'SAINT");
  EXPECT_EQ(normalizeName("A1(b)"), "A1'('B)'");
  EXPECT_EQ(normalizeName(" x "), " X ");
  EXPECT_EQ(normalizeName(""), "");
  EXPECT_EQ(normalizeName(std::string("A\0B", 3)), std::string("A\0'B", 4));
  // Accented letters other than the nine vowels keep their byte.
  EXPECT_EQ(normalizeName("\xE1"), "\xE1'");
  EXPECT_EQ(normalizeName("\xC3\xB1"), "\xC3'\xB1'");  // UTF-8 n with tilde
  EXPECT_EQ(normalizeName("A\xC3"), "A\xC3'");
}

TEST(NormalizeName, StopsAtTheFirstLineEnd) {
  EXPECT_EQ(normalizeName("Roma\nMilano"), "ROMA");
  EXPECT_EQ(normalizeName("Roma\r\n"), "ROMA");
  EXPECT_EQ(normalizeName("\rRoma"), "");
}

TEST(NormalizeName, AccentedVowelsInEitherEncodingAndCase) {
  struct Case {
    const char* windows1252;
    const char* utf8;
    const char* normalized;
  };
  const Case cases[] = {
      {"\xE0", "\xC3\xA0", "A'"}, {"\xE4", "\xC3\xA4", "A'"}, {"\xE8", "\xC3\xA8", "E'"},
      {"\xE9", "\xC3\xA9", "E'"}, {"\xEC", "\xC3\xAC", "I'"}, {"\xF2", "\xC3\xB2", "O'"},
      {"\xF6", "\xC3\xB6", "O'"}, {"\xF9", "\xC3\xB9", "U'"}, {"\xFC", "\xC3\xBC", "U'"},
      {"\xC0", "\xC3\x80", "A'"}, {"\xC4", "\xC3\x84", "A'"}, {"\xC8", "\xC3\x88", "E'"},
      {"\xC9", "\xC3\x89", "E'"}, {"\xCC", "\xC3\x8C", "I'"}, {"\xD2", "\xC3\x92", "O'"},
      {"\xD6", "\xC3\x96", "O'"}, {"\xD9", "\xC3\x99", "U'"}, {"\xDC", "\xC3\x9C", "U'"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(normalizeName(c.windows1252), c.normalized) << c.normalized;
    EXPECT_EQ(normalizeName(c.utf8), c.normalized) << c.normalized;
  }
  EXPECT_EQ(normalizeName("Cant\xC3\xB9"), "CANTU'");
  EXPECT_EQ(normalizeName("Cantu'"), "CANTU''");
  EXPECT_EQ(normalizeName("For\xECl\xEC"), "FORI'LI'");
}

TEST(ShippedTable, HoldsCurrentMunicipalitiesAndForeignStates) {
  const auto table = loadMunicipalities(kShippedTable);
  ASSERT_TRUE(table);
  EXPECT_GT(table->size(), 8000u);
  EXPECT_EQ(codeOf(table, normalizeName("Roma")), "H501");
  EXPECT_EQ(codeOf(table, normalizeName("Milano")), "F205");
  EXPECT_EQ(codeOf(table, normalizeName("L'Aquila")), "A345");
  EXPECT_EQ(codeOf(table, normalizeName("Reggio nell'Emilia")), "H223");
  EXPECT_EQ(codeOf(table, normalizeName("Pr\xC3\xA9-Saint-Didier")), "H042");
  EXPECT_EQ(codeOf(table, normalizeName("Pre'-Saint-Didier")), "H042");
  EXPECT_EQ(codeOf(table, normalizeName("Forl\xC3\xAC")), "D704");
  EXPECT_EQ(codeOf(table, normalizeName("Forl\xEC")), "D704");
  EXPECT_EQ(codeOf(table, normalizeName("Forli'")), "D704");
  EXPECT_EQ(codeOf(table, normalizeName("Cant\xC3\xB9")), "B639");
  EXPECT_EQ(codeOf(table, normalizeName("Cantu'")), "B639");
  EXPECT_EQ(codeOf(table, normalizeName("Francia")), "Z110");
  EXPECT_EQ(codeOf(table, normalizeName("Benin")), "Z314");
  EXPECT_EQ(codeOf(table, normalizeName("Bermuda")), "Z400");
  EXPECT_EQ(codeOf(table, normalizeName("Bermuda (Isole)")), "Z400");
  // A former state keeps its code; where a state changed code, the current one.
  EXPECT_EQ(codeOf(table, normalizeName("Armenia")), "Z252");
  // Names shared by two municipalities: the lower code, or the province.
  EXPECT_EQ(codeOf(table, normalizeName("Castro")), "C337");
  EXPECT_EQ(codeOf(table, normalizeName("Castro (LE)")), "M261");
  EXPECT_EQ(codeOf(table, normalizeName("San Teodoro (SS)")), "I329");
  // Former municipalities are left out.
  EXPECT_EQ(codeOf(table, normalizeName("Abano Bagni")), "-");
}

// A text that normalizeName turns into `name`, read back from the stored
// form: a vowel before an odd run of apostrophes was typed accented, and
// every other apostrophe follows a byte that was typed before it.
std::optional<std::string> typedFormOf(std::string_view name) {
  std::string typed;
  for (std::size_t at = 0; at < name.size(); ++at) {
    const char c = name[at];
    if ((c >= 'A' && c <= 'Z') || c == ' ') {
      std::size_t run = 0;
      while (at + 1 + run < name.size() && name[at + 1 + run] == '\'') ++run;
      const std::string_view vowels = "AEIOU";
      const std::size_t vowel = vowels.find(c);
      if (run % 2 == 1 && vowel != std::string_view::npos) {
        typed += "\xE0\xE8\xEC\xF2\xF9"[vowel];
        ++at;
        continue;
      }
      typed += c;
      continue;
    }
    if (at + 1 >= name.size() || name[at + 1] != '\'') return std::nullopt;
    typed += c;
    ++at;
  }
  return typed;
}

TEST(ShippedTable, EveryNameIsStoredOnceInNormalisedForm) {
  const auto table = loadMunicipalities(kShippedTable);
  ASSERT_TRUE(table);
  std::set<std::string_view> names;
  for (std::size_t i = 0; i < table->size(); ++i) {
    const MunicipalityRecord record = table->record(i);
    EXPECT_TRUE(names.insert(record.name).second) << record.name;
    const std::optional<std::string> typed = typedFormOf(record.name);
    ASSERT_TRUE(typed) << record.name;
    EXPECT_EQ(normalizeName(*typed), record.name);
    EXPECT_GE(record.code.letter, 'A');
    EXPECT_LE(record.code.letter, 'Z');
  }
}

TEST(MunicipalityFile, MissingFileFailsToLoad) {
  EXPECT_FALSE(loadMunicipalities("no-such-directory/risorsa.cf.txt"));
}

TEST(InstalledData, TheProgramFindsItsShippedTable) {
  std::istringstream in;
  std::ostringstream out;
  PosixPlatform platform(in, out);
  const std::string directory = platform.dataDirectory();
  ASSERT_FALSE(directory.empty());
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(directory) / "risorsa.cf.txt"));
}

}  // namespace
}  // namespace tavrik::tools
