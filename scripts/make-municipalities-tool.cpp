// The program's own handling of municipality names, for the scripts that
// build and check the table (scripts/make-municipalities,
// scripts/make-municipalities-check):
//
//   make-municipalities-tool names         each input line in normalised form
//                                          (tools::normalizeName)
//   make-municipalities-tool lookup TABLE  for each input line NAME<TAB>DAY
//                                          (DAY as YYYYMMDD), what the table
//                                          gives (tools::findMunicipality):
//                                          the code, "?NAME (XX), ..." for a
//                                          shared name, "!NAME" for a place
//                                          that did not exist, "-" for none
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "platform/Files.hpp"
#include "tools/MunicipalityTable.hpp"

// The tool reads the table itself: the program's file reader is not linked in.
namespace tavrik::files {
std::optional<std::string> readSmallFile(const std::string&, std::size_t) { return std::nullopt; }
}  // namespace tavrik::files

using namespace tavrik::tools;

namespace {

std::string answer(const MunicipalityLookup& found) {
  switch (found.outcome) {
    case MunicipalityLookup::Outcome::NotFound:
      return "-";
    case MunicipalityLookup::Outcome::DidNotExist:
      return std::string("!").append(found.place.name);
    case MunicipalityLookup::Outcome::Ambiguous: {
      std::string text = "?";
      for (const MunicipalityRecord& choice : found.choices) {
        if (text.size() > 1) text += ", ";
        text.append(choice.name).append(" (").append(choice.province).append(")");
      }
      return text;
    }
    case MunicipalityLookup::Outcome::Found:
      break;
  }
  char code[8];
  std::snprintf(code, sizeof code, "%c%03d", found.code.letter, found.code.number);
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "names" && argc == 2) {
    for (std::string line; std::getline(std::cin, line);) std::cout << normalizeName(line) << '\n';
    return 0;
  }
  if (mode != "lookup" || argc != 3) {
    std::cerr << "usage: make-municipalities-tool names | lookup TABLE\n";
    return 2;
  }
  std::ifstream file(argv[2], std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  const auto table = parseMunicipalities(text.str());
  if (!table) {
    std::cerr << "make-municipalities-tool: " << argv[2] << " is no table\n";
    return 1;
  }
  for (std::string line; std::getline(std::cin, line);) {
    const std::size_t tab = line.rfind('\t');
    const CalendarDay day = tab == std::string::npos ? kStillValid : std::stoi(line.substr(tab + 1));
    std::cout << answer(findMunicipality(*table, normalizeName(line.substr(0, tab)), day)) << '\n';
  }
  return 0;
}
