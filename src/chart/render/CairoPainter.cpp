#include "chart/render/CairoPainter.hpp"

#include <cmath>
#include <string_view>

#include "chart/render/TextEngine.hpp"

namespace tavrik::chart::render {

namespace {

void setColour(cairo_t* cr, std::uint32_t colour) {
  cairo_set_source_rgb(cr, ((colour >> 16) & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                       (colour & 0xFF) / 255.0);
}

void paintRect(cairo_t* cr, const TavrikChartItem& item) {
  if (item.fill != kTavrikChartNoColour) {
    cairo_rectangle(cr, item.x, item.y, item.w, item.h);
    setColour(cr, item.fill);
    cairo_fill(cr);
  }
  if (item.edge != kTavrikChartNoColour && item.edgeWidth > 0) {
    cairo_rectangle(cr, item.x, item.y, item.w, item.h);
    setColour(cr, item.edge);
    cairo_set_line_width(cr, item.edgeWidth);
    cairo_stroke(cr);
  }
}

void paintLine(cairo_t* cr, const TavrikChartItem& item) {
  if (item.fill == kTavrikChartNoColour || item.edgeWidth <= 0) return;
  cairo_move_to(cr, item.x, item.y);
  cairo_line_to(cr, item.x2, item.y2);
  setColour(cr, item.fill);
  cairo_set_line_width(cr, item.edgeWidth);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_stroke(cr);
}

// Lines of text stacked from the top of a box of the given size whose top
// left corner is at the current origin, each placed by the alignment.
void paintLines(cairo_t* cr, const TavrikChartItem& item, double boxWidth, double boxHeight) {
  TextEngine& engine = textEngine();
  std::string_view text = item.text;
  std::size_t lineCount = 1;
  for (const char c : text) lineCount += c == '\n';
  double y = (boxHeight - static_cast<double>(lineCount) * item.lineHeight) / 2;
  while (true) {
    const auto end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    if (!line.empty()) {
      PangoLayout* layout = engine.layout(item.family, item.size, line);
      double width = 0;
      double height = 0;
      TextEngine::layoutSize(layout, width, height);
      double x = 0;
      if (item.align == 1) x = (boxWidth - width) / 2;
      if (item.align == 2) x = boxWidth - width;
      cairo_move_to(cr, x, y);
      pango_cairo_show_layout(cr, layout);
    }
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
    y += item.lineHeight;
  }
}

void paintText(cairo_t* cr, const TavrikChartItem& item) {
  if (item.text == nullptr || item.fill == kTavrikChartNoColour) return;
  cairo_save(cr);
  setColour(cr, item.fill);
  if (item.rotated != 0) {
    cairo_translate(cr, item.x + item.w / 2, item.y + item.h / 2);
    cairo_rotate(cr, -M_PI / 2);
    cairo_translate(cr, -item.h / 2, -item.w / 2);
    paintLines(cr, item, item.h, item.w);
  } else {
    cairo_translate(cr, item.x, item.y);
    paintLines(cr, item, item.w, item.h);
  }
  cairo_restore(cr);
}

}  // namespace

void paintPicture(cairo_t* cr, const TavrikChartPicture& picture) {
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
  for (std::size_t i = 0; i < picture.count; ++i) {
    const TavrikChartItem& item = picture.items[i];
    switch (item.kind) {
      case kTavrikChartRect:
        paintRect(cr, item);
        break;
      case kTavrikChartLine:
        paintLine(cr, item);
        break;
      case kTavrikChartText:
        paintText(cr, item);
        break;
      default:
        break;
    }
  }
}

}  // namespace tavrik::chart::render
