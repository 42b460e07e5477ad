// Reading a municipality file of any bytes. When it loads: every name is
// found, with the code of its last line; no name runs across a line end;
// every code number is 0..999; writing the records back out in the same
// format reads back as the same records; and a name that is not in the file
// is not found.
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "tools/MunicipalityTable.hpp"

using tavrik::tools::findMunicipality;
using tavrik::tools::MunicipalityCode;
using tavrik::tools::MunicipalityRecord;
using tavrik::tools::parseMunicipalities;

namespace {

bool sameCode(MunicipalityCode a, MunicipalityCode b) {
  return a.letter == b.letter && a.number == b.number;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto table = parseMunicipalities(text);
  if (!table) return 0;

  std::map<std::string_view, MunicipalityCode> lastCode;
  std::string written;
  for (std::size_t i = 0; i < table->size(); ++i) {
    const MunicipalityRecord record = table->record(i);
    if (record.name.find_first_of("\t\n\r") != std::string_view::npos) std::abort();
    if (record.code.number < 0 || record.code.number > 999) std::abort();
    lastCode[record.name] = record.code;
    written += std::string(record.name) + '\t' + record.code.letter +
               std::to_string(record.code.number) + '\n';
  }
  for (const auto& [name, code] : lastCode) {
    const auto found = findMunicipality(*table, name);
    if (!found || !sameCode(*found, code)) std::abort();
  }

  const auto again = parseMunicipalities(written);
  if (!again || again->size() != table->size()) std::abort();
  for (std::size_t i = 0; i < table->size(); ++i) {
    if (again->record(i).name != table->record(i).name) std::abort();
    if (!sameCode(again->record(i).code, table->record(i).code)) std::abort();
  }

  // The first bytes of the file as a name that may or may not be stored.
  const std::string_view probe = std::string_view(text).substr(0, size % 8);
  if (!lastCode.contains(probe) && findMunicipality(*table, probe)) std::abort();
  return 0;
}
