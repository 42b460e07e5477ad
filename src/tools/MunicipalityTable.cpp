#include "tools/MunicipalityTable.hpp"

#include "platform/Files.hpp"

#include <algorithm>

namespace tavrik::tools {

namespace {

// White space as a formatted read skips it.
bool isWhite(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipWhite(std::string_view text, std::size_t at) {
  while (at < text.size() && isWhite(text[at])) ++at;
  return at;
}

// Blank lines before the first record are skipped; white space on the first
// record's own line is part of its name, as it is for every record's name.
std::size_t startOfFirstRecord(std::string_view text) {
  const std::size_t content = skipWhite(text, 0);
  if (content == text.size()) return content;
  const std::size_t lineEnd = text.find_last_of("\r\n", content);
  return lineEnd == std::string_view::npos ? 0 : lineEnd + 1;
}

// A code as the tax code writes it: a capital letter A-Z and three digits,
// then the end of the line or white space. Advances `at` past it.
std::optional<MunicipalityCode> readCode(std::string_view text, std::size_t& at) {
  static constexpr std::size_t kCodeLength = 4;
  if (text.size() - at < kCodeLength) return std::nullopt;
  const std::string_view code = text.substr(at, kCodeLength);
  if (code[0] < 'A' || code[0] > 'Z' || !isDigit(code[1]) || !isDigit(code[2]) || !isDigit(code[3])) {
    return std::nullopt;
  }
  at += kCodeLength;
  if (at < text.size() && !isWhite(text[at])) return std::nullopt;
  return MunicipalityCode{code[0], (code[1] - '0') * 100 + (code[2] - '0') * 10 + (code[3] - '0')};
}

// The base letters of U+00C0..U+017F (Latin-1 and Latin Extended-A, also
// the bytes 0xC0..0xFF of Windows-1252): '1' stands for AE, '2' for SS, '3'
// for OE, '.' for a sign that is no letter.
constexpr std::string_view kBaseLetters =
    "AAAAAA1CEEEEIIIIDNOOOOO.OUUUUYT2AAAAAA1CEEEEIIIIDNOOOOO.OUUUUYTY"
    "AAAAAACCCCCCCCDDDDEEEEEEEEEEGGGGGGGGHHHHIIIIIIIIIIIIJJKKKLLLLLLL"
    "LLLNNNNNNNNNOOOOOO33RRRRRRSSSSSSSSTTTTTTUUUUUUUUUUUUWWYYYZZZZZZS";
constexpr char32_t kFirstLetterWithDiacritic = 0xC0;

// Appends the base letters of a code point of U+00C0..U+017F; false for a
// sign that is no letter.
bool appendBaseLetters(std::string& out, char32_t codePoint) {
  const std::size_t index = codePoint - kFirstLetterWithDiacritic;
  if (codePoint < kFirstLetterWithDiacritic || index >= kBaseLetters.size()) return false;
  switch (const char base = kBaseLetters[index]) {
    case '.':
      return false;
    case '1':
      out += "AE";
      return true;
    case '2':
      out += "SS";
      return true;
    case '3':
      out += "OE";
      return true;
    default:
      out += base;
      return true;
  }
}

// The letters of Windows-1252 outside 0xC0..0xFF, as code points.
char32_t codePointOf1252(unsigned char byte) {
  switch (byte) {
    case 0x8A:
      return 0x160;  // Š
    case 0x8C:
      return 0x152;  // Œ
    case 0x8E:
      return 0x17D;  // Ž
    case 0x9A:
      return 0x161;
    case 0x9C:
      return 0x153;
    case 0x9E:
      return 0x17E;
    case 0x9F:
      return 0x178;  // Ÿ
    default:
      return byte;
  }
}


// A day written YYYY-MM-DD that exists; advances `at` past it.
std::optional<CalendarDay> readDay(std::string_view text, std::size_t& at) {
  static constexpr std::size_t kLength = 10;  // YYYY-MM-DD
  if (text.size() - at < kLength) return std::nullopt;
  const std::string_view day = text.substr(at, kLength);
  const auto number = [&](std::size_t from, std::size_t digits) {
    int value = 0;
    for (std::size_t k = from; k < from + digits; ++k) {
      if (!isDigit(day[k])) return -1;
      value = value * 10 + (day[k] - '0');
    }
    return value;
  };
  const int year = number(0, 4), month = number(5, 2), dayOfMonth = number(8, 2);
  if (day[4] != '-' || day[7] != '-' || year < 0 || month < 0 || dayOfMonth < 0) return std::nullopt;
  at += kLength;
  // Nothing may follow the day on its line but white space.
  if (at < text.size() && !isWhite(text[at])) return std::nullopt;
  if (!isRealDay(year, month, dayOfMonth)) return std::nullopt;
  return year * 10000 + month * 100 + dayOfMonth;
}

// The two capital letters of a province, then white space or the end;
// advances `at` past them.
bool readProvince(std::string_view text, std::size_t& at, char (&province)[2]) {
  const auto capital = [](char c) { return c >= 'A' && c <= 'Z'; };
  if (text.size() - at < 2 || !capital(text[at]) || !capital(text[at + 1])) return false;
  if (at + 2 < text.size() && !isWhite(text[at + 2])) return false;
  province[0] = text[at];
  province[1] = text[at + 1];
  at += 2;
  return true;
}

// Skips the blanks that part the fields of a line.
std::size_t skipBlanks(std::string_view text, std::size_t at) {
  while (at < text.size() && (text[at] == '\t' || text[at] == ' ')) ++at;
  return at;
}

bool sameCode(MunicipalityCode a, MunicipalityCode b) {
  return a.letter == b.letter && a.number == b.number;
}

bool codeBefore(MunicipalityCode a, MunicipalityCode b) {
  return a.letter != b.letter ? a.letter < b.letter : a.number < b.number;
}

// "NAME (XX)" as the name and the province; nullopt for anything else.
std::optional<std::pair<std::string_view, std::string_view>> withProvince(std::string_view name) {
  static constexpr std::size_t kSuffix = 4;  // "(XX)"
  if (name.size() <= kSuffix || name.back() != ')' || name[name.size() - kSuffix] != '(') {
    return std::nullopt;
  }
  std::string_view plain = name.substr(0, name.size() - kSuffix);
  while (!plain.empty() && plain.back() == ' ') plain.remove_suffix(1);
  if (plain.empty()) return std::nullopt;
  return std::pair{plain, name.substr(name.size() - kSuffix + 1, 2)};
}

// One record of each code, ordered by province: the choices of an ambiguous
// name.
MunicipalityLookup ambiguous(std::vector<MunicipalityRecord> records) {
  std::vector<MunicipalityRecord> choices;
  for (const MunicipalityRecord& record : records) {
    const auto same = [&](const MunicipalityRecord& r) { return sameCode(r.code, record.code); };
    if (std::none_of(choices.begin(), choices.end(), same)) choices.push_back(record);
  }
  std::stable_sort(choices.begin(), choices.end(),
                   [](const auto& a, const auto& b) { return a.province < b.province; });
  MunicipalityLookup lookup;
  lookup.outcome = MunicipalityLookup::Outcome::Ambiguous;
  lookup.choices = std::move(choices);
  return lookup;
}

MunicipalityLookup found(MunicipalityCode code) {
  MunicipalityLookup lookup;
  lookup.outcome = MunicipalityLookup::Outcome::Found;
  lookup.code = code;
  return lookup;
}

void appendNormalizedName(std::string& out, std::string_view typed);

}  // namespace

bool isRealDay(int year, int month, int day) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 0 || month < 1 || month > 12 || day < 1) return false;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

bool validOn(const MunicipalityRecord& record, CalendarDay day) {
  return record.first <= day && day <= record.last;
}

MunicipalityRecord MunicipalityTable::record(std::size_t index) const {
  return recordOf(nodes_.at(index));
}

std::size_t MunicipalityTable::longestChain() const {
  std::size_t longest = 0;
  for (const Index head : heads_) {
    std::size_t length = 0;
    for (Index i = head; i != kNone; i = nodes_[i].next) ++length;
    longest = std::max(longest, length);
  }
  return longest;
}

void MunicipalityTable::add(std::size_t nameStart, std::size_t nameLength,
                            const MunicipalityRecord& record) {
  const std::size_t keyStart = keys_.size();
  appendNormalizedName(keys_, std::string_view(text_).substr(nameStart, nameLength));
  const std::string_view key = std::string_view(keys_).substr(keyStart);
  const std::size_t bucket = bucketOf(key);
  Node node{static_cast<Index>(nameStart), static_cast<Index>(nameLength), static_cast<Index>(keyStart),
            static_cast<Index>(key.size()), heads_[bucket], record.first, record.last,
            static_cast<std::int16_t>(record.code.number), record.code.letter, {0, 0}};
  if (record.province.size() == 2) {
    node.province[0] = record.province[0];
    node.province[1] = record.province[1];
  }
  nodes_.push_back(node);
  heads_[bucket] = static_cast<Index>(nodes_.size() - 1);
}

std::optional<MunicipalityTable> parseMunicipalities(std::string text) {
  // Below 1 GiB offsets fit 32 bits, and so do record indexes, as every
  // record takes at least 3 bytes, and so do the offsets of the normalised
  // names, each at most twice as long as its name.
  if (text.size() >= MunicipalityTable::kNone / 4) return std::nullopt;
  MunicipalityTable table;
  table.text_ = std::move(text);
  const std::string_view content = table.text_;
  // Room for the usual file of one record per line.
  table.nodes_.reserve(static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n')) +
                       1);
  table.keys_.reserve(content.size());
  // A byte order mark that an editor may have put first is no part of a name.
  static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  const std::size_t start = content.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
  std::size_t at = start + startOfFirstRecord(content.substr(start));
  while (at < content.size()) {
    // A name never runs across lines: a line without a TAB is malformed.
    std::size_t tab = at;
    while (tab < content.size() && content[tab] != '\t' && content[tab] != '\n' && content[tab] != '\r') ++tab;
    if (tab == content.size() || content[tab] != '\t') return std::nullopt;
    std::size_t codeAt = tab + 1;
    const std::optional<MunicipalityCode> code = readCode(content, codeAt);
    if (!code) return std::nullopt;
    MunicipalityRecord record{{}, *code, 0, kStillValid, {}};
    // The days of validity, when the line has them.
    std::size_t fieldAt = skipBlanks(content, codeAt);
    if (fieldAt < content.size() && isDigit(content[fieldAt])) {
      const std::optional<CalendarDay> from = readDay(content, fieldAt);
      const bool separated = fieldAt < content.size() && content[fieldAt] == '\t';
      const std::optional<CalendarDay> to = separated ? readDay(content, ++fieldAt) : std::nullopt;
      if (!from || !to || *to < *from) return std::nullopt;
      record.first = *from;
      record.last = *to;
      codeAt = fieldAt;
      fieldAt = skipBlanks(content, codeAt);
    }
    // The province, when the line has one.
    char province[2] = {0, 0};
    if (readProvince(content, fieldAt, province)) {
      record.province = std::string_view(province, 2);
      codeAt = fieldAt;
    }
    table.add(at, tab - at, record);
    at = skipWhite(content, codeAt);
  }
  // A table of no record finds nothing: it is no table.
  if (table.nodes_.empty()) return std::nullopt;
  return table;
}

std::optional<MunicipalityTable> loadMunicipalities(const std::filesystem::path& file) {
  // Far more than any table of municipalities: a file that is not a table
  // (or not a regular file) is refused before it fills the memory.
  constexpr std::size_t kMaxTableBytes = std::size_t{64} << 20;
  std::optional<std::string> text = files::readSmallFile(file.string(), kMaxTableBytes);
  if (!text) return std::nullopt;
  return parseMunicipalities(std::move(*text));
}

MunicipalityLookup findMunicipality(const MunicipalityTable& table, std::string_view name,
                                    CalendarDay day) {
  using Table = MunicipalityTable;
  // The lines of the name, later lines first; "NAME (XX)" keeps the lines of
  // province XX, unless some line has the whole text as its name.
  std::vector<MunicipalityRecord> lines;
  const auto collect = [&](std::string_view key, std::string_view province) {
    for (Table::Index i = table.heads_[bucketOf(key)]; i != Table::kNone; i = table.nodes_[i].next) {
      const auto& node = table.nodes_[i];
      if (table.keyOf(node) == key && (province.empty() || Table::provinceOf(node) == province)) {
        lines.push_back(table.recordOf(node));
      }
    }
  };
  collect(name, {});
  if (lines.empty()) {
    if (const auto split = withProvince(name)) collect(split->first, split->second);
  }
  if (lines.empty()) return {};

  std::vector<MunicipalityRecord> valid;
  for (const MunicipalityRecord& line : lines) {
    if (validOn(line, day)) valid.push_back(line);
  }
  if (!valid.empty()) {
    // A line with days comes before a line without, which may be valid on
    // any day only because its days are not known.
    const auto undated = [](const MunicipalityRecord& r) { return r.first == 0; };
    if (!std::all_of(valid.begin(), valid.end(), undated)) std::erase_if(valid, undated);
    const auto oneCode = [&](const MunicipalityRecord& r) { return sameCode(r.code, valid[0].code); };
    // Of lines without days, the later one, as in a file of names and codes.
    if (std::all_of(valid.begin(), valid.end(), oneCode) || undated(valid[0])) return found(valid[0].code);
    // The current name of each of its places: the lowest code.
    const auto currentName = [&](const MunicipalityRecord& r) {
      return std::any_of(lines.begin(), lines.end(), [&](const MunicipalityRecord& line) {
        return sameCode(line.code, r.code) && line.last == kStillValid;
      });
    };
    if (std::all_of(valid.begin(), valid.end(), currentName)) {
      return found(std::min_element(valid.begin(), valid.end(), [](const auto& a, const auto& b) {
                     return codeBefore(a.code, b.code);
                   })->code);
    }
    return ambiguous(std::move(valid));
  }

  // No line of the name was valid on the day: its codes that were, under
  // another name.
  std::vector<MunicipalityRecord> living;
  for (const Table::Node& node : table.nodes_) {
    if (node.first > day || day > node.last) continue;
    const auto ofNode = [&](const MunicipalityRecord& r) { return sameCode(r.code, Table::codeOf(node)); };
    const auto line = std::find_if(lines.begin(), lines.end(), ofNode);
    if (line != lines.end() && std::none_of(living.begin(), living.end(), ofNode)) {
      living.push_back(*line);
    }
  }
  if (living.size() == 1) return found(living[0].code);
  if (living.size() > 1) return ambiguous(std::move(living));
  MunicipalityLookup lookup;
  lookup.outcome = MunicipalityLookup::Outcome::DidNotExist;
  lookup.place = *std::max_element(lines.begin(), lines.end(),
                                   [](const auto& a, const auto& b) { return a.last < b.last; });
  return lookup;
}

std::optional<MunicipalityCode> findCode(const MunicipalityTable& table, MunicipalityCode code) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    const MunicipalityCode stored = table.record(i).code;
    if (stored.letter == code.letter && stored.number == code.number) return code;
  }
  return std::nullopt;
}

