#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

/// Calls `piece` with the content line by line in pieces no larger than
/// the read buffer (a line ends at '\n' alone; a '\r' before it stays in
/// the line): `lineEnds` marks a line's last piece, and a last line without
/// a line end still ends. False on a read error, after what was read.
template <typename ReadSome>
bool eachLinePiece(ReadSome readSome, const std::function<void(std::string_view, bool)>& piece) {
  std::array<char, 64 * 1024> buffer;
  bool open = false;  // a line has begun and not ended
  for (;;) {
    const std::ptrdiff_t n = readSome(buffer.data(), buffer.size());
    if (n <= 0) {
      if (open) piece({}, true);
      return n == 0;
    }
    std::string_view chunk(buffer.data(), static_cast<std::size_t>(n));
    for (auto end = chunk.find('\n'); end != std::string_view::npos; end = chunk.find('\n')) {
      piece(chunk.substr(0, end), true);
      chunk.remove_prefix(end + 1);
    }
    open = open || !chunk.empty();
    if (!chunk.empty()) piece(chunk, false);
  }
}

/// Calls `line` with at most the last `count` lines of a file of `size`
/// bytes, oldest first, each cut to `maxLineBytes`. The file is read from
/// its end in blocks, and no further back than `count` lines of
/// `maxLineBytes` could reach: older lines, which only lines longer than
/// that can push out of reach, are left out with the one cut by the limit.
/// `readAt(offset, buffer, size)` reads exactly that many bytes or fails.
/// False on a read error.
template <typename ReadAt>
bool lastLines(std::uint64_t size, ReadAt readAt, std::size_t count, std::size_t maxLineBytes,
               const std::function<void(std::string_view)>& line) {
  if (count == 0 || size == 0) return true;
  const std::uint64_t reach = std::uint64_t{count} * (maxLineBytes + 1) + 1;
  const std::uint64_t floor = size > reach ? size - reach : 0;
  std::vector<std::pair<std::uint64_t, std::uint64_t>> spans;  // [start, end), newest first
  std::vector<char> buffer(256 * 1024);
  std::vector<std::size_t> ends;  // the line ends of a block
  // The last line ends at the end of the file, or before its last '\n'.
  std::uint64_t end = size;
  std::uint64_t position = size;
  while (position > floor && spans.size() < count) {
    const std::uint64_t block = std::min<std::uint64_t>(position - floor, buffer.size());
    position -= block;
    if (!readAt(position, buffer.data(), static_cast<std::size_t>(block))) return false;
    ends.clear();
    for (const char* at = buffer.data();
         (at = static_cast<const char*>(std::memchr(at, '\n', buffer.data() + block - at))) != nullptr; ++at) {
      ends.push_back(static_cast<std::size_t>(at - buffer.data()));
    }
    for (auto i = ends.rbegin(); i != ends.rend() && spans.size() < count; ++i) {
      const std::uint64_t at = position + *i;
      if (at + 1 < size) spans.emplace_back(at + 1, end);  // else the last line's own end
      end = at;
    }
  }
  if (position == 0 && spans.size() < count) spans.emplace_back(0, end);
  std::string head;
  for (auto span = spans.rbegin(); span != spans.rend(); ++span) {
    head.resize(static_cast<std::size_t>(std::min<std::uint64_t>(span->second - span->first, maxLineBytes)));
    if (!head.empty() && !readAt(span->first, head.data(), head.size())) return false;
    line(head);
  }
  return true;
}

}  // namespace tavrik::files::reading
