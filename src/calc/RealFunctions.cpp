#include "calc/RealFunctions.hpp"

#include <cmath>
#include <limits>
#include <numbers>

namespace tavrik::calc {

namespace {

constexpr double kDegreesPerTurn = 360.0;
constexpr double kDegreesPerQuarter = 90.0;
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// The angle brought into (-360, 360); fmod is exact, so a multiple of 90
// stays one.
double reduceDegrees(double degrees) { return std::fmod(degrees, kDegreesPerTurn); }

// 0..3 for an angle that is a whole number of quarter turns, counted
// anticlockwise from 0 degrees; nullopt for every other angle (NaN included).
std::optional<int> quarterTurns(double degrees) {
  const double reduced = reduceDegrees(degrees);
  if (std::fmod(reduced, kDegreesPerQuarter) != 0.0) return std::nullopt;
  const int quarters = static_cast<int>(reduced / kDegreesPerQuarter);  // -3..3
  return (quarters + 4) % 4;
}

double radiansOf(double degrees) { return reduceDegrees(degrees) * kRadiansPerDegree; }

}  // namespace

double sineOfDegrees(double degrees) {
  if (const auto quarters = quarterTurns(degrees)) {
    constexpr double kSines[] = {0.0, 1.0, 0.0, -1.0};
    return kSines[*quarters];
  }
  return std::sin(radiansOf(degrees));
}

double cosineOfDegrees(double degrees) {
  if (const auto quarters = quarterTurns(degrees)) {
    constexpr double kCosines[] = {1.0, 0.0, -1.0, 0.0};
    return kCosines[*quarters];
  }
  return std::cos(radiansOf(degrees));
}

std::optional<double> tangentOfDegrees(double degrees) {
  if (const auto quarters = quarterTurns(degrees)) {
    if (*quarters % 2 != 0) return std::nullopt;
    return 0.0;
  }
  return std::tan(radiansOf(degrees));
}

float narrowForPrinting(double value) {
  // A conversion to float is only defined inside the float range, so values
  // beyond it are rounded here as IEEE 754 rounds to nearest: up to the
  // midpoint between the largest float and 2^128 they give the largest float,
  // from there on an infinity.
  constexpr float kLargest = std::numeric_limits<float>::max();
  constexpr double kOverflowFrom = 0x1.ffffffp127;
  if (std::isfinite(value) && std::fabs(value) > kLargest) {
    const float magnitude =
        std::fabs(value) >= kOverflowFrom ? std::numeric_limits<float>::infinity() : kLargest;
    return value > 0 ? magnitude : -magnitude;
  }
  const auto narrowed = static_cast<float>(value);
  return narrowed == 0.0F ? 0.0F : narrowed;
}

std::variant<double, RootError> nthRoot(int x, int n) {
  if (n == 0) return RootError::InvalidIndex;
  const double exponent = 1.0 / n;
  if (x >= 0) return std::pow(static_cast<double>(x), exponent);
  if (n % 2 == 0) return RootError::EvenRootOfNegative;
  // An odd root keeps the sign: the root of the magnitude, negated.
  return -std::pow(-static_cast<double>(x), exponent);
}

std::optional<double> arithmeticMean(std::span<const double> values) {
  if (values.empty()) return std::nullopt;
  double sum = 0.0;
  for (const double value : values) sum += value;
  return sum / static_cast<double>(values.size());
}

}  // namespace tavrik::calc
