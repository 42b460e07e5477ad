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
constexpr std::size_t kMaxEntryLines = 3;  // of a legend entry in a single column
constexpr double kEdgeMargin = 3;          // below the x axis title
constexpr double kLeftMargin = 2;          // left of the y axis title
constexpr double kLabelGap = 2;            // between two labels side by side
constexpr double kLabelTitleGap = 2;       // between the labels and the x axis title
constexpr double kMostLabelShare = 0.25;   // of the chart's height the labels may take
constexpr std::size_t kMaxUpwardLines = 3;
constexpr double kLegendPlotGap = 10;  // between the plot area and a legend of several columns
constexpr double kLeastEntryText = 6;  // key sizes: the narrowest text of a legend column
// The legend's last line when not every entry has room, before their number.
constexpr std::string_view kMoreEntries = "\xE2\x80\xA6 e altri ";

// How the lines of a text sit in its box, across.
enum class Align { Left, Centre, Right };

// A text broken into lines, to be placed in a box: the lines stacked and
// centred in it, each placed across it by the alignment. An upward text
// reads from the bottom of its box to the top, its first line at the left.
struct TextBlock {
  Box box;
  std::vector<std::string> lines;
  Font font;
  Colour colour = kDefaultTextColour;
  double lineHeight = 0;
  Align align = Align::Left;
  bool upward = false;
  std::string name;
};

// The centre of the pixel row or column a one-pixel line at `at` falls in.
double pixelCentre(double at) { return std::floor(at) + 0.5; }

// The least of 1, 2, 5, 10, 20, 50, ... that is at least `least`; no more
// than `most`.
std::size_t niceStep(double least, std::size_t most) {
  std::size_t step = 1;
  for (std::size_t power = 1; step < least && step < most; power *= 10) {
    for (const std::size_t digit : {1, 2, 5}) {
      step = digit * power;
      if (step >= least) break;
    }
  }
  return std::min(step, most);
}

// How the bars' labels are written under them: across, each in its bar's
// slot, or reading upwards; every `step`-th bar's label.
struct LabelPlan {
  bool upward = false;
  std::size_t step = 1;
  double band = 0;        // height the labels take under the axis
  double across = 0;      // width of a label's room across the bars
  std::size_t lines = 1;  // most lines of a label
};

class Layout {
 public:
  Layout(const ChartModel& chart, TextMeasurer& measurer)
      : chart_(chart), measurer_(measurer), plot_(chart.plot) {
    picture_.width = chart.width;
    picture_.height = chart.height;
    picture_.title = drawableText(chart.title.text);
  }

  DisplayList run() {
    planXAxisTitle();
    LabelPlan labels;
    AxisScale scale;
    // The plot area moves right when the tick texts and the y axis title
    // need more room at its left; the labels are then planned again for
    // its new width, and the scale for its new height.
    for (int round = 0;; ++round) {
      plot_.height = chart_.plot.height;
      labels = planLabels();
      scale = valueScale();
      const auto left = static_cast<int>(std::ceil(leftNeeded(scale)));
      if (left <= plot_.x || round == 2) break;
      plot_.width = std::max(1, plot_.width - (left - plot_.x));
      plot_.x = left;
    }
    addBackground();
    addGrid(scale);
    addBars(scale);
    addAxes(scale);
    const double tickTextLeft = addTickTexts(scale);
    addAxisTitles(tickTextLeft);
    addTitle();
    addLabels(labels);
    if (chart_.legend) addLegend(*chart_.legend);
    return std::move(picture_);
  }

 private:
  double plotLeft() const { return plot_.x; }
  double plotTop() const { return plot_.y; }
  double plotRight() const { return plot_.x + plot_.width; }
  double plotBottom() const { return plot_.y + plot_.height; }
  double slotWidth() const { return double(plot_.width) / double(chart_.bars.size()); }
  double labelsTop() const { return plotBottom() + 1 + kTickLength; }

  AxisScale valueScale() const {
    double low = 0;
    double high = 0;
    for (const Bar& bar : chart_.bars) {
      low = std::min(low, bar.value);
      high = std::max(high, bar.value);
    }
    return scaleAxis(low, high, plot_.height, kMinTickSpacing);
  }

  // Pixel row of a value; the scale takes in every value.
  double rowOf(double value, const AxisScale& scale) const {
    return plotBottom() - scale.position(value) * plot_.height;
  }

