// The municipality file's records, the lookup and the normalised names.
#include <gtest/gtest.h>

#include <tuple>

#include "tools/MunicipalityTable.hpp"

namespace tavrik::tools {
namespace {

// What a name gives in the table of a file's text: "H501" for a code, "-"
// for none, "?A (MI), A (RM)" for the choices of an ambiguous name, "!OLD"
// for a place that did not exist on the day.
std::string codeOf(const std::string& file, std::string_view name, CalendarDay born = kStillValid) {
  const auto table = parseMunicipalities(file);
  if (!table) return "refused";
  const MunicipalityLookup found = findMunicipality(*table, name, born);
  using Outcome = MunicipalityLookup::Outcome;
  std::string text;
  switch (found.outcome) {
    case Outcome::NotFound:
      return "-";
    case Outcome::DidNotExist:
      return std::string("!").append(found.place.name);
    case Outcome::Ambiguous:
      for (const auto& choice : found.choices) {
        text += text.empty() ? "?" : ", ";
        text.append(choice.name).append(" (").append(choice.province).append(")");
      }
      return text;
    case Outcome::Found:
      break;
  }
  const std::string digits = std::to_string(found.code.number);
  return found.code.letter + std::string(3 - digits.size(), '0') + digits;
}

TEST(MunicipalityFile, AcceptedAndRefusedRecords) {
  // What ROMA is found as in a file, "-" for no ROMA. Blank lines, CRLF, spaces
  // before a later record, trailing spaces, a last line without its line end
  // and a byte order mark first are all accepted; spaces on the first
  // record's line belong to its name, and so does a byte order mark anywhere
  // else. Names of the file are normalised too. The later of two records
  // without days wins. A province may follow the code.
  // clang-format off
  const std::pair<std::string, std::string_view> accepted[] = {
      {"MILANO\tF205\nROMA\tH501\n", "H501"}, {"ROMA \tH501\n", "-"}, {"Roma\tH501\tRM\n", "H501"},
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
        "ROMA\tH501 x\n", "ROMA\tH501\tRMA\n", "ROMA\tH501\tRm\n"}) {
    EXPECT_FALSE(parseMunicipalities(file)) << file;
  }
}

TEST(MunicipalityFile, DaysOfValidityPickTheRecordOfTheBirthDay) {
  // M merged into M339 on 4 February 2014, later renamed MCPV; OLD had two
  // codes, A001 then renamed NEW; P has a dated and a plain line; S is the
  // current name of two places; T was the name of two places at once from
  // 1950 to 1960; LIST is a name without a period of its own.
  const std::string file =
      "M\tE775\t1861-03-17\t2014-02-03\tVA\nM\tM339\t2014-02-04\t2016-12-31\tVA\n"
      "MCPV\tM339\t2017-01-01\t9999-12-31\tVA\n"
      "OLD\tA002\t1930-01-01\t1940-12-31\tTN\nOLD\tA001\t1900-01-01\t1920-02-29\tTO\n"
      "NEW\tA001\t1920-03-01\t9999-12-31\tAO\nLIST\tA002\t0000-01-01\t0000-01-01\tTO\n"
      "P\tB001\t1900-01-01\t1950-12-31\nP\tB002\n"
      "S\tC002\t1900-01-01\t9999-12-31\tLE\nS\tC001\t1900-01-01\t9999-12-31\tBG\n"
      "T\tD001\t1900-01-01\t1960-12-31\tRM\nT\tD002\t1950-01-01\t9999-12-31\tMI\n";
  for (const auto& [name, born, code] :
       {std::tuple{"M", 20140203, "E775"}, {"M", 20140204, "M339"}, {"M", 20200101, "M339"},
        {"MCPV", 20150101, "M339"}, {"MCPV", 20000101, "!MCPV"}, {"M", 18000101, "!M"},
        {"OLD", 19100101, "A001"}, {"OLD", 19350101, "A002"}, {"OLD", 19250101, "A001"},
        {"OLD", 18900101, "!OLD"}, {"NEW", 19100101, "A001"}, {"NEW (AO)", 19100101, "A001"},
        {"NEW (TO)", 19100101, "-"}, {"LIST", 19350101, "A002"}, {"LIST", 19500101, "!LIST"},
        {"P", 19400101, "B001"}, {"P", kStillValid, "B002"}, {"S", 19800101, "C001"},
        {"S (LE)", 19800101, "C002"}, {"S(BG)", 19800101, "C001"}, {"T", 19550101, "?T (MI), T (RM)"},
        {"T", 19700101, "D002"}, {"T (RM)", 19550101, "D001"}, {"T (RM)", 19700101, "!T"}}) {
    EXPECT_EQ(codeOf(file, name, born), code) << name << " " << born;
  }
  // No line of OLD valid in 1925, and both its codes valid under other names.
  EXPECT_EQ(codeOf(file + "X\tA002\t1921-01-01\t1929-12-31\n", "OLD", 19250101), "?OLD (TN), OLD (TO)");
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
  const std::string file = "\xA8\xB0\x80\tB002\n" + atCount + "\tA001\n";
  EXPECT_EQ(codeOf(file, "\xA8\xB0\x80"), "B002");
  EXPECT_EQ(codeOf(file, "\xB0\xA8\x80"), "-");
  EXPECT_EQ(codeOf(file, atCount), "A001");
}

TEST(NormalizeName, UpperCaseBaseLettersAndApostrophes) {
  const std::pair<std::string, std::string> names[] = {
      {"L'Aquila az AZ", "L'AQUILA AZ AZ"}, {"A1(b)", "A1(B)"}, {std::string("A\0B", 3), std::string("A\0B", 3)},
      {"Roma\r\nMilano", "ROMA"}, {"\nRoma", ""},
      // Accented letters in Windows-1252 and UTF-8, small and capital.
      {"\xE0\xE4\xE8\xE9\xEC\xF2\xF6\xF9\xFC\xC0\xC4\xC8\xC9\xCC\xD2\xD6\xD9\xDC", "AAEEIOOUUAAEEIOOUU"},
      {"\u00E0\u00E4\u00E8\u00E9\u00EC\u00F2\u00F6\u00F9\u00FC\u00C0\u00C4\u00C8\u00C9", "AAEEIOOUUAAEE"},
      {"Ch\u00E2tillon", "CHATILLON"}, {"Gr\u00F6den", "GRODEN"}, {"Doberd\u00F2", "DOBERDO"},
      {"DOBERDO'", "DOBERDO"}, {"Forli''", "FORLI"}, {"CITTA' DI", "CITTA DI"}, {"CASTRO ('BG)'", "CASTRO (BG)"},
      {"Sant\u2019Agata", "SANT'AGATA"}, {"Sant`Agata", "SANT'AGATA"}, {"SANT''AGATA", "SANT'AGATA"},
      {"Salurn an der Weinstra\u00DFe", "SALURN AN DER WEINSTRASSE"}, {"Val-d'Aosta", "VAL D'AOSTA"},
      {"\u0160TEVERJAN \u010Cedad \u0153 \u00C6", "STEVERJAN CEDAD OE AE"}, {"\x8A\x9C\xDF", "SOESS"},
      // Signs that are no letters keep their bytes; a lone lead byte is a
      // Windows-1252 letter.
      {"\xD7\xA8\u00D7\xC3", "\xD7\xA8\xC3\x97" "A"}};
  for (const auto& [typed, normal] : names) EXPECT_EQ(normalizeName(typed), normal) << typed;
}

}  // namespace
}  // namespace tavrik::tools
