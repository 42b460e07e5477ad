#include "chart/AxisScale.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace tavrik::chart {

namespace {

// At most this many ticks, whatever the input.
constexpr int kMaxTicks = 1000;

double niceStep(double raw) {
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  if (!(power > 0) || !std::isfinite(power)) return raw;
  const double fraction = raw / power;
  if (fraction <= 1) return power;
  if (fraction <= 2) return 2 * power;
  if (fraction <= 5) return 5 * power;
  return 10 * power;
}

}  // namespace

AxisScale scaleAxis(double minValue, double maxValue, int maxIntervals) {
  const double largest = std::numeric_limits<double>::max();
  double low = std::isnan(minValue) ? 0.0 : std::clamp(std::min(minValue, 0.0), -largest, 0.0);
  double high = std::isnan(maxValue) ? 0.0 : std::clamp(std::max(maxValue, 0.0), 0.0, largest);
  if (!(high > low)) high = low + 1;
  maxIntervals = std::clamp(maxIntervals, 1, kMaxTicks / 2);

  // Each end divided first: the range itself may not be representable.
  double step = niceStep(high / maxIntervals - low / maxIntervals);
  // Below the smallest doubles a tenth of the range is zero: one step then.
  if (!(step > 0) || !std::isfinite(step)) step = high - low;
  if (!std::isfinite(step)) step = high / 2 - low / 2;
  double lowIndex = std::floor(low / step);
  double highIndex = std::ceil(high / step);
  if (lowIndex * step > low) lowIndex -= 1;
  if (highIndex * step < high) highIndex += 1;

  AxisScale scale;
  scale.step = step;
  scale.low = lowIndex * step;
  scale.high = highIndex * step;
  // Near the largest double the tick past a value does not exist: the axis
  // then ends at the value itself.
  if (!std::isfinite(scale.low)) {
    lowIndex += 1;
    scale.low = low;
  }
  if (!std::isfinite(scale.high)) {
    highIndex -= 1;
    scale.high = high;
  }
  const double count = std::min(highIndex - lowIndex, static_cast<double>(kMaxTicks - 1));
  for (int i = 0; i <= static_cast<int>(count); ++i) {
    const double tick = (lowIndex + i) * step;
    scale.ticks.push_back(tick == 0 ? 0.0 : tick);
  }
  return scale;
}

std::string formatTick(double value, double step) {
  if (value == 0) value = 0.0;  // no "-0"
  char text[400];
  const double magnitude = std::fabs(value);
  if (magnitude >= 1e15 || step < 1e-9 || !std::isfinite(value)) {
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
  }
  int decimals = 0;
  if (step < 1) decimals = static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  std::string result = text;
  // A tiny negative value rounds to "-0" or "-0.00".
  if (result[0] == '-' && result.find_first_not_of("-0.") == std::string::npos) result.erase(0, 1);
  return result;
}

}  // namespace tavrik::chart
