#include "chart/ChartLayout.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "chart/AxisScale.hpp"
#include "chart/ChartText.hpp"

namespace tavrik::chart {

namespace {

constexpr Colour kAxisColour = 0x000000;
constexpr double kTickLength = 3;
constexpr double kTickLabelGap = 2;     // between a tick mark and its text
constexpr double kAxisTitleGap = 4;     // between tick texts and the axis title
constexpr double kMinTickSpacing = 40;  // pixels between two ticks, at least
constexpr double kTickFontSize = 8;
constexpr double kBoxSlack = 4;  // room around texts that must not wrap
constexpr double kLegendPadding = 4;
constexpr double kLegendKeyTextGap = 5;
constexpr double kLegendEntryGap = 3;
constexpr std::size_t kMaxTitleLines = 3;

// The centre of the pixel row or column a one-pixel line at `at` falls in.
double pixelCentre(double at) { return std::floor(at) + 0.5; }

class Layout {
 public:
  Layout(const ChartModel& chart, TextMeasurer& measurer) : chart_(chart), measurer_(measurer) {
    picture_.width = chart.width;
    picture_.height = chart.height;
    picture_.title = drawableText(chart.title.text);
  }

  DisplayList run() {
    addBackground();
    const AxisScale scale = valueScale();
    addGrid(scale);
    addBars(scale);
    addAxes(scale);
    const double tickTextLeft = addTickTexts(scale);
    addAxisTitles(tickTextLeft);
    addTitle();
    for (std::size_t i = 0; i < chart_.texts.size(); ++i) addTextBox(chart_.texts[i], i);
    if (chart_.legend) addLegend(*chart_.legend);
    return std::move(picture_);
  }

 private:
  double plotLeft() const { return chart_.plot.x; }
  double plotTop() const { return chart_.plot.y; }
  double plotRight() const { return chart_.plot.x + chart_.plot.width; }
  double plotBottom() const { return chart_.plot.y + chart_.plot.height; }

  AxisScale valueScale() const {
    double low = 0;
    double high = 0;
    for (const Bar& bar : chart_.bars) {
      low = std::min(low, bar.value);
      high = std::max(high, bar.value);
    }
    const int intervals = static_cast<int>(chart_.plot.height / kMinTickSpacing);
    return scaleAxis(low, high, std::max(intervals, 1));
  }

  // Pixel row of a value; values outside the scale stay on the plot's edge.
  double rowOf(double value, const AxisScale& scale) const {
    double ratio = (value - scale.low) / (scale.high - scale.low);
    if (!std::isfinite(ratio))
      ratio = (value / 2 - scale.low / 2) / (scale.high / 2 - scale.low / 2);
    if (std::isnan(ratio)) ratio = 0;
    return plotBottom() - std::clamp(ratio, 0.0, 1.0) * chart_.plot.height;
  }

  TextSize measure(std::string_view text, const Font& font) {
    return measurer_.measure(text, font);
  }

  std::vector<std::string> wrap(const std::string& text, const Font& font, double width,
                                std::size_t maxLines) {
    return wrapText(
        text, width, [&](std::string_view part) { return measure(part, font).width; }, maxLines);
  }

  void addBackground() {
    RectItem background;
    // The edge is stroked along the outline, so the outline runs through the
    // middle of the outermost pixels.
    background.box = {0.5, 0.5, chart_.width - 1.0, chart_.height - 1.0};
    background.fill = chart_.background;
    background.edge = chart_.edge;
    background.edgeWidth = chart_.edge == kNoColour ? 0 : 1;
    background.name = "Sfondo";
    picture_.items.emplace_back(std::move(background));
    if (chart_.plot.background != kNoColour) {
      RectItem plot;
      plot.box = {plotLeft(), plotTop(), double(chart_.plot.width), double(chart_.plot.height)};
      plot.fill = chart_.plot.background;
      plot.name = "Area del grafico";
      picture_.items.emplace_back(std::move(plot));
    }
  }

  void addGrid(const AxisScale& scale) {
    if (chart_.plot.horizontalGrid != kNoColour) {
      for (const double tick : scale.ticks) {
        const double y = pixelCentre(rowOf(tick, scale));
        picture_.items.emplace_back(
            LineItem{plotLeft(), y, plotRight(), y, chart_.plot.horizontalGrid, 1, "Griglia"});
      }
    }
    if (chart_.plot.verticalGrid != kNoColour && !chart_.bars.empty()) {
      const double slot = double(chart_.plot.width) / double(chart_.bars.size());
      for (std::size_t i = 1; i < chart_.bars.size(); ++i) {
        const double x = pixelCentre(plotLeft() + slot * double(i));
        picture_.items.emplace_back(
            LineItem{x, plotTop(), x, plotBottom(), chart_.plot.verticalGrid, 1, "Griglia"});
      }
    }
  }

