// The entry of the drawing module (PNG, JPEG, PDF, and the text measures for
// every format): the one exported symbol hands the program a table of plain
// C functions.

#include <cairo-pdf.h>
#include <cairo.h>

#include <exception>
#include <string_view>

#include "chart/RenderInterface.hpp"
#include "chart/render/CairoPainter.hpp"
#include "chart/render/RasterFiles.hpp"
#include "chart/render/TextEngine.hpp"

namespace tavrik::chart::render {

namespace {

constexpr int kJpegQuality = 90;

bool writeRaster(const TavrikChartPicture& picture, int format, const char* path) {
  cairo_surface_t* surface =
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return false;
  }
  cairo_t* cr = cairo_create(surface);
  // The picture paints its own background; white shows through nowhere but
  // keeps the pixels defined.
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  paintPicture(cr, picture);
  const bool painted = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
  cairo_destroy(cr);
  bool written = false;
  if (painted) {
    written = format == kTavrikChartPng ? writePng(surface, path)
                                        : writeJpeg(surface, path, kJpegQuality);
  }
  cairo_surface_destroy(surface);
  return written;
}

bool writePdf(const TavrikChartPicture& picture, const char* path) {
  // cairo's own file writing does not report a failed write: every write
  // goes through the file, which does.
  OutputFile file(path);
  cairo_surface_t* surface =
      cairo_pdf_surface_create_for_stream(OutputFile::cairoWrite, &file, picture.width, picture.height);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return false;
  }
  if (picture.title != nullptr && picture.title[0] != '\0') {
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, picture.title);
  }
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "Tavrik Terminal");
  cairo_t* cr = cairo_create(surface);
  paintPicture(cr, picture);
  cairo_show_page(cr);
  const bool painted = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  const bool finished = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return file.close() && painted && finished;
}

int measureText(const char* family, double size, const char* text, std::size_t length,
                double* width, double* lineHeight, double* ascent) {
  if (text == nullptr || width == nullptr || lineHeight == nullptr || ascent == nullptr || !(size > 0)) {
    return 1;
  }
  try {
    PangoLayout* layout = textEngine().layout(family, size, std::string_view(text, length));
    TextEngine::layoutSize(layout, *width, *lineHeight, *ascent);
    return 0;
  } catch (const std::exception&) {
    return 1;
  }
}

int writePicture(const TavrikChartPicture* picture, int format, const char* path) {
  if (picture == nullptr || path == nullptr || picture->width <= 0 || picture->height <= 0) {
    return 1;
  }
  try {
    switch (format) {
      case kTavrikChartPng:
      case kTavrikChartJpeg:
        return writeRaster(*picture, format, path) ? 0 : 1;
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

}  // namespace tavrik::chart::render

TAVRIK_CHART_EXPORT const TavrikChartRenderer*
tavrik_chart_renderer() {
  return &tavrik::chart::render::kRenderer;
}
