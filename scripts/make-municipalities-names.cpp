// Writes the normalised form of each line of its input, one a line: names as
// the program compares them (tools::normalizeName). Built and run by
// scripts/make-municipalities, so that the table is made with the program's
// own comparison of names.
#include <iostream>
#include <optional>
#include <string>

#include "platform/Files.hpp"
#include "tools/MunicipalityTable.hpp"

// The tool reads no table: the program's file reader is not linked in.
namespace tavrik::files {
std::optional<std::string> readSmallFile(const std::string&, std::size_t) { return std::nullopt; }
}  // namespace tavrik::files

int main() {
  std::ios::sync_with_stdio(false);
  for (std::string line; std::getline(std::cin, line);) {
    std::cout << tavrik::tools::normalizeName(line) << '\n';
  }
  return 0;
}
