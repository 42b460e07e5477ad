// The four chart files, written by the modules the program loads. The Windows
// build writes them into $TAVRIK_CHART_FILES_OUT; the Linux build then reads
// those (from $TAVRIK_CHART_FILES_DIR) with the same checks as its own.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <cairo.h>
#include <jpeglib.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "chart/BarChartMaker.hpp"
#include "chart/ChartRenderer.hpp"

namespace tavrik::chart {
namespace {

namespace fs = std::filesystem;

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : value;
}

#ifndef _WIN32
// A PNG of the chart's size, with each bar's colour near its foot and the background's.
void expectPng(const std::string& path, const ChartModel& chart, int tolerance) {
  cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
  const auto* pixels = reinterpret_cast<const Colour*>(cairo_image_surface_get_data(png));
  const auto expectAt = [&](double x, double y, Colour colour) {  // rows unpadded at these widths
    const Colour pixel = pixels[int(y) * chart.width + int(x)] & 0xFFFFFF;
    for (int at : {0, 8, 16}) EXPECT_NEAR(pixel >> at & 0xFF, colour >> at & 0xFF, tolerance) << x;
  };
  ASSERT_EQ(cairo_image_surface_get_width(png), chart.width);
  ASSERT_EQ(cairo_image_surface_get_height(png), chart.height);
  const double slot = double(chart.plot.width) / double(chart.bars.size());
  const double foot = chart.plot.y + chart.plot.height - 20;
  for (std::size_t i = 0; i < chart.bars.size(); ++i) {
    expectAt(chart.plot.x + slot * (double(i) + 0.5), foot, chart.bars[i].colour);
  }
  expectAt(chart.width - 10, chart.height / 2, 0x0A9FA6);  // the background
  expectAt(0, chart.height / 2, 0xEEAD00);                 // and its edge
  RendererMeasurer measurer;  // the y axis, a pixel wide and black, as the layout placed it
  for (const DisplayItem& item : layoutChart(chart, measurer).items) {
    const auto* axis = std::get_if<LineItem>(&item);
    if (axis == nullptr || axis->name != "Asse y") continue;
    expectAt(axis->x1, (axis->y1 + axis->y2) / 2, 0x000000);
    expectAt(axis->x1 + 1, (axis->y1 + axis->y2) / 2, 0x0A9FA6);
  }
  cairo_surface_destroy(png);
}

#endif

// 40 bars: their labels read upwards, one of them shortened; a title with XML's own characters.
ChartRequest crowded() {
  ChartRequest request{"Entrate & <uscite> \"2026\"", "Giorno", "Valore", {}, {}, WithLegend::Yes};
  for (std::size_t i = 0; i < 40; ++i) {
    request.values.push_back(double(i * 37 % 100 + 1));
    request.labels.push_back(i == 6
                                 ? "Una etichetta davvero troppo lunga per stare sotto la sua barra"
                                 : "Giorno " + std::to_string(i + 1));
  }
  return request;
}

class ChartFiles : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = (fs::temp_directory_path() / ("tavrik-chart-" + std::to_string(std::random_device()()))).string();
    ASSERT_TRUE(fs::create_directory(dir_));
  }
  void TearDown() override { fs::remove_all(dir_); }
  ChartModel write(std::string_view extension) {
    const std::vector<std::string> labels = {"Gennaio", "Febbraio, con un nome lungo", "Marzo"};
    const ChartRequest request{
        "Entrate & <uscite> \"2026\"", "Mese", "Euro", {120, 340.5, 45}, labels, WithLegend::Yes};
    return write("grafico" + std::string(extension), request);
  }
  ChartModel write(const std::string& name, const ChartRequest& request, std::uint32_t seed = 1765000000) {
    const ChartModel chart = buildBarChart(request, barColours(seed, request.values.size()));
    const std::string extension = name.substr(name.rfind('.'));
    if (const std::string from = environment("TAVRIK_CHART_FILES_DIR"); !from.empty()) {
      fs::copy_file(fs::path(from) / name, fs::path(dir_) / name);  // written by the Windows build
      return chart;
    }
    const std::optional<FileFormat> format = formatForExtension(extension);
    EXPECT_TRUE(format && makeChart(chart, *format, dir_ + "/" + name));
    if (const std::string out = environment("TAVRIK_CHART_FILES_OUT"); !out.empty()) {
      fs::copy_file(fs::path(dir_) / name, fs::path(out) / name, fs::copy_options::overwrite_existing);
    }
    return chart;
  }
  std::string dir_;
};

