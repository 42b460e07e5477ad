// Typed text made drawable, then wrapped into a box: the result is always
// valid UTF-8 without control characters, making it drawable again changes
// nothing, and the lines hold the text's words in order, each fitting the
// box unless it is a single character.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "chart/ChartText.hpp"

namespace {

bool isValidUtf8WithoutControls(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<std::uint8_t>(text[i]);
    std::size_t length = 0;
    std::uint32_t c = 0;
    if (lead < 0x80) {
      length = 1;
      c = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2;
      c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3;
      c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4;
      c = lead & 0x07;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto byte = static_cast<std::uint8_t>(text[i + k]);
      if ((byte & 0xC0) != 0x80) return false;
      c = (c << 6) | (byte & 0x3F);
    }
    const std::uint32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < minimum[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return false;
    i += length;
  }
  return true;
}

std::size_t characters(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) count += (static_cast<std::uint8_t>(c) & 0xC0) != 0x80;
  return count;
}

double widthOf(std::string_view text) { return 5.0 * static_cast<double>(characters(text)); }

std::string withoutBlanks(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c != ' ') out += c;
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const double boxWidth = data[0];
  const std::size_t maxLines = data[1] % 8;
  const std::string_view typed(reinterpret_cast<const char*>(data + 2), size - 2);

  const std::string text = tavrik::chart::drawableText(typed);
  if (!isValidUtf8WithoutControls(text)) std::abort();
  if (tavrik::chart::drawableText(text) != text) std::abort();

  const auto lines = tavrik::chart::wrapText(text, boxWidth, widthOf, maxLines);
  if (lines.empty() || lines.size() > std::max<std::size_t>(maxLines, 1)) std::abort();
  if (lines.size() == 1 && (widthOf(text) <= boxWidth || !(boxWidth > 0)) && lines[0] != text) {
    std::abort();
  }
  std::string joined;
  for (const std::string& line : lines) {
    if (!isValidUtf8WithoutControls(line)) std::abort();
    if (lines.size() > 1 && widthOf(line) > boxWidth && characters(line) != 1) std::abort();
    joined += line;
  }
  // The words come back in order, only blanks dropped (and, past the last
  // line allowed, the rest of the text).
  const std::string words = withoutBlanks(text);
  const std::string kept = withoutBlanks(joined);
  if (words.compare(0, kept.size(), kept) != 0) std::abort();
  if (lines.size() < std::max<std::size_t>(maxLines, 1) && kept != words) std::abort();
  return 0;
}
