// The console reading typed lines through a line input, and numbers as written.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <deque>
#include <limits>
#include <sstream>

#include "shell/Console.hpp"

namespace tavrik {
namespace {

// Typed lines as a line editor hands them over, with the prompt it was given ("*": command line).
struct FakeLines final : LineInput {
  std::deque<std::optional<std::string>> typed;
  std::vector<std::string> prompts, remembered;
  std::ostringstream* out = nullptr;
  std::optional<std::string> readLine(std::string_view prompt, bool commandLine) override {
    prompts.push_back((commandLine ? "*" : "") + std::string(prompt) + "|" + out->str());
    const std::optional<std::string> line = typed.front();
    typed.pop_front();
    return line;
  }
  void remember(std::string_view line) override { remembered.emplace_back(line); }
};

TEST(Console, HandsTheCurrentLineToTheLineInputAsItsPrompt) {
  FakeLines lines;
  lines.typed = {"  H2O  q", "", "2147483648", "-2147483648 x1 2", "3.25e1 h", std::string(5000, 'c'), std::nullopt};
  std::istringstream unused;
  std::ostringstream out;
  lines.out = &out;
  Console console(unused, out, &lines);
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
  console.write("Path: ");
  EXPECT_EQ(console.readCommandLine(), std::string(4096, 'c'));
  EXPECT_THROW(console.readCommandLine(), EndOfInput);
  EXPECT_THROW(console.readWord(), EndOfInput);  // the end is asked for once
  EXPECT_THROW(console.readDouble(), EndOfInput);
  // Each prompt written once, by the line input alone; what came before is out before it reads.
  const std::string before = "Domanda\n\nErrore riprova\n";
  EXPECT_EQ(lines.prompts, (std::vector<std::string>{"Nome: |", "Valore: |Domanda\n", "|Domanda\n",
                                                      "Valore: |" + before, "|" + before,
                                                      "*Path: |" + before, "*|" + before}));
  EXPECT_EQ(lines.remembered, (std::vector<std::string>{"h", std::string(4096, 'c')}));
}

TEST(Console, CutsLongCommandLinesAndKeepsPipedOutputAsWritten) {
  std::istringstream in(std::string(9000, 'a') + "\r\nb\r\n" + std::string(4097, 'd') + "\nlast\r");
  std::ostringstream out;
  Console console(in, out);
  console.write("Path: ");
  for (const std::string& expected : {std::string(4096, 'a'), std::string("b"), std::string(4096, 'd'),
                                      std::string("last\r")}) {
    EXPECT_EQ(console.readCommandLine(), expected);
  }
  EXPECT_THROW(console.readCommandLine(), EndOfInput);
  const double inf = std::numeric_limits<double>::infinity();
  for (const double value : {std::nan(""), -std::nan(""), inf, -inf}) console.write(value);
  console.write(-std::numeric_limits<float>::quiet_NaN());
  EXPECT_EQ(out.str(), "Path: nannaninf-infnan");
}

}  // namespace
}  // namespace tavrik