std::int32_t nameHash(std::string_view name) {
  std::uint32_t sum = 0;
  for (const char c : name) {
    sum += static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(c)));
  }
  return static_cast<std::int32_t>(sum);
}

std::size_t bucketOf(std::string_view name) {
  constexpr auto kBuckets = static_cast<std::int64_t>(MunicipalityTable::kBucketCount);
  const std::int64_t remainder = nameHash(name) % kBuckets;
  return static_cast<std::size_t>(remainder < 0 ? remainder + kBuckets : remainder);
}

namespace {

// normalizeName, appended to `out`.
void appendNormalizedName(std::string& out, std::string_view typed) {
  const std::size_t start = out.size();
  bool apostrophes = false;
  for (std::size_t i = 0; i < typed.size(); ++i) {
    // Capitals and spaces, most of a name, as they are.
    std::size_t plain = i;
    while (plain < typed.size() && ((typed[plain] >= 'A' && typed[plain] <= 'Z') || typed[plain] == ' ')) ++plain;
    if (plain > i) {
      out.append(typed.substr(i, plain - i));
      i = plain - 1;
      continue;
    }
    const char c = typed[i];
    if (c == '\n' || c == '\r') break;
    if (c == '\'' || c == '`') {
      out += '\'';
      apostrophes = true;
      continue;
    }
    if (c >= 'a' && c <= 'z') {
      out += static_cast<char>(c - 'a' + 'A');
      continue;
    }
    if (c == '-') {
      out += ' ';
      continue;
    }
    const auto byte = static_cast<unsigned char>(c);
    const auto next = [&](std::size_t k) {
      return i + k < typed.size() ? static_cast<unsigned char>(typed[i + k]) : 0;
    };
    // UTF-8: ’ ‘ (E2 80 99, E2 80 98), ´ (C2 B4), and the letters of
    // U+00C0..U+017F (lead byte C3, C4 or C5).
    if (byte == 0xE2 && next(1) == 0x80 && (next(2) == 0x98 || next(2) == 0x99)) {
      out += '\'';
      apostrophes = true;
      i += 2;
      continue;
    }
    const bool continuation = next(1) >= 0x80 && next(1) <= 0xBF;
    if (byte == 0xC2 && next(1) == 0xB4) {
      out += '\'';
      apostrophes = true;
      ++i;
      continue;
    }
    if (byte >= 0xC3 && byte <= 0xC5 && continuation) {
      // A sign that is no letter keeps its two bytes.
      if (!appendBaseLetters(out, static_cast<char32_t>(((byte & 0x1F) << 6) | (next(1) & 0x3F)))) {
        out += typed.substr(i, 2);
      }
      ++i;
      continue;
    }
    // Windows-1252: ‘ ’ ´ and the letters.
    if (byte == 0x91 || byte == 0x92 || byte == 0xB4) {
      out += '\'';
      apostrophes = true;
      continue;
    }
    if (appendBaseLetters(out, codePointOf1252(byte))) continue;
    out += c;
  }
  if (!apostrophes) return;
  // An apostrophe counts once, and only between two letters: elsewhere it
  // stands for an accent (FORLI') or is a slip.
  const auto letter = [](char ch) { return ch >= 'A' && ch <= 'Z'; };
  std::size_t kept = start;
  for (std::size_t i = start; i < out.size(); ++i) {
    if (out[i] != '\'') {
      out[kept++] = out[i];
      continue;
    }
    std::size_t after = i;
    while (after < out.size() && out[after] == '\'') ++after;
    if (kept > start && letter(out[kept - 1]) && after < out.size() && letter(out[after])) out[kept++] = '\'';
    i = after - 1;
  }
  out.resize(kept);
}

}  // namespace

std::string normalizeName(std::string_view typed) {
  std::string out;
  out.reserve(typed.size() * 2);
  appendNormalizedName(out, typed);
  return out;
}

}  // namespace tavrik::tools
