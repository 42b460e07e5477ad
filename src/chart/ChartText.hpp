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

/// Breaks a one-line text into lines no wider than maxWidth, breaking at
/// blanks and, inside a word too long for a line, between characters; the
/// blanks at a break are dropped. A text that fits, or a maxWidth of 0 or
/// less, gives one line as it is. At most maxLines lines are given (the rest
/// of the text is left out); at least one.
std::vector<std::string> wrapText(std::string_view text, double maxWidth, const TextWidth& widthOf,
                                  std::size_t maxLines);

}  // namespace tavrik::chart
