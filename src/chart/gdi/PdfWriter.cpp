#include "chart/gdi/PdfWriter.hpp"

#include <windows.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <limits>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chart/gdi/GlyphOutlines.hpp"
#include "chart/shared/WholeFile.hpp"
#include "chart/shared/WindowsFonts.hpp"
#include "platform/windows/Utf16.hpp"

// The text is drawn in Type 3 fonts whose glyph procedures are the outlines
// GDI gives for the installed fonts: the PDF carries no font program, yet
// every reader draws the characters as Windows does, and each font's
// ToUnicode map keeps the text selectable and searchable. A Type 3 font has
// one-byte codes, so each family's glyphs fill as many fonts of 255 glyphs
// as they need.

namespace tavrik::chart::gdi {

namespace {

constexpr std::size_t kGlyphsPerFont = 255;
constexpr const char* kCreator = "Tavrik Terminal";

// Numbers as PDF writes them: fixed point, no exponent, no trailing zeros.
void addNumber(std::string& out, double value, int decimals = 3) {
  if (!std::isfinite(value)) value = 0;
  const double scale = std::pow(10.0, decimals);
  value = std::round(value * scale) / scale;
  if (value == 0) value = 0;  // no "-0"
  std::array<char, 64> text{};
  const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value,
                                          std::chars_format::fixed, decimals);
  std::string_view number(text.data(), error == std::errc() ? end - text.data() : 0);
  if (number.find('.') != std::string_view::npos) {
    while (number.back() == '0') number.remove_suffix(1);
    if (number.back() == '.') number.remove_suffix(1);
  }
  out += number.empty() ? std::string_view("0") : number;
}

// Numbers separated by spaces, then the operator.
void addOperation(std::string& out, std::initializer_list<double> numbers, std::string_view op,
                  int decimals = 3) {
  for (const double number : numbers) {
    addNumber(out, number, decimals);
    out += ' ';
  }
  out += op;
  out += '\n';
}

void addColour(std::string& out, std::uint32_t colour, std::string_view op) {
  addOperation(
      out,
      {((colour >> 16) & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0, (colour & 0xFF) / 255.0},
      op, 5);
}

void addHexByte(std::string& out, unsigned value) {
  constexpr std::string_view kDigits = "0123456789ABCDEF";
  out += kDigits[(value >> 4) & 0xF];
  out += kDigits[value & 0xF];
}

// The characters of UTF-16 text, surrogate pairs joined; a lone surrogate
// becomes U+FFFD.
std::u32string characters(const std::wstring& text) {
  std::u32string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t unit = static_cast<char16_t>(text[i]);
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size()) {
      const char32_t low = static_cast<char16_t>(text[i + 1]);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        out += 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        ++i;
        continue;
      }
    }
    out += unit >= 0xD800 && unit <= 0xDFFF ? U'\uFFFD' : unit;
  }
  return out;
}

// Characters that draw nothing and take no room: controls, and the marks
// that only steer how text around them is joined, broken or ordered
// (soft hyphen, zero-width spaces and joiners, direction marks, variation
// selectors, the byte order mark).
bool isInvisible(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0xAD || (c >= 0x200B && c <= 0x200F) ||
         (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) ||
         (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFEFF || (c >= 0xE0000 && c <= 0xE0FFF);
}

// A string of the Info dictionary: UTF-16BE after its byte order mark, in
// a literal string where every byte outside printable ASCII is escaped.
std::string textString(std::string_view utf8) {
  std::string bytes = "\xFE\xFF";
  for (const wchar_t unit : utf16::widen(utf8)) {
    bytes += static_cast<char>((static_cast<unsigned>(unit) >> 8) & 0xFF);
    bytes += static_cast<char>(static_cast<unsigned>(unit) & 0xFF);
  }
  std::string out = "(";
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '(' || byte == ')' || byte == '\\') {
      out += '\\';
      out += c;
    } else if (byte >= 0x20 && byte < 0x7F) {
      out += c;
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\%03o", byte);
      out += escaped;
    }
  }
  out += ')';
  return out;
}

