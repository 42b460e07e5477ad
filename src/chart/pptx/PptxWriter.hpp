#pragma once

#include <string>

#include "chart/RenderInterface.hpp"

namespace tavrik::chart::pptx {

/// The slide part of a one-slide presentation showing the picture: every
/// rectangle, line and text of it as a native shape or text box.
std::string slideXml(const TavrikChartPicture& picture);

/// Writes the picture as a presentation (Office Open XML, one slide the size
/// of the picture); false when the file cannot be written.
bool writePptx(const TavrikChartPicture& picture, const char* path);

}  // namespace tavrik::chart::pptx