  const Font& tickFont() const { return tickFont_; }

  // The y axis title's lines and their height, for the plot's height.
  std::vector<std::string> yTitleLines() {
    const std::string text = drawableText(chart_.yAxisTitle.text);
    if (text.empty()) return {};
    return wrap(text, chart_.yAxisTitle.font, plot_.height, 2);
  }

  // The least left edge of the plot area that leaves room, from the left
  // edge of the picture on, for the y axis title, its gap, the widest tick
  // text, its gap, the tick marks and the axis.
  double leftNeeded(const AxisScale& scale) {
    double widest = 0;
    for (const double tick : scale.ticks) widest = std::max(widest, measure(formatTick(tick), tickFont()).width);
    const auto lines = yTitleLines();
    const double title = lines.empty() ? 0
                                       : measure("", chart_.yAxisTitle.font).lineHeight * double(lines.size()) +
                                             kAxisTitleGap;
    return kLeftMargin + title + widest + kTickLabelGap + kTickLength + 1;
  }

  // Each line of the block as a run of its own, placed in the box.
  void addText(const TextBlock& block) {
    const Box& box = block.box;
    const double along = block.upward ? box.height : box.width;
    const double across = block.upward ? box.width : box.height;
    double lineTop = (across - block.lineHeight * double(block.lines.size())) / 2;
    for (const std::string& line : block.lines) {
      const TextSize size = measure(line, block.font);
      double start = 0;
      if (block.align == Align::Centre) start = (along - size.width) / 2;
      if (block.align == Align::Right) start = along - size.width;
      TextRun run;
      if (block.upward) {
        run.x = box.x + lineTop + size.ascent;
        run.y = box.y + box.height - start;
      } else {
        run.x = box.x + start;
        run.y = box.y + lineTop + size.ascent;
      }
      run.width = size.width;
      run.ascent = size.ascent;
      run.lineHeight = block.lineHeight;
      run.text = line;
      run.font = block.font;
      run.colour = block.colour;
      run.upward = block.upward;
      run.name = block.name;
      lineTop += block.lineHeight;
      if (!line.empty()) picture_.items.emplace_back(std::move(run));
    }
  }

  TextSize measure(std::string_view text, const Font& font) {
    return measurer_.measure(text, font);
  }

  TextWidth widthIn(const Font& font) {
    return [this, &font](std::string_view part) { return measure(part, font).width; };
  }

  std::vector<std::string> wrap(const std::string& text, const Font& font, double width,
                                std::size_t maxLines) {
    return wrapText(text, width, widthIn(font), maxLines).lines;
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
    if (plot_.background != kNoColour) {
      RectItem plot;
      plot.box = {plotLeft(), plotTop(), double(plot_.width), double(plot_.height)};
      plot.fill = plot_.background;
      plot.name = "Area del grafico";
      picture_.items.emplace_back(std::move(plot));
    }
  }

  void addGrid(const AxisScale& scale) {
    if (plot_.horizontalGrid != kNoColour) {
      for (const double tick : scale.ticks) {
        const double y = pixelCentre(rowOf(tick, scale));
        picture_.items.emplace_back(
            LineItem{plotLeft(), y, plotRight(), y, plot_.horizontalGrid, 1, "Griglia"});
      }
    }
    if (plot_.verticalGrid != kNoColour && !chart_.bars.empty()) {
      const double slot = slotWidth();
      for (std::size_t i = 1; i < chart_.bars.size(); ++i) {
        const double x = pixelCentre(plotLeft() + slot * double(i));
        picture_.items.emplace_back(
            LineItem{x, plotTop(), x, plotBottom(), plot_.verticalGrid, 1, "Griglia"});
      }
    }
  }

  void addBars(const AxisScale& scale) {
    if (chart_.bars.empty()) return;
    const double slot = slotWidth();
    const double gap = std::clamp(chart_.barGap, 0.0, 1.0);
    const double base = rowOf(0, scale);  // zero is always on the axis
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
    const double right = axisColumn() - kTickLength - kTickLabelGap;
    double left = right;
    for (const double tick : scale.ticks) {
      const std::string text = formatTick(tick);
      const TextSize size = measure(text, tickFont());
      TextBlock block;
      block.box = {right - size.width, rowOf(tick, scale) - size.lineHeight / 2, size.width, size.lineHeight};
      block.lines = {text};
      block.font = tickFont();
      block.lineHeight = size.lineHeight;
      block.align = Align::Right;
      block.name = "Valore " + text;
      left = std::min(left, right - size.width);
      addText(block);
    }
    return left;
  }

