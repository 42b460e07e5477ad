#include "chart/render/TextEngine.hpp"

#include <algorithm>

#include "chart/shared/FontMatch.hpp"

namespace tavrik::chart::render {

namespace {

// Longer texts are cut: pango counts bytes in an int.
constexpr std::size_t kMaxTextBytes = 1u << 24;

}  // namespace

TextEngine::TextEngine() {
  fontMap_ = pango_cairo_font_map_new();
  context_ = pango_font_map_create_context(fontMap_);
  // Unhinted metrics: a text is as wide in a PNG as in a PDF or a slide.
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  pango_cairo_context_set_font_options(context_, options);
  cairo_font_options_destroy(options);
  pango_cairo_context_set_resolution(context_, 72.0);
  pango_context_set_round_glyph_positions(context_, FALSE);
}

TextEngine::~TextEngine() {
  for (auto& [font, layout] : layouts_) g_object_unref(layout);
  g_object_unref(context_);
  g_object_unref(fontMap_);
}

PangoLayout* TextEngine::layout(const char* family, double size, std::string_view text) {
  const std::string& matched = shared::matchFontFamily(family);
  PangoLayout*& layout = layouts_[{matched, size}];
  if (layout == nullptr) {
    layout = pango_layout_new(context_);
    PangoFontDescription* font = pango_font_description_new();
    pango_font_description_set_family(font, matched.c_str());
    pango_font_description_set_absolute_size(font, size * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
  }
  const std::size_t length = std::min<std::size_t>(text.size(), kMaxTextBytes);
  pango_layout_set_text(layout, text.data(), static_cast<int>(length));
  return layout;
}

void TextEngine::layoutSize(PangoLayout* layout, double& width, double& height, double& baseline) {
  PangoRectangle logical{};
  pango_layout_get_extents(layout, nullptr, &logical);
  width = static_cast<double>(logical.width) / PANGO_SCALE;
  height = static_cast<double>(logical.height) / PANGO_SCALE;
  baseline = static_cast<double>(pango_layout_get_baseline(layout)) / PANGO_SCALE;
}

TextEngine& textEngine() {
  static TextEngine engine;
  return engine;
}

}  // namespace tavrik::chart::render
