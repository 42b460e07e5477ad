#pragma once

#include <cairo.h>

#include "chart/RenderInterface.hpp"

namespace tavrik::chart::render {

/// Paints every item of a picture, in order, on a cairo context whose unit
/// is one pixel of the picture.
void paintPicture(cairo_t* cr, const TavrikChartPicture& picture);

}  // namespace tavrik::chart::render
