#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/ChartModel.hpp"
#include "chart/ChartPlatform.hpp"
#include "shell/Context.hpp"

namespace tavrik::chart {

enum class WithLegend { No, Yes };

/// The fixed geometry of a bar chart of `count` values, in pixels.
struct BarChartLayout {
  int width = 0;  // whole chart
  int height = 0;
  int plotX = 0;
  int plotY = 0;
  int plotWidth = 0;
  int plotHeight = 0;
  int slotWidth = 0;  // w: the distance from one label box to the next
  int gap = 0;        // g: the bar gap in pixels
  int firstLabelX = 0;
  int labelTop = 0;
  double labelFontSize = 0;
  bool legend = false;
  int legendX = 0;
  int legendY = 0;
  double legendFontSize = 0;

  /// Width of each label box: w - g.
  int labelWidth() const { return slotWidth - gap; }
  /// Left edge of label box i.
  long long labelX(std::size_t i) const {
    return firstLabelX + static_cast<long long>(i) * slotWidth;
  }
};

/// The geometry for `count` values (at least one) with or without a legend.
BarChartLayout barChartLayout(std::size_t count, WithLegend legend);

/// One colour per bar: a fresh MT19937 seeded with `seed`, three draws per
/// bar taken modulo 256 as red, green and blue.
std::vector<Colour> barColours(std::uint32_t seed, std::size_t count);

/// "grafico_" + the 12-character code of the seed + the extension.
std::string chartFileName(std::uint32_t seed, std::string_view extension);

/// The first name, from the seed on (seed, seed + 1, ...), that `claim`
/// takes; nullopt when a claim fails.
std::optional<std::string> claimChartFileName(
    std::uint32_t seed, std::string_view extension,
    const std::function<NameClaim(const std::string&)>& claim);

/// What the user typed for one chart.
struct ChartRequest {
  std::string title;
  std::string xAxisTitle;
  std::string yAxisTitle;
  std::vector<double> values;
  std::vector<std::string> labels;  // one per value
  WithLegend legend = WithLegend::No;
};

/// The chart of a request: layout, titles, bars in the colours, the labels
/// as text boxes under the bars and, if asked, the legend.
ChartModel buildBarChart(const ChartRequest& request, const std::vector<Colour>& colours);

/// '5': asks for the titles, the values with their labels, the legend and
/// the file type, and writes the chart file.
Flow runBarChart(Context& context);

}  // namespace tavrik::chart
