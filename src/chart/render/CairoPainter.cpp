#include "chart/render/CairoPainter.hpp"

#include <cmath>

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

// One run of text, its baseline starting at (x, y) as the layout placed it.
void paintText(cairo_t* cr, const TavrikChartItem& item) {
  if (item.text == nullptr || item.text[0] == '\0' || item.fill == kTavrikChartNoColour) return;
  PangoLayout* layout = textEngine().layout(item.family, item.size, item.text);
  cairo_save(cr);
  setColour(cr, item.fill);
  cairo_translate(cr, item.x, item.y);
  if (item.rotated != 0) cairo_rotate(cr, -M_PI / 2);
  cairo_move_to(cr, 0, -item.ascent);
  pango_cairo_show_layout(cr, layout);
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
