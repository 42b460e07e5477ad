#pragma once

// The boundary between the program and its chart renderers. They live in
// modules loaded only when the first chart is made, so that the program
// starts without mapping their libraries: the drawing module (cairo, pango,
// fontconfig, libjpeg, libpng) measures text and writes PNG, JPEG and PDF;
// the presentation module (zlib, fontconfig) writes PPTX. Only plain C
// types cross this boundary: each side may carry its own copy of the C++
// runtime.

#include <cstddef>
#include <cstdint>

extern "C" {

/// Version of the table below; the program refuses a module of another one.
inline constexpr int kTavrikChartRendererVersion = 2;

/// What one drawing item is.
enum TavrikChartItemKind : int {
  kTavrikChartRect = 0,  // box x, y, w, h filled, then its edge stroked
  kTavrikChartLine = 1,  // from (x, y) to (x2, y2)
  kTavrikChartText = 2,  // one line of text placed by the program
};

/// Colour 0xRRGGBB; this value means "draw nothing".
inline constexpr std::uint32_t kTavrikChartNoColour = 0xFF000000u;

/// One item of a picture, in painting order. Unused fields are zero.
struct TavrikChartItem {
  int kind;
  // In pixels from the top left. A rectangle: x, y, w, h. A text: its
  // baseline starts at (x, y); w is its measured width and h its line
  // height; it is drawn there as it is, with no layout of the renderer's own.
  double x, y, w, h;
  double x2, y2;       // end of a line
  std::uint32_t fill;  // rectangle fill, line colour, text colour
  std::uint32_t edge;  // rectangle edge
  double edgeWidth;    // rectangle edge or line width
  const char* text;    // UTF-8, one line
  const char* family;  // font family as asked for (resolved by the platform's fonts)
  double size;         // font size in pixels (one pixel is one point)
  double ascent;       // from the top of the text's line to its baseline
  int rotated;         // 1: the text reads upwards from (x, y), turned 90 degrees left
  const char* name;    // name of the shape in editable formats, may be null
};

/// A whole picture.
struct TavrikChartPicture {
  int width, height;  // pixels
  const TavrikChartItem* items;
  std::size_t count;
  const char* title;  // document title for formats that keep one
};

/// File formats the renderer writes.
enum TavrikChartFormat : int {
  kTavrikChartPng = 0,
  kTavrikChartJpeg = 1,
  kTavrikChartPdf = 2,
  kTavrikChartPptx = 3,
};

/// The functions of a renderer module. Each returns 0 on success.
struct TavrikChartRenderer {
  int version;
  /// Width of one line of text, the height of a line in that font and the
  /// distance from the top of the line to its baseline; null in a module
  /// that does not measure.
  int (*measureText)(const char* family, double size, const char* text, std::size_t length,
                     double* width, double* lineHeight, double* ascent);
  /// Draws the picture into a new file at path (the file may exist and is
  /// then replaced).
  int (*writePicture)(const TavrikChartPicture* picture, int format, const char* path);
};

/// How a module exports its one symbol.
#ifdef _WIN32
#define TAVRIK_CHART_EXPORT extern "C" __declspec(dllexport)
#else
#define TAVRIK_CHART_EXPORT extern "C" __attribute__((visibility("default")))
#endif

/// The one symbol each module exports.
using TavrikChartRendererEntry = const TavrikChartRenderer* (*)();
inline constexpr const char* kTavrikChartRendererSymbol = "tavrik_chart_renderer";

}  // extern "C"
