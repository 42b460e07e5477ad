// The chart files themselves, written by the renderer modules into a
// temporary directory and read back with independent decoders.

#include <cairo.h>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <unistd.h>
#include <zip.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "chart/BarChartMaker.hpp"
#include "chart/ChartRenderer.hpp"
#include "shell/Console.hpp"
#include "shell/HistoryLog.hpp"
#include "support/FakePlatform.hpp"

namespace fs = std::filesystem;

namespace tavrik::chart {
namespace {

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
};

Rgb rgbOf(Colour colour) {
  return {int(colour >> 16) & 0xFF, int(colour >> 8) & 0xFF, int(colour) & 0xFF};
}

::testing::AssertionResult near(const Rgb& actual, Colour expected, int tolerance) {
  const Rgb want = rgbOf(expected);
  if (std::abs(actual.red - want.red) <= tolerance &&
      std::abs(actual.green - want.green) <= tolerance &&
      std::abs(actual.blue - want.blue) <= tolerance) {
    return ::testing::AssertionSuccess();
  }
  char text[96];
  std::snprintf(text, sizeof text, "pixel %02X%02X%02X, expected %06X", actual.red, actual.green,
                actual.blue, expected);
  return ::testing::AssertionFailure() << text;
}

// A decoded picture, RGB.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;
  Rgb at(int x, int y) const {
    return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
  }
};

Image readPng(const fs::path& path) {
  Image image;
  cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
  if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
    image.width = cairo_image_surface_get_width(surface);
    image.height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    for (int y = 0; y < image.height; ++y) {
      const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
      for (int x = 0; x < image.width; ++x) image.pixels.push_back(rgbOf(row[x] & 0xFFFFFF));
    }
  }
  cairo_surface_destroy(surface);
  return image;
}

Image readJpeg(const fs::path& path) {
  Image image;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return image;
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, file);
  if (jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK) {
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image.width = int(info.output_width);
    image.height = int(info.output_height);
    std::vector<unsigned char> row(std::size_t(image.width) * 3);
    while (info.output_scanline < info.output_height) {
      JSAMPROW rows = row.data();
      jpeg_read_scanlines(&info, &rows, 1);
      for (int x = 0; x < image.width; ++x) {
        image.pixels.push_back({row[3 * x], row[3 * x + 1], row[3 * x + 2]});
      }
    }
    jpeg_finish_decompress(&info);
  }
  jpeg_destroy_decompress(&info);
  std::fclose(file);
  return image;
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class ChartFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tavrik-chart-test-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  static ChartRequest request(WithLegend legend) {
    ChartRequest request;
    request.title = "Vendite 2026";
    request.xAxisTitle = "Mese";
    request.yAxisTitle = "Euro";
    request.values = {120, 340.5, 80, 200, 45};
    request.labels = {"Gennaio", "Febbraio con un nome lungo", "Marzo", "Aprile", "Maggio"};
    request.legend = legend;
    return request;
  }

  // The centre of each bar, a few pixels above the plot's bottom edge.
  static std::vector<std::pair<int, int>> barProbes(const ChartModel& chart) {
    std::vector<std::pair<int, int>> probes;
    const double slot = double(chart.plot.width) / double(chart.bars.size());
    for (std::size_t i = 0; i < chart.bars.size(); ++i) {
      probes.emplace_back(int(chart.plot.x + slot * (double(i) + 0.5)),
                          chart.plot.y + chart.plot.height - 4);
    }
    return probes;
  }

  fs::path dir_;
};

