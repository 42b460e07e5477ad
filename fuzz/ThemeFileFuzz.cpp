// The saved theme file is run as a console command line at every start, so
// whatever it holds goes through the command vocabulary: only well-formed
// lines may come out as actions, and none carries a shell character.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shell/Platform.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  const tavrik::ShellAction action = tavrik::parseShellCommand(line);
  using Kind = tavrik::ShellAction::Kind;
  switch (action.kind) {
    case Kind::Colour:
      if (line.size() != 8 || action.background == action.foreground || action.background < 0 ||
          action.background > 15 || action.foreground < 0 || action.foreground > 15) {
        std::abort();
      }
      break;
    case Kind::OpenPage:
    case Kind::Probe:
      for (const char c : action.text) {
        if (c == ';' || c == '|' || c == '&' || c == '$' || c == '`' || c == ' ' || c == '\'' ||
            c == '"' || static_cast<unsigned char>(c) < 0x20) {
          std::abort();
        }
      }
      break;
    case Kind::Title:
      // The title goes inside an escape sequence: no control character may
      // end it early.
      for (const char c : action.text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) std::abort();
      }
      break;
    case Kind::Clear:
    case Kind::Pause:
    case Kind::Restart:
    case Kind::Unknown:
      break;
  }
  if (action.kind == Kind::Colour) {
    const std::string sequence = tavrik::ansiColourSequence(action.background, action.foreground);
    if (sequence.size() < 7 || sequence.front() != '\x1b' || sequence.back() != 'm') std::abort();
  }
  return 0;
}
