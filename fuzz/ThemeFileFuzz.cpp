// Whatever the saved theme file holds, it can at most give two different
// console colours, and only when it is exactly a colour command.
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shell/ThemeSettings.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string content(reinterpret_cast<const char*>(data), size);
  const auto theme = tavrik::ThemeSettings::parseTheme(content);
  if (!theme) return 0;
  constexpr char kDigits[] = "0123456789abcdef";
  if (theme->background == theme->text) std::abort();
  const std::string expected = std::string("color ") + kDigits[theme->background] + kDigits[theme->text];
  std::string lower;
  for (const char c : content) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower != expected && lower != expected + "\n" && lower != expected + "\r\n") std::abort();
  return 0;
}
