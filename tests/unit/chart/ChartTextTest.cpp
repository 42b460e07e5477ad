#include <gtest/gtest.h>

#include "chart/ChartText.hpp"

namespace tavrik::chart {
namespace {

// Six pixels per character, whatever its UTF-8 length.
double sixPerCharacter(std::string_view text) {
  double width = 0;
  for (const char c : text) width += (static_cast<unsigned char>(c) & 0xC0) == 0x80 ? 0 : 6;
  return width;
}

std::vector<std::string> wrap(std::string_view text, double width, std::size_t maxLines = 100) {
  return wrapText(text, width, sixPerCharacter, maxLines);
}

TEST(DrawableText, ValidUtf8PassesAndStrayBytesAreWindows1252) {
  EXPECT_EQ(drawableText("Perch\xC3\xA9 no"), "Perch\xC3\xA9 no");
  EXPECT_EQ(drawableText("\xF0\x9F\x93\x8A grafico"), "\xF0\x9F\x93\x8A grafico");
  // è typed as one Windows-1252 byte.
  EXPECT_EQ(drawableText("Citt\xE8"), "Citt\xC3\xA8");
  EXPECT_EQ(drawableText("\x80"), "\xE2\x82\xAC");  // euro sign
  EXPECT_EQ(drawableText("\x81"), "\xEF\xBF\xBD");  // undefined in the code page
  // An overlong form and an encoded surrogate are not UTF-8: byte by byte.
  EXPECT_EQ(drawableText("\xC0\x80"), "\xC3\x80\xE2\x82\xAC");
  EXPECT_EQ(drawableText("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC");
  // Cut short at the end.
  EXPECT_EQ(drawableText("a\xC3"), "a\xC3\x83");
}

TEST(DrawableText, ControlCharactersGoAndTabsBecomeBlanks) {
  EXPECT_EQ(drawableText("a\tb"), "a b");
  EXPECT_EQ(drawableText(std::string_view("a\0b\r\x1b\x7f", 6)), "ab");
  EXPECT_EQ(drawableText("\xC2\x85x"), "x");  // a C1 control in UTF-8
  EXPECT_EQ(drawableText(""), "");
}

TEST(WrapText, TextThatFitsIsOneLineAsItIs) {
  EXPECT_EQ(wrap("Gennaio", 42), (std::vector<std::string>{"Gennaio"}));
  EXPECT_EQ(wrap("  due  blank ", 200), (std::vector<std::string>{"  due  blank "}));
  EXPECT_EQ(wrap("", 10), (std::vector<std::string>{""}));
  // No width: nothing to wrap to.
  EXPECT_EQ(wrap("una frase lunga", 0), (std::vector<std::string>{"una frase lunga"}));
}

TEST(WrapText, BreaksAtBlanksGreedily) {
  EXPECT_EQ(wrap("uno due tre", 30), (std::vector<std::string>{"uno", "due", "tre"}));
  EXPECT_EQ(wrap("aa bb cc", 30), (std::vector<std::string>{"aa bb", "cc"}));
  // The blanks at a break go; those inside a line stay.
  EXPECT_EQ(wrap("  aa  bb   cc ", 36), (std::vector<std::string>{"aa  bb", "cc"}));
  for (const std::string& line : wrap("Febbraio con un nome lungo che va a capo", 80)) {
    EXPECT_LE(sixPerCharacter(line), 80) << line;
  }
}

TEST(WrapText, LongWordsBreakBetweenCharacters) {
  EXPECT_EQ(wrap("abcdefghij", 24), (std::vector<std::string>{"abcd", "efgh", "ij"}));
  EXPECT_EQ(wrap("ab abcdefgh", 24), (std::vector<std::string>{"ab", "abcd", "efgh"}));
  // A character is never cut in the middle of its bytes.
  EXPECT_EQ(wrap("\xC3\xA8\xC3\xA8\xC3\xA8\xC3\xA8\xC3\xA8", 12),
            (std::vector<std::string>{"\xC3\xA8\xC3\xA8", "\xC3\xA8\xC3\xA8", "\xC3\xA8"}));
  // A box narrower than one character still takes one per line.
  EXPECT_EQ(wrap("abc", 1), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(WrapText, AtMostMaxLines) {
  EXPECT_EQ(wrap("uno due tre quattro", 30, 2), (std::vector<std::string>{"uno", "due"}));
  EXPECT_EQ(wrap("uno due tre", 30, 0).size(), 1u);
  const std::string huge(100000, 'x');
  const auto lines = wrap(huge, 60, 3);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], std::string(10, 'x'));
}

}  // namespace
}  // namespace tavrik::chart
