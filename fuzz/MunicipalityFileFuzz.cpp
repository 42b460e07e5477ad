// A municipality file of any bytes. When it loads, every name is found with
// the code of one of its records (of its last line when no record of the
// name has days of validity), and the records written back out in the same
// format load again as the same records (so no name holds a TAB or a line
// end, every code number is 0..999 and every day exists).
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

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
      const auto [name, code, first, last] = records.record(i);
      char digits[8];
      std::snprintf(digits, sizeof digits, "%03d", code.number);
      text += std::string(name) + '\t' + code.letter + digits;
      const auto day = [](CalendarDay d) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "\t%04d-%02d-%02d", d / 10000, d / 100 % 100, d % 100);
        return std::string(buffer);
      };
      if (first != 0 || last != kStillValid) text += day(first) + day(last);
      text += '\n';
    }
    return text;
  };
  struct Seen {
    MunicipalityCode last;
    bool dated = false;
    std::vector<std::pair<char, int>> codes;
  };
  std::map<std::string_view, Seen> names;
  for (std::size_t i = 0; i < table->size(); ++i) {
    const MunicipalityRecord record = table->record(i);
    if (record.code.letter < 'A' || record.code.letter > 'Z') std::abort();
    Seen& seen = names[record.name];
    seen.last = record.code;
    seen.dated = seen.dated || record.first != 0 || record.last != kStillValid;
    seen.codes.emplace_back(record.code.letter, record.code.number);
  }
  for (const auto& [name, seen] : names) {
    const auto found = findMunicipality(*table, name);
    if (!found) std::abort();
    const std::pair<char, int> code{found->letter, found->number};
    if (std::find(seen.codes.begin(), seen.codes.end(), code) == seen.codes.end()) std::abort();
    if (!seen.dated && (found->letter != seen.last.letter || found->number != seen.last.number)) std::abort();
  }
  const auto again = parseMunicipalities(written(*table));
  if (!again || written(*again) != written(*table)) std::abort();
  return 0;
}
