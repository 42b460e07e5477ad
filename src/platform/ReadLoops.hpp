#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// How the file layer of every system reads a file through to its end,
// given the call that reads the next piece: bytes read, 0 at the end,
// negative on an error.
namespace tavrik::files::reading {

/// The whole rest of the file; nullopt on a read error or when it grows
/// past `maxBytes`. `expectedSize` is only room set aside.
template <typename ReadSome>
std::optional<std::string> toEnd(ReadSome readSome, std::size_t expectedSize, std::size_t maxBytes) {
  std::string content;
  content.reserve(expectedSize);
  std::array<char, 64 * 1024> buffer;
  for (;;) {
    const std::ptrdiff_t n = readSome(buffer.data(), buffer.size());
    if (n < 0) return std::nullopt;  // unreadable: refused like a large file
    if (n == 0) return content;
    if (static_cast<std::size_t>(n) > maxBytes - content.size()) return std::nullopt;
    content.append(buffer.data(), static_cast<std::size_t>(n));
  }
}

/// Calls `line` with each line (a line ends at '\n' alone; a '\r' before it
/// stays in the line; a last line without one still counts); false on a
/// read error, after the lines read before it.
template <typename ReadSome>
bool eachLine(ReadSome readSome, const std::function<void(std::string_view)>& line) {
  std::array<char, 64 * 1024> buffer;
  std::string partial;
  bool ok = true;
  for (;;) {
    const std::ptrdiff_t n = readSome(buffer.data(), buffer.size());
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    std::string_view chunk(buffer.data(), static_cast<std::size_t>(n));
    for (auto end = chunk.find('\n'); end != std::string_view::npos; end = chunk.find('\n')) {
      if (partial.empty()) {
        line(chunk.substr(0, end));
      } else {
        partial.append(chunk.substr(0, end));
        line(partial);
        partial.clear();
      }
      chunk.remove_prefix(end + 1);
    }
    partial.append(chunk);
  }
  if (!partial.empty()) line(partial);
  return ok;
}

}  // namespace tavrik::files::reading
