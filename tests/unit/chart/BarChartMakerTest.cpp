#include <gtest/gtest.h>

#include <set>

#include "chart/BarChartMaker.hpp"

namespace tavrik::chart {
namespace {

TEST(BarChartLayout, OneValueWithLegend) {
  const BarChartLayout layout = barChartLayout(1, WithLegend::Yes);
  EXPECT_EQ(layout.width, 750);
  EXPECT_EQ(layout.height, 500);
  EXPECT_EQ(layout.plotX, 70);
  EXPECT_EQ(layout.plotY, 50);
  EXPECT_EQ(layout.plotWidth, 500);
  EXPECT_EQ(layout.plotHeight, 400);
  EXPECT_EQ(layout.slotWidth, 500);
  EXPECT_EQ(layout.gap, 100);
  EXPECT_EQ(layout.labelWidth(), 400);
  EXPECT_EQ(layout.labelX(0), 120);
  EXPECT_EQ(layout.labelTop, 475);
  EXPECT_EQ(layout.labelFontSize, 9);
  EXPECT_TRUE(layout.legend);
  EXPECT_EQ(layout.legendX, 635);
  EXPECT_EQ(layout.legendY, 40);
  EXPECT_EQ(layout.legendFontSize, 10);
}

TEST(BarChartLayout, OneValueWithoutLegend) {
  const BarChartLayout layout = barChartLayout(1, WithLegend::No);
  EXPECT_EQ(layout.width, 600);
  EXPECT_EQ(layout.height, 400);
  EXPECT_EQ(layout.plotX, 50);
  EXPECT_EQ(layout.plotY, 50);
  EXPECT_EQ(layout.plotWidth, 500);
  EXPECT_EQ(layout.plotHeight, 300);
  // 500 / 1 + 1, and 501 * 0.2 = 100.2 truncated.
  EXPECT_EQ(layout.slotWidth, 501);
  EXPECT_EQ(layout.gap, 100);
  EXPECT_EQ(layout.labelWidth(), 401);
  EXPECT_EQ(layout.labelX(0), 100);
  EXPECT_EQ(layout.labelTop, 375);
  EXPECT_EQ(layout.labelFontSize, 8);
  EXPECT_FALSE(layout.legend);
}

TEST(BarChartLayout, ThreeValuesWithLegend) {
  const BarChartLayout layout = barChartLayout(3, WithLegend::Yes);
  EXPECT_EQ(layout.slotWidth, 166);
  EXPECT_EQ(layout.gap, 33);  // 33.2 truncated
  EXPECT_EQ(layout.labelWidth(), 133);
  EXPECT_EQ(layout.labelX(0), 86);  // 70 + 33 / 2
  EXPECT_EQ(layout.labelX(1), 252);
  EXPECT_EQ(layout.labelX(2), 418);
}

TEST(BarChartLayout, IntegerDivisionsTruncate) {
  // Seven values without a legend: 500 / 7 = 71, + 1 = 72; 72 * 0.2 = 14.4.
  const BarChartLayout seven = barChartLayout(7, WithLegend::No);
  EXPECT_EQ(seven.slotWidth, 72);
  EXPECT_EQ(seven.gap, 14);
  EXPECT_EQ(seven.labelX(0), 57);
  EXPECT_EQ(seven.labelX(6), 57 + 6 * 72);
  // Over 500 values the slot is 0 with a legend (and 1 without).
  const BarChartLayout many = barChartLayout(501, WithLegend::Yes);
  EXPECT_EQ(many.slotWidth, 0);
  EXPECT_EQ(many.gap, 0);
  EXPECT_EQ(many.labelX(400), 70);
  EXPECT_EQ(barChartLayout(501, WithLegend::No).slotWidth, 1);
}

TEST(BarColours, ThreeDrawsPerBarFromTheSeededEngine) {
  // The first outputs of MT19937 with seed 5489 are published:
  // 3499211612, 581869302, 3890346734, 3586334585, 545404204, 4161255391,
  // whose low bytes are 5C F6 EE 79 2C DF.
  const std::vector<Colour> colours = barColours(5489, 3);
  ASSERT_EQ(colours.size(), 3u);
  EXPECT_EQ(colours[0], 0x5CF6EEu);
  EXPECT_EQ(colours[1], 0x792CDFu);
  EXPECT_EQ(colours[2], 0x05E1BAu);
  EXPECT_EQ(barColours(1700000000, 3), (std::vector<Colour>{0x7630F6, 0x14C548, 0xF97452}));
}

TEST(BarColours, SameSecondSameColoursAndLongerListsExtendShorterOnes) {
  const std::vector<Colour> four = barColours(1765000000, 4);
  const std::vector<Colour> two = barColours(1765000000, 2);
  EXPECT_EQ(std::vector<Colour>(four.begin(), four.begin() + 2), two);
  EXPECT_NE(barColours(1765000001, 2), two);
  EXPECT_TRUE(barColours(42, 0).empty());
  for (const Colour colour : barColours(7, 200)) EXPECT_EQ(colour & 0xFF000000u, 0u);
}

TEST(ChartFileName, PrefixCodeOfTheSeedAndExtension) {
  // The codes were worked out by hand from the published MT19937 and the
  // 62-character alphabet.
  EXPECT_EQ(chartFileName(1700000000, ".png"), "grafico_OiSmbIR6g6a0.png");
  EXPECT_EQ(chartFileName(1700000001, ".pptx"), "grafico_m1592JMCD8eB.pptx");
  EXPECT_EQ(chartFileName(0, ".jpg"), "grafico_S9PObXR55RPG.jpg");
}

TEST(ChartFileName, NeverTakesANameThatIsTaken) {
  std::set<std::string> taken = {chartFileName(1700000000, ".pdf"),
                                 chartFileName(1700000001, ".pdf")};
  std::vector<std::string> offered;
  const auto claim = [&](const std::string& name) {
    offered.push_back(name);
    return taken.contains(name) ? NameClaim::Taken : NameClaim::Claimed;
  };
  EXPECT_EQ(claimChartFileName(1700000000, ".pdf", claim), "grafico_T0aCAGmGkMVb.pdf");
  EXPECT_EQ(offered.size(), 3u);
  // Another extension is another name: the first one is free.
  offered.clear();
  EXPECT_EQ(claimChartFileName(1700000000, ".png", claim), "grafico_OiSmbIR6g6a0.png");
  EXPECT_EQ(offered.size(), 1u);
}

TEST(ChartFileName, SeedWrapsAroundAndFailuresStop) {
  const std::string last = chartFileName(0xFFFFFFFFu, ".png");
  EXPECT_EQ(last, "grafico_j2c3EcuSPWb9.png");
  const auto takenLast = [&](const std::string& name) {
    return name == last ? NameClaim::Taken : NameClaim::Claimed;
  };
  EXPECT_EQ(claimChartFileName(0xFFFFFFFFu, ".png", takenLast), chartFileName(0, ".png"));
  int calls = 0;
  const auto failing = [&](const std::string&) {
    ++calls;
    return NameClaim::Failed;
  };
  EXPECT_EQ(claimChartFileName(5, ".png", failing), std::nullopt);
  EXPECT_EQ(calls, 1);
}

ChartRequest threeValues(WithLegend legend) {
  ChartRequest request;
  request.title = "Vendite";
  request.xAxisTitle = "Mese";
  request.yAxisTitle = "Euro";
  request.values = {3, 1.5, 0};
  request.labels = {"Gennaio", "", "Marzo"};
  request.legend = legend;
  return request;
}

TEST(BuildBarChart, CarriesTheLayoutColoursAndTexts) {
  const std::vector<Colour> colours = {0x112233, 0x445566, 0x778899};
  const ChartModel chart = buildBarChart(threeValues(WithLegend::Yes), colours);
  EXPECT_EQ(chart.width, 750);
  EXPECT_EQ(chart.height, 500);
  EXPECT_EQ(chart.background, 0x0A9FA6u);
  EXPECT_EQ(chart.edge, 0xEEAD00u);
  EXPECT_EQ(chart.plot.x, 70);
  EXPECT_EQ(chart.plot.height, 400);
  EXPECT_EQ(chart.plot.background, kNoColour);
  EXPECT_EQ(chart.plot.horizontalGrid, 0xC0C0C0u);
  EXPECT_EQ(chart.plot.verticalGrid, kNoColour);
  EXPECT_EQ(chart.title.text, "Vendite");
  EXPECT_EQ(chart.title.font.size, 12);
  EXPECT_EQ(chart.xAxisTitle.font.size, 8);
  EXPECT_EQ(chart.yAxisTitle.text, "Euro");
  EXPECT_EQ(chart.yAxisTitle.font.size, 8);
  EXPECT_DOUBLE_EQ(chart.barGap, 0.2);
  ASSERT_EQ(chart.bars.size(), 3u);
  EXPECT_EQ(chart.bars[1].value, 1.5);
  EXPECT_EQ(chart.bars[2].colour, 0x778899u);

  ASSERT_EQ(chart.texts.size(), 3u);
  const double xs[] = {86, 252, 418};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(chart.texts[i].x, xs[i]);
    EXPECT_EQ(chart.texts[i].y, 475);
    EXPECT_EQ(chart.texts[i].width, 133);
    EXPECT_EQ(chart.texts[i].height, 0);
    EXPECT_EQ(chart.texts[i].align, Align::Centre);
    EXPECT_EQ(chart.texts[i].text.font.family, "Segoe UI Dark");
    EXPECT_EQ(chart.texts[i].text.font.size, 9);
  }
  EXPECT_EQ(chart.texts[1].text.text, "");

