#include "shell/Console.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>

namespace tavrik {
namespace {

struct Io {
  explicit Io(std::string input) : in(std::move(input)), console(in, out) {}
  std::istringstream in;
  std::ostringstream out;
  Console console;
  std::string rest() {
    std::string all;
    std::getline(in, all, '\0');
    return all;
  }
};

TEST(Console, NumberLeavesTheRestOfTheLineForTheNextRead) {
  Io io("5 a\n");
  EXPECT_EQ(io.console.readInt(), 5);
  io.console.discardOne();  // the blank after 5
  EXPECT_EQ(io.console.readLine(), "a");
  EXPECT_EQ(io.out.str(), "");
}

TEST(Console, NumbersSkipBlanksAndLineBreaks) {
  Io io("\n\n  7\t-2.5  3.25e1\n");
  EXPECT_EQ(io.console.readInt(), 7);
  EXPECT_EQ(io.console.readDouble(), -2.5);
  EXPECT_EQ(io.console.readFloat(), 32.5f);
}

TEST(Console, NonNumberIsRefusedAndThePendingPromptWrittenAgain) {
  Io io("abc def\n12\n");
  io.console.write("Domanda");
  io.console.endLine();
  io.console.write("Valore: ");
  EXPECT_EQ(io.console.readInt(), 12);
  EXPECT_EQ(io.out.str(), "Domanda\nValore: \nErrore riprova\nValore: ");
}

TEST(Console, OutOfRangeNumbersCountAsNonNumbers) {
  Io io("2147483648\n-2147483649\n-2147483648\n");
  io.console.write("n: ");
  EXPECT_EQ(io.console.readInt(), INT_MIN);
  EXPECT_EQ(io.out.str(), "n: \nErrore riprova\nn: \nErrore riprova\nn: ");
  Io big("1e999\n2\n");
  EXPECT_EQ(big.console.readDouble(), 2.0);
  Io bigFloat("1e39\n3\n");
  EXPECT_EQ(bigFloat.console.readFloat(), 3.0f);
}

TEST(Console, PendingPromptRestartsAfterEachLineBreakAndAnswer) {
  Io io("1\nx\n");
  io.console.write("a\nb");
  io.console.write("c");
  EXPECT_EQ(io.console.pendingPrompt(), "bc");
  io.console.readInt();
  EXPECT_EQ(io.console.pendingPrompt(), "");
  io.console.write("d");
  EXPECT_EQ(io.console.pendingPrompt(), "d");
}

TEST(Console, EndOfInputIsThrownByEveryRead) {
  EXPECT_THROW(Io("").console.readLine(), EndOfInput);
  EXPECT_THROW(Io("   \n ").console.readInt(), EndOfInput);
  EXPECT_THROW(Io("\n\t").console.readWord(), EndOfInput);
  EXPECT_THROW(Io(" ").console.readChar(), EndOfInput);
  EXPECT_THROW(Io("").console.readDouble(), EndOfInput);
  // A non-number as the very last thing: one refusal, then the end.
  Io io("abc");
  EXPECT_THROW(io.console.readInt(), EndOfInput);
}

TEST(Console, LastLineWithoutLineEndIsStillALine) {
  Io io("one\ntwo");
  EXPECT_EQ(io.console.readLine(), "one");
  EXPECT_EQ(io.console.readLine(), "two");
  EXPECT_THROW(io.console.readLine(), EndOfInput);
}

TEST(Console, LinesAreUntrimmed) {
  Io io("  a b \t\n\n");
  EXPECT_EQ(io.console.readLine(), "  a b \t");
  EXPECT_EQ(io.console.readLine(), "");
}

TEST(Console, WordAndCharSkipWhiteSpace) {
  Io io("  H2O  rest\n  q");
  EXPECT_EQ(io.console.readWord(), "H2O");
  io.console.discardOne();
  EXPECT_EQ(io.rest(), " rest\n  q");
  Io chars("\n  q r");
  EXPECT_EQ(chars.console.readChar(), 'q');
  EXPECT_EQ(chars.console.readChar(), 'r');
}

TEST(Console, TryReadDiscardsTheBadLineWithoutAMessage) {
  Io io("x1 2\n4\n");
  EXPECT_EQ(io.console.tryReadDouble(), std::nullopt);
  EXPECT_EQ(io.console.tryReadDouble(), 4.0);
  EXPECT_EQ(io.out.str(), "");
}

TEST(Console, NumbersPrintWithSixSignificantDigits) {
  Io io("");
  io.console.write(3.5);
  io.console.write(' ');
  io.console.write(1.0 / 3.0);
  io.console.write(' ');
  io.console.write(1e6);
  io.console.write(' ');
  io.console.write(18.0058f);
  io.console.write(' ');
  io.console.write(-7);
  EXPECT_EQ(io.out.str(), "3.5 0.333333 1e+06 18.0058 -7");
}

TEST(Console, DiscardOneStopsAtEndOfInput) {
  Io io("");
  io.console.discardOne();
  io.console.discardOne();
  EXPECT_THROW(io.console.readLine(), EndOfInput);
}

}  // namespace
}  // namespace tavrik

namespace tavrik {
namespace {

TEST(Console, AVeryLongLineKeepsOnlyTheEndOfItsPendingPrompt) {
  Io io("x\n1\n");
  io.console.write(std::string(1 << 20, 'a'));
  io.console.write("Valore: ");
  EXPECT_EQ(io.console.pendingPrompt().size(), 4096u);
  EXPECT_TRUE(io.console.pendingPrompt().ends_with("aaaValore: "));
  EXPECT_EQ(io.console.readInt(), 1);
  EXPECT_TRUE(io.out.str().ends_with("\nErrore riprova\n" + std::string(4088, 'a') + "Valore: "));
}

}  // namespace
}  // namespace tavrik
