#include "chart/ChartRenderer.hpp"

#include <type_traits>
#include <utility>
#include <vector>

#include "chart/ChartPlatform.hpp"
#include "chart/RenderInterface.hpp"

namespace tavrik::chart {

namespace {

int formatCode(FileFormat format) {
  switch (format) {
    case FileFormat::Png:
      return kTavrikChartPng;
    case FileFormat::Jpeg:
      return kTavrikChartJpeg;
    case FileFormat::Pdf:
      return kTavrikChartPdf;
    case FileFormat::Pptx:
      return kTavrikChartPptx;
  }
  return kTavrikChartPng;
}

// The picture as the plain structures the module reads; they point into
// the display list's strings.
struct FlatPicture {
  std::vector<TavrikChartItem> items;
};

FlatPicture flatten(const DisplayList& picture) {
  FlatPicture flat;
  flat.items.reserve(picture.items.size());
  for (const DisplayItem& entry : picture.items) {
    TavrikChartItem item{};
    std::visit(
        [&](const auto& part) {
          using Part = std::decay_t<decltype(part)>;
          item.name = part.name.c_str();
          if constexpr (std::is_same_v<Part, RectItem>) {
            item.kind = kTavrikChartRect;
            item.x = part.box.x;
            item.y = part.box.y;
            item.w = part.box.width;
            item.h = part.box.height;
            item.fill = part.fill;
            item.edge = part.edge;
            item.edgeWidth = part.edgeWidth;
          } else if constexpr (std::is_same_v<Part, LineItem>) {
            item.kind = kTavrikChartLine;
            item.x = part.x1;
            item.y = part.y1;
            item.x2 = part.x2;
            item.y2 = part.y2;
            item.fill = part.colour;
            item.edge = kNoColour;
            item.edgeWidth = part.width;
          } else {
            item.kind = kTavrikChartText;
            item.x = part.x;
            item.y = part.y;
            item.w = part.width;
            item.h = part.lineHeight;
            item.fill = part.colour;
            item.edge = kNoColour;
            item.text = part.text.c_str();
            item.family = part.font.family.c_str();
            item.size = part.font.size;
            item.ascent = part.ascent;
            item.rotated = part.upward ? 1 : 0;
          }
        },
        entry);
    flat.items.push_back(item);
  }
  return flat;
}

}  // namespace

std::optional<FileFormat> formatForExtension(std::string_view extension) {
  if (extension == ".png") return FileFormat::Png;
  if (extension == ".jpg") return FileFormat::Jpeg;
  if (extension == ".pdf") return FileFormat::Pdf;
  if (extension == ".pptx") return FileFormat::Pptx;
  return std::nullopt;
}

TextSize RendererMeasurer::measure(std::string_view text, const Font& font) {
  auto key = std::make_tuple(font.family, font.size, std::string(text));
  if (const auto found = known_.find(key); found != known_.end()) return found->second;
  const TavrikChartRenderer* renderer = loadRenderer(RendererModule::Drawing);
  TextSize size;
  if (renderer == nullptr || renderer->measureText == nullptr ||
      renderer->measureText(font.family.c_str(), font.size, text.data(), text.size(), &size.width,
                            &size.lineHeight, &size.ascent) != 0) {
    return {};
  }
  known_.emplace(std::move(key), size);
  return size;
}

bool writePicture(const DisplayList& picture, FileFormat format, const std::string& path) {
  const TavrikChartRenderer* renderer = loadRenderer(
      format == FileFormat::Pptx ? RendererModule::Presentation : RendererModule::Drawing);
  if (renderer == nullptr) return false;
  const FlatPicture flat = flatten(picture);
  const TavrikChartPicture plain{picture.width, picture.height, flat.items.data(),
                                 flat.items.size(), picture.title.c_str()};
  return renderer->writePicture(&plain, formatCode(format), path.c_str()) == 0;
}

bool makeChart(const ChartModel& chart, FileFormat format, const std::string& path) {
  if (loadRenderer(RendererModule::Drawing) == nullptr) return false;
  RendererMeasurer measurer;
  return writePicture(layoutChart(chart, measurer), format, path);
}

}  // namespace tavrik::chart
