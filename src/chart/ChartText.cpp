#include "chart/ChartText.hpp"

#include <algorithm>
#include <cstdint>

namespace tavrik::chart {

namespace {

// Windows-1252 code points of the bytes 0x80..0x9F; 0 where the code page
// defines none.
constexpr char32_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

constexpr char32_t kReplacement = 0xFFFD;
// A single line in a box never holds this many bytes; a longer word is cut
// here before it is measured, so that one huge word costs little.
constexpr std::size_t kMaxLineBytes = 4096;

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Length of the valid UTF-8 sequence at the start of text, 0 if none; the
// code point goes to `decoded`.
std::size_t validSequence(std::string_view text, char32_t& decoded) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(0);
  std::size_t length = 0;
  char32_t c = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    decoded = lead;
    return 1;
  }
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    c = lead & 0x1F;
    minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    c = lead & 0x0F;
    minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    c = lead & 0x07;
    minimum = 0x10000;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    c = (c << 6) | (byte(i) & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  decoded = c;
  return length;
}

bool isDropped(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xFFFE || c == 0xFFFF;
}

bool isContinuation(char c) { return (static_cast<std::uint8_t>(c) & 0xC0) == 0x80; }

// The longest prefix of word, cut between characters, whose width with
// `suffix` after it fits maxWidth; at least one character if atLeastOne, so
// that every line makes progress, else possibly none.
std::size_t fittingPrefix(std::string_view word, double maxWidth, const TextWidth& widthOf,
                          std::string_view suffix, bool atLeastOne) {
  std::vector<std::size_t> ends{0};
  for (std::size_t i = 1; i <= word.size() && i <= kMaxLineBytes; ++i) {
    if (i == word.size() || !isContinuation(word[i])) ends.push_back(i);
  }
  std::size_t low = atLeastOne && ends.size() > 1 ? 1 : 0;  // ends[low] always accepted
  std::size_t high = ends.size();
  while (high - low > 1) {
    const std::size_t middle = low + (high - low) / 2;
    if (widthOf(std::string(word.substr(0, ends[middle])) + std::string(suffix)) <= maxWidth) {
      low = middle;
    } else {
      high = middle;
    }
  }
  return ends[low];
}

bool fitsWhole(std::string_view text, double maxWidth, const TextWidth& widthOf) {
  return text.size() <= kMaxLineBytes && widthOf(text) <= maxWidth;
}

std::string_view trimmedEnd(std::string_view text) {
  const std::size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

// The end of the words from `start` on that fit one line: `start` itself
// when the first of them alone is too wide.
std::size_t lineOfWords(std::string_view text, std::size_t start, double maxWidth,
                        const TextWidth& widthOf) {
  std::size_t lineEnd = start;
  while (lineEnd < text.size()) {
    const std::size_t wordStart = text.find_first_not_of(' ', lineEnd);
    if (wordStart == std::string_view::npos) break;
    const std::size_t wordEnd = std::min(text.find(' ', wordStart), text.size());
    if (!fitsWhole(text.substr(start, wordEnd - start), maxWidth, widthOf)) break;
    lineEnd = wordEnd;
  }
  return lineEnd;
}

}  // namespace

std::string drawableText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    char32_t c = 0;
    std::size_t length = validSequence(text, c);
    if (length == 0) {
      const auto byte = static_cast<std::uint8_t>(text[0]);
      c = byte >= 0xA0 ? char32_t{byte} : kCp1252High[byte - 0x80];
      if (c == 0) c = kReplacement;
      length = 1;
    }
    text.remove_prefix(length);
    if (c == '\t') c = ' ';
    if (isDropped(c)) continue;
    appendUtf8(out, c);
  }
  return out;
}

WrappedText wrapText(std::string_view text, double maxWidth, const TextWidth& widthOf,
                     std::size_t maxLines, LongWords longWords) {
  maxLines = std::max<std::size_t>(maxLines, 1);
  if (!(maxWidth > 0) || fitsWhole(text, maxWidth, widthOf)) return {{std::string(text)}, false};
  WrappedText wrapped;
  std::vector<std::string>& lines = wrapped.lines;
  std::size_t start = text.find_first_not_of(' ');
  while (start != std::string_view::npos) {
    if (lines.size() + 1 == maxLines) {
      // The last line there is room for: the rest, shortened if need be.
      const std::string_view rest = trimmedEnd(text.substr(start));
      const bool fits = fitsWhole(rest, maxWidth, widthOf);
      lines.push_back(fits ? std::string(rest) : shortenText(rest, maxWidth, widthOf));
      wrapped.shortened = !fits;
      return wrapped;
    }
    std::size_t lineEnd = lineOfWords(text, start, maxWidth, widthOf);
    if (lineEnd > start) {
      lines.emplace_back(text.substr(start, lineEnd - start));
    } else {
      const std::size_t wordEnd = std::min(text.find(' ', start), text.size());
      const std::string_view word = text.substr(start, wordEnd - start);
      if (longWords == LongWords::Shorten) {
        lines.push_back(shortenText(word, maxWidth, widthOf));
        wrapped.shortened = true;
        lineEnd = wordEnd;
      } else {
        lineEnd = start + fittingPrefix(word, maxWidth, widthOf, {}, true);
        lines.emplace_back(text.substr(start, lineEnd - start));
      }
    }
    start = text.find_first_not_of(' ', lineEnd);
  }
  if (lines.empty()) lines.emplace_back();
  return wrapped;
}

std::size_t wholeLines(std::string_view text, double maxWidth, const TextWidth& widthOf,
                       std::size_t most) {
  if (!(maxWidth > 0) || fitsWhole(text, maxWidth, widthOf)) return most > 0 ? 1 : 0;
  std::size_t lines = 0;
  for (std::size_t start = text.find_first_not_of(' '); start != std::string_view::npos; ++lines) {
    const std::size_t lineEnd = lineOfWords(text, start, maxWidth, widthOf);
    if (lines == most || lineEnd == start) return 0;
    start = text.find_first_not_of(' ', lineEnd);
  }
  return std::max<std::size_t>(lines, 1);  // blanks alone: one empty line
}

std::string shortenText(std::string_view text, double maxWidth, const TextWidth& widthOf) {
  const std::size_t kept = fittingPrefix(text, maxWidth, widthOf, kEllipsis, false);
  return std::string(trimmedEnd(text.substr(0, kept))) + std::string(kEllipsis);
}

}  // namespace tavrik::chart
