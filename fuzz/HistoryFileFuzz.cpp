// Whatever a history file holds, the view at a terminal shows no control
// character that the terminal would obey, and plain text unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shell/HistoryLog.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  const std::string shown = tavrik::caretNotation(line);
  bool plain = true;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const auto c = static_cast<unsigned char>(shown[i]);
    const bool c1 = c == 0xc2 && i + 1 < shown.size() && (static_cast<unsigned char>(shown[i + 1]) & 0xe0) == 0x80;
    if ((c < 0x20 && c != '\t') || c == 0x7f || c1) std::abort();
  }
  for (const char c : line) plain = plain && static_cast<unsigned char>(c) >= 0x20 && c != 0x7f && static_cast<unsigned char>(c) < 0x80;
  if (plain && shown != line) std::abort();
  return 0;
}
