#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik::tools {

/// The four-character cadastral code of a municipality or foreign state:
/// a capital letter and a number 0..999 (H501 is letter 'H', number 501).
struct MunicipalityCode {
  char letter = 0;
  int number = 0;
};

/// A calendar day written as the number YYYYMMDD (19800101 is 1 January
/// 1980), so that days compare as numbers.
using CalendarDay = std::int32_t;
/// The last day of a record still valid.
inline constexpr CalendarDay kStillValid = 99991231;

/// One line of the municipality file: the name as stored, its code and the
/// days it was valid, first and last (a line without them is valid on every
/// day).
struct MunicipalityRecord {
  std::string_view name;
  MunicipalityCode code;
  CalendarDay first = 0;
  CalendarDay last = kStillValid;
};

/// The municipality names and their codes, hashed by the byte sum of the name
/// into a fixed number of buckets. A name may have several records, valid
/// on different days.
class MunicipalityTable {
 public:
  static constexpr std::size_t kBucketCount = 2126;

  /// Number of records, duplicates included.
  std::size_t size() const { return nodes_.size(); }
  /// The record of the index-th record line of the file.
  MunicipalityRecord record(std::size_t index) const;
  /// Number of records in the fullest bucket.
  std::size_t longestChain() const;

 private:
  friend std::optional<MunicipalityTable> parseMunicipalities(std::string text);
  friend std::optional<MunicipalityCode> findMunicipality(const MunicipalityTable& table,
                                                          std::string_view name, CalendarDay day);
  // Offsets into the text and record indexes fit 32 bits: a longer file is
  // refused. Small nodes keep a whole table in a few pages.
  using Index = std::uint32_t;
  static constexpr Index kNone = static_cast<Index>(-1);

  struct Node {
    Index nameStart;  // in text_
    Index nameLength;
    Index next;  // the earlier record of the same bucket, or kNone
    CalendarDay first;
    CalendarDay last;
    std::int16_t number;
    char letter;
  };

  void add(std::size_t nameStart, std::size_t nameLength, MunicipalityCode code, CalendarDay first,
           CalendarDay last);
  std::string_view nameOf(const Node& node) const {
    return std::string_view(text_).substr(node.nameStart, node.nameLength);
  }
  static MunicipalityCode codeOf(const Node& node) { return {node.letter, node.number}; }

  std::string text_;  // the file's content; the names are slices of it
  std::vector<Node> nodes_;
  std::array<Index, kBucketCount> heads_ = filledWithNone();

  static constexpr std::array<Index, kBucketCount> filledWithNone() {
    std::array<Index, kBucketCount> heads{};
    heads.fill(kNone);
    return heads;
  }
};

/// The table held by a municipality file's content (a UTF-8 byte order mark
/// first is skipped): records of a name, a TAB and a code of a capital
/// letter A-Z and three digits, optionally followed on the same line by the
/// first and the last day of the record's validity (YYYY-MM-DD each, TAB
/// before each), separated by white space. nullopt when there is no record,
/// or a record lacks its TAB or a code of that shape, or has a day that does
/// not exist, one day only, or a last day before its first.
std::optional<MunicipalityTable> parseMunicipalities(std::string text);

/// The table of the file; nullopt when it cannot be read or is malformed.
std::optional<MunicipalityTable> loadMunicipalities(const std::filesystem::path& file);

/// The code of a name in normalised form for someone born on `day`: the
/// record valid on that day; when none was, the one whose validity ended
/// last. Among records valid on the day, a current one comes first. Between
/// records that rank alike, the later line of the file wins.
std::optional<MunicipalityCode> findMunicipality(const MunicipalityTable& table,
                                                 std::string_view name, CalendarDay day);
/// The code of a name today.
inline std::optional<MunicipalityCode> findMunicipality(const MunicipalityTable& table,
                                                        std::string_view name) {
  return findMunicipality(table, name, kStillValid);
}

/// `code` when a record of the table has it.
std::optional<MunicipalityCode> findCode(const MunicipalityTable& table, MunicipalityCode code);

/// True when the day exists in the Gregorian calendar.
bool isRealDay(int year, int month, int day);

/// Sum of the name's bytes, each taken as a signed 8-bit value, wrapping at
/// 32 bits.
std::int32_t nameHash(std::string_view name);

/// The bucket of a name: its hash reduced to 0..kBucketCount-1.
std::size_t bucketOf(std::string_view name);

/// A typed name in the form the table stores: letters in upper case, an
/// accented vowel (Windows-1252 or UTF-8, either case) as the vowel and an
/// apostrophe, spaces as they are, any other byte followed by an apostrophe.
/// Stops at the first line end.
std::string normalizeName(std::string_view typed);

}  // namespace tavrik::tools
