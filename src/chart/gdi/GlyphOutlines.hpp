#pragma once

// Glyphs of the installed fonts as outlines, read from GDI: what the PDF
// writer draws its text with, so that every character a font has is drawn
// exactly as that font shapes it, whatever the PDF reader has installed.

#include <cstddef>
#include <memory>
#include <string>

namespace tavrik::chart::gdi {

/// Fonts are opened at this many pixels per em: the font units of most
/// TrueType fonts, so that outlines and advances keep their precision.
inline constexpr int kOutlineEm = 2048;

/// One glyph at kOutlineEm pixels per em, x to the right and y upwards from
/// its origin on the baseline.
struct GlyphOutline {
  double advance = 0;  // to the origin of the next glyph
  // Bounds of the points of the path; all zero for a blank glyph.
  double left = 0;
  double bottom = 0;
  double right = 0;
  double top = 0;
  /// PDF path construction (m, l, c, h), each contour closed; empty for a
  /// blank glyph. Filled with the nonzero winding rule.
  std::string path;
};

/// The fonts opened for one drawing. Not shared between threads.
class GlyphOutlines {
 public:
  GlyphOutlines();
  ~GlyphOutlines();
  GlyphOutlines(const GlyphOutlines&) = delete;
  GlyphOutlines& operator=(const GlyphOutlines&) = delete;

  /// The number of the face of an installed family, opened on first use.
  std::size_t face(const std::wstring& family);

  /// Height of the face above its baseline (GDI's ascent), at kOutlineEm.
  double ascent(std::size_t face);

  /// The glyph of a character (any code point, beyond U+FFFF too) in a
  /// face, or -1 when the face has none.
  long glyph(std::size_t face, char32_t character);

  /// A face that has a glyph for the character: `preferred` when it has one,
  /// else the first installed family that has (common text families first);
  /// `preferred` when none has.
  std::size_t faceFor(std::size_t preferred, char32_t character);

  /// The change of the advance of `left` when `right` follows it in the
  /// same face (the font's kerning pairs), at kOutlineEm; negative closes up.
  double kerning(std::size_t face, char32_t left, char32_t right);

  /// The outline and advance of a glyph of a face.
  GlyphOutline outline(std::size_t face, unsigned glyph);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace tavrik::chart::gdi