// One glyph of a Type 3 font: the character it stands for and its outline.
struct FontGlyph {
  char32_t character;
  GlyphOutline outline;
};

struct Type3Font {
  std::size_t face;
  std::vector<FontGlyph> glyphs;  // code i + 1 draws glyphs[i]
};

// Where a character of a face is drawn from: a font and its code there.
struct GlyphCode {
  std::size_t font;
  unsigned code;
  double advance;  // at kOutlineEm
};

// The glyphs the page uses, gathered into Type 3 fonts as they come.
class Type3Fonts {
 public:
  explicit Type3Fonts(GlyphOutlines& outlines) : outlines_(outlines) {}

  GlyphCode code(std::size_t face, char32_t character) {
    const auto key = std::make_pair(face, character);
    const auto known = codes_.find(key);
    if (known != codes_.end()) return known->second;
    const long glyph = outlines_.glyph(face, character);
    // A character no font has is drawn as the face's missing-glyph box.
    GlyphOutline outline = outlines_.outline(face, glyph < 0 ? 0u : static_cast<unsigned>(glyph));
    auto [open, isNew] = openFonts_.try_emplace(face, fonts_.size());
    if (isNew || fonts_[open->second].glyphs.size() == kGlyphsPerFont) {
      open->second = fonts_.size();
      fonts_.push_back({face, {}});
    }
    Type3Font& font = fonts_[open->second];
    font.glyphs.push_back({character, std::move(outline)});
    const GlyphCode code{open->second, static_cast<unsigned>(font.glyphs.size()),
                         font.glyphs.back().outline.advance};
    codes_.emplace(key, code);
    return code;
  }

  const std::vector<Type3Font>& fonts() const { return fonts_; }

 private:
  GlyphOutlines& outlines_;
  std::vector<Type3Font> fonts_;
  std::map<std::size_t, std::size_t> openFonts_;  // face -> its font with room left
  std::map<std::pair<std::size_t, char32_t>, GlyphCode> codes_;
};

// An affine map [a b c d e f]: x' = a x + c y + e, y' = b x + d y + f.
struct Matrix {
  double a, b, c, d, e, f;
};

// The content stream of the page, in PDF's coordinates: y upwards from the
// bottom of the picture.
class PageContent {
 public:
  PageContent(const TavrikChartPicture& picture, GlyphOutlines& outlines, Type3Fonts& fonts)
      : height_(picture.height), outlines_(outlines), fonts_(fonts) {
    out_ += "0 J 0 j\n";
  }

  void rect(const TavrikChartItem& item) {
    if (item.fill != kTavrikChartNoColour) {
      addColour(out_, item.fill, "rg");
      addOperation(out_, {item.x, height_ - item.y - item.h, item.w, item.h}, "re");
      out_ += "f\n";
    }
    if (item.edge != kTavrikChartNoColour && item.edgeWidth > 0) {
      addColour(out_, item.edge, "RG");
      addOperation(out_, {item.edgeWidth}, "w");
      addOperation(out_, {item.x, height_ - item.y - item.h, item.w, item.h}, "re");
      out_ += "S\n";
    }
  }

  void line(const TavrikChartItem& item) {
    if (item.fill == kTavrikChartNoColour || !(item.edgeWidth > 0)) return;
    addColour(out_, item.fill, "RG");
    addOperation(out_, {item.edgeWidth}, "w");
    addOperation(out_, {item.x, height_ - item.y}, "m");
    addOperation(out_, {item.x2, height_ - item.y2}, "l");
    out_ += "S\n";
  }

  // One run of text, its baseline starting at (x, y) as the layout placed
  // it; one that reads upwards is turned a quarter left about that point.
  void text(const TavrikChartItem& item) {
    if (item.text == nullptr || item.text[0] == '\0' || item.fill == kTavrikChartNoColour) return;
    addColour(out_, item.fill, "rg");
    // Text space on the page: y upwards, the baseline's origin at (x, y).
    const Matrix at = item.rotated != 0 ? Matrix{0, 1, -1, 0, item.x, height_ - item.y}
                                        : Matrix{1, 0, 0, 1, item.x, height_ - item.y};
    textLine(item, shared::resolveFamily(item.family), item.text, at);
  }