#ifdef _WIN32
// Here the files are only written; the Linux build reads them back.
TEST_F(ChartFiles, EveryFormatIsWritten) {
  for (const std::string_view extension : {".png", ".jpg", ".pdf", ".pptx"}) {
    write(extension);
    EXPECT_GT(fs::file_size(dir_ + "/grafico" + std::string(extension)), 1000u) << extension;
  }
  write("affollato-40.pptx", crowded());
}
#else

TEST_F(ChartFiles, PngDecodes) { expectPng(dir_ + "/grafico.png", write(".png"), 0); }

TEST_F(ChartFiles, PdfRendersInPdftoppmAtAPixelAPoint) {
  const ChartModel chart = write(".pdf");
  const std::string pdftoppm = "pdftoppm -r 72 -png -singlefile " + dir_ + "/grafico.pdf ";
  ASSERT_EQ(std::system((pdftoppm + dir_ + "/pagina").c_str()), 0) << "(poppler-utils)";
  expectPng(dir_ + "/pagina.png", chart, 2);
  // The text is text: found by a search.
  const std::string pdftotext = "pdftotext " + dir_ + "/grafico.pdf - | grep -qF 'Entrate & <uscite> \"2026\"'";
  EXPECT_EQ(std::system(pdftotext.c_str()), 0);
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

// A zip of well-formed XML: the title escaped, one shape per bar in its colour, and every text
// where the layout put it, those reading upwards turned about their centres.
TEST_F(ChartFiles, PptxIsAZipOfWellFormedXmlWithTheBarsAndTextsWhereTheLayoutPutThem) {
  const ChartModel chart = write("affollato-40.pptx", crowded());
  const std::string unzip = "cd " + dir_ + " && unzip -q affollato-40.pptx -d parti && find parti";
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
  if (!environment("TAVRIK_CHART_FILES_DIR").empty()) return;  // texts measured where it was made
  RendererMeasurer measurer;
  std::size_t at = 0;
  std::size_t upward = 0;
  for (const DisplayItem& item : layoutChart(chart, measurer).items) {
    const auto* run = std::get_if<TextRun>(&item);
    if (run == nullptr) continue;
    at = slide.find("txBox=\"1\"", at + 1);
    ASSERT_NE(at, std::string::npos) << run->text;
    const std::size_t offset = slide.find("<a:off", at);
    double x = 0, y = 0, w = 0, h = 0;  // EMU
    std::sscanf(slide.c_str() + offset, "<a:off x=\"%lf\" y=\"%lf\"/><a:ext cx=\"%lf\" cy=\"%lf\"",
                &x, &y, &w, &h);
    const bool turned = slide.substr(at, offset - at).find("rot=\"16200000\"") != std::string::npos;
    const Box box = turned ? Box{x + (w - h) / 2, y + (h - w) / 2, h, w} : Box{x, y, w, h};
    const Box expected = runBox(*run);
    EXPECT_EQ(turned, run->upward) << run->text;
    EXPECT_NEAR(box.x / 12700, expected.x, 1e-3) << run->text;
    EXPECT_NEAR(box.y / 12700, expected.y, 1e-3) << run->text;
    EXPECT_NEAR(box.width / 12700, expected.width, 1e-3) << run->text;
    EXPECT_NEAR(box.height / 12700, expected.height, 1e-3) << run->text;
    upward += run->upward;
  }
  EXPECT_EQ(slide.find("txBox=\"1\"", at + 1), std::string::npos);
  EXPECT_GE(upward, 20u);
}

#endif

}  // namespace
}  // namespace tavrik::chart
