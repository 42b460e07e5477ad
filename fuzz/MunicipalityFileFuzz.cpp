// A municipality file of any bytes. When it loads, every record's name is
// found, on a day the record was valid, with the code of one of the name's
// records valid that day, or is ambiguous among two or more of them; and the
// records written back out in the same format load again as the same records
// (so no name holds a TAB or a line end, every code number is 0..999, every
// day exists and every province is two capitals).
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/MunicipalityTable.hpp"

using namespace tavrik::tools;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto table = parseMunicipalities(std::string(reinterpret_cast<const char*>(data), size));
  if (!table) return 0;
  const auto written = [](const MunicipalityTable& records) {
    // A byte order mark first, so that a first name that begins with one
    // keeps it.
    std::string text = "\xEF\xBB\xBF";
    for (std::size_t i = 0; i < records.size(); ++i) {
      const auto [name, code, first, last, province] = records.record(i);
      char digits[8];
      std::snprintf(digits, sizeof digits, "%03d", code.number);
      text += std::string(name) + '\t' + code.letter + digits;
      const auto day = [](CalendarDay d) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "\t%04d-%02d-%02d", d / 10000, d / 100 % 100, d % 100);
        return std::string(buffer);
      };
      if (first != 0) text += day(first) + day(last);
      if (!province.empty()) text += '\t' + std::string(province);
      text += '\n';
    }
    return text;
  };
  for (std::size_t i = 0; i < table->size(); ++i) {
    const MunicipalityRecord record = table->record(i);
    if (record.code.letter < 'A' || record.code.letter > 'Z') std::abort();
    const std::string key = normalizeName(record.name);
    const CalendarDay day = record.first == 0 ? kStillValid : record.first;
    // A record of the name valid on the day with this code.
    const auto validWith = [&](MunicipalityCode code) {
      for (std::size_t j = 0; j < table->size(); ++j) {
        const MunicipalityRecord other = table->record(j);
        if (normalizeName(other.name) == key && other.first <= day && day <= other.last &&
            other.code.letter == code.letter && other.code.number == code.number) {
          return true;
        }
      }
      return false;
    };
    const MunicipalityLookup found = findMunicipality(*table, key, day);
    using Outcome = MunicipalityLookup::Outcome;
    if (found.outcome == Outcome::Found && validWith(found.code)) continue;
    if (found.outcome != Outcome::Ambiguous || found.choices.size() < 2) std::abort();
    for (const MunicipalityRecord& choice : found.choices) {
      if (!validWith(choice.code)) std::abort();
    }
  }
  const auto again = parseMunicipalities(written(*table));
  if (!again || written(*again) != written(*table)) std::abort();
  return 0;
}
