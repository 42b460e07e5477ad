#include <cairo.h>
#include <gtest/gtest.h>
#include <jpeglib.h>

#include <filesystem>
#include <fstream>

#include "chart/BarChartMaker.hpp"
#include "chart/ChartRenderer.hpp"

namespace tavrik::chart {
namespace {

// A PNG of the chart's size, with each bar's colour near its foot and the background's.
void expectPng(const std::string& path, const ChartModel& chart, int tolerance) {
  cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
  const auto* pixels = reinterpret_cast<const Colour*>(cairo_image_surface_get_data(png));
  const auto expectAt = [&](double x, double y, Colour colour) {  // rows unpadded at these widths
    const Colour pixel = pixels[int(y) * chart.width + int(x)];
    for (int at : {0, 8, 16}) EXPECT_NEAR(pixel >> at & 0xFF, colour >> at & 0xFF, tolerance) << x;
  };
  ASSERT_EQ(cairo_image_surface_get_width(png), chart.width);
  ASSERT_EQ(cairo_image_surface_get_height(png), chart.height);
  const double slot = double(chart.plot.width) / double(chart.bars.size());
  const double foot = chart.plot.y + chart.plot.height - 20;
  for (std::size_t i = 0; i < chart.bars.size(); ++i)
    expectAt(chart.plot.x + slot * (double(i) + 0.5), foot, chart.bars[i].colour);
  expectAt(chart.width - 10, chart.height / 2, 0x0A9FA6);  // the background
  expectAt(0, chart.height / 2, 0xEEAD00);                 // and its edge
  cairo_surface_destroy(png);
}

class ChartFiles : public testing::Test {  // written by the modules the program loads
 protected:
  void SetUp() override { ASSERT_NE(::mkdtemp(dir_.data()), nullptr); }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  ChartModel write(std::string_view extension) {
    const std::vector<std::string> labels = {"Gennaio", "Febbraio, con un nome lungo", "Marzo"};
    const ChartRequest request{
        "Entrate & <uscite> \"2026\"", "Mese", "Euro", {120, 340.5, 45}, labels, WithLegend::Yes};
    const ChartModel chart = buildBarChart(request, barColours(1765000000, 3));
    const std::optional<FileFormat> format = formatForExtension(extension);
    EXPECT_TRUE(format && makeChart(chart, *format, dir_ + "/grafico" + std::string(extension)));
    return chart;
  }
  std::string dir_ = "/tmp/tavrik-chart-test-XXXXXX";
};

TEST_F(ChartFiles, PngDecodes) { expectPng(dir_ + "/grafico.png", write(".png"), 0); }

TEST_F(ChartFiles, PdfRendersInPdftoppmAtAPixelAPoint) {
  const ChartModel chart = write(".pdf");
  const std::string pdftoppm = "pdftoppm -r 72 -png -singlefile " + dir_ + "/grafico.pdf ";
  ASSERT_EQ(std::system((pdftoppm + dir_ + "/pagina").c_str()), 0) << "(poppler-utils)";
  expectPng(dir_ + "/pagina.png", chart, 2);
}

TEST_F(ChartFiles, JpegDecodes) {
  write(".jpg");
  std::FILE* file = std::fopen((dir_ + "/grafico.jpg").c_str(), "rb");
  ASSERT_NE(file, nullptr);
  jpeg_decompress_struct jpeg{};
  jpeg_error_mgr errors{};
  jpeg.err = jpeg_std_error(&errors);  // a file it cannot read ends the test program
  jpeg_create_decompress(&jpeg);
  jpeg_stdio_src(&jpeg, file);
  jpeg_read_header(&jpeg, TRUE);
  jpeg_start_decompress(&jpeg);
  std::vector<unsigned char> row(jpeg.output_width * 3);
  JSAMPROW rows = row.data();
  while (jpeg.output_scanline < jpeg.output_height) jpeg_read_scanlines(&jpeg, &rows, 1);
  EXPECT_TRUE(jpeg.output_width == 750 && jpeg.output_height == 500) << jpeg.output_width;
  jpeg_destroy_decompress(&jpeg);
  std::fclose(file);
}

TEST_F(ChartFiles, PptxIsAZipOfWellFormedXmlWithOneShapePerBar) {
  const ChartModel chart = write(".pptx");
  const std::string unzip = "cd " + dir_ + " && unzip -q grafico.pptx -d parti && find parti";
  ASSERT_EQ(std::system((unzip + " -type f -exec xmllint --noout {} +").c_str()), 0);
  std::ifstream file(dir_ + "/parti/ppt/slides/slide1.xml");
  const std::string slide{std::istreambuf_iterator<char>(file), {}};
  EXPECT_NE(slide.find(">Entrate &amp; &lt;uscite&gt; &quot;2026&quot;<"), std::string::npos);
  for (std::size_t i = 0; i < chart.bars.size(); ++i) {
    const std::string name = "name=\"Barra " + std::to_string(i + 1) + "\"";
    const std::size_t at = slide.find(name);
    ASSERT_TRUE(at != std::string::npos && slide.find(name, at + 1) == std::string::npos) << name;
    const std::string shape = slide.substr(at, slide.find("</p:sp>", at) - at);
    char fill[32];
    std::snprintf(fill, sizeof fill, "<a:srgbClr val=\"%06X\"/>", chart.bars[i].colour);
    EXPECT_NE(shape.find(fill, shape.find("prst=\"rect\"")), std::string::npos) << shape;
  }
}

}  // namespace
}  // namespace tavrik::chart
