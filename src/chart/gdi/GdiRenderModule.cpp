// The entry of the Windows drawing module: PNG and JPEG drawn with GDI+, PDF
// written from glyph outlines, and the text measures for every format.

#include <exception>

#include "chart/RenderInterface.hpp"
#include "chart/gdi/GdiplusCanvas.hpp"
#include "chart/gdi/PdfWriter.hpp"

namespace tavrik::chart::gdi {

namespace {

constexpr int kJpegQuality = 90;

int measureText(const char* family, double size, const char* text, std::size_t length, double* width,
                double* lineHeight, double* ascent) {
  if (text == nullptr || width == nullptr || lineHeight == nullptr || ascent == nullptr || !(size > 0)) return 1;
  try {
    return measureLine(family, size, text, length, *width, *lineHeight, *ascent) ? 0 : 1;
  } catch (const std::exception&) {
    return 1;
  }
}

int writePicture(const TavrikChartPicture* picture, int format, const char* path) {
  if (picture == nullptr || path == nullptr || picture->width <= 0 || picture->height <= 0) return 1;
  try {
    switch (format) {
      case kTavrikChartPng:
      case kTavrikChartJpeg:
        return writeRaster(*picture, format == kTavrikChartJpeg, kJpegQuality, path) ? 0 : 1;
      case kTavrikChartPdf:
        return writePdf(*picture, path) ? 0 : 1;
      default:
        return 1;
    }
  } catch (const std::exception&) {
    return 1;
  }
}

constexpr TavrikChartRenderer kRenderer = {kTavrikChartRendererVersion, measureText, writePicture};

}  // namespace

}  // namespace tavrik::chart::gdi

TAVRIK_CHART_EXPORT const TavrikChartRenderer* tavrik_chart_renderer() { return &tavrik::chart::gdi::kRenderer; }
