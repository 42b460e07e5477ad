#pragma once

#include <pango/pangocairo.h>

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace tavrik::chart::render {

/// Text layout for measuring and for drawing, so that both agree: one pango
/// font map, no hinting, sizes in pixels, families matched by fontconfig.
class TextEngine {
 public:
  TextEngine();
  ~TextEngine();
  TextEngine(const TextEngine&) = delete;
  TextEngine& operator=(const TextEngine&) = delete;

  /// A one-line layout of the text in the font. It belongs to the engine and
  /// serves until the next call (one layout per font is kept and reused).
  PangoLayout* layout(const char* family, double size, std::string_view text);

  /// Logical width and height of a layout, and its baseline below its top,
  /// in pixels.
  static void layoutSize(PangoLayout* layout, double& width, double& height, double& baseline);

 private:
  PangoFontMap* fontMap_ = nullptr;
  PangoContext* context_ = nullptr;
  std::map<std::pair<std::string, double>, PangoLayout*> layouts_;
};

/// The engine of the module, made on first use and kept while it is loaded.
TextEngine& textEngine();

}  // namespace tavrik::chart::render
