// A municipality file of any bytes. When it loads, every name is found with
// the code of its last line, and the records written back out in the same
// format load again as the same records (so no name holds a TAB or a line
// end, and every code number is 0..999).
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include "tools/MunicipalityTable.hpp"

using namespace tavrik::tools;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto table = parseMunicipalities(std::string(reinterpret_cast<const char*>(data), size));
  if (!table) return 0;
  const auto written = [](const MunicipalityTable& records) {
    std::string text;
    for (std::size_t i = 0; i < records.size(); ++i) {
      const auto [name, code] = records.record(i);
      text += std::string(name) + '\t' + code.letter + std::to_string(code.number) + '\n';
    }
    return text;
  };
  std::map<std::string_view, MunicipalityCode> lastCode;
  for (std::size_t i = 0; i < table->size(); ++i)
    lastCode[table->record(i).name] = table->record(i).code;
  for (const auto& [name, code] : lastCode) {
    const auto found = findMunicipality(*table, name);
    if (!found || found->letter != code.letter || found->number != code.number) std::abort();
  }
  const auto again = parseMunicipalities(written(*table));
  if (!again || written(*again) != written(*table)) std::abort();
  return 0;
}
