#pragma once

// The PDF of a chart on Windows, written by the drawing module itself: the
// picture's rectangles and lines as vector paths, its text as the outlines
// of the installed fonts (so that it looks the same in every reader) in
// fonts that still let the text be selected, copied and searched.

#include "chart/RenderInterface.hpp"

namespace tavrik::chart::gdi {

/// Writes the picture as a one-page PDF 1.4 at `path` (UTF-8; replaced when
/// it exists); false when it cannot.
bool writePdf(const TavrikChartPicture& picture, const char* path);

}  // namespace tavrik::chart::gdi
