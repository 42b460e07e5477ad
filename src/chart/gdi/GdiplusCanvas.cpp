#include "chart/gdi/GdiplusCanvas.hpp"

#include <windows.h>
// GDI+: its flat API (plain functions) is what is used.
#include <objidl.h>
#include <gdiplus.h>

#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "chart/shared/WholeFile.hpp"
#include "chart/shared/WindowsFonts.hpp"
#include "platform/windows/Utf16.hpp"

namespace tavrik::chart::gdi {

namespace {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

// GDI+ is started on the first chart and stays for the rest of the run.
bool started() {
  static const bool ok = [] {
    ULONG_PTR token = 0;
    GdiplusStartupInput input{};
    input.GdiplusVersion = 1;
    return GdiplusStartup(&token, &input, nullptr) == Ok;
  }();
  return ok;
}

ARGB argb(std::uint32_t colour) { return 0xFF000000u | (colour & 0xFFFFFFu); }

// A font of the family that has the text's glyphs, `size` pixels to the em,
// with its line height; kept for the run.
struct FontFace {
  GpFontFamily* family = nullptr;
  GpFont* font = nullptr;
  double lineHeight = 0;
  double ascent = 0;
};

const FontFace* face(const std::wstring& name, double size) {
  static std::mutex lock;
  static std::map<std::pair<std::wstring, double>, FontFace> faces;
  const std::lock_guard guard(lock);
  const auto key = std::make_pair(name, size);
  if (const auto found = faces.find(key); found != faces.end()) return found->second.font ? &found->second : nullptr;
  FontFace made;
  if (GdipCreateFontFamilyFromName(name.c_str(), nullptr, &made.family) == Ok &&
      GdipCreateFont(made.family, static_cast<REAL>(size), FontStyleRegular, UnitPixel, &made.font) == Ok) {
    UINT16 em = 0;
    UINT16 ascent = 0;
    UINT16 descent = 0;
    GdipGetEmHeight(made.family, FontStyleRegular, &em);
    GdipGetCellAscent(made.family, FontStyleRegular, &ascent);
    GdipGetCellDescent(made.family, FontStyleRegular, &descent);
    made.lineHeight = em == 0 ? size : size * (ascent + descent) / em;
    made.ascent = em == 0 ? size : size * ascent / em;
  } else {
    made.font = nullptr;
  }
  return faces.emplace(key, made).first->second.font ? &faces[key] : nullptr;
}

// Text laid out as drawn: no padding around it, trailing blanks counted.
GpStringFormat* typographic() {
  static GpStringFormat* const format = [] {
    GpStringFormat* generic = nullptr;
    GpStringFormat* own = nullptr;
    GdipStringFormatGetGenericTypographic(&generic);
    GdipCloneStringFormat(generic, &own);
    INT flags = 0;
    GdipGetStringFormatFlags(own, &flags);
    GdipSetStringFormatFlags(own, flags | StringFormatFlagsMeasureTrailingSpaces | StringFormatFlagsNoWrap);
    return own;
  }();
  return format;
}

double lineWidth(GpGraphics* graphics, const FontFace& font, const std::wstring& line) {
  if (line.empty()) return 0;
  RectF layout(0, 0, 1e6f, 1e6f);
  RectF bounds{};
  GdipMeasureString(graphics, line.c_str(), static_cast<INT>(line.size()), font.font, &layout, typographic(),
                    &bounds, nullptr, nullptr);
  return bounds.Width;
}

// A graphics object for measuring only.
GpGraphics* measuringGraphics() {
  static GpGraphics* const graphics = [] {
    GpGraphics* made = nullptr;
    GdipCreateFromHDC(::CreateCompatibleDC(nullptr), &made);
    GdipSetPageUnit(made, UnitPixel);
    GdipSetTextRenderingHint(made, TextRenderingHintAntiAlias);
    return made;
  }();
  return graphics;
}

void paintRect(GpGraphics* graphics, const TavrikChartItem& item) {
  if (item.fill != kTavrikChartNoColour) {
    GpSolidFill* brush = nullptr;
    GdipCreateSolidFill(argb(item.fill), &brush);
    GdipFillRectangle(graphics, brush, static_cast<REAL>(item.x), static_cast<REAL>(item.y),
                      static_cast<REAL>(item.w), static_cast<REAL>(item.h));
    GdipDeleteBrush(brush);
  }
  if (item.edge != kTavrikChartNoColour && item.edgeWidth > 0) {
    GpPen* pen = nullptr;
    GdipCreatePen1(argb(item.edge), static_cast<REAL>(item.edgeWidth), UnitPixel, &pen);
    GdipDrawRectangle(graphics, pen, static_cast<REAL>(item.x), static_cast<REAL>(item.y),
                      static_cast<REAL>(item.w), static_cast<REAL>(item.h));
    GdipDeletePen(pen);
  }
}

void paintLine(GpGraphics* graphics, const TavrikChartItem& item) {
  if (item.fill == kTavrikChartNoColour || item.edgeWidth <= 0) return;
  GpPen* pen = nullptr;
  GdipCreatePen1(argb(item.fill), static_cast<REAL>(item.edgeWidth), UnitPixel, &pen);
  GdipSetPenLineCap197819(pen, LineCapFlat, LineCapFlat, DashCapFlat);
  GdipDrawLine(graphics, pen, static_cast<REAL>(item.x), static_cast<REAL>(item.y), static_cast<REAL>(item.x2),
               static_cast<REAL>(item.y2));
  GdipDeletePen(pen);
}

// The picture's coordinates put pixel x between x and x + 1; GDI+'s default
// puts its centre at x, so everything is drawn half a pixel up and left.
// (Not PixelOffsetModeHalf, which not every GDI+ applies the same way.)
void placePixels(GpGraphics* graphics) {
  GdipResetWorldTransform(graphics);
  GdipTranslateWorldTransform(graphics, -0.5f, -0.5f, MatrixOrderPrepend);
}

// One run of text, its baseline starting at (x, y) as the layout placed it;
// one that reads upwards is turned a quarter left about that point.
void paintText(GpGraphics* graphics, const TavrikChartItem& item) {
  if (item.text == nullptr || item.text[0] == '\0' || item.fill == kTavrikChartNoColour) return;
  const std::wstring line = utf16::widen(item.text);
  const FontFace* font = face(shared::familyWithGlyphs(shared::resolveFamily(item.family), line), item.size);
  if (font == nullptr) return;
  placePixels(graphics);
  GdipTranslateWorldTransform(graphics, static_cast<REAL>(item.x), static_cast<REAL>(item.y), MatrixOrderPrepend);
  if (item.rotated != 0) GdipRotateWorldTransform(graphics, -90, MatrixOrderPrepend);
  GpSolidFill* brush = nullptr;
  GdipCreateSolidFill(argb(item.fill), &brush);
  // GDI+ puts the top of the line at the top of the rectangle.
  RectF at(0, static_cast<REAL>(-item.ascent), 1e6f, static_cast<REAL>(item.h * 2));
  GdipDrawString(graphics, line.c_str(), static_cast<INT>(line.size()), font->font, &at, typographic(), brush);
  GdipDeleteBrush(brush);
  placePixels(graphics);
}

bool encoderFor(const wchar_t* mimeType, CLSID& clsid) {
  UINT count = 0;
  UINT size = 0;
  if (GdipGetImageEncodersSize(&count, &size) != Ok || size == 0) return false;
  std::vector<unsigned char> buffer(size);
  auto* codecs = reinterpret_cast<ImageCodecInfo*>(buffer.data());
  if (GdipGetImageEncoders(count, size, codecs) != Ok) return false;
  for (UINT i = 0; i < count; ++i) {
    if (std::wstring_view(codecs[i].MimeType) == mimeType) {
      clsid = codecs[i].Clsid;
      return true;
    }
  }
  return false;
}

// The encoded image, made in memory and then written.
bool saveImage(GpBitmap* bitmap, const CLSID& encoder, const EncoderParameters* parameters, const char* path) {
  IStream* stream = nullptr;
  if (::CreateStreamOnHGlobal(nullptr, TRUE, &stream) != S_OK) return false;
  bool ok = GdipSaveImageToStream(bitmap, stream, &encoder, parameters) == Ok;
  HGLOBAL memory = nullptr;
  ok = ok && ::GetHGlobalFromStream(stream, &memory) == S_OK;
  STATSTG status{};
  ok = ok && stream->Stat(&status, STATFLAG_NONAME) == S_OK;
  if (ok) {
    const void* bytes = ::GlobalLock(memory);
    ok = bytes != nullptr &&
         shared::writeWholeFile(path, std::string_view(static_cast<const char*>(bytes),
                                               static_cast<std::size_t>(status.cbSize.QuadPart)));
    ::GlobalUnlock(memory);
  }
  stream->Release();
  return ok;
}

}  // namespace

bool measureLine(const char* family, double size, const char* text, std::size_t length, double& width,
                 double& lineHeight, double& ascent) {
  if (!started()) return false;
  const std::wstring line = utf16::widen(std::string_view(text, length));
  const FontFace* font = face(shared::familyWithGlyphs(shared::resolveFamily(family), line), size);
  if (font == nullptr) return false;
  width = lineWidth(measuringGraphics(), *font, line);
  lineHeight = font->lineHeight;
  ascent = font->ascent;
  return true;
}

bool writeRaster(const TavrikChartPicture& picture, bool jpeg, int quality, const char* path) {
  if (!started()) return false;
  GpBitmap* bitmap = nullptr;
  if (GdipCreateBitmapFromScan0(picture.width, picture.height, 0, PixelFormat24bppRGB, nullptr, &bitmap) != Ok) {
    return false;
  }
  GpGraphics* graphics = nullptr;
  bool ok = GdipGetImageGraphicsContext(bitmap, &graphics) == Ok;
  if (ok) {
    GdipSetPageUnit(graphics, UnitPixel);
    GdipSetSmoothingMode(graphics, SmoothingModeAntiAlias);
    GdipSetTextRenderingHint(graphics, TextRenderingHintAntiAlias);
    GdipGraphicsClear(graphics, 0xFFFFFFFF);
    placePixels(graphics);
    for (std::size_t i = 0; i < picture.count; ++i) {
      const TavrikChartItem& item = picture.items[i];
      if (item.kind == kTavrikChartRect) paintRect(graphics, item);
      if (item.kind == kTavrikChartLine) paintLine(graphics, item);
      if (item.kind == kTavrikChartText) paintText(graphics, item);
    }
    GdipDeleteGraphics(graphics);
  }
  CLSID encoder{};
  ok = ok && encoderFor(jpeg ? L"image/jpeg" : L"image/png", encoder);
  if (ok) {
    ULONG level = static_cast<ULONG>(quality);
    EncoderParameters parameters{};
    parameters.Count = 1;
    parameters.Parameter[0].Guid = EncoderQuality;
    parameters.Parameter[0].Type = EncoderParameterValueTypeLong;
    parameters.Parameter[0].NumberOfValues = 1;
    parameters.Parameter[0].Value = &level;
    ok = saveImage(bitmap, encoder, jpeg ? &parameters : nullptr, path);
  }
  GdipDisposeImage(bitmap);
  return ok;
}

}  // namespace tavrik::chart::gdi
