#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "chart/ChartLayout.hpp"
#include "chart/ChartModel.hpp"
#include "chart/DisplayList.hpp"

namespace tavrik::chart {

enum class FileFormat { Png, Jpeg, Pdf, Pptx };

/// The format of a chart file extension (".png", ".jpg", ".pdf", ".pptx",
/// exactly); nullopt for any other.
std::optional<FileFormat> formatForExtension(std::string_view extension);

/// Measures text with the renderer's fonts, remembering each answer; a
/// renderer that cannot be loaded measures nothing (every size 0).
class RendererMeasurer final : public TextMeasurer {
 public:
  TextSize measure(std::string_view text, const Font& font) override;

 private:
  std::map<std::tuple<std::string, double, std::string>, TextSize, std::less<>> known_;
};

/// Writes a laid-out picture to path in the format; false when the renderer
/// is missing or the file cannot be written.
bool writePicture(const DisplayList& picture, FileFormat format, const std::string& path);

/// Lays the chart out with the renderer's fonts and writes it to path.
bool makeChart(const ChartModel& chart, FileFormat format, const std::string& path);

}  // namespace tavrik::chart
