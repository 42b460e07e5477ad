// The end of a file, read from the end: the same on every system, by the
// standard library alone.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/Files.hpp"

namespace tavrik::files {

bool forEachLastLine(const std::string& name, std::size_t count, std::size_t maxLineBytes,
                     const std::function<void(std::string_view)>& line) {
  std::error_code error;
  // Only a regular file: a pipe or a device there would hold up the reader.
  if (!std::filesystem::is_regular_file(name, error)) return false;
  std::ifstream file(name, std::ios::binary);
  if (!file || !file.seekg(0, std::ios::end)) return false;
  const auto size = static_cast<std::uintmax_t>(file.tellg());
  if (count == 0 || size == 0) return true;
  // Enough of the end for `count` lines of the longest length kept, and the
  // line end before the first of them.
  const std::uintmax_t window = std::min<std::uintmax_t>(size, count * (maxLineBytes + 1) + 1);
  std::string tail(static_cast<std::size_t>(window), '\0');
  if (!file.seekg(static_cast<std::streamoff>(size - window)) ||
      !file.read(tail.data(), static_cast<std::streamsize>(window))) {
    return false;
  }
  std::vector<std::string_view> lines;
  std::string_view rest(tail);
  if (rest.ends_with('\n')) rest.remove_suffix(1);
  // The first piece is a whole line only when the window starts the file.
  bool whole = window == size;
  while (!rest.empty() || whole) {
    const auto end = rest.rfind('\n');
    if (end == std::string_view::npos && !whole) break;
    const std::string_view piece = end == std::string_view::npos ? rest : rest.substr(end + 1);
    if (piece.size() <= maxLineBytes) lines.push_back(piece);
    if (lines.size() == count || end == std::string_view::npos) break;
    rest = rest.substr(0, end);
  }
  std::for_each(lines.rbegin(), lines.rend(), [&](std::string_view each) { line(each); });
  return true;
}

}  // namespace tavrik::files
