#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "chart/AxisScale.hpp"
#include "chart/BarChartMaker.hpp"
#include "chart/ChartLayout.hpp"
#include "chart/ChartText.hpp"

namespace tavrik::chart {
namespace {

// The nice step just below a nice one (1 -> 0.5, 2 -> 1, 5 -> 2); 0 below one that is not nice.
double niceBelow(double step) {
  const double power = std::pow(10.0, std::floor(std::log10(step) + 1e-12));
  for (const auto& [nice, below] : {std::pair{1.0, 0.5}, {2.0, 1.0}, {5.0, 2.0}}) {
    if (std::fabs(step / power - nice) < 1e-9) return below * power;
  }
  return 0;
}

TEST(AxisScale, FewestNiceTicksTakingInZeroAndTheDataAndTheirTexts) {
  for (const double low : {0.0, -0.3, -0.5, -7.0, -1234.5}) {
    for (const double high : {0.0, 0.37, 0.9, 3.0, 7.0, 100.0, 340.5, 1e6}) {
      for (int n = 1; n <= 12; ++n) {
        SCOPED_TRACE(testing::Message() << low << ".." << high << " in " << n);
        const AxisScale s = scaleAxis(low, high, n);
        const double top = high > low ? high : low + 1, least = (top - low) / n * (1 - 1e-9);
        EXPECT_TRUE(niceBelow(s.step) > 0 && niceBelow(s.step) < least && s.step >= least);
        EXPECT_TRUE(low < 0 ? s.low <= low && low - s.low < s.step : s.low == 0) << s.low;
        EXPECT_TRUE(s.high >= top && s.high - top < s.step) << s.high;
        ASSERT_EQ(s.ticks.size(), std::size_t(std::llround((s.high - s.low) / s.step)) + 1);
        for (std::size_t i = 0; i < s.ticks.size(); ++i) {
          EXPECT_NEAR(s.ticks[i], s.low + double(i) * s.step, s.step * 1e-9);
        }
      }
    }
  }
  const double largest = std::numeric_limits<double>::max();
  for (const double high : {4.9e-324, 1e-300, 1e300, largest, std::nan("")}) {
    const AxisScale s = scaleAxis(high == largest ? -largest : 0, high, 10);
    ASSERT_TRUE(!s.ticks.empty() && s.ticks.size() <= 13) << high;
    EXPECT_TRUE(std::isfinite(s.high) && !(s.high < high)) << high;
    for (const double tick : s.ticks) EXPECT_TRUE(std::isfinite(tick)) << high;
  }
  const std::tuple<double, double, std::string_view> texts[] = {
      {350, 50, "350"},      {0.1 + 0.2, 0.1, "0.3"}, {0.35, 0.05, "0.35"},
      {-0.0, 1, "0"},        {-1e-17, 0.1, "0.0"},    {-0.5, 0.5, "-0.5"},
      {1e6, 2e5, "1000000"}, {2e20, 1e20, "2e+20"},   {3e-12, 1e-12, "3e-12"}};
  for (const auto& [value, step, text] : texts) EXPECT_EQ(formatTick(value, step), text) << value;
}

TEST(ChartText, Utf8PassesStrayBytesAreWindows1252ControlsGoAndLinesWrap) {
  const std::pair<std::string_view, std::string_view> drawn[] = {
      // The first and last code points of each length, and those around the surrogates.
      {"\xC2\xA0\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF", "\xC2\xA0\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF"},
      {"\xEE\x80\x80\xEF\xBF\xBD", "\xEE\x80\x80\xEF\xBF\xBD"},
      {"\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"},
      {"a\r\x1b\x7f\x1f\xC2\x80\xC2\x9F\xEF\xBF\xBE\xEF\xBF\xBF\tc", "a c"},
      {"Citt\xE8 \x80\x9F\x81", "Citt\xC3\xA8 \xE2\x82\xAC\xC5\xB8\xEF\xBF\xBD"},
      {"\xC1\xBF\xE0\x9F\xBF", "\xC3\x81\xC2\xBF\xC3\xA0\xC5\xB8\xC2\xBF"},
      {"\xED\xA0\x80\xED\xBF\xBF", "\xC3\xAD\xC2\xA0\xE2\x82\xAC\xC3\xAD\xC2\xBF\xC2\xBF"},
      {"\xF4\x90\x80\x80\xF5", "\xC3\xB4\xEF\xBF\xBD\xE2\x82\xAC\xE2\x82\xAC\xC3\xB5"}};
  for (const auto& [typed, text] : drawn) EXPECT_EQ(drawableText(typed), text) << typed;
  const TextWidth six = [](std::string_view text) { return 6.0 * double(text.size()); };
  using Lines = std::vector<std::string>;
  const std::tuple<std::string_view, double, std::size_t, Lines> wrapped[] = {
      {"  due  blank ", 78, 9, {"  due  blank "}},  // it fits: as it is
      {"una frase lunga", 0, 9, {"una frase lunga"}},
      {"  aa  bb   cc ", 36, 9, {"aa  bb", "cc"}},
      {"ab abcde", 24, 9, {"ab", "abcd", "e"}},
      {"\xC3\xA8\xC3\xA8\xC3\xA8", 12, 9, {"\xC3\xA8", "\xC3\xA8", "\xC3\xA8"}},
      {"abc", 1, 9, {"a", "b", "c"}},
      {"uno due tre quattro", 30, 2, {"uno", "du\u2026"}},  // "…" is 3 bytes here
      {"uno due tre", 30, 0, {"un\u2026"}},
      {"a  bcdefgh", 30, 1, {"a\u2026"}}};
  for (const auto& [text, width, most, lines] : wrapped)
    EXPECT_EQ(wrapText(text, width, six, most).lines, lines) << text;
  EXPECT_EQ(wrapText(std::string(100000, 'x'), 60, six, 3).lines,
            (Lines{std::string(10, 'x'), std::string(10, 'x'), "xxxxxxx\u2026"}));
  const WrappedText shortened = wrapText("abcdefgh ab", 30, six, 9, LongWords::Shorten);
  EXPECT_TRUE(shortened.shortened && shortened.lines == (Lines{"ab\u2026", "ab"}));
  EXPECT_EQ(shortenText("ab", 12, six), "\u2026");
  EXPECT_TRUE(wholeLines("aa bb cc", 30, six, 2) == 2 && wholeLines("aa bb cc", 30, six, 1) == 0);
  EXPECT_EQ(wholeLines("aa abcdef", 30, six, 9), 0u);
}

struct FixedMeasurer final : TextMeasurer {  // half the font size a byte, lines 1.25 apart
  TextSize measure(std::string_view text, const Font& font) override {
    return {double(text.size()) * font.size / 2, font.size * 1.25};
  }
};

template <typename Item>
std::vector<Item> named(const DisplayList& picture, std::string_view prefix) {
  std::vector<Item> found;
  for (const DisplayItem& item : picture.items)
    if (const auto* part = std::get_if<Item>(&item); part && part->name.starts_with(prefix))
      found.push_back(*part);
  return found;
}

double right(const Box& box) { return box.x + box.width; }
double bottom(const Box& box) { return box.y + box.height; }

TEST(ChartLayout, BarsStandOnZeroAndTextsKeepClearOfEachOther) {
  // MT19937 seeded 5489 begins 3499211612 581869302 3890346734 3586334585 545404204 4161255391.
  EXPECT_EQ(barColours(5489, 2), (std::vector<Colour>{0x5CF6EE, 0x792CDF}));
  FixedMeasurer measurer;
  for (const std::size_t count : {1, 2, 3, 5, 7, 10}) {
    for (const bool legend : {true, false}) {
      SCOPED_TRACE(testing::Message() << count << " values, legend " << legend);
      ChartRequest request{"Vendite", "Mese", "Euro", {}, {}, WithLegend(legend)};  // No, Yes
      for (std::size_t i = 0; i < count; ++i) {
        request.values.push_back(i % 3 == 1 ? -17.5 * double(i) : 45.0 * double(i) + 20);
        request.labels.push_back("mese " + std::to_string(i) + ", un nome lungo da andare a capo");
      }
      const ChartModel chart = buildBarChart(request, barColours(7, count));
      const DisplayList picture = layoutChart(chart, measurer);
      EXPECT_EQ(picture.width, legend ? 750 : 600);
      EXPECT_EQ(picture.height, legend ? 500 : 400);
      const auto grid = named<LineItem>(picture, "Griglia");
      const auto ticks = named<TextItem>(picture, "Valore ");
      const auto bars = named<RectItem>(picture, "Barra ");
      const auto labels = named<TextItem>(picture, "Etichetta ");
      const auto keys = named<RectItem>(picture, "Legenda ");
      const auto entries = named<TextItem>(picture, "Voce legenda ");
      const auto titles = named<TextItem>(picture, "Titolo");  // x axis, y axis, chart
      ASSERT_TRUE(grid.size() >= 2 && grid.size() == ticks.size() && titles.size() == 3);
      ASSERT_TRUE(bars.size() == count && labels.size() == count && entries.size() == keys.size());
      ASSERT_EQ(keys.size(), legend ? count : 0);
      EXPECT_EQ(named<LineItem>(picture, "Asse ").size(), 2u);  // x and y

      const PlotArea& plot = chart.plot;  // grid lines across it, tick texts and titles outside
      const double base = grid.front().y1 - 0.5, plotRight = plot.x + plot.width;  // labels take
      EXPECT_TRUE(base <= plot.y + plot.height && grid.back().y1 == plot.y + 0.5);  // some height
      for (std::size_t i = 0; i < grid.size(); ++i) {
        EXPECT_TRUE(grid[i].x1 == plot.x && grid[i].x2 == plotRight && grid[i].y2 == grid[i].y1);
        EXPECT_GE(i == 0 ? 40 : grid[i - 1].y1 - grid[i].y1, 35);
        EXPECT_NEAR(ticks[i].box.y + ticks[i].box.height / 2, grid[i].y1, 0.5);
        EXPECT_TRUE(right(ticks[i].box) < plot.x && right(titles[1].box) <= ticks[i].box.x + 1e-9);
      }
      EXPECT_TRUE(titles[1].upward && bottom(titles[2].box) <= plot.y && titles[0].box.y > base);

      const double low = std::stod(ticks.front().lines[0]);
      const double perUnit = (base - plot.y) / (std::stod(ticks.back().lines[0]) - low);
      const double slot = plot.width / double(count);
      for (std::size_t i = 0; i < count; ++i) {
        const Box& bar = bars[i].box;  // amid its slot less the gap, from zero to its value
        EXPECT_EQ(bars[i].fill, chart.bars[i].colour);
        for (double e : {bar.x, bar.y, right(bar), bottom(bar)}) EXPECT_EQ(e, std::round(e));
        EXPECT_NEAR(bar.x + bar.width / 2, plot.x + slot * (double(i) + 0.5), 0.5);
        EXPECT_NEAR(bar.width, slot * (1 - chart.barGap), 1);
        EXPECT_NEAR(request.values[i] > 0 ? bottom(bar) : bar.y, base + low * perUnit, 0.5);
        EXPECT_NEAR(bar.height, std::fabs(request.values[i]) * perUnit, 1);
        const Box& label = labels[i].box;
        EXPECT_NEAR(label.x + label.width / 2, plot.x + slot * (double(i) + 0.5), 1e-9);
        EXPECT_TRUE(label.width >= bar.width && label.width <= slot);
        EXPECT_TRUE(label.y > base && label.height > 0 && bottom(label) <= titles[0].box.y);
        EXPECT_GE(label.x, i == 0 ? 0 : right(labels[i - 1].box));
        EXPECT_TRUE(labels[i].lines.back().ends_with("capo")) << labels[i].lines[0];
        if (!legend) continue;
        const Box &key = keys[i].box, &entry = entries[i].box;
        EXPECT_TRUE(keys[i].fill == bars[i].fill && entries[i].lines.back().ends_with("capo"));
        EXPECT_TRUE(key.x > plotRight && entry.x > right(key) && right(entry) <= picture.width);
        EXPECT_NEAR(key.y + key.height / 2, entry.y + entries[i].lineHeight / 2, 0.5);
        EXPECT_GT(entry.y, i == 0 ? chart.legend->y : bottom(entries[i - 1].box));
      }
    }
  }
}

}  // namespace
}  // namespace tavrik::chart
