// The municipality file's records, the lookup and the normalised names.
#include <gtest/gtest.h>

#include <tuple>

#include "tools/MunicipalityTable.hpp"

namespace tavrik::tools {
namespace {

// "H501" for the code found in the table of a file's text, "-" for none.
std::string codeOf(const std::string& file, std::string_view name, CalendarDay born = kStillValid) {
  const auto table = parseMunicipalities(file);
  const auto code = table ? findMunicipality(*table, name, born) : std::nullopt;
  if (!code) return table ? "-" : "refused";
  const std::string digits = std::to_string(code->number);
  return code->letter + std::string(3 - digits.size(), '0') + digits;
}

TEST(MunicipalityFile, AcceptedAndRefusedRecords) {
  // What ROMA is found as in a file, "-" for no ROMA. Blank lines, CRLF, spaces
  // before a later record, trailing spaces, a last line without its line end
  // and a byte order mark first are all accepted; spaces on the first
  // record's line belong to its name, and so does a byte order mark anywhere
  // else. The later of two records with one name wins.
  // clang-format off
  const std::pair<std::string, std::string_view> accepted[] = {
      {"MILANO\tF205\nROMA\tH501\n", "H501"}, {"ROMA \tH501\n", "-"}, {"Roma\tH501\n", "-"},
      {"\n\r\n \nA\tH501\r\n\n  B\tF205\n\t\nC\tL219  \n ROMA\tF839", "F839"},
      {"\n  ROMA\tH501\n", "-"}, {"ROMA\tA000\n", "A000"}, {"ROMA\tB007\n", "B007"},
      {"ROMA\tZ999\n", "Z999"}, {"ROMA\tC337\nMILANO\tH501\nROMA\tM261\n", "M261"},
      {"\xEF\xBB\xBF\nROMA\tH501\n", "H501"}, {"A\tA001\n\xEF\xBB\xBFROMA\tH501\n", "-"}};
  // clang-format on
  for (const auto& [file, code] : accepted) EXPECT_EQ(codeOf(file, "ROMA"), code) << file;
  // No record at all; no TAB, in any line; a name across lines; a code that
  // is not a capital A-Z and three digits (a small letter, a control byte,
  // fewer or more digits, a sign, a blank inside), or stray text after it.
  for (const std::string& file : std::initializer_list<std::string>{
           "", "\n \r\n", "\xEF\xBB\xBF", "ROMA H501\n", "ROMA\nH501\n", "ROMA\tH501\nMILANO",
        "ROMA\tH501\nMILANO\n\tF205", "ROMA\t", "ROMA\t\n501\n", "ROMA\tH\nMILANO\tF205\n", "ROMA\tHX01\n",
        "ROMA\tH1000\n", "ROMA\tH50\n", "ROMA\tA0\n", "ROMA\tC+42\n", "ROMA\tH-01\n", "ROMA\tF 205\n",
        "ROMA\th501\n", "ROMA\t\x1b" "501\n", std::string("ROMA\t\0" "501\n", 10), "ROMA\t\xC3\x89" "01\n",
        "ROMA\tH501 x\n"}) {
    EXPECT_FALSE(parseMunicipalities(file)) << file;
  }
}

TEST(MunicipalityFile, DaysOfValidityPickTheRecordOfTheBirthDay) {
  // Merged on 4 February 2014 (both valid that day); OLD had two records,
  // neither still valid; a plain line is valid on every day.
  const std::string file =
      "M\tE775\t1861-03-17\t2014-02-04\nM\tM339\t2014-02-04\t9999-12-31\n"
      "OLD\tA002\t1930-01-01\t1940-12-31\nOLD\tA001\t1900-01-01\t1920-02-29\n"
      "P\tB001\t1900-01-01\t1950-12-31\nP\tB002\n";
  for (const auto& [name, born, code] :
       {std::tuple{"M", 20140203, "E775"}, {"M", 20140204, "M339"}, {"M", 18000101, "M339"},
        {"OLD", 19100101, "A001"}, {"OLD", 19250101, "A002"}, {"OLD", 20000101, "A002"},
        {"P", 19400101, "B002"}, {"P", kStillValid, "B002"}}) {
    EXPECT_EQ(codeOf(file, name, born), code) << name << " " << born;
  }
  // A day that does not exist, one day alone, the last before the first,
  // another shape, text after the days.
  for (const char* refused :
       {"R\tH501\t2021-02-29\t9999-12-31\n", "R\tH501\t2020-01-01\n", "R\tH501\t2020-01-02\t2020-01-01\n",
        "R\tH501\t2020-1-01\t2021-01-01\n", "R\tH501\t2020-01-01\t2021-01-01x\n"}) {
    EXPECT_FALSE(parseMunicipalities(refused)) << refused;
  }
  EXPECT_TRUE(isRealDay(2000, 2, 29) && !isRealDay(2100, 2, 29) && !isRealDay(2023, 4, 31));
}

TEST(MunicipalityFile, NamesOfHighBytesAndEveryBucket) {
  // Bytes count as signed, so these sums are negative; the same bytes in
  // another order land in the same bucket and are another name.
  EXPECT_EQ(bucketOf("\xFF"), MunicipalityTable::kBucketCount - 1);
  const std::string atCount = std::string(23, 'Z') + "8";  // 23 * 90 + 56 = 2126
  ASSERT_EQ(nameHash(atCount), static_cast<int>(MunicipalityTable::kBucketCount));
  EXPECT_EQ(bucketOf(atCount), 0u);
  const std::string file = "\xE8\xFF\x80\tB002\n" + atCount + "\tA001\n";
  EXPECT_EQ(codeOf(file, "\xE8\xFF\x80"), "B002");
  EXPECT_EQ(codeOf(file, "\xFF\xE8\x80"), "-");
  EXPECT_EQ(codeOf(file, atCount), "A001");
}

TEST(NormalizeName, UpperCaseAccentsAndOtherBytes) {
  EXPECT_EQ(normalizeName("L'Aquila az AZ"), "L''AQUILA AZ AZ");
  EXPECT_EQ(normalizeName("A1(b)"), "A1'('B)'");
  EXPECT_EQ(normalizeName(std::string("A\0B", 3)), std::string("A\0'B", 4));
  EXPECT_EQ(normalizeName("Roma\r\nMilano"), "ROMA");
  EXPECT_EQ(normalizeName("\nRoma"), "");
  // The accented vowels, Windows-1252 and UTF-8, small and capital.
  const std::string vowels = "A'A'E'E'I'O'O'U'U'";
  EXPECT_EQ(normalizeName("\xE0\xE4\xE8\xE9\xEC\xF2\xF6\xF9\xFC"), vowels);
  EXPECT_EQ(normalizeName("\xC0\xC4\xC8\xC9\xCC\xD2\xD6\xD9\xDC"), vowels);
  EXPECT_EQ(normalizeName("\u00E0\u00E4\u00E8\u00E9\u00EC\u00F2\u00F6\u00F9\u00FC"), vowels);
  EXPECT_EQ(normalizeName("\u00C0\u00C4\u00C8\u00C9\u00CC\u00D2\u00D6\u00D9\u00DC"), vowels);
  // Other accented letters keep their bytes, each followed by an apostrophe.
  EXPECT_EQ(normalizeName("\xE1\xA8\xC3\xB1\xC3"), "\xE1'\xA8'\xC3'\xB1'\xC3'");
}

}  // namespace
}  // namespace tavrik::tools
