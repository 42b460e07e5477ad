#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "chart/BarChartMaker.hpp"
#include "chart/ChartLayout.hpp"

namespace tavrik::chart {
namespace {

// Half the font size per byte, lines 1.25 times the font size apart.
class FixedMeasurer final : public TextMeasurer {
 public:
  TextSize measure(std::string_view text, const Font& font) override {
    ++calls;
    return {static_cast<double>(text.size()) * font.size / 2, font.size * 1.25};
  }
  int calls = 0;
};

template <typename Item>
std::vector<Item> itemsOf(const DisplayList& picture) {
  std::vector<Item> found;
  for (const DisplayItem& item : picture.items) {
    if (const auto* part = std::get_if<Item>(&item)) found.push_back(*part);
  }
  return found;
}

template <typename Item>
std::vector<Item> named(const DisplayList& picture, std::string_view prefix) {
  std::vector<Item> found;
  for (const Item& item : itemsOf<Item>(picture)) {
    if (item.name.starts_with(prefix)) found.push_back(item);
  }
  return found;
}

// "M1", "M2", ...
std::string shortLabel(std::size_t i) {
  std::string label = "M";
  label += std::to_string(i + 1);
  return label;
}

DisplayList layOut(const ChartRequest& request, std::vector<Colour> colours) {
  FixedMeasurer measurer;
  return layoutChart(buildBarChart(request, colours), measurer);
}

ChartRequest tenValues(WithLegend legend) {
  ChartRequest request;
  request.title = "Vendite 2026";
  request.xAxisTitle = "Mese";
  request.yAxisTitle = "Euro";
  request.values = {120, 340.5, 80, 200, 150, 90, 310, 45, 275, 180};
  for (std::size_t i = 0; i < 10; ++i) request.labels.push_back(shortLabel(i));
  request.legend = legend;
  return request;
}

TEST(ChartLayout, BackgroundFirstThenGridBarsAndTexts) {
  const DisplayList picture = layOut(tenValues(WithLegend::Yes), barColours(1, 10));
  EXPECT_EQ(picture.width, 750);
  EXPECT_EQ(picture.height, 500);
  EXPECT_EQ(picture.title, "Vendite 2026");
  ASSERT_FALSE(picture.items.empty());
  const auto* background = std::get_if<RectItem>(&picture.items.front());
  ASSERT_NE(background, nullptr);
  EXPECT_EQ(background->fill, 0x0A9FA6u);
  EXPECT_EQ(background->edge, 0xEEAD00u);
  EXPECT_EQ(background->edgeWidth, 1);
  // The edge runs through the outermost pixels.
  EXPECT_EQ(background->box.x, 0.5);
  EXPECT_EQ(background->box.width, 749);

  // Bars are painted over the grid, texts over the bars.
  const auto indexOf = [&](std::string_view name) {
    const auto at = std::find_if(picture.items.begin(), picture.items.end(), [&](const auto& item) {
      return std::visit([&](const auto& part) { return part.name == name; }, item);
    });
    return at - picture.items.begin();
  };
  EXPECT_LT(indexOf("Griglia"), indexOf("Barra 1"));
  EXPECT_LT(indexOf("Barra 10"), indexOf("Titolo"));
  EXPECT_LT(indexOf("Barra 10"), indexOf("Etichetta 1"));
}

TEST(ChartLayout, BarsFillTheirSlotsLessTheGapUpToTheirValues) {
  const std::vector<Colour> colours = barColours(1700000000, 10);
  const DisplayList picture = layOut(tenValues(WithLegend::Yes), colours);
  const auto bars = named<RectItem>(picture, "Barra ");
  ASSERT_EQ(bars.size(), 10u);
  // Scale 0..350 over rows 450..50: 400 / 350 pixels per unit.
  const double values[] = {120, 340.5, 80, 200, 150, 90, 310, 45, 275, 180};
  for (std::size_t i = 0; i < 10; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(bars[i].fill, colours[i]);
    EXPECT_EQ(bars[i].box.x, 70 + 50 * double(i) + 5);  // slot 50, gap 10
    EXPECT_EQ(bars[i].box.width, 40);
    EXPECT_EQ(bars[i].box.y + bars[i].box.height, 450);
    EXPECT_EQ(bars[i].box.y, std::round(450 - values[i] * 400 / 350));
  }
}

TEST(ChartLayout, GridLineAndTickTextAtEveryTick) {
  const DisplayList picture = layOut(tenValues(WithLegend::No), barColours(2, 10));
  const auto grid = named<LineItem>(picture, "Griglia");
  const auto texts = named<TextItem>(picture, "Valore ");
  // 0..350 by 50 on a 300-pixel plot (at most 7 steps).
  ASSERT_EQ(grid.size(), 8u);
  ASSERT_EQ(texts.size(), 8u);
  for (std::size_t i = 0; i < grid.size(); ++i) {
    EXPECT_EQ(grid[i].colour, 0xC0C0C0u);
    EXPECT_EQ(grid[i].y1, grid[i].y2);
    EXPECT_EQ(grid[i].x1, 50);
    EXPECT_EQ(grid[i].x2, 550);
    EXPECT_EQ(texts[i].lines, (std::vector<std::string>{std::to_string(50 * i)}));
    EXPECT_EQ(texts[i].align, Align::Right);
    // Each text is centred on its line and ends left of the axis.
    EXPECT_NEAR(texts[i].box.y + texts[i].box.height / 2, grid[i].y1, 0.5);
    EXPECT_LT(texts[i].box.x + texts[i].box.width, 50);
  }
  EXPECT_EQ(grid.front().y1, 350.5);  // the bottom row of the plot
  EXPECT_EQ(grid.back().y1, 50.5);
}

TEST(ChartLayout, TitlesAndTheUpwardYAxisTitle) {
  const DisplayList picture = layOut(tenValues(WithLegend::Yes), barColours(3, 10));
  const auto title = named<TextItem>(picture, "Titolo");
  ASSERT_EQ(title.size(), 3u);  // chart, x axis, y axis
  const TextItem& chartTitle = title[2];
  EXPECT_EQ(chartTitle.name, "Titolo");
  EXPECT_EQ(chartTitle.font.size, 12);
  EXPECT_EQ(chartTitle.align, Align::Centre);
  EXPECT_LT(chartTitle.box.y + chartTitle.box.height, 50);
  const TextItem& xTitle = title[0];
  EXPECT_EQ(xTitle.name, "Titolo asse x");
  EXPECT_EQ(xTitle.box.x, 70);
  EXPECT_EQ(xTitle.box.width, 500);
  EXPECT_GT(xTitle.box.y, 450);
  EXPECT_LT(xTitle.box.y + xTitle.box.height, 475);
  const TextItem& yTitle = title[1];
  EXPECT_TRUE(yTitle.upward);
  EXPECT_EQ(yTitle.box.y, 50);
  EXPECT_EQ(yTitle.box.height, 400);
  EXPECT_EQ(yTitle.box.width, 10);  // one line of size 8
  EXPECT_LT(yTitle.box.x + yTitle.box.width, 70);
}

TEST(ChartLayout, LabelsWrapInsideTheirBoxesCentred) {
  ChartRequest request = tenValues(WithLegend::Yes);
  request.values = {1, 2, 3};
  request.labels = {"corta", "una etichetta molto lunga", ""};
  const DisplayList picture = layOut(request, barColours(4, 3));
  const auto labels = named<TextItem>(picture, "Etichetta ");
  ASSERT_EQ(labels.size(), 3u);
  // Box width 133 at 4.5 pixels per byte: 29 bytes per line at most.
  EXPECT_EQ(labels[0].lines, (std::vector<std::string>{"corta"}));
  EXPECT_EQ(labels[1].lines, (std::vector<std::string>{"una etichetta molto lunga"}));
  EXPECT_EQ(labels[2].lines, (std::vector<std::string>{""}));
  request.labels[1] = "una etichetta davvero molto molto lunga";
  const auto wrapped = named<TextItem>(layOut(request, barColours(4, 3)), "Etichetta ");
  EXPECT_EQ(wrapped[1].lines,
            (std::vector<std::string>{"una etichetta davvero molto", "molto lunga"}));
  for (const TextItem& label : wrapped) {
    EXPECT_EQ(label.align, Align::Centre);
    EXPECT_EQ(label.box.width, 133);
    EXPECT_EQ(label.box.y, 475);
    EXPECT_EQ(label.box.height, label.lineHeight * double(label.lines.size()));
    EXPECT_EQ(label.font.family, "Segoe UI Dark");
  }
  EXPECT_EQ(wrapped[1].box.x, 252);
}

TEST(ChartLayout, LegendKeysInBarColoursStackedDownwards) {
  const std::vector<Colour> colours = barColours(5, 10);
  const DisplayList picture = layOut(tenValues(WithLegend::Yes), colours);
  const auto keys = named<RectItem>(picture, "Legenda ");
  const auto texts = named<TextItem>(picture, "Voce legenda ");
  ASSERT_EQ(keys.size(), 10u);
  ASSERT_EQ(texts.size(), 10u);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    EXPECT_EQ(keys[i].fill, colours[i]);
    EXPECT_GE(keys[i].box.x, 635);
    EXPECT_GE(keys[i].box.y, 40);
    EXPECT_EQ(texts[i].lines, (std::vector<std::string>{shortLabel(i)}));
    EXPECT_GT(texts[i].box.x, keys[i].box.x + keys[i].box.width);
    if (i > 0) {
      EXPECT_GT(keys[i].box.y, keys[i - 1].box.y + keys[i - 1].box.height);
    }
  }
  EXPECT_TRUE(named<RectItem>(layOut(tenValues(WithLegend::No), colours), "Legenda ").empty());
}

TEST(ChartLayout, NegativeValuesHangBelowTheZeroLine) {
  ChartRequest request = tenValues(WithLegend::No);
  request.values = {-0.5, 3};
  request.labels = {"meno", "piu"};
  const DisplayList picture = layOut(request, {0x111111, 0x222222});
  const auto bars = named<RectItem>(picture, "Barra ");
  ASSERT_EQ(bars.size(), 2u);
  // Scale -0.5..3: zero is at 350 - 0.5 * 300 / 3.5 = 307.14 -> row 307.
  EXPECT_EQ(bars[0].box.y, 307);
  EXPECT_EQ(bars[0].box.y + bars[0].box.height, 350);
  EXPECT_EQ(bars[1].box.y, 50);
  EXPECT_EQ(bars[1].box.y + bars[1].box.height, 307);
}

TEST(ChartLayout, TypedBytesAreMadeDrawable) {
  ChartRequest request = tenValues(WithLegend::Yes);
  request.title = "Citt\xE8\t1";
  request.values = {1};
  request.labels = {"a\rb"};
  const DisplayList picture = layOut(request, {0});
  EXPECT_EQ(picture.title, "Citt\xC3\xA8 1");
  EXPECT_EQ(named<TextItem>(picture, "Etichetta ")[0].lines, (std::vector<std::string>{"ab"}));
  EXPECT_EQ(named<TextItem>(picture, "Voce legenda ")[0].lines, (std::vector<std::string>{"ab"}));
}

TEST(ChartLayout, ManyValuesStayBounded) {
  ChartRequest request = tenValues(WithLegend::Yes);
  request.values.assign(2000, 1.0);
  request.labels.assign(2000, "x");
  FixedMeasurer measurer;
  const DisplayList picture = layoutChart(buildBarChart(request, barColours(6, 2000)), measurer);
  EXPECT_EQ(named<RectItem>(picture, "Barra ").size(), 2000u);
  // Keys below the chart's bottom edge are not drawn.
  const auto keys = named<RectItem>(picture, "Legenda ");
  EXPECT_LT(keys.size(), 50u);
  for (const RectItem& key : keys) EXPECT_LT(key.box.y, 500);
}

}  // namespace
}  // namespace tavrik::chart
