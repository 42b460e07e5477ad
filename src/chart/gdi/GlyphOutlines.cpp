#include "chart/gdi/GlyphOutlines.hpp"

#include <windows.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

namespace tavrik::chart::gdi {

namespace {

// Families tried for a character the chosen one lacks, before every other
// installed family: the usual text families, then those made for symbols,
// emoji and the scripts of the past.
constexpr std::array<std::wstring_view, 8> kFallbacks = {
    L"Segoe UI",        L"Arial",          L"Tahoma",          L"DejaVu Sans",
    L"Liberation Sans", L"Segoe UI Emoji", L"Segoe UI Symbol", L"Segoe UI Historic"};

// The font's table of characters, as GetFontData names it.
constexpr DWORD kCmapTag = 'c' | ('m' << 8) | ('a' << 16) | (static_cast<DWORD>('p') << 24);

// One run of characters of a 32-bit character map: start, end, first glyph.
struct CharacterRun {
  std::uint32_t first;
  std::uint32_t last;
  std::uint32_t glyph;
};

int CALLBACK noteFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM found) {
  auto* families = reinterpret_cast<std::vector<std::wstring>*>(found);
  if ((type & TRUETYPE_FONTTYPE) != 0 && font->lfFaceName[0] != L'@') {
    const std::wstring family(font->lfFaceName);
    if (std::find(families->begin(), families->end(), family) == families->end()) {
      families->push_back(family);
    }
  }
  return 1;
}

std::uint32_t readBig(const std::vector<unsigned char>& data, std::size_t at, int bytes) {
  std::uint32_t value = 0;
  for (int i = 0; i < bytes; ++i) value = (value << 8) | data[at + static_cast<std::size_t>(i)];
  return value;
}

// The runs of the 32-bit subtable (format 12) of a character map, the one
// that reaches characters beyond U+FFFF; empty when the font has none.
std::vector<CharacterRun> wideCharacterRuns(const std::vector<unsigned char>& cmap) {
  std::vector<CharacterRun> runs;
  if (cmap.size() < 4) return runs;
  const std::size_t tables = readBig(cmap, 2, 2);
  std::size_t chosen = 0;
  int chosenRank = 0;
  for (std::size_t i = 0; i < tables; ++i) {
    const std::size_t record = 4 + i * 8;
    if (record + 8 > cmap.size()) break;
    const std::uint32_t platform = readBig(cmap, record, 2);
    const std::uint32_t encoding = readBig(cmap, record + 2, 2);
    const std::size_t offset = readBig(cmap, record + 4, 4);
    if (offset + 16 > cmap.size() || readBig(cmap, offset, 2) != 12) continue;
    // Windows' full Unicode map first, then Unicode platform ones.
    const int rank = platform == 3 && encoding == 10 ? 3 : platform == 0 ? 2 : 1;
    if (rank > chosenRank) {
      chosen = offset;
      chosenRank = rank;
    }
  }
  if (chosenRank == 0) return runs;
  const std::size_t count = readBig(cmap, chosen + 12, 4);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = chosen + 16 + i * 12;
    if (at + 12 > cmap.size()) break;
    runs.push_back({readBig(cmap, at, 4), readBig(cmap, at + 4, 4), readBig(cmap, at + 8, 4)});
  }
  std::sort(runs.begin(), runs.end(),
            [](const CharacterRun& a, const CharacterRun& b) { return a.first < b.first; });
  return runs;
}

double fixedValue(const FIXED& fixed) { return fixed.value + fixed.fract / 65536.0; }

struct Point {
  double x;
  double y;
};

// Writes the path of a GGO_NATIVE outline and keeps the bounds of its points.
class PathWriter {
 public:
  explicit PathWriter(GlyphOutline& outline) : outline_(outline) {}

  void moveTo(Point p) {
    note(p);
    add(p);
    outline_.path += "m\n";
    current_ = p;
  }
  void lineTo(Point p) {
    note(p);
    add(p);
    outline_.path += "l\n";
    current_ = p;
  }
  void cubicTo(Point c1, Point c2, Point p) {
    note(c1);
    note(c2);
    note(p);
    add(c1);
    add(c2);
    add(p);
    outline_.path += "c\n";
    current_ = p;
  }
  // A quadratic curve is the cubic whose controls are two thirds of the
  // way from the ends to the quadratic's one control.
  void quadraticTo(Point control, Point p) {
    const Point c1{current_.x + 2.0 / 3.0 * (control.x - current_.x),
                   current_.y + 2.0 / 3.0 * (control.y - current_.y)};
    const Point c2{p.x + 2.0 / 3.0 * (control.x - p.x), p.y + 2.0 / 3.0 * (control.y - p.y)};
    cubicTo(c1, c2, p);
  }
  void close() { outline_.path += "h\n"; }
  Point current() const { return current_; }

