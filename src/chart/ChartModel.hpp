#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik::chart {

/// A colour 0xRRGGBB.
using Colour = std::uint32_t;
/// The colour that draws nothing (a transparent fill, a missing edge).
inline constexpr Colour kNoColour = 0xFF000000u;
/// Colour of texts that ask for no colour of their own.
inline constexpr Colour kDefaultTextColour = 0x000000u;
/// The font of texts that ask for no font of their own.
inline constexpr std::string_view kDefaultFontFamily = "sans-serif";

struct Font {
  std::string family{kDefaultFontFamily};
  double size = 8;  // pixels
};

/// A text with its font and colour.
struct ChartText {
  std::string text;
  Font font;
  Colour colour = kDefaultTextColour;
};

/// The rectangle the bars are drawn in, with its fill and grid colours.
struct PlotArea {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  Colour background = kNoColour;
  Colour horizontalGrid = 0xC0C0C0;
  Colour verticalGrid = kNoColour;
};

/// A bar with the label written under it.
struct Bar {
  double value = 0;
  Colour colour = 0;
  std::string label;
};

struct LegendKey {
  std::string label;
  Colour colour = 0;
};

/// A legend whose keys are stacked from its top left corner downwards, in
/// more columns (reaching left towards the plot area) when one is too short.
struct Legend {
  double x = 0;
  double y = 0;
  Font font;
  std::vector<LegendKey> keys;
};

/// A bar chart: one layer of bars in a plot area with a self-scaling value
/// axis, the bars' labels under it, titles and an optional legend. The plot
/// area is the most the bars may take: labels that need more room than
/// there is below it take some of its height. It only describes the chart;
/// laying it out and writing it are done elsewhere.
struct ChartModel {
  int width = 0;
  int height = 0;
  Colour background = 0xFFFFFF;
  Colour edge = kNoColour;
  PlotArea plot;
  ChartText title;
  ChartText xAxisTitle;
  ChartText yAxisTitle;
  std::vector<Bar> bars;
  double barGap = 0.2;  // fraction of each bar's slot left empty
  Font labelFont;       // of the bars' labels
  std::optional<Legend> legend;
};

}  // namespace tavrik::chart
