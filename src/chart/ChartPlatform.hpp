#pragma once

#include <string>

#include "chart/RenderInterface.hpp"

// The renderer modules the chart maker loads on its first chart.

namespace tavrik::chart {

/// The renderer modules: one draws (and measures text), one writes
/// presentations.
enum class RendererModule { Drawing, Presentation };

/// A renderer module, loaded on its first call and kept loaded; nullptr when
/// it cannot be found or is of another version.
const TavrikChartRenderer* loadRenderer(RendererModule module);

}  // namespace tavrik::chart