  void addBars(const AxisScale& scale) {
    if (chart_.bars.empty()) return;
    const double slot = double(chart_.plot.width) / double(chart_.bars.size());
    const double gap = std::clamp(chart_.barGap, 0.0, 1.0);
    const double base = rowOf(std::clamp(0.0, scale.low, scale.high), scale);
    for (std::size_t i = 0; i < chart_.bars.size(); ++i) {
      const Bar& bar = chart_.bars[i];
      double left = plotLeft() + slot * double(i) + slot * gap / 2;
      double right = left + slot * (1 - gap);
      double top = std::min(base, rowOf(bar.value, scale));
      double bottom = std::max(base, rowOf(bar.value, scale));
      // Whole pixels keep the colours crisp, unless a bar would vanish.
      if (std::round(right) > std::round(left)) {
        left = std::round(left);
        right = std::round(right);
      }
      top = std::round(top);
      bottom = std::round(bottom);
      RectItem item;
      item.box = {left, top, right - left, bottom - top};
      item.fill = bar.colour;
      item.name = "Barra " + std::to_string(i + 1);
      picture_.items.emplace_back(std::move(item));
    }
  }

  // The axes run just outside the plot area, so that they never cover the
  // bars' outermost pixels.
  double axisColumn() const { return plotLeft() - 1; }

  void addAxes(const AxisScale& scale) {
    const double x = pixelCentre(axisColumn());
    const double y = pixelCentre(plotBottom());
    picture_.items.emplace_back(
        LineItem{x, plotTop(), x, plotBottom() + 1, kAxisColour, 1, "Asse y"});
    picture_.items.emplace_back(
        LineItem{axisColumn(), y, plotRight(), y, kAxisColour, 1, "Asse x"});
    for (const double tick : scale.ticks) {
      const double tickY = pixelCentre(rowOf(tick, scale));
      picture_.items.emplace_back(LineItem{axisColumn() - kTickLength, tickY, axisColumn(), tickY,
                                           kAxisColour, 1, "Tacca"});
    }
  }

  // The tick texts, right-aligned against the tick marks; returns the left
  // edge of the widest one.
  double addTickTexts(const AxisScale& scale) {
    const Font font{std::string(kDefaultFontFamily), kTickFontSize};
    const double right = axisColumn() - kTickLength - kTickLabelGap;
    double left = right;
    for (const double tick : scale.ticks) {
      const std::string text = formatTick(tick, scale.step);
      const TextSize size = measure(text, font);
      TextItem item;
      item.box = {right - size.width - kBoxSlack, rowOf(tick, scale) - size.lineHeight / 2,
                  size.width + kBoxSlack, size.lineHeight};
      item.lines = {text};
      item.font = font;
      item.lineHeight = size.lineHeight;
      item.align = Align::Right;
      item.name = "Valore " + text;
      left = std::min(left, right - size.width);
      picture_.items.emplace_back(std::move(item));
    }
    return left;
  }

  TextItem textItem(const ChartText& text, std::vector<std::string> lines, double lineHeight,
                    std::string name) {
    TextItem item;
    item.lines = std::move(lines);
    item.font = text.font;
    item.colour = text.colour;
    item.lineHeight = lineHeight;
    item.name = std::move(name);
    return item;
  }

  void addAxisTitles(double tickTextLeft) {
    const ChartText& xTitle = chart_.xAxisTitle;
    const std::string xText = drawableText(xTitle.text);
    if (!xText.empty()) {
      const double lineHeight = measure("", xTitle.font).lineHeight;
      auto lines = wrap(xText, xTitle.font, chart_.plot.width, 2);
      TextItem item = textItem(xTitle, std::move(lines), lineHeight, "Titolo asse x");
      item.box = {plotLeft(), plotBottom() + 1 + kTickLength, double(chart_.plot.width),
                  lineHeight * double(item.lines.size())};
      item.align = Align::Centre;
      picture_.items.emplace_back(std::move(item));
    }
    const ChartText& yTitle = chart_.yAxisTitle;
    const std::string yText = drawableText(yTitle.text);
    if (!yText.empty()) {
      const double lineHeight = measure("", yTitle.font).lineHeight;
      auto lines = wrap(yText, yTitle.font, chart_.plot.height, 2);
      TextItem item = textItem(yTitle, std::move(lines), lineHeight, "Titolo asse y");
      const double thickness = lineHeight * double(item.lines.size());
      const double x = std::max(2.0, tickTextLeft - kAxisTitleGap - thickness);
      item.box = {x, plotTop(), thickness, double(chart_.plot.height)};
      item.align = Align::Centre;
      item.upward = true;
      picture_.items.emplace_back(std::move(item));
    }
  }

