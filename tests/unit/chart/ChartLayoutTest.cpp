#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <random>

#include "chart/AxisScale.hpp"
#include "chart/BarChartMaker.hpp"
#include "chart/ChartLayout.hpp"
#include "chart/ChartText.hpp"

namespace tavrik::chart {
namespace {

constexpr double kLargest = std::numeric_limits<double>::max();
using Wide = long double;  // its exponent reaches far past the largest double: the oracle

std::vector<double> oneTo(int count) {
  std::vector<double> values;
  for (int i = 1; i <= count; ++i) values.push_back(i);
  return values;
}

// The value sets no axis may fail on; 0.9 and an ulp is 9 steps of 0.1 as divided, 1.1e308
// has the multiple 1e308 too close to end on, and 7 down to -3 takes ten 40-pixel steps
// on the legend's 400.
const std::vector<std::vector<double>> kValueSets = {
    {kLargest, -kLargest}, {1.5e308, -0.9}, {1e-300, 1e300}, {5e-324}, {-3, -7, -0.5}, {0, 0, 0},
    {42}, {1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15}, {120, 340.5, 45}, {-17.5, 65, 0.3},
    {std::nextafter(0.9, 1.0)}, {-std::nextafter(0.9, 1.0)}, {1.1e308}, {-1.1e308}, {7, -3}, oneTo(40)};

std::pair<double, double> extent(const std::vector<double>& values) {
  return {std::min(0.0, *std::min_element(values.begin(), values.end())),
          std::max(0.0, *std::max_element(values.begin(), values.end()))};
}

// Position along the axis of its ticks, in wide arithmetic.
Wide along(const AxisScale& s, double value) {
  return (Wide(value) - Wide(s.low())) / (Wide(s.high()) - Wide(s.low()));
}

// Intervals of nice step `step` from the multiple at or below low to the one at or above high.
Wide intervals(double low, double high, Wide step) {
  return std::ceil(Wide(high) / step) - std::floor(Wide(low) / step);
}

TEST(AxisScale, TakesInEveryValueWithTheDensestNiceTicksThatKeepTheirSpacing) {
  for (const auto& values : kValueSets) {
    const auto [low, top] = extent(values);
    const double high = top > low ? top : 1;  // all zero: up to 1
    for (const double length : {20.0, 40.0, 79.0, 300.0, 341.0, 400.0, 1000.0}) {
      SCOPED_TRACE(testing::Message() << low << ".." << high << " on " << length);
      const AxisScale s = scaleAxis(low, top, length, 40);
      ASSERT_GE(s.ticks.size(), 2u);
      EXPECT_TRUE(s.low() <= low && s.high() >= high && s.high() > s.low());
      for (std::size_t i = 1; i < s.ticks.size(); ++i) {
        EXPECT_TRUE(std::isfinite(s.ticks[i]) && s.ticks[i] > s.ticks[i - 1]);
        EXPECT_GE((along(s, s.ticks[i]) - along(s, s.ticks[i - 1])) * length, std::min(length, 40.0) - 1e-6) << i;
      }
      for (const double v : values) EXPECT_NEAR(double(along(s, v)), s.position(v), 1e-12) << v;
      if (s.step == 0) {  // the ends alone: too short, or no nice step as large as needed is a double
        EXPECT_TRUE(s.ticks == (std::vector<double>{low, high}));
        const bool twoNeeded = low < 0 && high > 0;  // zero is a multiple of every step
        EXPECT_TRUE(length < (twoNeeded ? 80 : 40) || (Wide(high) - Wide(low)) / std::floor(length / 40) > 1e308L);
        continue;
      }
      // Multiples of a nice step, or the value itself where the multiple past it is no double.
      const Wide power = std::pow(Wide(10), std::floor(std::log10(Wide(s.step)) + 1e-9L));
      const Wide digit = Wide(s.step) / power;
      const bool subnormal = s.step < std::numeric_limits<double>::min();  // 1e-323 is 2 x 4.94e-324
      ASSERT_TRUE(subnormal || std::fabs(digit - 1) < 1e-9 || std::fabs(digit - 2) < 1e-9 || std::fabs(digit - 5) < 1e-9);
      for (const double tick : s.ticks) {
        const Wide index = Wide(tick) / Wide(s.step);
        const bool end = (tick == low || tick == high) && std::fabs(Wide(tick)) + Wide(s.step) > Wide(kLargest);
        EXPECT_TRUE(end || std::fabs(index - std::round(index)) < 1e-6) << tick;
      }
      // The next smaller nice step would put ticks closer than the spacing (where its multiples
      // past the values exist).
      const Wide smaller = power * (digit < 1.5 ? 0.5L : digit < 3 ? 1 : 2);
      const bool open = std::fabs(Wide(low)) + Wide(s.step) > Wide(kLargest) || Wide(high) + Wide(s.step) > Wide(kLargest);
      EXPECT_TRUE(open || subnormal || length / intervals(low, high, smaller) < 40);
    }
  }
  // Within a step of the largest double the axis ends at the value, and the multiple of the
  // step half a step or less before it gives way (else 1.5e308 would stand 35 pixels from it).
  // (Within an ulp or two: powers of ten from std::pow may be, on Windows.)
  for (const auto& [low, high, ticks] : {std::tuple{0.0, 1.7e308, std::vector<double>{0, 5e307, 1e308, 1.7e308}},
                                         {-1.7e308, 0.0, {-1.7e308, -1e308, -5e307, 0}}}) {
    const AxisScale s = scaleAxis(low, high, 300, 40);
    ASSERT_EQ(s.ticks.size(), ticks.size());
    for (std::size_t i = 0; i < ticks.size(); ++i) EXPECT_NEAR(s.ticks[i], ticks[i], std::fabs(ticks[i]) * 1e-15);
  }
  const std::pair<double, std::string_view> texts[] = {
      {0.25, "0.25"}, {1500, "1500"}, {1e11, "1e+11"}, {-kLargest, "-1.79769e+308"},
      {-0.0, "0"},    {0.1 + 0.2, "0.3"}, {123456789, "1.23457e+08"}, {-2e-5, "-2e-05"}};
  for (const auto& [value, text] : texts) EXPECT_EQ(formatTick(value), text) << value;
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

// Over 300 seconds: every bar's colour 25 or more from the background, the first 12 bars' 15
// or more from each other, each the engine's next three draws that are so. (The PNG test shows
// the bars drawn in these colours.)
TEST(BarColours, KeepClearOfTheBackgroundAndTheFirst12OfEachOther) {
  EXPECT_NEAR(colourDistance(0xFFFFFF, 0x000000), 100, 0.01);     // L* 100 and 0
  EXPECT_NEAR(colourDistance(0xFF0000, 0x000000), 117.34, 0.05);  // red: L* 53.24, a* 80.09, b* 67.20
  for (std::uint32_t seed = 1765000000; seed < 1765000300; ++seed) {
    const std::vector<Colour> bars = barColours(seed, 14);
    std::mt19937 engine(seed);
    for (std::size_t i = 0; i < bars.size(); ++i) {
      const auto breaksRule = [&](Colour colour) {
        bool close = colourDistance(colour, 0x0A9FA6) < 25;
        for (std::size_t j = 0; j < i && i < 12; ++j) close = close || colourDistance(colour, bars[j]) < 15;
        return close;
      };
      for (;;) {
        const Colour red = engine() % 256, green = engine() % 256;
        const Colour drawn = red << 16 | green << 8 | engine() % 256;
        if (drawn == bars[i]) break;
        ASSERT_TRUE(breaksRule(drawn)) << seed << " skipped " << drawn << " for bar " << i;
      }
      EXPECT_FALSE(breaksRule(bars[i])) << seed << " bar " << i;
    }
  }
}

struct FixedMeasurer final : TextMeasurer {  // half the font size a byte, lines 1.25 apart
  TextSize measure(std::string_view text, const Font& font) override {
    return {double(text.size()) * font.size / 2, font.size * 1.25, font.size};
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
bool apart(const Box& a, const Box& b) {
  return right(a) <= b.x + 1e-9 || right(b) <= a.x + 1e-9 || bottom(a) <= b.y + 1e-9 || bottom(b) <= a.y + 1e-9;
}

// The picture's texts whose names begin with `prefix`, by name, their lines joined by blanks;
// no two overlap and none leaves the picture.
std::map<std::string, std::string> textsInsideAndApart(const DisplayList& picture,
                                                       std::string_view prefix) {
  std::map<std::string, std::string> texts;
  const std::vector<TextRun> runs = named<TextRun>(picture, prefix);
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const Box box = runBox(runs[i]);
    EXPECT_TRUE(box.x >= 0 && box.y >= 0 && right(box) <= picture.width &&
                bottom(box) <= picture.height)
        << runs[i].text;
    for (std::size_t j = 0; j < i; ++j)
      EXPECT_TRUE(apart(box, runBox(runs[j]))) << runs[i].text << " / " << runs[j].text;
    std::string& joined = texts[runs[i].name];
    joined.append(joined.empty() ? 0 : 1, ' ').append(runs[i].text);
  }
  return texts;
}

// Two lines at the widest, at 6 pixels a byte.
constexpr const char* kTitle = "Vendite dell'anno duemilaventisei per mese, in euro, di tutti i negozi della "
                                    "catena, al netto di resi, sconti e imposte";
// Two lines under the plot, at 4 pixels a byte.
constexpr const char* kXTitle = "Mese dell'anno, dal primo giorno all'ultimo, come risulta dalle fatture emesse e "
                                "registrate nel libro giornale della contabilita";

// Every value set, with a legend and without: what a reader of the chart relies on.
TEST(ChartLayout, AxesBarsAndTextsHoldForEveryValueSet) {
  EXPECT_EQ(barColours(5489, 2), (std::vector<Colour>{0x5CF6EE, 0x792CDF}));  // MT19937's first draws
  FixedMeasurer measurer;
  for (const auto& values : kValueSets) {
    for (const WithLegend legend : {WithLegend::Yes, WithLegend::No}) {
      SCOPED_TRACE(testing::Message() << values.front() << " (" << values.size() << "), legend "
                                      << (legend == WithLegend::Yes));
      ChartRequest request{kTitle, kXTitle, "Euro", values, {}, legend};
      for (std::size_t i = 0; i < values.size(); ++i)
        request.labels.push_back(i == 1 ? std::string("mese uno, un nome lungo da andare a capo")
                                        : std::to_string(i));
      const ChartModel chart = buildBarChart(request, barColours(7, values.size()));
      const DisplayList picture = layoutChart(chart, measurer);
      ASSERT_TRUE(picture.width == chart.width && picture.height == chart.height);
      const auto grid = named<LineItem>(picture, "Griglia"), marks = named<LineItem>(picture, "Tacca");
      const auto axes = named<LineItem>(picture, "Asse ");
      const auto ticks = named<TextRun>(picture, "Valore ");
      const auto bars = named<RectItem>(picture, "Barra "), keys = named<RectItem>(picture, "Legenda ");
      ASSERT_TRUE(grid.size() >= 2 && marks.size() == grid.size() && ticks.size() == grid.size());
      ASSERT_TRUE(axes.size() == 2 && bars.size() == values.size());
      ASSERT_EQ(keys.size(), legend == WithLegend::Yes ? values.size() : 0);

      // The plot: its top is the model's, its right too; the tick texts may push its left in.
      const double left = grid[0].x1, top = grid.back().y1 - 0.5, foot = axes[1].y1 - 0.5;
      EXPECT_TRUE(top == chart.plot.y && grid[0].x2 == chart.plot.x + chart.plot.width && left >= chart.plot.x);
      EXPECT_TRUE(axes[0].x1 == left - 0.5 && axes[0].x2 == left - 0.5 && axes[0].y1 == top && axes[0].y2 == foot + 1);
      EXPECT_TRUE(axes[1].y2 == axes[1].y1 && axes[1].x1 == left - 1 && axes[1].x2 == grid[0].x2);
      // The ticks: those of the plot's height, 40 pixels apart at least, marked outside it.
      const auto [low, high] = extent(values);
      const AxisScale s = scaleAxis(low, high, foot - top, 40);
      ASSERT_EQ(ticks.size(), s.ticks.size());
      for (std::size_t i = 0; i < s.ticks.size(); ++i) {
        const Wide row = foot - along(s, s.ticks[i]) * (foot - top);
        EXPECT_EQ(ticks[i].text, formatTick(s.ticks[i]));
        const double pixel = grid[i].y1 - 0.5;  // the row's pixel, for a row within rounding of a whole one
        EXPECT_TRUE(pixel == std::floor(double(row) - 1e-6) || pixel == std::floor(double(row) + 1e-6)) << pixel;
        EXPECT_TRUE(grid[i].y2 == grid[i].y1 && marks[i].y1 == grid[i].y1);
        EXPECT_TRUE(marks[i].y2 == marks[i].y1 && marks[i].x1 == left - 4 && marks[i].x2 == left - 1);
        EXPECT_NEAR(ticks[i].y - ticks[i].ascent + ticks[i].lineHeight / 2, double(row), 1e-6);
        EXPECT_NEAR(right(runBox(ticks[i])), left - 6, 1e-9);  // 3 of the mark, 2 apart, 1 of the axis
        EXPECT_GE(i > 0 ? grid[i - 1].y1 - grid[i].y1 : 39, 39);  // rounded to whole pixels
      }
      // Each bar from the zero line, as tall as its value within a pixel, inside the ticks' reach.
      const Wide zero = foot - along(s, 0) * (foot - top);
      const double slot = (grid[0].x2 - left) / double(values.size());
      for (std::size_t i = 0; i < bars.size(); ++i) {
        const Box& bar = bars[i].box;
        EXPECT_EQ(bars[i].fill, chart.bars[i].colour);
        EXPECT_EQ(values[i] >= 0 ? bottom(bar) : bar.y, std::round(double(zero)));
        EXPECT_NEAR(bar.height, double(std::fabs(along(s, values[i]) - along(s, 0)) * (foot - top)), 1);
        EXPECT_TRUE(bar.y >= top && bottom(bar) <= foot);
        EXPECT_NEAR(bar.x + bar.width / 2, left + slot * (double(i) + 0.5), 0.5);
        EXPECT_NEAR(bar.width, slot * (1 - chart.barGap), 1);
      }
      // No two texts overlap and none leaves the picture; every label and entry whole.
      std::map<std::string, std::string> texts = textsInsideAndApart(picture, "");
      std::map<std::string, std::vector<TextRun>> byName;
      for (const TextRun& run : named<TextRun>(picture, "")) byName[run.name].push_back(run);
      // (40 bars have every 2nd label, upwards, and their legend in columns: some shortened.)
      const auto whole = [&](const std::string& text, std::size_t i) {
        return text == request.labels[i] || (values.size() == 40 && text.ends_with("\u2026"));
      };
      for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string& label = texts["Etichetta " + std::to_string(i + 1)];
        EXPECT_TRUE(whole(label, i) || (values.size() == 40 && label.empty() && i % 2 == 1)) << label;
        if (legend == WithLegend::No) continue;
        EXPECT_TRUE(whole(texts["Voce legenda " + std::to_string(i + 1)], i));
        EXPECT_TRUE(keys[i].fill == bars[i].fill && keys[i].box.x > grid[0].x2);
      }
      if (legend == WithLegend::Yes && values.size() == 40) {  // columns from 10 right of the plot
        EXPECT_EQ(keys[0].box.x, grid[0].x2 + 10 + 4);
      }
      if (legend == WithLegend::Yes && values.size() < 40) {  // from (635, 40), padding 4, entries 3 apart
        EXPECT_TRUE(keys[0].box.x == 639 && runBox(named<TextRun>(picture, "Voce legenda 1")[0]).y == 44);
        for (std::size_t i = 1; i < keys.size(); ++i) {
          const auto above = byName["Voce legenda " + std::to_string(i)];
          const auto entry = byName["Voce legenda " + std::to_string(i + 1)];
          const double end = std::max(runBox(above.back()).y + above.back().lineHeight, bottom(keys[i - 1].box));
          EXPECT_NEAR(runBox(entry[0]).y, end + 3, 1e-9) << i;
        }
      }
      if (left > chart.plot.x) {  // moved right no further than the tick texts and the y title need
        const double title = runBox(byName["Titolo asse y"][0]).x;
        EXPECT_TRUE(title >= 2 && title < 3) << title;
      }
      EXPECT_TRUE(texts["Titolo"] == kTitle && texts["Titolo asse x"] == kXTitle && texts["Titolo asse y"] == "Euro");
      const auto& xTitle = byName["Titolo asse x"];  // at the foot, 3 pixels up
      EXPECT_TRUE(xTitle.size() == 2 && bottom(runBox(xTitle.back())) == picture.height - 3);
    }
  }
}

// 10,000 bars, one label too long for any room: every step-th label from the first (a step of
// 1, 2 or 5 times a power of ten), whole or shortened reading upwards; the legend's first
// entries in order, whole or shortened, then a line telling how many are left out.
TEST(ChartLayout, TenThousandBarsThinTheirLabelsAndTheLegendSaysHowManyItLeavesOut) {
  FixedMeasurer measurer;
  for (const WithLegend legend : {WithLegend::Yes, WithLegend::No}) {
    SCOPED_TRACE(legend == WithLegend::Yes);
    ChartRequest request{"Giorni", "Giorno", "Valore", oneTo(10000), {}, legend};
    for (std::size_t i = 0; i < 10000; ++i)
      request.labels.push_back(
          i == 6 ? "Una etichetta davvero troppo lunga per stare sotto la sua barra"
                 : "Giorno " + std::to_string(i + 1));
    const DisplayList picture = layoutChart(buildBarChart(request, barColours(7, 10000)), measurer);
    // (The labels are kept apart from each other, the legend's entries from each other.)
    std::map<std::string, std::string> texts = textsInsideAndApart(picture, "Etichetta ");
    texts.merge(textsInsideAndApart(picture, "Voce legenda "));
    std::vector<std::size_t> labels;  // the bars labelled
    for (const TextRun& run : named<TextRun>(picture, "Etichetta ")) {
      const std::size_t bar = std::stoul(run.name.substr(std::string_view("Etichetta ").size()));
      if (labels.empty() || labels.back() != bar) labels.push_back(bar);
      const std::string& label = texts[run.name];
      EXPECT_TRUE(label == request.labels[bar - 1] || (run.upward && label.ends_with("\u2026")))
          << label;
    }
    ASSERT_GE(labels.size(), 10u);
    const std::size_t step = labels[1] - labels[0];
    std::size_t power = 1;
    while (step % (power * 10) == 0) power *= 10;
    EXPECT_TRUE(labels[0] == 1 && (step == power || step == 2 * power || step == 5 * power))
        << step;
    for (std::size_t i = 1; i < labels.size(); ++i) EXPECT_EQ(labels[i] - labels[i - 1], step);
    std::size_t listed = 0;
    for (; texts.contains("Voce legenda " + std::to_string(listed + 2)); ++listed) {
      const std::string& entry = texts["Voce legenda " + std::to_string(listed + 1)];
      EXPECT_TRUE(entry == request.labels[listed] || entry.ends_with("\u2026")) << entry;
    }
    const std::string more = "\u2026 e altri " + std::to_string(10000 - listed);
    EXPECT_EQ(texts["Voce legenda " + std::to_string(listed + 1)],
              legend == WithLegend::Yes ? more : "");
  }
}

}  // namespace
}  // namespace tavrik::chart
