// The console read through the line editor of a POSIX terminal.
#include <gtest/gtest.h>
#ifndef _WIN32

#include <array>
#include <climits>
#include <deque>
#include <sstream>

#include "shell/Console.hpp"
#include "platform/posix/LineEditor.hpp"

namespace tavrik {
namespace {

// Typed lines as the line editor hands them over, each after taking its prompt ("*": command line).
TEST(Console, ReadsTypedLinesAndRefusesOutOfRangeNumbers) {
  std::deque<std::optional<std::string>> typed{"  H2O  q",         "",         "2147483648",
                                               "-2147483648 x1 2", "3.25e1 h", std::nullopt};
  std::vector<std::string> prompts, heard;
  std::istream in(nullptr);
  std::ostringstream out;
  Console console(in, out);
  LineBuffer buffer([&] {
    const Console::LinePrompt prompt = console.takeLinePrompt();
    prompts.push_back((prompt.commandLine ? "*" : "") + prompt.text);
    const std::optional<std::string> line = typed.front();
    typed.pop_front();
    return line;
  });
  in.rdbuf(&buffer);
  console.setCommandLineListener([&](const std::string& line) { heard.push_back(line); });
  console.write("Nome: ");
  EXPECT_EQ(console.readWord(), "H2O");
  EXPECT_EQ(console.readChar(), 'q');
  console.write("Domanda\nVal");
  console.write("ore: ");
  EXPECT_EQ(console.readInt(), INT_MIN);
  EXPECT_EQ(console.tryReadDouble(), std::nullopt);  // the rest of the line goes, silently
  EXPECT_EQ(console.readFloat(), 32.5f);
  console.discardOne();
  EXPECT_EQ(console.readCommandLine(), "h");  // the rest of the line, no other asked for
  EXPECT_THROW(console.readCommandLine(), EndOfInput);
  EXPECT_FALSE(console.takeLinePrompt().commandLine);
  EXPECT_THROW(console.readWord(), EndOfInput);  // the end is asked for once
  EXPECT_THROW(console.readChar(), EndOfInput);
  EXPECT_THROW(console.readDouble(), EndOfInput);
  EXPECT_EQ(prompts, (std::vector<std::string>{"Nome: ", "Valore: ", "", "Valore: ", "", "*"}));
  EXPECT_EQ(heard, std::vector<std::string>{"h"});
  console.write(std::string(1 << 20, 'a'));  // of a very long line, only the end is kept
  console.write("Valore: ");
  EXPECT_EQ(console.pendingPrompt(), std::string(4088, 'a') + "Valore: ");
}

TEST(PromptRows, CountsOnlyTheRowsAPromptWrapsOnto) {
  // A prompt that fills its last row exactly leaves the cursor on that row.
  for (const auto& [width, columns, rows] :
       {std::array{80, 80, 0}, {81, 80, 1}, {161, 80, 2}, {9, 0, 0}}) {
    EXPECT_EQ(promptRowsAbove(width, columns), rows) << width << " in " << columns;
  }
}

}  // namespace
}  // namespace tavrik

#endif
