#pragma once

#include <string>
#include <vector>

namespace tavrik::chart {

/// A value axis: its ends and its ticks, a "nice" step (1, 2 or 5 times a
/// power of ten) apart.
struct AxisScale {
  double low = 0;
  double high = 1;
  double step = 1;
  std::vector<double> ticks;  // ascending, from low
};

/// The scale that shows every value from minValue to maxValue and zero: it
/// starts at zero, or at a tick at or below the smallest value when that is
/// negative, and ends at the first tick at or above the largest value, with
/// at most about maxIntervals steps.
AxisScale scaleAxis(double minValue, double maxValue, int maxIntervals);

/// A tick's text: as many decimals as the step needs, no exponent for
/// ordinary magnitudes, never "-0".
std::string formatTick(double value, double step);

}  // namespace tavrik::chart
