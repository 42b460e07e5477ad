#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "calc/CalculatorCommands.hpp"
#include "calc/CalculatorText.hpp"
#include "calc/EquationSolvers.hpp"
#include "shell/Console.hpp"
#include "shell/Messages.hpp"

namespace tavrik::calc {

namespace {

constexpr std::string_view kLinearEquationPrompt =
    "Inserisci l'equazione di primo grado in forma generica (ax+by=c): ";
constexpr std::string_view kInvalidEquation = "Errore: equazione non valida (forma ax+by=c).";
constexpr std::string_view kIndeterminate = "L'equazione è indeterminata.";
constexpr std::string_view kNoSolution = "L'equazione non ha soluzioni.";
constexpr std::string_view kQuadraticQuestion =
    "Inserisci i coefficienti dell'equazione di secondo grado (ax^2 + bx + c = 0): ";
constexpr std::string_view kNotQuadratic = "Errore: il coefficiente a deve essere diverso da zero.";
constexpr std::string_view kNoRealRoots = "L'equazione non ammette soluzioni reali.";
constexpr std::string_view kRootsLabel = "Le soluzioni dell'equazione sono x1 = ";
constexpr std::string_view kSecondRootLabel = " e x2 = ";
constexpr std::string_view kSystemQuestion = "Inserisci le due equazioni separate da un invio:";
constexpr std::string_view kZeroDeterminant =
    "Errore: il determinante del sistema lineare è uguale a zero.";

std::string_view messageFor(LinearProblem problem) {
  switch (problem) {
    case LinearProblem::Indeterminate:
      return kIndeterminate;
    case LinearProblem::NoSolution:
      return kNoSolution;
    case LinearProblem::InvalidOperator:
      return msg::kInvalidOperator;
  }
  return msg::kInvalidOperator;
}

double askCoefficient(Console& console) {
  console.write(msg::kPath);
  return console.readDouble();
}

}  // namespace

Flow runLinearEquation(Context& context) {
  Console& console = context.console;
  console.write(kLinearEquationPrompt);
  const std::optional<IntegerEquation> equation = scanIntegerEquation(console.readLine());
  if (!equation) {
    writeMessageLine(console, kInvalidEquation);
    return Flow::Continue;
  }
  const std::variant<LinearSolution, LinearProblem> solution = solveLinearEquation(*equation);
  if (const auto* problem = std::get_if<LinearProblem>(&solution)) {
    writeMessageLine(console, messageFor(*problem));
    return Flow::Continue;
  }
  const auto [x, y] = std::get<LinearSolution>(solution);
  console.write("x = ");
  console.write(x);
  console.write(" y = ");
  console.write(y);
  console.endLine();
  // The answer was a whole line, so nothing is left to discard.
  return Flow::Continue;
}

Flow runQuadraticEquation(Context& context) {
  Console& console = context.console;
  console.write(kQuadraticQuestion);
  console.endLine();
  const double a = askCoefficient(console);
  const double b = askCoefficient(console);
  const double c = askCoefficient(console);
  const std::variant<QuadraticRoots, QuadraticProblem> roots = solveQuadratic(a, b, c);
  if (const auto* problem = std::get_if<QuadraticProblem>(&roots)) {
    writeMessageLine(console,
                     *problem == QuadraticProblem::NotQuadratic ? kNotQuadratic : kNoRealRoots);
    return Flow::Continue;
  }
  const auto [x1, x2] = std::get<QuadraticRoots>(roots);
  console.write(kRootsLabel);
  console.write(x1);
  console.write(kSecondRootLabel);
  console.write(x2);
  console.endLine();
  return Flow::Continue;
}

Flow runLinearSystem(Context& context) {
  Console& console = context.console;
  console.write(kSystemQuestion);
  console.endLine();
  // Each equation is one word, so it is typed without blanks; the two may
  // share a line.
  const std::string firstText = console.readWord();
  const std::string secondText = console.readWord();
  const std::optional<RealEquation> first = scanRealEquation(firstText);
  const std::optional<RealEquation> second = scanRealEquation(secondText);
  if (!first || !second) {
    writeMessageLine(console, kInvalidEquation);
    return Flow::Continue;
  }
  const std::variant<SystemSolution, SystemProblem> solution = solveLinearSystem(*first, *second);
  if (const auto* problem = std::get_if<SystemProblem>(&solution)) {
    if (*problem == SystemProblem::InvalidOperator) {
      writeMessageLine(console, msg::kInvalidOperator);
      return Flow::Continue;
    }
    writeMessageLine(console, kZeroDeterminant);
    console.endLine();
    return Flow::Continue;
  }
  const auto [x, y] = std::get<SystemSolution>(solution);
  console.endLine();
  console.write("x = ");
  console.write(x);
  console.endLine();
  console.write("y = ");
  console.write(y);
  console.endLine();
  return Flow::Continue;
}

}  // namespace tavrik::calc
