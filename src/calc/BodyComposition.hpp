#pragma once

#include <optional>

namespace tavrik::calc {

/// Which of the two formulas applies.
enum class Sex { Male, Female };

/// "M" and "m" select the male formula; every other letter the female one.
Sex sexFromLetter(char letter);

/// Estimated body-fat percentage from the body-mass index:
/// index * 1.2 + age * 0.23 - 16.2 for men, - 5.4 for women.
double bodyFatPercentage(Sex sex, int age, double weightKg, double heightCm);

/// Fat and lean mass in kilograms.
struct BodyComposition {
  double fatKg;
  double leanKg;
};

/// Fat mass = weight * percentage / 100 and lean mass = weight - fat mass;
/// nullopt unless weight and height are both above zero.
std::optional<BodyComposition> computeBodyComposition(Sex sex, int age, double weightKg,
                                                      double heightCm);

}  // namespace tavrik::calc
