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

/// One line of the municipality file: the name as the file writes it, its
/// code, the days it was valid, first and last (a line without them has
/// first 0 and is valid on every day), and the abbreviation of its province
/// (empty when the line has none).
struct MunicipalityRecord {
  std::string_view name;
  MunicipalityCode code;
  CalendarDay first = 0;
  CalendarDay last = kStillValid;
  std::string_view province;
};

/// True when the record's place had its name and code on the day. A first
/// day of 0000-01-01 stands for the start of the records (the archive's
/// first days up to 1924, and every foreign state's), so such a record is
/// valid on any earlier day too.
bool validOn(const MunicipalityRecord& record, CalendarDay day);

/// What a name gives for someone born on a day.
struct MunicipalityLookup {
  enum class Outcome {
    Found,        // `code`
    NotFound,     // no line has the name
    Ambiguous,    // `choices`: one line of each place, by province
    DidNotExist,  // `place`: the name's place did not exist on that day
  };
  Outcome outcome = Outcome::NotFound;
  MunicipalityCode code;
  std::vector<MunicipalityRecord> choices;
  MunicipalityRecord place;
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
  friend MunicipalityLookup findMunicipality(const MunicipalityTable& table, std::string_view name,
                                             CalendarDay day);
  // Offsets into the text and record indexes fit 32 bits: a longer file is
  // refused. Small nodes keep a whole table in a few pages.
  using Index = std::uint32_t;
  static constexpr Index kNone = static_cast<Index>(-1);

  struct Node {
    Index nameStart;  // in text_
    Index nameLength;
    Index keyStart;  // the normalised name, in keys_
    Index keyLength;
    Index next;  // the earlier record of the same bucket, or kNone
    CalendarDay first;
    CalendarDay last;
    std::int16_t number;
    char letter;
    char province[2];  // zeros when the line has none
  };

  void add(std::size_t nameStart, std::size_t nameLength, const MunicipalityRecord& record);
  std::string_view nameOf(const Node& node) const {
    return std::string_view(text_).substr(node.nameStart, node.nameLength);
  }
  std::string_view keyOf(const Node& node) const {
    return std::string_view(keys_).substr(node.keyStart, node.keyLength);
  }
  static std::string_view provinceOf(const Node& node) {
    return std::string_view(node.province, node.province[0] == 0 ? 0 : 2);
  }
  static MunicipalityCode codeOf(const Node& node) { return {node.letter, node.number}; }
  MunicipalityRecord recordOf(const Node& node) const {
    return {nameOf(node), codeOf(node), node.first, node.last, provinceOf(node)};
  }

  std::string text_;  // the file's content; the names are slices of it
  std::string keys_;  // the names in normalised form, one after another
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
/// before each) and then by the two capital letters of a province (after a
/// TAB or spaces), separated by white space. Each name is looked up in its
/// normalised form. nullopt when there is no record, or a record lacks its
/// TAB or a code of that shape, or has a day that does not exist, one day
/// only, or a last day before its first.
std::optional<MunicipalityTable> parseMunicipalities(std::string text);

/// The table of the file; nullopt when it cannot be read or is malformed.
std::optional<MunicipalityTable> loadMunicipalities(const std::filesystem::path& file);

/// The place of a name in normalised form for someone born on `day`. The
/// name may end with its province in brackets, "CASTRO (LE)", which keeps
/// only the lines of that province (unless some line has the whole text as
/// its name). Among the lines of the name:
/// - those valid on the day give their code when they all have one code
///   (lines with days count before lines without); of several codes, lines
///   without days give the code of the later line, places whose current
///   name it is give the lowest code, anything else is ambiguous;
/// - when none was valid on the day, a code of theirs valid on that day under
///   another name is used; several such codes are ambiguous, none means the
///   place did not exist on the day.
MunicipalityLookup findMunicipality(const MunicipalityTable& table, std::string_view name,
                                    CalendarDay day);

/// `code` when a record of the table has it.
std::optional<MunicipalityCode> findCode(const MunicipalityTable& table, MunicipalityCode code);

/// True when the day exists in the Gregorian calendar.
bool isRealDay(int year, int month, int day);

/// Sum of the name's bytes, each taken as a signed 8-bit value, wrapping at
/// 32 bits.
std::int32_t nameHash(std::string_view name);

/// The bucket of a name: its hash reduced to 0..kBucketCount-1.
std::size_t bucketOf(std::string_view name);

/// A name in the form in which names are compared, typed or read from the
/// file: letters in upper case; a letter with a diacritic (UTF-8 or
/// Windows-1252, either case) as its base letter (ß as SS, æ as AE, œ as
/// OE); a hyphen as a space; ’ ‘ ` ´ as an apostrophe, and an apostrophe
/// kept only once between two letters (L'AQUILA; FORLI' is FORLI, as is
/// FORLÌ); any other byte as it is. Stops at the first line end.
std::string normalizeName(std::string_view typed);

}  // namespace tavrik::tools