  void addTitle() {
    const ChartText& title = chart_.title;
    const std::string text = drawableText(title.text);
    if (text.empty()) return;
    const double lineHeight = measure("", title.font).lineHeight;
    const double width = chart_.width - 2 * kBoxSlack;
    auto lines = wrap(text, title.font, width, kMaxTitleLines);
    TextItem item = textItem(title, std::move(lines), lineHeight, "Titolo");
    const double height = lineHeight * double(item.lines.size());
    item.box = {kBoxSlack, std::max(2.0, (plotTop() - kBoxSlack - height) / 2), width, height};
    item.align = Align::Centre;
    picture_.items.emplace_back(std::move(item));
  }

  // Lines that fit between a top edge and the bottom of the chart; at least
  // one, so that a text is never lost altogether.
  std::size_t linesUntilBottom(double top, double lineHeight) const {
    if (!(lineHeight > 0)) return 1;
    const double room = std::floor((chart_.height - top) / lineHeight);
    return room < 1 ? 1 : room > 1000 ? 1000 : static_cast<std::size_t>(room);
  }

  void addTextBox(const TextBox& box, std::size_t index) {
    if (box.y >= chart_.height || box.x >= chart_.width) return;
    const std::string text = drawableText(box.text.text);
    const double lineHeight = measure("", box.text.font).lineHeight;
    std::vector<std::string> lines;
    double width = box.width;
    if (width > 0) {
      lines = wrap(text, box.text.font, width, linesUntilBottom(box.y, lineHeight));
    } else {
      lines = {text};
      width = measure(text, box.text.font).width + kBoxSlack;
    }
    TextItem item =
        textItem(box.text, std::move(lines), lineHeight, "Etichetta " + std::to_string(index + 1));
    const double height = box.height > 0 ? box.height : lineHeight * double(item.lines.size());
    item.box = {box.x, box.y, width, height};
    item.align = box.align;
    picture_.items.emplace_back(std::move(item));
  }

  void addLegend(const Legend& legend) {
    const double lineHeight = measure("", legend.font).lineHeight;
    const double keySize = std::round(legend.font.size);
    const double keyLeft = legend.x + kLegendPadding;
    const double textLeft = keyLeft + keySize + kLegendKeyTextGap;
    const double textWidth = std::max(chart_.width - textLeft - kLegendPadding, 4 * keySize);
    double top = legend.y + kLegendPadding;
    for (std::size_t i = 0; i < legend.keys.size() && top < chart_.height; ++i) {
      const LegendKey& key = legend.keys[i];
      RectItem keyBox;
      keyBox.box = {keyLeft, std::round(top + (lineHeight - keySize) / 2), keySize, keySize};
      keyBox.fill = key.colour;
      keyBox.name = "Legenda " + std::to_string(i + 1);
      picture_.items.emplace_back(std::move(keyBox));

      const std::string label = drawableText(key.label);
      auto lines = wrap(label, legend.font, textWidth,
                        std::min<std::size_t>(3, linesUntilBottom(top, lineHeight)));
      TextItem text = textItem(ChartText{label, legend.font, kDefaultTextColour}, std::move(lines),
                               lineHeight, "Voce legenda " + std::to_string(i + 1));
      const double height = lineHeight * double(text.lines.size());
      text.box = {textLeft, top, textWidth, height};
      text.align = Align::Left;
      picture_.items.emplace_back(std::move(text));
      top += std::max(height, keySize) + kLegendEntryGap;
    }
  }

  const ChartModel& chart_;
  TextMeasurer& measurer_;
  DisplayList picture_;
};

}  // namespace

DisplayList layoutChart(const ChartModel& chart, TextMeasurer& measurer) {
  return Layout(chart, measurer).run();
}

}  // namespace tavrik::chart
