#include "chart/AxisScale.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace tavrik::chart {

namespace {

constexpr double kLargest = std::numeric_limits<double>::max();
// At most this many ticks, whatever the length.
constexpr double kMostTicks = 1000;
// The powers of ten a step may have: 1e-323 is the least that is not zero.
constexpr int kLeastExponent = -323;
constexpr int kMostExponent = 308;

double finite(double value) { return std::isnan(value) ? 0.0 : std::clamp(value, -kLargest, kLargest); }

// log10(high - low) for high > low, without forming a difference that may
// be beyond the largest double.
double logSpan(double low, double high) {
  const double span = high - low;
  return std::isfinite(span) ? std::log10(span) : std::log10(high / 2 - low / 2) + std::log10(2.0);
}

// The multiples of `step` from the last at or below `low` to the first at or
// above `high`; a multiple that is not a double gives way to the value itself
// (see AxisScale). Empty when they would be too many. The indices are small:
// step is at least (high - low) / kMostTicks.
std::vector<double> multiples(double low, double high, double step) {
  double first = std::floor(low / step);
  double last = std::ceil(high / step);
  if (first * step > low) first -= 1;
  if (last * step < high) last += 1;
  if (last - first > kMostTicks) return {};
  const bool openLow = !std::isfinite(first * step);
  const bool openHigh = !std::isfinite(last * step);
  std::vector<double> ticks;
  if (openLow) ticks.push_back(low);
  for (double i = openLow ? first + 1 : first; i <= (openHigh ? last - 1 : last); i += 1) {
    const double tick = i * step == 0 ? 0.0 : i * step;
    // Halves: near the largest doubles the differences themselves overflow.
    if (openLow && tick / 2 - low / 2 < step / 4) continue;
    if (openHigh && high / 2 - tick / 2 < step / 4) continue;
    ticks.push_back(tick);
  }
  if (openHigh) ticks.push_back(high);
  return ticks;
}

bool spacedApart(const AxisScale& scale, double length, double minSpacing) {
  for (std::size_t i = 1; i < scale.ticks.size(); ++i) {
    const double gap = (scale.position(scale.ticks[i]) - scale.position(scale.ticks[i - 1])) * length;
    // A relative tolerance: the multiples of a step such as 0.1 are not
    // exactly evenly spaced.
    if (!(gap >= minSpacing * (1 - 1e-9))) return false;
  }
  return true;
}

}  // namespace

double AxisScale::position(double value) const {
  const double span = high() - low();
  if (std::isfinite(span)) return (value - low()) / span;
  return (value / 2 - low() / 2) / (high() / 2 - low() / 2);
}

AxisScale scaleAxis(double minValue, double maxValue, double length, double minSpacing) {
  const double low = std::min(finite(minValue), 0.0);
  double high = std::max(finite(maxValue), 0.0);
  if (!(high > low)) high = 1;
  AxisScale scale;
  scale.step = 0;
  scale.ticks = {low, high};
  if (!(length >= minSpacing) || !(minSpacing > 0)) return scale;
  const double intervals = std::clamp(std::floor(length / minSpacing), 1.0, kMostTicks - 1);
  // The least step: the span over the most intervals the length holds.
  const double logLeast = logSpan(low, high) - std::log10(intervals);
  const int from = std::clamp(static_cast<int>(std::floor(logLeast)), kLeastExponent, kMostExponent);
  for (int exponent = from; exponent <= kMostExponent; ++exponent) {
    for (const double digit : {1.0, 2.0, 5.0}) {
      const double step = digit * std::pow(10.0, exponent);
      if (!std::isfinite(step) || std::log10(step) < logLeast - 1e-9) continue;
      AxisScale candidate;
      candidate.step = step;
      candidate.ticks = multiples(low, high, step);
      if (candidate.ticks.size() >= 2 && spacedApart(candidate, length, minSpacing)) return candidate;
    }
  }
  return scale;  // the ends alone, as far apart as the axis is long
}

std::string formatTick(double value) {
  if (value == 0) value = 0.0;  // no "-0"
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

}  // namespace tavrik::chart
