// Checks the equation scanners and solvers: a scanned equation written back
// in its plainest form scans to the same fields, and solutions of small
// well-posed equations satisfy them.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "calc/EquationSolvers.hpp"

namespace {

using namespace tavrik::calc;

std::string written(const IntegerEquation& e) {
  return std::to_string(e.a) + "x" + e.op + std::to_string(e.b) + "y=" + std::to_string(e.c);
}

std::string number(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

std::string written(const RealEquation& e) {
  return number(e.a) + "x" + e.op + number(e.b) + "y=" + number(e.c);
}

bool isSmallInteger(double value) { return std::fabs(value) <= 1000 && value == std::trunc(value); }

void checkIntegerEquation(std::string_view text) {
  const auto equation = scanIntegerEquation(text);
  if (!equation) return;
  if (scanIntegerEquation(written(*equation)) != equation) std::abort();
  const auto solution = solveLinearEquation(*equation);
  const IntegerEquation& e = *equation;
  const bool validOperator = e.op == '+' || e.op == '-';
  if ((e.a == 0 && e.b == 0) || !validOperator) {
    if (!std::holds_alternative<LinearProblem>(solution)) std::abort();
    return;
  }
  const auto [x, y] = std::get<LinearSolution>(solution);
  constexpr int kExactInFloat = 1 << 20;
  if (std::abs(static_cast<long long>(e.a)) > kExactInFloat ||
      std::abs(static_cast<long long>(e.b)) > kExactInFloat ||
      std::abs(static_cast<long long>(e.c)) > kExactInFloat) {
    return;
  }
  const double signedB = e.op == '-' ? -static_cast<double>(e.b) : e.b;
  const double residual = e.a * double{x} + signedB * double{y} - e.c;
  const double scale = 1.0 + std::fabs(e.a * double{x}) + std::fabs(signedB * y) + std::abs(e.c);
  if (std::fabs(residual) > 1e-5 * scale) std::abort();
}

void checkSystem(std::string_view firstText, std::string_view secondText) {
  const auto first = scanRealEquation(firstText);
  const auto second = scanRealEquation(secondText);
  for (const auto& equation : {first, second}) {
    if (equation && scanRealEquation(written(*equation)) != equation) std::abort();
  }
  if (!first || !second) return;
  const auto solution = solveLinearSystem(*first, *second);
  const auto* solved = std::get_if<SystemSolution>(&solution);
  if (solved == nullptr) return;
  for (const RealEquation& e : {*first, *second}) {
    if (!isSmallInteger(e.a) || !isSmallInteger(e.b) || !isSmallInteger(e.c)) return;
  }
  for (const RealEquation& e : {*first, *second}) {
    const double b = e.op == '-' ? -e.b : e.b;
    const double residual = e.a * solved->x + b * solved->y - e.c;
    const double scale =
        1.0 + std::fabs(e.a * solved->x) + std::fabs(b * solved->y) + std::fabs(e.c);
    if (std::fabs(residual) > 1e-9 * scale) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  checkIntegerEquation(text);
  // The system takes its two equations from the two sides of the first line break.
  const std::size_t lineEnd = text.find('\n');
  if (lineEnd == std::string_view::npos) {
    checkSystem(text, text);
    return 0;
  }
  checkIntegerEquation(text.substr(0, lineEnd));
  checkSystem(text.substr(0, lineEnd), text.substr(lineEnd + 1));
  return 0;
}