TEST_F(ChartFiles, PngHasTheSizeAndEachBarItsColour) {
  for (const WithLegend legend : {WithLegend::Yes, WithLegend::No}) {
    const std::vector<Colour> colours = barColours(1700000000, 5);
    const ChartModel chart = buildBarChart(request(legend), colours);
    const fs::path path = dir_ / "grafico.png";
    ASSERT_TRUE(makeChart(chart, FileFormat::Png, path));
    const Image image = readPng(path);
    ASSERT_EQ(image.width, chart.width);
    ASSERT_EQ(image.height, chart.height);
    const auto probes = barProbes(chart);
    for (std::size_t i = 0; i < probes.size(); ++i) {
      EXPECT_TRUE(near(image.at(probes[i].first, probes[i].second), colours[i], 0)) << "bar " << i;
    }
    // Background inside, edge on the border, grid line at the bottom tick.
    EXPECT_TRUE(near(image.at(chart.width - 10, chart.height / 2 + 70), 0x0A9FA6, 0));
    EXPECT_TRUE(near(image.at(0, chart.height / 2), 0xEEAD00, 0));
    EXPECT_TRUE(near(image.at(chart.width / 2, 0), 0xEEAD00, 0));
    // Between two bars at the top tick's row: a grid line, not a bar.
    EXPECT_TRUE(near(image.at(chart.plot.x + int(double(chart.plot.width) / 5), chart.plot.y),
                     0xC0C0C0, 0));
  }
}

TEST_F(ChartFiles, JpegDecodesWithTheSizeAndNearlyTheColours) {
  const std::vector<Colour> colours = {0xD03020, 0x20B040, 0x3050E0, 0xF0F000, 0x202020};
  const ChartModel chart = buildBarChart(request(WithLegend::Yes), colours);
  const fs::path path = dir_ / "grafico.jpg";
  ASSERT_TRUE(makeChart(chart, FileFormat::Jpeg, path));
  EXPECT_EQ(readFile(path).substr(0, 3), "\xFF\xD8\xFF");
  const Image image = readJpeg(path);
  ASSERT_EQ(image.width, 750);
  ASSERT_EQ(image.height, 500);
  const auto probes = barProbes(chart);
  for (std::size_t i = 0; i < probes.size(); ++i) {
    EXPECT_TRUE(near(image.at(probes[i].first, probes[i].second - 20), colours[i], 12)) << i;
  }
}

TEST_F(ChartFiles, PdfRendersWithTheBarsWhereTheyBelong) {
  const std::vector<Colour> colours = barColours(1765000000, 5);
  const ChartModel chart = buildBarChart(request(WithLegend::Yes), colours);
  const fs::path path = dir_ / "grafico.pdf";
  ASSERT_TRUE(makeChart(chart, FileFormat::Pdf, path));
  EXPECT_EQ(readFile(path).substr(0, 5), "%PDF-");
  // One point per pixel: at 72 dpi the page is the chart's size.
  const std::string command = "pdftoppm -r 72 -png -singlefile '" + path.string() + "' '" +
                              (dir_ / "pagina").string() + "' 2>/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0) << "pdftoppm (poppler-utils) is needed";
  const Image image = readPng(dir_ / "pagina.png");
  ASSERT_EQ(image.width, 750);
  ASSERT_EQ(image.height, 500);
  const auto probes = barProbes(chart);
  for (std::size_t i = 0; i < probes.size(); ++i) {
    EXPECT_TRUE(near(image.at(probes[i].first, probes[i].second), colours[i], 2)) << i;
  }
  EXPECT_TRUE(near(image.at(740, 300), 0x0A9FA6, 2));
}

std::map<std::string, std::string> unzipAll(const fs::path& path, bool& valid) {
  std::map<std::string, std::string> parts;
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
  valid = archive != nullptr;
  if (archive == nullptr) return parts;
  const zip_int64_t count = zip_get_num_entries(archive, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    zip_stat_t stat;
    if (zip_stat_index(archive, zip_uint64_t(i), 0, &stat) != 0) {
      valid = false;
      continue;
    }
    zip_file_t* file = zip_fopen_index(archive, zip_uint64_t(i), 0);
    std::string content(stat.size, '\0');
    if (file == nullptr || zip_fread(file, content.data(), stat.size) != zip_int64_t(stat.size)) {
      valid = false;
    }
    if (file != nullptr) zip_fclose(file);
    parts[stat.name] = content;
  }
  zip_close(archive);
  return parts;
}

