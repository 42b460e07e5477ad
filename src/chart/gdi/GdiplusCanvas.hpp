#pragma once

#include <cstddef>

#include "chart/RenderInterface.hpp"

// Charts drawn with GDI+, Windows' own imaging: PNG and JPEG files, and the
// text measures every format lays its text out with.
namespace tavrik::chart::gdi {

/// Width of one line of text and the height of a line in the font, in
/// pixels, as GDI+ draws it; false when GDI+ cannot.
bool measureLine(const char* family, double size, const char* text, std::size_t length, double& width,
                 double& lineHeight);

/// Draws the picture and writes it at `path` (UTF-8) as PNG, or as JPEG at
/// the given quality; false when it cannot.
bool writeRaster(const TavrikChartPicture& picture, bool jpeg, int quality, const char* path);

}  // namespace tavrik::chart::gdi
