#pragma once

#include <cstddef>

#include "chart/RenderInterface.hpp"

// Charts drawn with GDI+, Windows' own imaging: PNG and JPEG files, and the
// text measures every format lays its text out with.
namespace tavrik::chart::gdi {

/// Width of one line of text, the height of a line in the font and its
/// baseline below the line's top, in pixels, as GDI+ draws it; false when
/// GDI+ cannot.
bool measureLine(const char* family, double size, const char* text, std::size_t length, double& width,
                 double& lineHeight, double& ascent);

/// Draws the picture and writes it at `path` (UTF-8) as PNG, or as JPEG at
/// the given quality; false when it cannot.
bool writeRaster(const TavrikChartPicture& picture, bool jpeg, int quality, const char* path);

}  // namespace tavrik::chart::gdi
