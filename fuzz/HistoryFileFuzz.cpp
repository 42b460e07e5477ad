// Reading a history file of any content: the entries joined by line ends
// give back the content (less one final line end), and no entry holds one.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shell/HistoryLog.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string content(reinterpret_cast<const char*>(data), size);
  const auto entries = tavrik::parseHistory(content);
  std::string joined;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].find('\n') != std::string::npos) std::abort();
    if (i > 0) joined += '\n';
    joined += entries[i];
  }
  std::string expected = content;
  if (!expected.empty() && expected.back() == '\n') expected.pop_back();
  if (joined != expected) std::abort();
  return 0;
}
