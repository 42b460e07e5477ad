#include <string>

#include "shell/Platform.hpp"
#include "shell/ShellCommands.hpp"

namespace tavrik {

namespace {

int hexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// A page address is only ever one of the program's own https addresses; no
// blank or shell character can be part of it.
bool isPlainAddress(std::string_view address) {
  if (!startsWith(address, "https://") || address.size() == 8) return false;
  for (const char c : address) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                       (c >= '0' && c <= '9') || std::string_view("-._~:/%").find(c) !=
                                                     std::string_view::npos;
    if (!plain) return false;
  }
  return true;
}

bool isPlainHost(std::string_view host) {
  if (host.empty()) return false;
  for (const char c : host) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                       (c >= '0' && c <= '9') || c == '.' || c == '-';
    if (!plain) return false;
  }
  return true;
}

}  // namespace

ShellAction parseShellCommand(std::string_view line) {
  using Kind = ShellAction::Kind;
  ShellAction action;
  if (line == cmd::kClear) {
    action.kind = Kind::Clear;
    return action;
  }
  if (line == cmd::kPause) {
    action.kind = Kind::Pause;
    return action;
  }
  if (line == cmd::kRestart) {
    action.kind = Kind::Restart;
    return action;
  }
  if (startsWith(line, cmd::kTitlePrefix)) {
    action.kind = Kind::Title;
    action.text = line.substr(cmd::kTitlePrefix.size());
    for (const char c : action.text) {
      // Control characters would end the title sequence early.
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return ShellAction{};
    }
    return action;
  }
  if (startsWith(line, cmd::kColourPrefix)) {
    const std::string_view digits = line.substr(cmd::kColourPrefix.size());
    if (digits.size() != 2) return action;
    const int background = hexDigitValue(digits[0]);
    const int foreground = hexDigitValue(digits[1]);
    // Equal colours would make the text invisible; the console refuses them.
    if (background < 0 || foreground < 0 || background == foreground) return action;
    action.kind = Kind::Colour;
    action.background = background;
    action.foreground = foreground;
    return action;
  }
  if (startsWith(line, cmd::kProbePrefix) && line.ends_with(cmd::kProbeSuffix)) {
    const std::string_view host = line.substr(
        cmd::kProbePrefix.size(),
        line.size() - cmd::kProbePrefix.size() - cmd::kProbeSuffix.size());
    if (!isPlainHost(host)) return action;
    action.kind = Kind::Probe;
    action.text = host;
    return action;
  }
  if (startsWith(line, cmd::kStartPrefix)) {
    const std::string_view address = line.substr(cmd::kStartPrefix.size());
    if (!isPlainAddress(address)) return action;
    action.kind = Kind::OpenPage;
    action.text = address;
    return action;
  }
  return action;
}

std::string ansiColourSequence(int background, int foreground) {
  // Windows palette bits: 1 blue, 2 green, 4 red, 8 bright. ANSI: 1 red,
  // 2 green, 4 blue.
  auto ansi = [](int digit) { return ((digit & 1) << 2) | (digit & 2) | ((digit & 4) >> 2); };
  const int bg = ((background & 8) ? 100 : 40) + ansi(background);
  const int fg = ((foreground & 8) ? 90 : 30) + ansi(foreground);
  return "\x1b[" + std::to_string(bg) + ";" + std::to_string(fg) + "m";
}

}  // namespace tavrik
