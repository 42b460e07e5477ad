#include <optional>
#include <string_view>

#include "calc/BodyComposition.hpp"
#include "calc/CalculatorCommands.hpp"
#include "calc/CalculatorText.hpp"
#include "shell/Console.hpp"

namespace tavrik::calc {

namespace {

constexpr std::string_view kSexPrompt = "Inserire il sesso (M/F): ";
constexpr std::string_view kAgePrompt = "Inserire l'eta': ";
constexpr std::string_view kWeightPrompt = "Inserire il peso (Kg): ";
constexpr std::string_view kHeightPrompt = "Inserire l'altezza (cm): ";
constexpr std::string_view kNotPositive = "Errore: peso e altezza devono essere positivi.";
constexpr std::string_view kFatLabel = "Massa grassa: ";
constexpr std::string_view kLeanLabel = "Massa magra: ";
constexpr std::string_view kKilograms = " Kg";

void writeMass(Console& console, std::string_view label, double kilograms) {
  console.write(label);
  console.write(kilograms);
  console.write(kKilograms);
  console.endLine();
}

}  // namespace

Flow runBodyComposition(Context& context) {
  Console& console = context.console;
  console.write(kSexPrompt);
  const Sex sex = sexFromLetter(console.readChar());
  console.write(kAgePrompt);
  const int age = console.readInt();
  console.write(kWeightPrompt);
  const double weight = console.readDouble();
  console.write(kHeightPrompt);
  const double height = console.readDouble();
  const std::optional<BodyComposition> body = computeBodyComposition(sex, age, weight, height);
  if (!body) {
    writeMessageLine(console, kNotPositive);
    return Flow::Continue;
  }
  writeMass(console, kFatLabel, body->fatKg);
  writeMass(console, kLeanLabel, body->leanKg);
  return Flow::Continue;
}

}  // namespace tavrik::calc