  const std::string& data() const { return out_; }

 private:
  void textLine(const TavrikChartItem& item, const std::wstring& family, std::string_view line,
                const Matrix& at) {
    const std::wstring wide = utf16::widen(line);
    const std::u32string chars = characters(wide);
    // The family with every character of the line, those beyond U+FFFF
    // aside (GDI's maps do not reach them); a character it still lacks is
    // drawn from another family that has it.
    std::wstring plain;
    for (const char32_t c : chars) {
      if (c <= 0xFFFF && !isInvisible(c)) plain += static_cast<wchar_t>(c);
    }
    const std::size_t lineFace =
        outlines_.face(plain.empty() ? family : shared::familyWithGlyphs(family, plain));
    std::vector<GlyphCode> codes;
    std::vector<double> kerns;  // before each glyph, at kOutlineEm
    codes.reserve(chars.size());
    kerns.reserve(chars.size());
    std::size_t previousFace = static_cast<std::size_t>(-1);
    char32_t previous = 0;
    for (const char32_t c : chars) {
      if (isInvisible(c)) continue;
      const std::size_t face = outlines_.faceFor(lineFace, c);
      const GlyphCode code = fonts_.code(face, c);
      const double kern = face == previousFace ? outlines_.kerning(face, previous, c) : 0;
      codes.push_back(code);
      kerns.push_back(kern);
      previousFace = face;
      previous = c;
    }
    if (codes.empty()) return;
    out_ += "BT\n";
    addOperation(out_, {at.a, at.b, at.c, at.d, at.e, at.f}, "Tm");
    // Kerning moves the next glyph by thousandths of the font size,
    // counted against the advance.
    std::size_t font = static_cast<std::size_t>(-1);
    bool inString = false;
    for (std::size_t i = 0; i < codes.size(); ++i) {
      if (codes[i].font != font) {
        if (i > 0) out_ += ">] TJ\n";
        font = codes[i].font;
        out_ += "/T" + std::to_string(font) + ' ';
        addOperation(out_, {item.size}, "Tf");
        out_ += '[';
        inString = false;
      }
      if (kerns[i] != 0) {
        if (inString) out_ += "> ";
        addNumber(out_, -kerns[i] * 1000 / kOutlineEm);
        out_ += ' ';
        inString = false;
      }
      if (!inString) out_ += '<';
      inString = true;
      addHexByte(out_, codes[i].code);
    }
    out_ += ">] TJ\nET\n";
  }

  double height_;
  GlyphOutlines& outlines_;
  Type3Fonts& fonts_;
  std::string out_;
};

// The objects of the file, written in memory with their offsets.
class PdfFile {
 public:
  PdfFile() { out_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"; }

  int reserve() {
    offsets_.push_back(0);
    return static_cast<int>(offsets_.size());
  }

  void object(int number, std::string_view body) {
    offsets_[static_cast<std::size_t>(number - 1)] = out_.size();
    out_ += std::to_string(number) + " 0 obj\n";
    out_ += body;
    out_ += "\nendobj\n";
  }

  // A stream, deflated; `entries` are more entries of its dictionary.
  bool stream(int number, std::string_view entries, const std::string& data) {
    std::string packed;
    if (!deflate(data, packed)) return false;
    offsets_[static_cast<std::size_t>(number - 1)] = out_.size();
    out_ += std::to_string(number) + " 0 obj\n<< /Length " + std::to_string(packed.size()) +
            " /Filter /FlateDecode";
    out_ += entries;
    out_ += " >>\nstream\n";
    out_ += packed;
    out_ += "\nendstream\nendobj\n";
    return true;
  }

  // The cross-reference table and the trailer.
  const std::string& finish(int root, int info) {
    const std::size_t xref = out_.size();
    out_ += "xref\n0 " + std::to_string(offsets_.size() + 1) + "\n0000000000 65535 f \n";
    for (const std::size_t offset : offsets_) {
      char entry[32];
      std::snprintf(entry, sizeof entry, "%010llu 00000 n \n",
                    static_cast<unsigned long long>(offset));
      out_ += entry;
    }
    out_ += "trailer\n<< /Size " + std::to_string(offsets_.size() + 1) + " /Root " +
            std::to_string(root) + " 0 R /Info " + std::to_string(info) + " 0 R >>\nstartxref\n" +
            std::to_string(xref) + "\n%%EOF\n";
    return out_;
  }

 private:
  static bool deflate(const std::string& data, std::string& packed) {
    if (data.size() > std::numeric_limits<uLong>::max() / 2) return false;
    uLongf size = ::compressBound(static_cast<uLong>(data.size()));
    packed.resize(size);
    if (::compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
                    reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size()),
                    Z_BEST_COMPRESSION) != Z_OK) {
      return false;
    }
    packed.resize(size);
    return true;
  }

  std::string out_;
  std::vector<std::size_t> offsets_;
};