TEST_F(ChartFiles, PptxIsAZipOfWellFormedXmlWithOneShapePerBar) {
  const std::vector<Colour> colours = barColours(1700000001, 5);
  ChartRequest withMarkup = request(WithLegend::Yes);
  withMarkup.title = "Entrate & <uscite> \"2026\"";
  const ChartModel chart = buildBarChart(withMarkup, colours);
  const fs::path path = dir_ / "grafico.pptx";
  ASSERT_TRUE(makeChart(chart, FileFormat::Pptx, path));
  bool valid = false;
  const auto parts = unzipAll(path, valid);
  ASSERT_TRUE(valid);
  for (const char* name : {"[Content_Types].xml", "_rels/.rels", "ppt/presentation.xml",
                           "ppt/slides/slide1.xml", "ppt/slideLayouts/slideLayout1.xml",
                           "ppt/slideMasters/slideMaster1.xml", "ppt/theme/theme1.xml"}) {
    EXPECT_TRUE(parts.contains(name)) << name;
  }
  // Every part is well-formed XML, as xmllint reads it.
  int checked = 0;
  for (const auto& [name, content] : parts) {
    const fs::path copy = dir_ / ("part" + std::to_string(checked++) + ".xml");
    std::ofstream(copy, std::ios::binary) << content;
    const std::string command = "xmllint --noout '" + copy.string() + "' 2>/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << name << " (xmllint from libxml2-utils)";
  }
  EXPECT_EQ(checked, 16);
  // The slide is the chart's size, one point per pixel.
  EXPECT_NE(parts.at("ppt/presentation.xml").find("<p:sldSz cx=\"9525000\" cy=\"6350000\"/>"),
            std::string::npos);
  const std::string& slide = parts.at("ppt/slides/slide1.xml");
  EXPECT_EQ(slide.find("<p:pic"), std::string::npos) << "shapes, not a picture";
  for (std::size_t i = 0; i < colours.size(); ++i) {
    SCOPED_TRACE("bar " + std::to_string(i + 1));
    const std::string name = "name=\"Barra " + std::to_string(i + 1) + "\"";
    const auto at = slide.find(name);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(slide.find(name, at + 1), std::string::npos) << "one shape per bar";
    const auto begin = slide.rfind("<p:sp>", at);
    const auto end = slide.find("</p:sp>", at);
    ASSERT_NE(begin, std::string::npos);
    ASSERT_NE(end, std::string::npos);
    const std::string shape = slide.substr(begin, end - begin);
    EXPECT_NE(shape.find("<a:prstGeom prst=\"rect\">"), std::string::npos);
    char fill[64];
    std::snprintf(fill, sizeof fill, "<a:solidFill><a:srgbClr val=\"%06X\"/></a:solidFill>",
                  colours[i]);
    EXPECT_NE(shape.find(fill), std::string::npos) << shape;
  }
  // Texts are text boxes with their words, escaped.
  EXPECT_NE(slide.find("txBox=\"1\""), std::string::npos);
  EXPECT_NE(slide.find("<a:t>Entrate &amp; &lt;uscite&gt; &quot;2026&quot;</a:t>"),
            std::string::npos);
  EXPECT_NE(slide.find("<a:t>Gennaio</a:t>"), std::string::npos);
  // The label font falls back to an installed family, named in the file.
  EXPECT_EQ(slide.find("Segoe UI Dark"), std::string::npos);
  EXPECT_NE(slide.find("<a:latin typeface=\""), std::string::npos);
}

