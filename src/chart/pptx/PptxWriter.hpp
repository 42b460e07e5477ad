#pragma once

#include "chart/RenderInterface.hpp"
#include "chart/pptx/PptxParts.hpp"

namespace tavrik::chart::pptx {

/// Writes the picture as a presentation (Office Open XML, one slide the size
/// of the picture); false when the file cannot be written. The package is
/// the same on every system; the font families come from fontconfig, or
/// from GDI on Windows.
bool writePptx(const TavrikChartPicture& picture, const char* path);

}  // namespace tavrik::chart::pptx
