// The value axis for any two doubles: its ticks are finite, ascending and
// few, the axis takes in zero and the values, and the step is "nice".

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "chart/AxisScale.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2 * sizeof(double) + 1) return 0;
  double first = 0;
  double second = 0;
  std::memcpy(&first, data, sizeof first);
  std::memcpy(&second, data + sizeof first, sizeof second);
  const int intervals = data[2 * sizeof(double)] % 40;
  const double low = std::fmin(first, second);
  const double high = std::fmax(first, second);

  const tavrik::chart::AxisScale scale = tavrik::chart::scaleAxis(low, high, intervals);
  if (scale.ticks.empty() || scale.ticks.size() > 1000) std::abort();
  if (!std::isfinite(scale.low) || !std::isfinite(scale.high) || !(scale.step > 0)) std::abort();
  if (!(scale.low < scale.high)) std::abort();
  for (std::size_t i = 0; i < scale.ticks.size(); ++i) {
    const double tick = scale.ticks[i];
    if (!std::isfinite(tick) || tick < scale.low || tick > scale.high) std::abort();
    if (i > 0 && !(tick > scale.ticks[i - 1])) std::abort();
  }
  if (scale.low > 0 || scale.high < 0) std::abort();
  if (std::isfinite(low) && scale.low > low) std::abort();
  if (std::isfinite(high) && scale.high < high) std::abort();
  // Tick texts never come out as "-0" in any form.
  for (const double tick : scale.ticks) {
    const std::string text = tavrik::chart::formatTick(tick, scale.step);
    if (text.empty() || (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos)) {
      std::abort();
    }
  }
  return 0;
}