 private:
  void note(Point p) {
    if (empty_) {
      outline_.left = outline_.right = p.x;
      outline_.bottom = outline_.top = p.y;
      empty_ = false;
      return;
    }
    outline_.left = std::min(outline_.left, p.x);
    outline_.right = std::max(outline_.right, p.x);
    outline_.bottom = std::min(outline_.bottom, p.y);
    outline_.top = std::max(outline_.top, p.y);
  }
  void add(Point p) {
    addNumber(p.x);
    addNumber(p.y);
  }
  // Hundredths of a pixel at kOutlineEm are far below anything visible.
  void addNumber(double value) {
    const double rounded = std::round(value * 100) / 100;
    std::array<char, 32> text{};
    const auto [end, error] =
        std::to_chars(text.data(), text.data() + text.size(), rounded == 0 ? 0.0 : rounded,
                      std::chars_format::fixed, 2);
    std::string_view number(text.data(), error == std::errc() ? end - text.data() : 0);
    if (number.find('.') != std::string_view::npos) {
      while (number.back() == '0') number.remove_suffix(1);
      if (number.back() == '.') number.remove_suffix(1);
    }
    outline_.path += number.empty() ? std::string_view("0") : number;
    outline_.path += ' ';
  }

  GlyphOutline& outline_;
  Point current_{0, 0};
  bool empty_ = true;
};

// Turns the polygons of a GGO_NATIVE buffer into a path: straight lines,
// quadratic B-splines of TrueType fonts, cubic Béziers of PostScript ones.
void tracePolygons(const std::vector<unsigned char>& buffer, GlyphOutline& outline) {
  PathWriter path(outline);
  const unsigned char* at = buffer.data();
  const unsigned char* const end = at + buffer.size();
  std::vector<Point> points;
  while (static_cast<std::size_t>(end - at) >= sizeof(TTPOLYGONHEADER)) {
    TTPOLYGONHEADER header;
    std::memcpy(&header, at, sizeof header);
    if (header.cb < sizeof header || header.cb > static_cast<std::size_t>(end - at)) break;
    const unsigned char* const contourEnd = at + header.cb;
    const Point start{fixedValue(header.pfxStart.x), fixedValue(header.pfxStart.y)};
    path.moveTo(start);
    const unsigned char* curve = at + sizeof header;
    constexpr std::size_t kCurveHead = offsetof(TTPOLYCURVE, apfx);
    while (static_cast<std::size_t>(contourEnd - curve) >= kCurveHead) {
      WORD type = 0;
      WORD count = 0;
      std::memcpy(&type, curve + offsetof(TTPOLYCURVE, wType), sizeof type);
      std::memcpy(&count, curve + offsetof(TTPOLYCURVE, cpfx), sizeof count);
      const unsigned char* const data = curve + kCurveHead;
      if (static_cast<std::size_t>(contourEnd - data) < count * sizeof(POINTFX)) break;
      points.resize(count);
      for (std::size_t i = 0; i < count; ++i) {
        POINTFX point;
        std::memcpy(&point, data + i * sizeof point, sizeof point);
        points[i] = {fixedValue(point.x), fixedValue(point.y)};
      }
      if (type == TT_PRIM_LINE) {
        for (const Point& p : points) path.lineTo(p);
      } else if (type == TT_PRIM_QSPLINE) {
        // Off-curve points; between two of them the curve passes through
        // their middle, and the last point is on the curve.
        for (std::size_t i = 0; i + 1 < points.size(); ++i) {
          const Point next = i + 2 == points.size() ? points[i + 1]
                                                    : Point{(points[i].x + points[i + 1].x) / 2,
                                                            (points[i].y + points[i + 1].y) / 2};
          path.quadraticTo(points[i], next);
        }
      } else if (type == TT_PRIM_CSPLINE) {
        for (std::size_t i = 0; i + 2 < points.size(); i += 3) {
          path.cubicTo(points[i], points[i + 1], points[i + 2]);
        }
      }
      curve = data + count * sizeof(POINTFX);
    }
    path.close();
    at = contourEnd;
  }
}

}  // namespace

