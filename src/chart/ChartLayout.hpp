#pragma once

#include <string_view>

#include "chart/ChartModel.hpp"
#include "chart/DisplayList.hpp"

namespace tavrik::chart {

/// How wide a line of text is, how far apart its lines are and how far its
/// baseline is below the top of its line, in pixels.
struct TextSize {
  double width = 0;
  double lineHeight = 0;
  double ascent = 0;
};

/// Measures text the way the renderer will draw it.
class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  virtual TextSize measure(std::string_view text, const Font& font) = 0;
};

/// Lays a chart out as the picture every file format draws: background,
/// grid, bars, axes with their ticks and titles, the chart title, the bars'
/// labels and the legend, in painting order. Every text is placed here, one
/// run per line, as measured. No text is cut without a "…" at the cut, no
/// two texts overlap and none leaves the picture; the tick texts push the
/// plot area right (narrowing it) when they need more room than its left
/// margin.
DisplayList layoutChart(const ChartModel& chart, TextMeasurer& measurer);

}  // namespace tavrik::chart
