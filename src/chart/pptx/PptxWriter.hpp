#pragma once

#include "chart/RenderInterface.hpp"
#include "chart/pptx/PptxParts.hpp"

namespace tavrik::chart::pptx {

/// Writes the picture as a presentation (Office Open XML, one slide the size
/// of the picture); false when the file cannot be written. Fonts come from
/// fontconfig and the package from libzip on Linux (PptxWriter.cpp), from
/// GDI and a zip container of our own with zlib on Windows
/// (ZipContainer.cpp).
bool writePptx(const TavrikChartPicture& picture, const char* path);

}  // namespace tavrik::chart::pptx
