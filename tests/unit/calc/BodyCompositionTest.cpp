#include "calc/BodyComposition.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace tavrik::calc {
namespace {

TEST(BodyComposition, OnlyMSelectsTheMaleFormula) {
  EXPECT_EQ(sexFromLetter('M'), Sex::Male);
  EXPECT_EQ(sexFromLetter('m'), Sex::Male);
  EXPECT_EQ(sexFromLetter('F'), Sex::Female);
  EXPECT_EQ(sexFromLetter('f'), Sex::Female);
  EXPECT_EQ(sexFromLetter('x'), Sex::Female);
}

TEST(BodyComposition, PercentageFromTheBodyMassIndex) {
  EXPECT_NEAR(bodyFatPercentage(Sex::Male, 30, 70, 175), 18.128571428571, 1e-9);
  EXPECT_NEAR(bodyFatPercentage(Sex::Female, 30, 60, 165), 27.946280991736, 1e-9);
  EXPECT_NEAR(bodyFatPercentage(Sex::Male, 40, 80, 180), 22.629629629630, 1e-9);
}

TEST(BodyComposition, FatMassIsThePercentageOfTheWeight) {
  const auto male = computeBodyComposition(Sex::Male, 30, 70, 175);
  ASSERT_TRUE(male.has_value());
  EXPECT_NEAR(male->fatKg, 12.69, 1e-9);
  EXPECT_NEAR(male->leanKg, 57.31, 1e-9);
  const auto female = computeBodyComposition(Sex::Female, 30, 60, 165);
  ASSERT_TRUE(female.has_value());
  EXPECT_NEAR(female->fatKg, 16.767768595041, 1e-9);
  EXPECT_NEAR(female->leanKg, 43.232231404959, 1e-9);
  EXPECT_DOUBLE_EQ(female->fatKg + female->leanKg, 60.0);
}

TEST(BodyComposition, WeightAndHeightMustBePositive) {
  constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(computeBodyComposition(Sex::Male, 30, 0, 175), std::nullopt);
  EXPECT_EQ(computeBodyComposition(Sex::Male, 30, 70, 0), std::nullopt);
  EXPECT_EQ(computeBodyComposition(Sex::Female, 30, -60, 165), std::nullopt);
  EXPECT_EQ(computeBodyComposition(Sex::Female, 30, 60, -165), std::nullopt);
  EXPECT_EQ(computeBodyComposition(Sex::Female, 30, kNan, 165), std::nullopt);
  EXPECT_TRUE(computeBodyComposition(Sex::Female, 30, 0.001, 0.001).has_value());
}

}  // namespace
}  // namespace tavrik::calc