std::string name(const char* prefix, std::size_t number) { return prefix + std::to_string(number); }

// The ToUnicode map of a Type 3 font: code i + 1 is the character of glyph i.
std::string toUnicode(const Type3Font& font) {
  std::string map =
      "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
      "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
      "1 begincodespacerange\n<00> <FF>\nendcodespacerange\n";
  constexpr std::size_t kPerBlock = 100;
  for (std::size_t first = 0; first < font.glyphs.size(); first += kPerBlock) {
    const std::size_t last = std::min(font.glyphs.size(), first + kPerBlock);
    map += std::to_string(last - first) + " beginbfchar\n";
    for (std::size_t i = first; i < last; ++i) {
      map += '<';
      addHexByte(map, static_cast<unsigned>(i + 1));
      map += "> <";
      char32_t c = font.glyphs[i].character;
      if (c >= 0x10000) {
        c -= 0x10000;
        const unsigned high = 0xD800 + static_cast<unsigned>(c >> 10);
        const unsigned low = 0xDC00 + static_cast<unsigned>(c & 0x3FF);
        for (const unsigned unit : {high, low}) {
          addHexByte(map, unit >> 8);
          addHexByte(map, unit & 0xFF);
        }
      } else {
        addHexByte(map, static_cast<unsigned>(c) >> 8);
        addHexByte(map, static_cast<unsigned>(c) & 0xFF);
      }
      map += ">\n";
    }
    map += "endbfchar\n";
  }
  map += "endcmap\nCMapName currentdict /CMapResource defineresource pop\nend\nend\n";
  return map;
}

// The glyph procedure: its advance and bounds, then its outline filled in
// the colour of the text.
std::string glyphProcedure(const GlyphOutline& outline) {
  std::string procedure;
  addOperation(procedure,
               {outline.advance, 0, std::floor(outline.left), std::floor(outline.bottom),
                std::ceil(outline.right), std::ceil(outline.top)},
               "d1", 2);
  if (!outline.path.empty()) {
    procedure += outline.path;
    procedure += "f\n";
  }
  return procedure;
}

