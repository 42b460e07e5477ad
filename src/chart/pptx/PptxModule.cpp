// The entry of the presentation module. It is apart from the drawing module,
// so that a presentation does not load cairo and pango, nor a picture zlib.

#include <exception>

#include "chart/RenderInterface.hpp"
#include "chart/pptx/PptxWriter.hpp"

namespace tavrik::chart::pptx {

namespace {

int writePicture(const TavrikChartPicture* picture, int format, const char* path) {
  if (picture == nullptr || path == nullptr || format != kTavrikChartPptx || picture->width <= 0 ||
      picture->height <= 0) {
    return 1;
  }
  try {
    return writePptx(*picture, path) ? 0 : 1;
  } catch (const std::exception&) {
    return 1;
  }
}

// Text is measured by the drawing module only.
constexpr TavrikChartRenderer kWriter = {kTavrikChartRendererVersion, nullptr, writePicture};

}  // namespace

}  // namespace tavrik::chart::pptx

TAVRIK_CHART_EXPORT const TavrikChartRenderer*
tavrik_chart_renderer() {
  return &tavrik::chart::pptx::kWriter;
}
