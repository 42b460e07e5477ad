#include "shell/LineEditor.hpp"

#include <gtest/gtest.h>

#include <deque>
#include <istream>
#include <sstream>

#include "shell/Console.hpp"

namespace tavrik {
namespace {

// A console reading through a LineBuffer whose lines come from a script, as
// they would come from the line editor at a terminal. Each refill records
// the prompt the editor would have drawn.
struct EditedIo {
  explicit EditedIo(std::deque<std::optional<std::string>> lines)
      : script(std::move(lines)),
        buffer([this] { return nextLine(); }),
        in(&buffer),
        console(in, out) {}

  std::optional<std::string> nextLine() {
    prompts.push_back(console.takeLinePrompt());
    EXPECT_FALSE(script.empty()) << "the console asked for more lines than typed";
    if (script.empty()) return std::nullopt;
    std::optional<std::string> line = script.front();
    script.pop_front();
    return line;
  }

  std::deque<std::optional<std::string>> script;
  std::vector<Console::LinePrompt> prompts;
  LineBuffer buffer;
  std::istream in;
  std::ostringstream out;
  Console console;
};

TEST(LineBuffer, TextAfterANumberIsReadWithoutAskingForAnotherLine) {
  EditedIo io({"5 a"});
  io.console.write("Inserisci l'esponente: ");
  EXPECT_EQ(io.console.readInt(), 5);
  io.console.discardOne();  // the blank after 5
  io.console.write("Path: ");
  EXPECT_EQ(io.console.readCommandLine(), "a");
  ASSERT_EQ(io.prompts.size(), 1u);
  EXPECT_EQ(io.prompts[0].text, "Inserisci l'esponente: ");
}

TEST(LineBuffer, EachLineGetsExactlyOneLineEnd) {
  EditedIo io({"uno\n", "due", "", "  tre \t"});
  EXPECT_EQ(io.console.readLine(), "uno");
  EXPECT_EQ(io.console.readLine(), "due");
  EXPECT_EQ(io.console.readLine(), "");
  EXPECT_EQ(io.console.readLine(), "  tre \t");
  EXPECT_EQ(io.prompts.size(), 4u);
}

TEST(LineBuffer, EndOfInputLastsAndIsAskedForOnce) {
  EditedIo io({"7", std::nullopt});
  EXPECT_EQ(io.console.readInt(), 7);
  io.console.discardOne();
  EXPECT_THROW(io.console.readCommandLine(), EndOfInput);
  EXPECT_THROW(io.console.readLine(), EndOfInput);
  EXPECT_THROW(io.console.readInt(), EndOfInput);
  EXPECT_EQ(io.prompts.size(), 2u);
}

TEST(LineBuffer, PromptIsTheTextOnTheCurrentLine) {
  // An empty line at a numeric question: the question stays on the line
  // above, and the next line starts with nothing on it.
  EditedIo io({"", "abc", "12"});
  io.console.write("Domanda");
  io.console.endLine();
  io.console.write("Valore: ");
  EXPECT_EQ(io.console.readInt(), 12);
  ASSERT_EQ(io.prompts.size(), 3u);
  EXPECT_EQ(io.prompts[0].text, "Valore: ");
  EXPECT_EQ(io.prompts[1].text, "");
  // After the refusal the question is written again, on a line of its own.
  EXPECT_EQ(io.prompts[2].text, "Valore: ");
  EXPECT_EQ(io.out.str(), "Domanda\nValore: \nErrore riprova\nValore: ");
}

TEST(LineBuffer, OnlyCommandLinesAreMarkedAndHandedToTheListener) {
  EditedIo io({"h", "v", "@"});
  std::vector<std::string> heard;
  io.console.setCommandLineListener([&heard](const std::string& line) { heard.push_back(line); });
  io.console.write("Path: ");
  EXPECT_EQ(io.console.readCommandLine(), "h");
  io.console.write("Path: ");
  EXPECT_EQ(io.console.readLine(), "v");
  io.console.write("Path: ");
  EXPECT_EQ(io.console.readCommandLine(), "@");
  ASSERT_EQ(io.prompts.size(), 3u);
  EXPECT_TRUE(io.prompts[0].commandLine);
  EXPECT_FALSE(io.prompts[1].commandLine);
  EXPECT_TRUE(io.prompts[2].commandLine);
  EXPECT_EQ(heard, (std::vector<std::string>{"h", "@"}));
}

TEST(LineBuffer, CommandLineMarkEndsWithTheRead) {
  EditedIo io({std::nullopt});
  EXPECT_THROW(io.console.readCommandLine(), EndOfInput);
  // Later reads end at once, but the console no longer reads a command line.
  EXPECT_FALSE(io.console.takeLinePrompt().commandLine);
}

TEST(RecallList, LeavesOutEmptyLinesAndRepeatsOfTheNewest) {
  RecallList list;
  for (const char* line : {"h", "", "h", "@", "h", "  x", "  x", "helpsite"}) list.add(line);
  EXPECT_EQ(list.entries(), (std::vector<std::string>{"h", "@", "h", "  x", "helpsite"}));
  EXPECT_FALSE(list.add(""));
  EXPECT_FALSE(list.add("helpsite"));
  EXPECT_TRUE(list.add(" "));
  EXPECT_FALSE(list.add(" "));
  EXPECT_TRUE(list.add("h"));
  EXPECT_EQ(list.entries().back(), "h");
  EXPECT_EQ(list.entries().size(), 7u);
}

TEST(RecallList, OldestLinesGiveWayOnceFull) {
  RecallList list;
  for (int i = 0; i < 1005; ++i) EXPECT_TRUE(list.add(std::to_string(i)));
  ASSERT_EQ(list.entries().size(), RecallList::kCapacity);
  EXPECT_EQ(list.entries().front(), "5");
  EXPECT_EQ(list.entries().back(), "1004");
  EXPECT_TRUE(list.add("new"));
  EXPECT_EQ(list.entries().size(), RecallList::kCapacity);
  EXPECT_EQ(list.entries().front(), "6");
  EXPECT_EQ(list.entries().back(), "new");
}

TEST(PromptRows, CountsOnlyTheRowsAPromptWrapsOnto) {
  EXPECT_EQ(promptRowsAbove(0, 80), 0);
  EXPECT_EQ(promptRowsAbove(6, 80), 0);
  // Filling the row exactly leaves the cursor at its end, on the same row.
  EXPECT_EQ(promptRowsAbove(80, 80), 0);
  EXPECT_EQ(promptRowsAbove(81, 80), 1);
  EXPECT_EQ(promptRowsAbove(160, 80), 1);
  EXPECT_EQ(promptRowsAbove(161, 80), 2);
  EXPECT_EQ(promptRowsAbove(41, 30), 1);
  EXPECT_EQ(promptRowsAbove(10, 0), 0);
}

}  // namespace
}  // namespace tavrik
