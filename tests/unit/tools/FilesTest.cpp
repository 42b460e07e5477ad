// Reading the history file: line by line in pieces, and its last lines read backwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "platform/Files.hpp"
#include "platform/ReadLoops.hpp"

namespace tavrik::files {
namespace {

namespace fs = std::filesystem;

TEST(Files, LastLinesCutAndOldestFirst) {
  struct Case {
    std::string content;
    std::size_t count, max;
    std::vector<std::string> lines;
  };
  const std::string longLine(200000, 'x');
  const std::vector<Case> cases = {
      {"", 5, 10, {}},
      {"\n", 5, 10, {""}},
      {"a\n\nb", 5, 10, {"a", "", "b"}},
      {"a\nb\nc\n", 2, 10, {"b", "c"}},
      {"a\r\nbcdef\n", 5, 3, {"a\r", "bcd"}},
      {"abcdefgh\nk", 3, 4, {"abcd", "k"}},
      {longLine + "\n" + longLine + "z\nend", 2, 4, {"end"}},  // no further back than 2 lines of 4
      {"x\n" + std::string(150000, '\0'), 1, 3, {}},
      {"x\n" + longLine, 2, 200000, {"x", longLine}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> got;
    const bool ok = reading::lastLines(
        c.content.size(),
        [&](std::uint64_t at, char* buffer, std::size_t size) {
          if (at + size > c.content.size()) return false;
          c.content.copy(buffer, size, static_cast<std::size_t>(at));
          return true;
        },
        c.count, c.max, [&](std::string_view line) { got.emplace_back(line); });
    EXPECT_TRUE(ok);
    EXPECT_EQ(got, c.lines) << c.content.substr(0, 20);
  }
}

TEST(Files, FileReadBackwardsAndInPieces) {
  const fs::path file = fs::temp_directory_path() / ("tavrik-lines-" + std::to_string(std::random_device()()));
  std::string content;
  for (int i = 0; i < 20000; ++i) content += "riga " + std::to_string(i) + "\n";
  content += std::string(300000, 'L');  // a long last line without line end
  std::ofstream(file, std::ios::binary) << content;
  std::vector<std::string> last;
  ASSERT_TRUE(forEachLastLine(file.string(), 3, 1 << 20, [&](std::string_view l) { last.emplace_back(l); }));
  EXPECT_EQ(last, (std::vector<std::string>{"riga 19998", "riga 19999", std::string(300000, 'L')}));
  std::string joined;
  std::size_t largest = 0, lines = 0;
  ASSERT_TRUE(forEachLinePiece(file.string(), [&](std::string_view piece, bool ends) {
    joined.append(piece);
    largest = std::max(largest, piece.size());
    if (ends) joined += '\n', ++lines;
  }));
  EXPECT_EQ(joined, content + "\n");
  EXPECT_EQ(lines, 20001u);
  EXPECT_LE(largest, 64u * 1024);
  fs::remove(file);
  EXPECT_FALSE(forEachLastLine(file.string(), 3, 8, [](std::string_view) {}));
  EXPECT_FALSE(forEachLastLine(fs::temp_directory_path().string(), 3, 8, [](std::string_view) {}));
}

}  // namespace
}  // namespace tavrik::files
