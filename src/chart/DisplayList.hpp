#pragma once

#include <string>
#include <variant>
#include <vector>

#include "chart/ChartModel.hpp"

namespace tavrik::chart {

/// A rectangle in pixels, from the picture's top left corner.
struct Box {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
};

/// A filled rectangle with an optional edge, stroked along its outline.
struct RectItem {
  Box box;
  Colour fill = kNoColour;
  Colour edge = kNoColour;
  double edgeWidth = 0;
  std::string name;
};

struct LineItem {
  double x1 = 0;
  double y1 = 0;
  double x2 = 0;
  double y2 = 0;
  Colour colour = 0;
  double width = 1;
  std::string name;
};

/// One line of text, placed: it starts at (x, y) on its baseline and runs
/// `width` pixels to the right, or, upward, turned a quarter to the left so
/// that it reads from (x, y) upwards. Renderers draw it there as it is.
struct TextRun {
  double x = 0;
  double y = 0;
  double width = 0;       // as measured
  double ascent = 0;      // from the top of the line to the baseline
  double lineHeight = 0;  // from the top of the line to the top of the next
  std::string text;
  Font font;
  Colour colour = kDefaultTextColour;
  bool upward = false;
  std::string name;
};

/// The room a run takes on the picture: its line from top to bottom along
/// its width.
inline Box runBox(const TextRun& run) {
  if (run.upward) return {run.x - run.ascent, run.y - run.width, run.lineHeight, run.width};
  return {run.x, run.y - run.ascent, run.width, run.lineHeight};
}

using DisplayItem = std::variant<RectItem, LineItem, TextRun>;

/// The finished picture: what every file format draws, item after item.
struct DisplayList {
  int width = 0;
  int height = 0;
  std::string title;
  std::vector<DisplayItem> items;
};

}  // namespace tavrik::chart
