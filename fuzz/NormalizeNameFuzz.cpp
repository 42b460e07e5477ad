// Normalising typed names of any bytes: the result holds no lower-case letter
// and no line end, depends only on the text before the first line end, is at
// most twice as long, and is the same whether the accented vowels were typed
// in Windows-1252 or in UTF-8.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tools/MunicipalityTable.hpp"

using tavrik::tools::normalizeName;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view typed(reinterpret_cast<const char*>(data), size);
  const std::string name = normalizeName(typed);
  const std::string_view line = typed.substr(0, typed.find_first_of("\r\n"));
  if (name.find_first_of("\r\nabcdefghijklmnopqrstuvwxyz") != std::string::npos) std::abort();
  if (name != normalizeName(line) || name.size() > 2 * line.size()) std::abort();
  // Each input byte picks a plain character or an accented vowel.
  constexpr std::string_view kChoices =
      "ABCZabcz '-.(\xE0\xE4\xE8\xE9\xEC\xF2\xF6\xF9\xFC\xC0\xC4\xC8\xC9\xCC\xD2\xD6\xD9\xDC";
  std::string windows1252;
  std::string utf8;
  for (const unsigned char choice : typed) {
    const char c = kChoices[choice % kChoices.size()];
    windows1252 += c;
    utf8 += static_cast<unsigned char>(c) < 0x80 ? std::string(1, c)
                                                 : std::string{'\xC3', static_cast<char>(c - 0x40)};
  }
  if (normalizeName(windows1252) != normalizeName(utf8)) std::abort();
  return 0;
}