  TextBlock textItem(const ChartText& text, std::vector<std::string> lines, double lineHeight,
                     std::string name) {
    TextBlock item;
    item.lines = std::move(lines);
    item.font = text.font;
    item.colour = text.colour;
    item.lineHeight = lineHeight;
    item.name = std::move(name);
    return item;
  }

  // The x axis title goes at the foot of the chart, under the labels.
  void planXAxisTitle() {
    xTitleTop_ = chart_.height - kEdgeMargin;
    const std::string text = drawableText(chart_.xAxisTitle.text);
    if (text.empty()) return;
    xTitleLineHeight_ = measure("", chart_.xAxisTitle.font).lineHeight;
    xTitleLines_ = wrap(text, chart_.xAxisTitle.font, plot_.width, 2);
    xTitleTop_ -= xTitleLineHeight_ * double(xTitleLines_.size());
  }

  void addAxisTitles(double tickTextLeft) {
    if (!xTitleLines_.empty()) {
      const double height = xTitleLineHeight_ * double(xTitleLines_.size());
      TextBlock item = textItem(chart_.xAxisTitle, xTitleLines_, xTitleLineHeight_, "Titolo asse x");
      item.box = {plotLeft(), xTitleTop_, double(plot_.width), height};
      item.align = Align::Centre;
      addText(item);
    }
    const ChartText& yTitle = chart_.yAxisTitle;
    auto lines = yTitleLines();
    if (!lines.empty()) {
      const double lineHeight = measure("", yTitle.font).lineHeight;
      TextBlock item = textItem(yTitle, std::move(lines), lineHeight, "Titolo asse y");
      const double thickness = lineHeight * double(item.lines.size());
      const double x = std::max(kLeftMargin, tickTextLeft - kAxisTitleGap - thickness);
      item.box = {x, plotTop(), thickness, double(plot_.height)};
      item.align = Align::Centre;
      item.upward = true;
      addText(item);
    }
  }

  void addTitle() {
    const ChartText& title = chart_.title;
    const std::string text = drawableText(title.text);
    if (text.empty()) return;
    const double lineHeight = measure("", title.font).lineHeight;
    const double width = chart_.width - 2 * kBoxSlack;
    // Above the plot area and the half line of its top tick text.
    const double room = plotTop() - measure("", tickFont()).lineHeight / 2 - kBoxSlack;
    const auto most = lineHeight > 0 ? static_cast<std::size_t>(std::max(1.0, std::floor(room / lineHeight))) : 1;
    auto lines = wrap(text, title.font, width, std::min(kMaxTitleLines, most));
    TextBlock item = textItem(title, std::move(lines), lineHeight, "Titolo");
    const double height = lineHeight * double(item.lines.size());
    item.box = {kBoxSlack, std::max(kLeftMargin, (room - height) / 2), width, height};
    item.align = Align::Centre;
    addText(item);
  }

  std::string labelText(std::size_t bar) const { return drawableText(chart_.bars[bar].label); }