struct GlyphOutlines::State {
  struct Face {
    std::wstring family;
    HFONT font = nullptr;
    double ascent = 0;
    bool runsRead = false;
    std::vector<CharacterRun> wideRuns;
    bool pairsRead = false;
    std::map<std::uint32_t, int> pairs;  // left << 16 | right -> kerning
  };

  HDC dc = nullptr;
  HGDIOBJ firstFont = nullptr;
  std::vector<Face> faces;
  std::size_t selected = static_cast<std::size_t>(-1);
  bool familiesListed = false;
  std::vector<std::wstring> families;
  std::map<std::pair<std::size_t, char32_t>, std::size_t> fallbacks;

  void select(std::size_t face) {
    if (selected == face) return;
    const HGDIOBJ old = ::SelectObject(dc, faces[face].font);
    if (firstFont == nullptr) firstFont = old;
    selected = face;
  }

  const std::vector<std::wstring>& installed() {
    if (!familiesListed) {
      LOGFONTW any{};
      any.lfCharSet = DEFAULT_CHARSET;
      ::EnumFontFamiliesExW(dc, &any, noteFamily, reinterpret_cast<LPARAM>(&families), 0);
      familiesListed = true;
    }
    return families;
  }

  bool isInstalled(std::wstring_view family) {
    for (const std::wstring& one : installed()) {
      if (::CompareStringOrdinal(one.c_str(), static_cast<int>(one.size()), family.data(),
                                 static_cast<int>(family.size()), TRUE) == CSTR_EQUAL) {
        return true;
      }
    }
    return false;
  }

  const std::vector<CharacterRun>& wideRuns(std::size_t face) {
    Face& f = faces[face];
    if (!f.runsRead) {
      f.runsRead = true;
      select(face);
      const DWORD size = ::GetFontData(dc, kCmapTag, 0, nullptr, 0);
      if (size != GDI_ERROR && size > 0) {
        std::vector<unsigned char> cmap(size);
        if (::GetFontData(dc, kCmapTag, 0, cmap.data(), size) == size) {
          f.wideRuns = wideCharacterRuns(cmap);
        }
      }
    }
    return f.wideRuns;
  }
};

double GlyphOutlines::kerning(std::size_t face, char32_t left, char32_t right) {
  if (left > 0xFFFF || right > 0xFFFF) return 0;
  State::Face& f = state_->faces[face];
  if (!f.pairsRead) {
    f.pairsRead = true;
    state_->select(face);
    const DWORD count = ::GetKerningPairsW(state_->dc, 0, nullptr);
    if (count > 0 && count != GDI_ERROR) {
      std::vector<KERNINGPAIR> pairs(count);
      const DWORD got = ::GetKerningPairsW(state_->dc, count, pairs.data());
      for (DWORD i = 0; i < got && got != GDI_ERROR; ++i) {
        if (pairs[i].iKernAmount == 0) continue;
        f.pairs.emplace(static_cast<std::uint32_t>(pairs[i].wFirst) << 16 | pairs[i].wSecond,
                        pairs[i].iKernAmount);
      }
    }
  }
  const auto found =
      f.pairs.find(static_cast<std::uint32_t>(left) << 16 | static_cast<std::uint32_t>(right));
  return found == f.pairs.end() ? 0 : found->second;
}

GlyphOutlines::GlyphOutlines() : state_(std::make_unique<State>()) {
  state_->dc = ::CreateCompatibleDC(nullptr);
}

GlyphOutlines::~GlyphOutlines() {
  if (state_->firstFont != nullptr) ::SelectObject(state_->dc, state_->firstFont);
  for (const State::Face& face : state_->faces) ::DeleteObject(face.font);
  ::DeleteDC(state_->dc);
}

