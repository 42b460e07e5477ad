// Normalising typed names of any bytes. The result has no lower-case letter
// and no line end, depends only on the text before the first line end, is at
// most twice as long, and normalises two texts joined as the two texts one
// after the other. The same name typed in Windows-1252 and in UTF-8 gives the
// same result, and a normalised name stored in a file is found again.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tools/MunicipalityTable.hpp"

using tavrik::tools::normalizeName;

namespace {

// Characters a name may be typed with: ASCII ones, and the accented vowels
// as Windows-1252 bytes.
constexpr std::string_view kPlain = "ABCZabcz '-.(";
constexpr std::string_view kAccented =
    "\xE0\xE4\xE8\xE9\xEC\xF2\xF6\xF9\xFC\xC0\xC4\xC8\xC9\xCC\xD2\xD6\xD9\xDC";

void checkEncodingsAgree(std::string_view choices) {
  std::string windows1252;
  std::string utf8;
  for (const char choice : choices) {
    const auto index = static_cast<unsigned char>(choice) % (kPlain.size() + kAccented.size());
    if (index < kPlain.size()) {
      windows1252 += kPlain[index];
      utf8 += kPlain[index];
      continue;
    }
    const char accented = kAccented[index - kPlain.size()];
    windows1252 += accented;
    utf8 += '\xC3';
    utf8 += static_cast<char>(static_cast<unsigned char>(accented) - 0x40);
  }
  if (normalizeName(windows1252) != normalizeName(utf8)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view typed(reinterpret_cast<const char*>(data), size);
  const std::string name = normalizeName(typed);

  const std::string_view line = typed.substr(0, typed.find_first_of("\r\n"));
  if (name.find_first_of("\r\n") != std::string::npos) std::abort();
  for (const char c : name) {
    if (c >= 'a' && c <= 'z') std::abort();
  }
  if (name != normalizeName(line)) std::abort();
  if (name.size() > 2 * line.size()) std::abort();

  // Joined after a byte that cannot begin a UTF-8 accented letter.
  const std::size_t split = size == 0 ? 0 : data[0] % (line.size() + 1);
  const std::string_view head = line.substr(0, split);
  if (head.empty() || head.back() != '\xC3') {
    if (normalizeName(line) != normalizeName(head) + normalizeName(line.substr(split))) {
      std::abort();
    }
  }

  checkEncodingsAgree(typed);

  if (name.find('\t') == std::string::npos) {
    const auto table = tavrik::tools::parseMunicipalities(name + "\tA1\n");
    if (!table) std::abort();
    const auto found = tavrik::tools::findMunicipality(*table, name);
    if (!found || found->letter != 'A' || found->number != 1) std::abort();
  }
  return 0;
}
