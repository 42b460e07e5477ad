#include "chart/BarChartMaker.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

#include "chart/ChartRenderer.hpp"
#include "shell/Console.hpp"
#include "shell/Messages.hpp"
#include "platform/Files.hpp"
#include "platform/System.hpp"
#include "tools/RandomTextGenerator.hpp"

namespace tavrik::chart {

namespace {

constexpr std::string_view kAskTitle = "Inserisci il titolo del grafico: ";
constexpr std::string_view kAskXTitle = "Inserisci il titolo dell'asse x:";
constexpr std::string_view kAskYTitle = "Inserisci il titolo dell'asse y:";
constexpr std::string_view kAskValue =
    "Inerisci il dato numerico (o '-1' per finire l'inserimento) :";
constexpr std::string_view kAskLabel = "Inserisci l'etichetta del dato :";
constexpr std::string_view kNoData = "Errore: devi inserire almeno un dato";
constexpr std::string_view kAskLegend = "Inserire la leggenda (y o no):";
constexpr std::string_view kSupported = "Supportate:";
constexpr std::string_view kExtensions[] = {".png", ".jpg", ".pdf", ".pptx"};
constexpr std::string_view kAskExtension = "Inerisci l'esetnsione del file del grafico :";
constexpr std::string_view kBadExtension = "Errore";
constexpr std::string_view kSaved = "Grafico salvato in ";
constexpr std::string_view kNotSaved = "Errore: impossibile salvare il grafico.";
constexpr std::string_view kLegendAnswer = "y";

constexpr std::string_view kFileNamePrefix = "grafico_";
constexpr std::size_t kCodeLength = 12;
// A value at or below this ends the data entry.
constexpr double kEndOfData = -1.0;

constexpr Colour kEdge = 0xEEAD00;
constexpr Colour kGrid = 0xC0C0C0;
constexpr double kBarGap = 0.2;
// A bar's colour keeps at least this distance from the background, and the
// first few bars' colours from one another.
constexpr double kLeastFromBackground = 25;
constexpr double kLeastBetweenBars = 15;
constexpr std::size_t kDistinctBars = 12;
constexpr double kTitleSize = 12;
constexpr double kAxisTitleSize = 8;
// Asked for by name; where it is missing, fontconfig picks the sans-serif
// font instead.
constexpr std::string_view kLabelFont = "Segoe UI Dark";

// The data entry: values with their labels until a value of -1 or less.
void readValues(Console& console, ChartRequest& request) {
  for (;;) {
    console.endLine();
    console.write(kAskValue);
    const std::optional<double> value = console.tryReadDouble();
    if (!value) {
      console.endLine();
      console.write(msg::kRetry);
      console.endLine();
      continue;
    }
    // Anything after the number on its line, a blank included, spoils it.
    if (!console.readLine().empty()) {
      console.endLine();
      console.write(msg::kRetry);
      console.endLine();
      continue;
    }
    if (*value <= kEndOfData) return;
    request.values.push_back(*value);
    console.endLine();
    console.write(kAskLabel);
    request.labels.push_back(console.readLine());
  }
}

// Writes the chart under a free name; the name, or nullopt when nothing
// could be written (and then nothing is left behind).
std::optional<std::string> saveChart(const ChartModel& chart, FileFormat format, std::uint32_t seed,
                                     std::string_view extension) {
  // The chart is written into a file with no name yet, which then takes the
  // first free name: nothing is left behind if anything fails.
  const auto file = files::PendingFile::createIn(".");
  if (!file || !makeChart(chart, format, file->path())) return std::nullopt;
  return claimChartFileName(seed, extension,
                            [&](const std::string& candidate) { return file->claimName(candidate); });
}

}  // namespace

BarChartLayout barChartLayout(WithLegend legend) {
  BarChartLayout layout;
  layout.legend = legend == WithLegend::Yes;
  layout.plotY = 50;
  layout.plotWidth = 500;
  if (layout.legend) {
    layout.width = 750;
    layout.height = 500;
    layout.plotX = 70;
    layout.plotHeight = 400;
    layout.labelFontSize = 9;
    layout.legendX = 635;
    layout.legendY = 40;
    layout.legendFontSize = 10;
  } else {
    layout.width = 600;
    layout.height = 400;
    layout.plotX = 50;
    layout.plotHeight = 300;
    layout.labelFontSize = 8;
  }
  return layout;
}

namespace {

using Lab = std::array<double, 3>;

// CIELAB of an sRGB colour, under the D65 white.
Lab toLab(Colour colour) {
  const auto linear = [&](int shift) {
    const double c = double((colour >> shift) & 0xFF) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  const double r = linear(16);
  const double g = linear(8);
  const double b = linear(0);
  const auto f = [](double t) {
    constexpr double delta = 6.0 / 29.0;
    return t > delta * delta * delta ? std::cbrt(t) : t / (3 * delta * delta) + 4.0 / 29.0;
  };
  const double x = f((0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047);
  const double y = f(0.2126729 * r + 0.7151522 * g + 0.0721750 * b);
  const double z = f((0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883);
  return {116 * y - 16, 500 * (x - y), 200 * (y - z)};
}

double distance(const Lab& first, const Lab& second) {
  return std::hypot(first[0] - second[0], first[1] - second[1], first[2] - second[2]);
}

}  // namespace

double colourDistance(Colour first, Colour second) { return distance(toLab(first), toLab(second)); }

std::vector<Colour> barColours(std::uint32_t seed, std::size_t count) {
  std::mt19937 engine(seed);
  const Lab background = toLab(kChartBackground);
  std::vector<Colour> colours;
  std::vector<Lab> distinct;  // of the first bars
  colours.reserve(count);
  while (colours.size() < count) {
    const Colour red = engine() % 256;
    const Colour green = engine() % 256;
    const Colour blue = engine() % 256;
    const Colour colour = red * 65536 + green * 256 + blue;
    const Lab lab = toLab(colour);
    if (distance(lab, background) < kLeastFromBackground) continue;
    if (colours.size() < kDistinctBars) {
      const auto tooClose = [&](const Lab& earlier) {
        return distance(lab, earlier) < kLeastBetweenBars;
      };
      if (std::any_of(distinct.begin(), distinct.end(), tooClose)) continue;
      distinct.push_back(lab);
    }
    colours.push_back(colour);
  }
  return colours;
}

std::string chartFileName(std::uint32_t seed, std::string_view extension) {
  return std::string(kFileNamePrefix) + tools::generateCode(seed, kCodeLength) +
         std::string(extension);
}

std::optional<std::string> claimChartFileName(
    std::uint32_t seed, std::string_view extension,
    const std::function<NameClaim(const std::string&)>& claim) {
  // Every seed is tried at most once: the 32-bit seed wraps around.
  for (std::uint64_t step = 0; step <= 0xFFFFFFFFull; ++step) {
    const auto candidateSeed = static_cast<std::uint32_t>(seed + step);
    std::string name = chartFileName(candidateSeed, extension);
    switch (claim(name)) {
      case NameClaim::Claimed:
        return name;
      case NameClaim::Taken:
        continue;
      case NameClaim::Failed:
        return std::nullopt;
    }
  }
  return std::nullopt;
}

ChartModel buildBarChart(const ChartRequest& request, const std::vector<Colour>& colours) {
  const BarChartLayout layout = barChartLayout(request.legend);
  ChartModel chart;
  chart.width = layout.width;
  chart.height = layout.height;
  chart.background = kChartBackground;
  chart.edge = kEdge;
  chart.plot = PlotArea{layout.plotX, layout.plotY, layout.plotWidth, layout.plotHeight,
                        kNoColour,    kGrid,        kNoColour};
  chart.title = ChartText{request.title, Font{std::string(kDefaultFontFamily), kTitleSize}};
  chart.xAxisTitle =
      ChartText{request.xAxisTitle, Font{std::string(kDefaultFontFamily), kAxisTitleSize}};
  chart.yAxisTitle =
      ChartText{request.yAxisTitle, Font{std::string(kDefaultFontFamily), kAxisTitleSize}};
  chart.barGap = kBarGap;
  chart.labelFont = Font{std::string(kLabelFont), layout.labelFontSize};
  for (std::size_t i = 0; i < request.values.size(); ++i) {
    chart.bars.push_back(Bar{request.values[i], i < colours.size() ? colours[i] : 0,
                             i < request.labels.size() ? request.labels[i] : std::string()});
  }
  if (layout.legend) {
    Legend legend;
    legend.x = layout.legendX;
    legend.y = layout.legendY;
    legend.font = Font{std::string(kDefaultFontFamily), layout.legendFontSize};
    for (std::size_t i = 0; i < request.labels.size(); ++i) {
      legend.keys.push_back(LegendKey{request.labels[i], i < colours.size() ? colours[i] : 0});
    }
    chart.legend = std::move(legend);
  }
  return chart;
}

Flow runBarChart(Context& context) {
  Console& console = context.console;
  ChartRequest request;
  console.write(kAskTitle);
  request.title = console.readLine();
  console.endLine();
  console.write(kAskXTitle);
  request.xAxisTitle = console.readLine();
  console.endLine();
  console.write(kAskYTitle);
  request.yAxisTitle = console.readLine();

  readValues(console, request);
  if (request.values.empty()) {
    console.endLine();
    console.write(kNoData);
    console.endLine();
    return Flow::Continue;
  }

  console.endLine();
  console.write(kAskLegend);
  request.legend = console.readWord() == kLegendAnswer ? WithLegend::Yes : WithLegend::No;

  console.endLine();
  console.write(kSupported);
  console.endLine();
  for (const std::string_view extension : kExtensions) {
    console.write(extension);
    console.endLine();
  }
  console.endLine();
  console.write(kAskExtension);
  const std::string extension = console.readWord();
  const std::optional<FileFormat> format = formatForExtension(extension);
  if (!format) {
    console.endLine();
    console.write(kBadExtension);
    console.endLine();
    return Flow::Continue;
  }

  // The low 32 bits of the time seed both the name and the colours.
  const auto seed = static_cast<std::uint32_t>(context.system.nowSeconds());
  const ChartModel chart = buildBarChart(request, barColours(seed, request.values.size()));
  const std::optional<std::string> saved = saveChart(chart, *format, seed, extension);
  console.endLine();
  console.write(saved ? std::string(kSaved) + *saved : std::string(kNotSaved));
  console.endLine();
  return Flow::Continue;
}

}  // namespace tavrik::chart
