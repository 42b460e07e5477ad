#pragma once

#include <string>
#include <vector>

namespace tavrik::chart {

/// A value axis drawn along `length` pixels. For any finite values (the
/// largest doubles of both signs, the smallest subnormal, both at once):
/// - zero and every value lie between the first and the last tick:
///   ticks.front() <= min(values, 0) and ticks.back() >= max(values, 0);
/// - the ticks are finite, strictly ascending, and at least `minSpacing`
///   pixels apart along the axis; when the axis is shorter than that, its
///   two ends are its only ticks;
/// - the ticks are the multiples of a nice step (1, 2 or 5 times a power of
///   ten) from the first to the last, the smallest step that keeps them that
///   far apart; only where the multiple past a value does not exist as a
///   double (beyond the largest one) the axis ends at the value itself, and
///   a multiple closer than half a step to such an end is left out;
/// - position() never overflows: it divides halves when the span of the
///   axis is beyond the largest double.
struct AxisScale {
  double step = 1;
  std::vector<double> ticks{0, 1};  // ascending, at least two

  double low() const { return ticks.front(); }
  double high() const { return ticks.back(); }
  /// Where a value lies along the axis: 0 at its low end, 1 at its high end
  /// (and proportionally beyond them).
  double position(double value) const;
};

/// The scale of an axis of `length` pixels that shows every value from
/// minValue to maxValue and zero, its ticks at least `minSpacing` apart.
/// Not-a-number counts as zero and the infinities as the largest doubles.
AxisScale scaleAxis(double minValue, double maxValue, double length, double minSpacing);

/// A tick's text, as the program writes every number: general format with
/// six significant digits (0.25, 1500, 1e+11, -1.79769e+308), never "-0".
std::string formatTick(double value);

}  // namespace tavrik::chart
