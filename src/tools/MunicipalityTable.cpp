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

// Appends the vowel and the apostrophe that stand for an accented vowel.
void appendAccented(std::string& out, char vowel) {
  out += vowel;
  out += '\'';
}

// The vowel of an accented letter of Windows-1252, either case, or 0.
char accentedVowel1252(unsigned char byte) {
  switch (byte | 0x20) {  // 0xC0..0xDF are the upper-case forms of 0xE0..0xFF
    case 0xE0:
    case 0xE4:
      return 'A';
    case 0xE8:
    case 0xE9:
      return 'E';
    case 0xEC:
      return 'I';
    case 0xF2:
    case 0xF6:
      return 'O';
    case 0xF9:
    case 0xFC:
      return 'U';
    default:
      return 0;
  }
}

constexpr unsigned char kUtf8LatinLead = 0xC3;

// A day written YYYY-MM-DD that exists; advances `at` past it.
std::optional<CalendarDay> readDay(std::string_view text, std::size_t& at) {
  static constexpr std::string_view kShape = "dddd-dd-dd";
  if (text.size() - at < kShape.size()) return std::nullopt;
  int parts[3] = {0, 0, 0};
  int part = 0;
  for (const char expected : kShape) {
    const char c = text[at++];
    if (expected == '-') {
      if (c != '-') return std::nullopt;
      ++part;
    } else if (isDigit(c)) {
      parts[part] = parts[part] * 10 + (c - '0');
    } else {
      return std::nullopt;
    }
  }
  // Nothing may follow the day on its line but white space.
  if (at < text.size() && !isWhite(text[at])) return std::nullopt;
  if (!isRealDay(parts[0], parts[1], parts[2])) return std::nullopt;
  return parts[0] * 10000 + parts[1] * 100 + parts[2];
}

// How a record suits someone born on `day`: lower is better. Valid on the
// day and current, then valid on the day, then by the last day valid.
std::int64_t rank(CalendarDay first, CalendarDay last, CalendarDay day) {
  if (first <= day && day <= last) return last == kStillValid ? 0 : 1;
  return 2 + (std::int64_t{kStillValid} - last);
}

}  // namespace

bool isRealDay(int year, int month, int day) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 0 || month < 1 || month > 12 || day < 1) return false;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

MunicipalityRecord MunicipalityTable::record(std::size_t index) const {
  const Node& node = nodes_.at(index);
  return {nameOf(node), codeOf(node), node.first, node.last};
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

void MunicipalityTable::add(std::size_t nameStart, std::size_t nameLength, MunicipalityCode code,
                            CalendarDay first, CalendarDay last) {
  const std::size_t bucket = bucketOf(std::string_view(text_).substr(nameStart, nameLength));
  nodes_.push_back({static_cast<Index>(nameStart), static_cast<Index>(nameLength), heads_[bucket], first,
                    last, static_cast<std::int16_t>(code.number), code.letter});
  heads_[bucket] = static_cast<Index>(nodes_.size() - 1);
}

std::optional<MunicipalityTable> parseMunicipalities(std::string text) {
  // Below 4 GiB offsets fit 32 bits, and so do record indexes, as every
  // record takes at least 3 bytes.
  if (text.size() >= MunicipalityTable::kNone) return std::nullopt;
  MunicipalityTable table;
  table.text_ = std::move(text);
  const std::string_view content = table.text_;
  // Room for the usual file of one record per line.
  table.nodes_.reserve(static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n')) +
                       1);
  // A byte order mark that an editor may have put first is no part of a name.
  static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  const std::size_t start = content.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
  std::size_t at = start + startOfFirstRecord(content.substr(start));
  while (at < content.size()) {
    // A name never runs across lines: a line without a TAB is malformed.
    const std::size_t tab = content.find_first_of("\t\n\r", at);
    if (tab == std::string_view::npos || content[tab] != '\t') return std::nullopt;
    std::size_t codeAt = tab + 1;
    const std::optional<MunicipalityCode> code = readCode(content, codeAt);
    if (!code) return std::nullopt;
    CalendarDay first = 0;
    CalendarDay last = kStillValid;
    // The days of validity, when the line has them.
    std::size_t daysAt = codeAt;
    while (daysAt < content.size() && (content[daysAt] == '\t' || content[daysAt] == ' ')) ++daysAt;
    if (daysAt < content.size() && isDigit(content[daysAt])) {
      const std::optional<CalendarDay> from = readDay(content, daysAt);
      const bool separated = daysAt < content.size() && content[daysAt] == '\t';
      const std::optional<CalendarDay> to = separated ? readDay(content, ++daysAt) : std::nullopt;
      if (!from || !to || *to < *from) return std::nullopt;
      first = *from;
      last = *to;
      codeAt = daysAt;
    }
    table.add(at, tab - at, *code, first, last);
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

std::optional<MunicipalityCode> findMunicipality(const MunicipalityTable& table,
                                                 std::string_view name, CalendarDay day) {
  // A chain holds later lines first, so only a better rank replaces.
  std::optional<MunicipalityCode> best;
  std::int64_t bestRank = 0;
  for (MunicipalityTable::Index i = table.heads_[bucketOf(name)]; i != MunicipalityTable::kNone;
       i = table.nodes_[i].next) {
    const auto& node = table.nodes_[i];
    if (table.nameOf(node) != name) continue;
    const std::int64_t nodeRank = rank(node.first, node.last, day);
    if (!best || nodeRank < bestRank) {
      best = MunicipalityTable::codeOf(node);
      bestRank = nodeRank;
    }
  }
  return best;
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

std::string normalizeName(std::string_view typed) {
  std::string out;
  out.reserve(typed.size() * 2);
  for (std::size_t i = 0; i < typed.size(); ++i) {
    const char c = typed[i];
    if (c == '\n' || c == '\r') break;
    if ((c >= 'A' && c <= 'Z') || c == ' ') {
      out += c;
      continue;
    }
    if (c >= 'a' && c <= 'z') {
      out += static_cast<char>(c - 'a' + 'A');
      continue;
    }
    const auto byte = static_cast<unsigned char>(c);
    // UTF-8 à è é ì ò ù ä ö ü and their capitals are 0xC3 followed by the
    // Windows-1252 byte less 0x40.
    if (byte == kUtf8LatinLead && i + 1 < typed.size()) {
      const auto second = static_cast<unsigned char>(typed[i + 1]);
      if (second >= 0x80 && second <= 0xBF) {
        if (const char vowel = accentedVowel1252(static_cast<unsigned char>(second + 0x40))) {
          appendAccented(out, vowel);
          ++i;
          continue;
        }
      }
    }
    if (const char vowel = accentedVowel1252(byte)) {
      appendAccented(out, vowel);
      continue;
    }
    out += c;
    out += '\'';
  }
  return out;
}

}  // namespace tavrik::tools