  ASSERT_TRUE(chart.legend.has_value());
  EXPECT_EQ(chart.legend->x, 635);
  EXPECT_EQ(chart.legend->y, 40);
  EXPECT_EQ(chart.legend->font.size, 10);
  ASSERT_EQ(chart.legend->keys.size(), 3u);
  EXPECT_EQ(chart.legend->keys[0].label, "Gennaio");
  EXPECT_EQ(chart.legend->keys[1].colour, 0x445566u);
}

TEST(BuildBarChart, WithoutLegendTheSmallerChart) {
  const ChartModel chart = buildBarChart(threeValues(WithLegend::No), {1, 2, 3});
  EXPECT_EQ(chart.width, 600);
  EXPECT_EQ(chart.height, 400);
  EXPECT_FALSE(chart.legend.has_value());
  ASSERT_EQ(chart.texts.size(), 3u);
  // w = 167, g = 33: boxes of 134 from 66.
  EXPECT_EQ(chart.texts[0].x, 66);
  EXPECT_EQ(chart.texts[1].x, 233);
  EXPECT_EQ(chart.texts[0].width, 134);
  EXPECT_EQ(chart.texts[0].y, 375);
  EXPECT_EQ(chart.texts[0].text.font.size, 8);
}

}  // namespace
}  // namespace tavrik::chart