std::size_t GlyphOutlines::face(const std::wstring& family) {
  for (std::size_t i = 0; i < state_->faces.size(); ++i) {
    if (state_->faces[i].family == family) return i;
  }
  LOGFONTW wanted{};
  wanted.lfHeight = -kOutlineEm;
  wanted.lfWeight = FW_NORMAL;
  wanted.lfCharSet = DEFAULT_CHARSET;
  wanted.lfOutPrecision = OUT_TT_PRECIS;
  family.copy(wanted.lfFaceName, LF_FACESIZE - 1);
  State::Face face;
  face.family = family;
  face.font = ::CreateFontIndirectW(&wanted);
  state_->faces.push_back(std::move(face));
  const std::size_t number = state_->faces.size() - 1;
  state_->select(number);
  TEXTMETRICW metrics{};
  if (::GetTextMetricsW(state_->dc, &metrics)) state_->faces[number].ascent = metrics.tmAscent;
  return number;
}

double GlyphOutlines::ascent(std::size_t face) { return state_->faces[face].ascent; }

long GlyphOutlines::glyph(std::size_t face, char32_t character) {
  if (character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF)) return -1;
  if (character <= 0xFFFF) {
    state_->select(face);
    const wchar_t unit = static_cast<wchar_t>(character);
    WORD index = 0xFFFF;
    if (::GetGlyphIndicesW(state_->dc, &unit, 1, &index, GGI_MARK_NONEXISTING_GLYPHS) ==
            GDI_ERROR ||
        index == 0xFFFF) {
      return -1;
    }
    return index;
  }
  // GDI maps UTF-16 units one by one, never a surrogate pair: characters
  // beyond U+FFFF are looked up in the font's own 32-bit character map.
  const std::vector<CharacterRun>& runs = state_->wideRuns(face);
  auto after = std::upper_bound(runs.begin(), runs.end(), character,
                                [](char32_t c, const CharacterRun& run) { return c < run.first; });
  if (after == runs.begin()) return -1;
  const CharacterRun& run = *(after - 1);
  if (character > run.last) return -1;
  const std::uint32_t index = run.glyph + (character - run.first);
  return index == 0 || index > 0xFFFF ? -1 : static_cast<long>(index);
}

std::size_t GlyphOutlines::faceFor(std::size_t preferred, char32_t character) {
  if (glyph(preferred, character) >= 0) return preferred;
  const auto key = std::make_pair(preferred, character);
  const auto known = state_->fallbacks.find(key);
  if (known != state_->fallbacks.end()) return known->second;
  std::size_t found = preferred;
  bool done = false;
  for (const std::wstring_view family : kFallbacks) {
    if (!state_->isInstalled(family)) continue;
    const std::size_t candidate = face(std::wstring(family));
    if (glyph(candidate, character) >= 0) {
      found = candidate;
      done = true;
      break;
    }
  }
  if (!done) {
    // Every installed family is opened once at most for the whole drawing.
    const std::vector<std::wstring>& families = state_->installed();
    for (const std::wstring& family : families) {
      const std::size_t candidate = face(family);
      if (glyph(candidate, character) >= 0) {
        found = candidate;
        break;
      }
    }
  }
  state_->fallbacks.emplace(key, found);
  return found;
}

GlyphOutline GlyphOutlines::outline(std::size_t face, unsigned glyph) {
  GlyphOutline outline;
  state_->select(face);
  constexpr MAT2 kIdentity = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};
  constexpr UINT kByIndex = GGO_GLYPH_INDEX | GGO_UNHINTED;
  GLYPHMETRICS metrics{};
  if (::GetGlyphOutlineW(state_->dc, glyph, GGO_METRICS | kByIndex, &metrics, 0, nullptr,
                         &kIdentity) == GDI_ERROR) {
    ABC widths{};
    const WORD index = static_cast<WORD>(glyph);
    WORD indices[1] = {index};
    if (::GetCharABCWidthsI(state_->dc, 0, 1, indices, &widths)) {
      outline.advance = widths.abcA + static_cast<int>(widths.abcB) + widths.abcC;
    }
    return outline;
  }
  outline.advance = metrics.gmCellIncX;
  const DWORD size = ::GetGlyphOutlineW(state_->dc, glyph, GGO_NATIVE | kByIndex, &metrics, 0,
                                        nullptr, &kIdentity);
  if (size == GDI_ERROR || size == 0) return outline;
  std::vector<unsigned char> buffer(size);
  if (::GetGlyphOutlineW(state_->dc, glyph, GGO_NATIVE | kByIndex, &metrics, size, buffer.data(),
                         &kIdentity) == GDI_ERROR) {
    return outline;
  }
  tracePolygons(buffer, outline);
  return outline;
}

}  // namespace tavrik::chart::gdi
