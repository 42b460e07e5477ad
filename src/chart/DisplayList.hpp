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

/// Lines of text, already broken, stacked and centred vertically in a box and
/// placed across it by the alignment. An upward text is turned a quarter to
/// the left: it reads from the bottom of its box to the top.
struct TextItem {
  Box box;
  std::vector<std::string> lines;
  Font font;
  Colour colour = kDefaultTextColour;
  double lineHeight = 0;
  Align align = Align::Left;
  bool upward = false;
  std::string name;
};

using DisplayItem = std::variant<RectItem, LineItem, TextItem>;

/// The finished picture: what every file format draws, item after item.
struct DisplayList {
  int width = 0;
  int height = 0;
  std::string title;
  std::vector<DisplayItem> items;
};

}  // namespace tavrik::chart