  // Across under their bars when every label fits so, broken at blanks
  // only; else reading upwards, in the shortest band that holds whole every
  // label the tallest band allowed could (the others are shortened). When
  // upward labels are too many to stand side by side, every few bars has
  // its label: every 2nd, 5th, 10th, 20th... The plot area gives up height
  // for a band taller than the room under it.
  LabelPlan planLabels() {
    LabelPlan plan;
    const std::size_t count = chart_.bars.size();
    if (count == 0) return plan;
    const double lineHeight = measure("", chart_.labelFont).lineHeight;
    const TextWidth widthOf = widthIn(chart_.labelFont);
    const double room = std::max(0.0, xTitleTop_ - kLabelTitleGap - labelsTop());
    const double most = std::max(room, chart_.height * kMostLabelShare);
    const double slot = slotWidth();
    plan.across = slot - kLabelGap;
    // No label fits a slot narrower than a line is high: then none is measured.
    bool across = plan.across >= lineHeight;
    const auto mostLines = std::max<std::size_t>(
        1, lineHeight > 0 ? static_cast<std::size_t>(std::min(most / lineHeight, 1000.0)) : 1);
    plan.lines = 1;
    for (std::size_t i = 0; i < count && across; ++i) {
      const std::size_t lines = wholeLines(labelText(i), plan.across, widthOf, mostLines);
      across = lines > 0;
      plan.lines = std::max(plan.lines, lines);
    }
    if (across) {
      plan.band = std::max(room, lineHeight * double(plan.lines));
    } else {
      plan.upward = true;
      plan.step = niceStep((lineHeight + kLabelGap) / slot, count);
      plan.across = slot * double(plan.step) - kLabelGap;
      plan.lines = std::clamp<std::size_t>(
          lineHeight > 0 ? static_cast<std::size_t>(plan.across / lineHeight) : 1, 1,
          kMaxUpwardLines);
      // The labels too long to be whole even in the tallest band are
      // shortened in the band the others need.
      std::vector<std::string> whole;
      for (std::size_t i = 0; i < count; i += plan.step) {
        std::string text = labelText(i);
        if (wholeLines(text, most, widthOf, plan.lines) > 0) whole.push_back(std::move(text));
      }
      const auto allWhole = [&](double length) {
        return std::all_of(whole.begin(), whole.end(), [&](const std::string& text) {
          return wholeLines(text, length, widthOf, plan.lines) > 0;
        });
      };
      double low = room;
      double high = most;
      if (allWhole(low)) {
        high = low;
      } else {
        while (high - low > 0.5) {
          const double middle = (low + high) / 2;
          (allWhole(middle) ? high : low) = middle;
        }
      }
      plan.band = high;
    }
    const auto taken = static_cast<int>(std::ceil(plan.band - room));
    plot_.height = std::max(1, plot_.height - std::max(0, taken));
    return plan;
  }

  void addLabels(const LabelPlan& plan) {
    const double lineHeight = measure("", chart_.labelFont).lineHeight;
    const double slot = slotWidth();
    for (std::size_t i = 0; i < chart_.bars.size(); i += plan.step) {
      const std::string text = labelText(i);
      const double length = plan.upward ? plan.band : plan.across;
      auto lines =
          wrapText(text, length, widthIn(chart_.labelFont), plan.lines, LongWords::Shorten).lines;
      TextBlock item = textItem(ChartText{text, chart_.labelFont, kDefaultTextColour},
                               std::move(lines), lineHeight, "Etichetta " + std::to_string(i + 1));
      const double centre = plotLeft() + slot * (double(i) + 0.5);
      const double thickness = lineHeight * double(item.lines.size());
      if (plan.upward) {
        // Read from the bottom up, ending under the axis.
        item.box = {centre - thickness / 2, labelsTop(), thickness, plan.band};
        item.align = Align::Right;
        item.upward = true;
      } else {
        item.box = {centre - plan.across / 2, labelsTop(), plan.across, thickness};
        item.align = Align::Centre;
      }
      addText(item);
    }
  }

  // One entry of the legend, its key at the left of its column and its lines
  // beside it; the height it takes.
  double addLegendEntry(const Legend& legend, std::size_t index, double left, double top,
                        std::vector<std::string> lines) {
    const double lineHeight = measure("", legend.font).lineHeight;
    const double keySize = std::round(legend.font.size);
    const double keyLeft = left + kLegendPadding;
    RectItem keyBox;
    keyBox.box = {keyLeft, std::round(top + (lineHeight - keySize) / 2), keySize, keySize};
    keyBox.fill = legend.keys[index].colour;
    keyBox.name = "Legenda " + std::to_string(index + 1);
    picture_.items.emplace_back(std::move(keyBox));
    const std::string label = drawableText(legend.keys[index].label);
    const double textLeft = keyLeft + keySize + kLegendKeyTextGap;
    TextBlock text = textItem(ChartText{label, legend.font, kDefaultTextColour}, std::move(lines),
                              lineHeight, "Voce legenda " + std::to_string(index + 1));
    const double height = lineHeight * double(text.lines.size());
    text.box = {textLeft, top, std::max(entryTextWidth_, 0.0), height};
    text.align = Align::Left;
    addText(text);
    return std::max(height, keySize);
  }

