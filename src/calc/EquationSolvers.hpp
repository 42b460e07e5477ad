#pragma once

#include <optional>
#include <string_view>
#include <variant>

namespace tavrik::calc {

/// An equation "ax+by=c" with `int` coefficients, as typed for command '1'.
struct IntegerEquation {
  int a;
  char op;  // the character between the x term and the y term
  int b;
  int c;
  friend bool operator==(const IntegerEquation&, const IntegerEquation&) = default;
};

/// An equation "ax+by=c" with `double` coefficients, as typed for command '3'.
struct RealEquation {
  double a;
  char op;
  double b;
  double c;
  friend bool operator==(const RealEquation&, const RealEquation&) = default;
};

/// Reads "<int>x <char> <int>y = <int>" where a blank stands for any amount
/// of white space (none included), every other character must match itself,
/// an integer may be signed and the operator is any character after white
/// space. Only white space may follow. nullopt when a field is missing, a
/// number is outside the `int` range, or anything else follows.
std::optional<IntegerEquation> scanIntegerEquation(std::string_view text);

/// The same shape with decimal numbers ("1.5", ".5", "2e3", signed) instead
/// of integers. nullopt when a field is missing or a number is outside the
/// `double` range, or anything but white space follows.
std::optional<RealEquation> scanRealEquation(std::string_view text);

/// One solution of ax+by=c (or ax-by=c).
struct LinearSolution {
  float x;
  float y;
};

/// Why command '1' prints a message instead of a solution.
enum class LinearProblem { Indeterminate, NoSolution, InvalidOperator };

/// The solution whose free variable is one half, computed in `float`: with
/// both coefficients non-zero y is 0.5 and x follows from it (y recomputed
/// from x); with b = 0, y = 0.5 and x = c/a; with a = 0, x = 0.5 and y = c/b
/// (-c/b for "-"). a = b = 0 is judged before the operator: indeterminate for
/// c = 0, otherwise no solution. An operator other than + and - has none.
std::variant<LinearSolution, LinearProblem> solveLinearEquation(const IntegerEquation& equation);

/// The two roots of ax^2 + bx + c = 0.
struct QuadraticRoots {
  double x1;  // (sqrt(D) - b) / 2a
  double x2;  // (-b - sqrt(D)) / 2a
};

/// Why command '2' prints a message instead of the roots.
enum class QuadraticProblem { NotQuadratic, NoRealRoots };

/// Roots from the discriminant b^2 - 4ac; a = 0 is refused before anything
/// is computed, a negative discriminant has no real roots (a NaN one goes on
/// to the roots).
std::variant<QuadraticRoots, QuadraticProblem> solveQuadratic(double a, double b, double c);

/// The solution of a 2x2 linear system.
struct SystemSolution {
  double x;
  double y;
};

/// Why command '3' prints a message instead of the solution.
enum class SystemProblem { InvalidOperator, ZeroDeterminant };

/// Cramer's rule on the two equations ("-" negates the y coefficient). An
/// operator other than + and - is refused first, then a determinant that is
/// exactly zero.
std::variant<SystemSolution, SystemProblem> solveLinearSystem(const RealEquation& first,
                                                              const RealEquation& second);

}  // namespace tavrik::calc
