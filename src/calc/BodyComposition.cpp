#include "calc/BodyComposition.hpp"

#include <cmath>

namespace tavrik::calc {

namespace {

constexpr double kCentimetresPerMetre = 100.0;
constexpr double kIndexFactor = 1.2;
constexpr double kAgeFactor = 0.23;
constexpr double kMaleOffset = 16.2;
constexpr double kFemaleOffset = 5.4;
constexpr double kPercent = 100.0;

}  // namespace

Sex sexFromLetter(char letter) { return letter == 'M' || letter == 'm' ? Sex::Male : Sex::Female; }

double bodyFatPercentage(Sex sex, int age, double weightKg, double heightCm) {
  const double heightMetres = heightCm / kCentimetresPerMetre;
  const double index = weightKg / std::pow(heightMetres, 2.0);
  const double offset = sex == Sex::Male ? kMaleOffset : kFemaleOffset;
  return index * kIndexFactor + static_cast<double>(age) * kAgeFactor - offset;
}

std::optional<BodyComposition> computeBodyComposition(Sex sex, int age, double weightKg,
                                                      double heightCm) {
  if (!(weightKg > 0.0) || !(heightCm > 0.0)) return std::nullopt;
  const double fat = weightKg * bodyFatPercentage(sex, age, weightKg, heightCm) / kPercent;
  return BodyComposition{fat, weightKg - fat};
}

}  // namespace tavrik::calc