  // A single column of entries, each over as many lines as it takes (up to
  // a few), when it fits the chart's height; false, adding nothing, if not.
  bool addLegendColumn(const Legend& legend, double top, double bottom) {
    const double keySize = std::round(legend.font.size);
    entryTextWidth_ = std::max(
        chart_.width - kLegendPadding - (legend.x + kLegendPadding + keySize + kLegendKeyTextGap),
        4 * keySize);
    const double lineHeight = measure("", legend.font).lineHeight;
    std::vector<std::vector<std::string>> entries;
    for (double y = top; const LegendKey& key : legend.keys) {
      entries.push_back(
          wrap(drawableText(key.label), legend.font, entryTextWidth_, kMaxEntryLines));
      y += std::max(lineHeight * double(entries.back().size()), keySize);
      if (y > bottom) return false;
      y += kLegendEntryGap;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
      top += addLegendEntry(legend, i, legend.x, top, std::move(entries[i])) + kLegendEntryGap;
    }
    return true;
  }

  // The entries in one column if they fit it; else one line each (shortened
  // where too long) in as many columns as they need, which may reach left
  // as far as the plot area. When even the most columns that leave each
  // entry some room cannot hold them all, the last line says how many are
  // left out.
  void addLegend(const Legend& legend) {
    const std::size_t count = legend.keys.size();
    const double top = legend.y + kLegendPadding;
    const double bottom = chart_.height - kLegendPadding;
    if (count == 0 || addLegendColumn(legend, top, bottom)) return;
    const double lineHeight = measure("", legend.font).lineHeight;
    const double keySize = std::round(legend.font.size);
    const double pitch = std::max(lineHeight, keySize) + kLegendEntryGap;
    const auto rows = static_cast<std::size_t>(
        std::clamp(std::floor((bottom - top + kLegendEntryGap) / pitch), 1.0, 1e6));
    std::size_t columns = (count + rows - 1) / rows;
    const double left = columns > 1 ? std::min(legend.x, plotRight() + kLegendPlotGap) : legend.x;
    const double right = chart_.width - kLegendPadding;
    const double narrowest = keySize * (1 + kLeastEntryText) + kLegendKeyTextGap + kLegendPadding;
    const auto most =
        static_cast<std::size_t>(std::clamp(std::floor((right - left) / narrowest), 1.0, 1e6));
    std::size_t perColumn = (count + columns - 1) / columns;
    std::size_t shown = count;
    if (columns > most) {
      columns = most;
      perColumn = rows - 1;
      shown = columns * perColumn;
    }
    const double columnWidth = (right - left) / double(columns);
    entryTextWidth_ = columnWidth - (kLegendPadding + keySize + kLegendKeyTextGap);
    const TextWidth widthOf = widthIn(legend.font);
    for (std::size_t i = 0; i < shown; ++i) {
      auto line = wrapText(drawableText(legend.keys[i].label), entryTextWidth_, widthOf, 1,
                           LongWords::Shorten)
                      .lines;
      addLegendEntry(legend, i, left + columnWidth * double(i / perColumn),
                     top + pitch * double(i % perColumn), std::move(line));
    }
    if (shown == count) return;
    const std::string more = std::string(kMoreEntries) + std::to_string(count - shown);
    const double width = right - left - kLegendPadding;
    TextBlock text = textItem(ChartText{more, legend.font, kDefaultTextColour},
                              wrapText(more, width, widthOf, 1, LongWords::Shorten).lines,
                              lineHeight, "Voce legenda " + std::to_string(shown + 1));
    text.box = {left + kLegendPadding, top + pitch * double(perColumn), width, lineHeight};
    text.align = Align::Left;
    addText(text);
  }

  const ChartModel& chart_;
  TextMeasurer& measurer_;
  PlotArea plot_;  // the model's, less the height the labels take
  DisplayList picture_;
  std::vector<std::string> xTitleLines_;
  double xTitleLineHeight_ = 0;
  double xTitleTop_ = 0;
  double entryTextWidth_ = 0;  // of the legend entries being added
  const Font tickFont_{std::string(kDefaultFontFamily), kTickFontSize};
};

}  // namespace

DisplayList layoutChart(const ChartModel& chart, TextMeasurer& measurer) {
  return Layout(chart, measurer).run();
}

}  // namespace tavrik::chart
