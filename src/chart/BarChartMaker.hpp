#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/ChartModel.hpp"
#include "platform/Files.hpp"
#include "shell/Context.hpp"

namespace tavrik::chart {

enum class WithLegend { No, Yes };

/// The fixed geometry of a bar chart, in pixels.
struct BarChartLayout {
  int width = 0;  // whole chart
  int height = 0;
  int plotX = 0;
  int plotY = 0;
  int plotWidth = 0;
  int plotHeight = 0;
  double labelFontSize = 0;
  bool legend = false;
  int legendX = 0;
  int legendY = 0;
  double legendFontSize = 0;
};

/// The geometry with or without a legend.
BarChartLayout barChartLayout(WithLegend legend);

/// The colour distance ΔE*ab (CIE 1976) of two sRGB colours, in CIELAB
/// under the D65 white.
double colourDistance(Colour first, Colour second);

/// The background of every chart.
inline constexpr Colour kChartBackground = 0x0A9FA6;

/// One colour per bar from a fresh MT19937 seeded with `seed`: three draws
/// taken modulo 256 as red, green and blue make a colour, which is skipped
/// (its draws used up) when it is closer than 25 to the chart's background,
/// or, for the first 12 bars, closer than 15 to an earlier bar's colour.
std::vector<Colour> barColours(std::uint32_t seed, std::size_t count);

/// "grafico_" + the 12-character code of the seed + the extension.
std::string chartFileName(std::uint32_t seed, std::string_view extension);

/// What happened when a finished chart file was offered a name: the
/// platform's own answer.
using NameClaim = files::PendingFile::Claim;

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

/// The chart of a request: layout, titles, bars in the colours with their
/// labels and, if asked, the legend.
ChartModel buildBarChart(const ChartRequest& request, const std::vector<Colour>& colours);

/// '5': asks for the titles, the values with their labels, the legend and
/// the file type, and writes the chart file.
Flow runBarChart(Context& context);

}  // namespace tavrik::chart
