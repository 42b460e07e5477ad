// Any history file reads as entries without line ends that, each given one, make up the file.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shell/HistoryLog.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string content(reinterpret_cast<const char*>(data), size);
  std::string joined;
  for (const std::string& entry : tavrik::parseHistory(content)) {
    if (entry.find('\n') != std::string::npos) std::abort();
    joined += entry + '\n';
  }
  if (!content.empty() && content.back() != '\n') content += '\n';
  if (joined != content) std::abort();
  return 0;
}
