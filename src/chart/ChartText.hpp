#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik::chart {

/// A typed text made fit for drawing: valid UTF-8 passes unchanged; a byte
/// that is not part of valid UTF-8 is read as Windows-1252 (the way such
/// texts are typed), a tab becomes a blank, and other control characters
/// are dropped.
std::string drawableText(std::string_view text);

/// Width in pixels of a text in some font.
using TextWidth = std::function<double(std::string_view)>;

/// What becomes of a word too wide for a line of its own.
enum class LongWords {
  Break,    // it is broken between characters and goes on on the next line
  Shorten,  // it is cut to fit and ends in "…"; the text goes on after it
};

/// A text broken into lines, and whether any of it was left out.
struct WrappedText {
  std::vector<std::string> lines;
  bool shortened = false;  // then the cut line ends in "…"
};

/// The mark that ends a shortened text: "…".
inline constexpr std::string_view kEllipsis = "\xE2\x80\xA6";

/// Breaks a one-line text into lines no wider than maxWidth, breaking at
/// blanks (the blanks at a break are dropped); a word too wide for a line is
/// broken or shortened as longWords says. A text that fits, or a maxWidth of
/// 0 or less, gives one line as it is. At most maxLines lines are given (at
/// least one): when the text needs more, the last holds as much of the rest
/// as fits before "…".
WrappedText wrapText(std::string_view text, double maxWidth, const TextWidth& widthOf,
                     std::size_t maxLines, LongWords longWords = LongWords::Break);

/// The number of lines the text breaks into at blanks, none wider than
/// maxWidth, when that is at most `most` and no word is too wide for a line
/// (wrapText then gives the whole text in them); 0 otherwise.
std::size_t wholeLines(std::string_view text, double maxWidth, const TextWidth& widthOf,
                       std::size_t most);

/// The longest start of the text, cut between characters, that fits
/// maxWidth with "…" after it (the blanks before the "…" are dropped); "…"
/// alone when no character fits.
std::string shortenText(std::string_view text, double maxWidth, const TextWidth& widthOf);

}  // namespace tavrik::chart
