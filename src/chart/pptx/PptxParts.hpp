#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "chart/RenderInterface.hpp"

namespace tavrik::chart::pptx {

/// The installed font family that stands for a requested one (null: the
/// default family). Each platform answers with its own font machinery.
using FontFamilies = std::function<std::string(const char* requested)>;

/// The slide part of a one-slide presentation showing the picture: every
/// rectangle, line and text of it as a native shape or text box, each text
/// in the family `families` gives for its own.
std::string slideXml(const TavrikChartPicture& picture, const FontFamilies& families);

/// Every part of the presentation, name (in the package) and content, in the
/// order they go into the archive: "[Content_Types].xml" first. The theme's
/// fonts are the default family.
std::vector<std::pair<std::string, std::string>> presentationParts(
    const TavrikChartPicture& picture, const FontFamilies& families);

}  // namespace tavrik::chart::pptx
