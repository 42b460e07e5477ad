#pragma once

#include <optional>
#include <span>
#include <variant>

namespace tavrik::calc {

/// Sine of an angle in degrees; exactly 0, 1 or -1 at multiples of 90.
double sineOfDegrees(double degrees);
/// Cosine of an angle in degrees; exactly 0, 1 or -1 at multiples of 90.
double cosineOfDegrees(double degrees);
/// Tangent of an angle in degrees; exactly 0 at multiples of 180, nullopt at
/// 90 + k * 180 where the tangent is not defined.
std::optional<double> tangentOfDegrees(double degrees);

/// A result narrowed to `float` for printing: a zero loses its sign (so it
/// prints "0", not "-0") and a finite value beyond the `float` range becomes
/// an infinity of its sign.
float narrowForPrinting(double value);

/// Why an n-th root has no value.
enum class RootError { InvalidIndex, EvenRootOfNegative };

/// The real n-th root of x: x^(1/n) for x >= 0, and the negative real root
/// for a negative x with an odd n. An index of 0 is refused first, then a
/// negative x with an even n.
std::variant<double, RootError> nthRoot(int x, int n);

/// Sum of the values divided by their number; nullopt when there are none.
std::optional<double> arithmeticMean(std::span<const double> values);

}  // namespace tavrik::calc