// Writes the fonts' objects (font, procedures, ToUnicode map).
bool writeFont(PdfFile& file, int number, const Type3Font& font) {
  std::array<double, 4> bounds{0, 0, 0, 0};
  bool any = false;
  std::string procedures = "<<";
  std::string widths = "[";
  std::string differences = "[1";
  for (std::size_t i = 0; i < font.glyphs.size(); ++i) {
    const GlyphOutline& outline = font.glyphs[i].outline;
    const int procedure = file.reserve();
    if (!file.stream(procedure, "", glyphProcedure(outline))) return false;
    procedures += " /" + name("g", i + 1) + ' ' + std::to_string(procedure) + " 0 R";
    differences += " /" + name("g", i + 1);
    addNumber(widths, outline.advance, 2);
    widths += ' ';
    if (!outline.path.empty()) {
      const std::array<double, 4> glyph{std::floor(outline.left), std::floor(outline.bottom),
                                        std::ceil(outline.right), std::ceil(outline.top)};
      if (!any) {
        bounds = glyph;
        any = true;
      }
      bounds = {std::min(bounds[0], glyph[0]), std::min(bounds[1], glyph[1]),
                std::max(bounds[2], glyph[2]), std::max(bounds[3], glyph[3])};
    }
  }
  procedures += " >>";
  widths += ']';
  differences += ']';
  const int unicode = file.reserve();
  if (!file.stream(unicode, "", toUnicode(font))) return false;
  std::string body = "<< /Type /Font /Subtype /Type3 /FontBBox [";
  for (const double bound : bounds) {
    addNumber(body, bound, 0);
    body += ' ';
  }
  body += "] /FontMatrix [";
  const double unit = 1.0 / kOutlineEm;
  std::array<char, 64> text{};
  const auto converted =
      std::to_chars(text.data(), text.data() + text.size(), unit, std::chars_format::fixed);
  const std::string unitText(text.data(), converted.ptr);
  body += unitText + " 0 0 " + unitText + " 0 0] /CharProcs " + procedures +
          " /Encoding << /Type /Encoding /Differences " + differences +
          " >> /FirstChar 1 /LastChar " + std::to_string(font.glyphs.size()) + " /Widths " +
          widths + " /ToUnicode " + std::to_string(unicode) + " 0 R /Resources << >> >>";
  file.object(number, body);
  return true;
}

bool write(const TavrikChartPicture& picture, const char* path) {
  if (picture.width <= 0 || picture.height <= 0 || path == nullptr) return false;
  GlyphOutlines outlines;
  Type3Fonts fonts(outlines);
  PageContent content(picture, outlines, fonts);
  for (std::size_t i = 0; i < picture.count; ++i) {
    const TavrikChartItem& item = picture.items[i];
    switch (item.kind) {
      case kTavrikChartRect:
        content.rect(item);
        break;
      case kTavrikChartLine:
        content.line(item);
        break;
      case kTavrikChartText:
        content.text(item);
        break;
      default:
        break;
    }
  }

  PdfFile file;
  const int catalog = file.reserve();
  const int pages = file.reserve();
  const int page = file.reserve();
  const int contents = file.reserve();
  const int info = file.reserve();
  std::vector<int> fontObjects;
  std::string fontResources;
  for (std::size_t i = 0; i < fonts.fonts().size(); ++i) {
    fontObjects.push_back(file.reserve());
    fontResources += " /" + name("T", i) + ' ' + std::to_string(fontObjects.back()) + " 0 R";
  }
  file.object(catalog, "<< /Type /Catalog /Pages " + std::to_string(pages) + " 0 R >>");
  file.object(pages, "<< /Type /Pages /Kids [" + std::to_string(page) + " 0 R] /Count 1 >>");
  file.object(page, "<< /Type /Page /Parent " + std::to_string(pages) + " 0 R /MediaBox [0 0 " +
                        std::to_string(picture.width) + ' ' + std::to_string(picture.height) +
                        "] /Resources << /ProcSet [/PDF /Text] /Font <<" + fontResources +
                        " >> >> /Contents " + std::to_string(contents) + " 0 R >>");
  if (!file.stream(contents, "", content.data())) return false;
  std::string infoBody = "<<";
  if (picture.title != nullptr && picture.title[0] != '\0') {
    infoBody += " /Title " + textString(picture.title);
  }
  infoBody += std::string(" /Creator (") + kCreator + ") /Producer (" + kCreator + ") >>";
  file.object(info, infoBody);
  for (std::size_t i = 0; i < fonts.fonts().size(); ++i) {
    if (!writeFont(file, fontObjects[i], fonts.fonts()[i])) return false;
  }
  return shared::writeWholeFile(path, file.finish(catalog, info));
}

}  // namespace

bool writePdf(const TavrikChartPicture& picture, const char* path) {
  try {
    return write(picture, path);
  } catch (...) {
    // Out of memory: no file rather than half of one.
    return false;
  }
}

}  // namespace tavrik::chart::gdi