TEST_F(ChartFiles, UnwritablePathsFail) {
  const ChartModel chart = buildBarChart(request(WithLegend::No), barColours(1, 5));
  for (const FileFormat format :
       {FileFormat::Png, FileFormat::Jpeg, FileFormat::Pdf, FileFormat::Pptx}) {
    EXPECT_FALSE(makeChart(chart, format, dir_ / "assente" / "grafico"));
  }
  EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(ChartFiles, FormatsByExactExtension) {
  EXPECT_EQ(formatForExtension(".png"), FileFormat::Png);
  EXPECT_EQ(formatForExtension(".jpg"), FileFormat::Jpeg);
  EXPECT_EQ(formatForExtension(".pdf"), FileFormat::Pdf);
  EXPECT_EQ(formatForExtension(".pptx"), FileFormat::Pptx);
  for (const char* other : {".PNG", "png", ".jpeg", ".ppt", "", ".png "}) {
    EXPECT_EQ(formatForExtension(other), std::nullopt) << other;
  }
}

// The '5' command, run in a working directory of its own.
class BarChartCommand : public ChartFiles {
 protected:
  void SetUp() override {
    ChartFiles::SetUp();
    previous_ = fs::current_path();
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    ChartFiles::TearDown();
  }

  std::string run(const std::string& input, std::int64_t now) {
    std::istringstream in(input);
    std::ostringstream out;
    Console console(in, out);
    FakePlatform platform;
    platform.now = now;
    HistoryLog history;
    Context context{console, platform, history};
    EXPECT_EQ(runBarChart(context), Flow::Continue);
    rest_ = std::string(std::istreambuf_iterator<char>(in), {});
    return out.str();
  }

  std::vector<std::string> files() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      names.push_back(entry.path().filename());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  static constexpr const char* kDialogue = "Titolo\nx\ny\n3\nuno\n4\ndue\n-1\ny\n.png\nz\n";
  fs::path previous_;
  std::string rest_;
};

TEST_F(BarChartCommand, WritesTheChartUnderTheNameOfTheSecond) {
  const std::string out = run(kDialogue, 1700000000);
  EXPECT_TRUE(out.ends_with("\nGrafico salvato\n")) << out;
  EXPECT_EQ(files(), (std::vector<std::string>{"grafico_OiSmbIR6g6a0.png"}));
  EXPECT_EQ(rest_, "z\n");  // one character discarded after the extension
  const Image image = readPng(dir_ / "grafico_OiSmbIR6g6a0.png");
  EXPECT_EQ(image.width, 750);
  // Colours from the same second: 0x7630F6 then 0x14C548.
  EXPECT_TRUE(near(image.at(70 + 125, 445), 0x7630F6, 0));
  EXPECT_TRUE(near(image.at(70 + 375, 445), 0x14C548, 0));
}

TEST_F(BarChartCommand, AnExistingFileIsNeverReplaced) {
  std::ofstream("grafico_OiSmbIR6g6a0.png") << "il mio file";
  std::ofstream("grafico_m1592JMCD8eB.png") << "anche questo";
  const std::string out = run(kDialogue, 1700000000);
  EXPECT_TRUE(out.ends_with("\nGrafico salvato\n")) << out;
  EXPECT_EQ(files(),
            (std::vector<std::string>{"grafico_OiSmbIR6g6a0.png", "grafico_T0aCAGmGkMVb.png",
                                      "grafico_m1592JMCD8eB.png"}));
  EXPECT_EQ(readFile("grafico_OiSmbIR6g6a0.png"), "il mio file");
  EXPECT_EQ(readFile("grafico_m1592JMCD8eB.png"), "anche questo");
  // The colours still come from the time, not from the name's seed.
  const Image image = readPng(dir_ / "grafico_T0aCAGmGkMVb.png");
  EXPECT_TRUE(near(image.at(70 + 125, 445), 0x7630F6, 0));
}

TEST_F(BarChartCommand, AFailedWriteSaysSoAndLeavesNothing) {
  // A working directory that has been removed takes no new file.
  const fs::path gone = dir_ / "rimossa";
  fs::create_directory(gone);
  fs::current_path(gone);
  fs::remove(gone);
  const std::string out = run(kDialogue, 1700000000);
  fs::current_path(dir_);
  EXPECT_TRUE(out.ends_with("\nErrore: impossibile salvare il grafico.\n")) << out;
  EXPECT_EQ(out.find("Grafico salvato"), std::string::npos);
  EXPECT_EQ(rest_, "z\n");
  EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(BarChartCommand, NoFileForAWrongExtensionOrNoData) {
  run("t\nx\ny\n3\nuno\n-1\nno\n.PNG\n", 1700000000);
  run("t\nx\ny\n-1\n", 1700000000);
  EXPECT_TRUE(fs::is_empty(dir_));
}

}  // namespace
}  // namespace tavrik::chart
