// The saved theme file runs as a console command at each start: no content may act unsafely.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "shell/Platform.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using Kind = tavrik::ShellAction::Kind;
  const auto action = tavrik::parseShellCommand({reinterpret_cast<const char*>(data), size});
  for (const char c : action.text) {
    const bool control = static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
    const bool shell = std::string_view(";|&$`'\" ").find(c) != std::string_view::npos;
    if (control || (shell && action.kind != Kind::Title)) std::abort();
  }
  if (action.kind == Kind::Colour && action.background == action.foreground) std::abort();
  return 0;
}
