#include "calc/EquationSolvers.hpp"

#include <charconv>
#include <cmath>

namespace tavrik::calc {

namespace {

constexpr float kHalf = 0.5F;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Walks a text the way a formatted scan walks it with the format
// "<n>x <c> <n>y = <n>": numbers skip the white space before them, a blank in
// the format skips any amount of white space, a literal must match exactly.
class EquationScanner {
 public:
  explicit EquationScanner(std::string_view text) : text_(text) {}

  void skipSpace() {
    while (at_ < text_.size() && isSpace(text_[at_])) ++at_;
  }

  bool literal(char expected) {
    if (at_ >= text_.size() || text_[at_] != expected) return false;
    ++at_;
    return true;
  }

  std::optional<char> anyCharacter() {
    skipSpace();
    if (at_ >= text_.size()) return std::nullopt;
    return text_[at_++];
  }

  std::optional<int> integer() {
    skipSpace();
    std::size_t end = at_;
    if (end < text_.size() && (text_[end] == '+' || text_[end] == '-')) ++end;
    const std::size_t firstDigit = end;
    while (end < text_.size() && isDigit(text_[end])) ++end;
    if (end == firstDigit) return std::nullopt;
    // from_chars takes no "+" sign; it reports a value beyond `int` itself.
    const std::size_t from = text_[at_] == '+' ? at_ + 1 : at_;
    int value = 0;
    const auto result = std::from_chars(text_.data() + from, text_.data() + end, value);
    if (result.ec != std::errc{}) return std::nullopt;
    at_ = end;
    return value;
  }

  std::optional<double> real() {
    skipSpace();
    std::size_t end = at_;
    if (end < text_.size() && (text_[end] == '+' || text_[end] == '-')) ++end;
    std::size_t digits = 0;
    for (; end < text_.size() && isDigit(text_[end]); ++end) ++digits;
    if (end < text_.size() && text_[end] == '.') {
      ++end;
      for (; end < text_.size() && isDigit(text_[end]); ++end) ++digits;
    }
    if (digits == 0) return std::nullopt;
    end = exponentEnd(end);
    const std::size_t from = text_[at_] == '+' ? at_ + 1 : at_;
    double value = 0.0;
    const auto result = std::from_chars(text_.data() + from, text_.data() + end, value);
    if (result.ec != std::errc{} || result.ptr != text_.data() + end) return std::nullopt;
    at_ = end;
    return value;
  }

  bool onlySpaceLeft() {
    skipSpace();
    return at_ == text_.size();
  }

 private:
  // An exponent counts only when at least one digit follows "e" and its sign.
  std::size_t exponentEnd(std::size_t end) const {
    if (end >= text_.size() || (text_[end] != 'e' && text_[end] != 'E')) return end;
    std::size_t after = end + 1;
    if (after < text_.size() && (text_[after] == '+' || text_[after] == '-')) ++after;
    if (after >= text_.size() || !isDigit(text_[after])) return end;
    while (after < text_.size() && isDigit(text_[after])) ++after;
    return after;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

// The one shape both equation commands read, for either kind of number.
template <typename Equation, typename ReadNumber>
std::optional<Equation> scanEquation(std::string_view text, ReadNumber readNumber) {
  EquationScanner scan(text);
  const auto a = readNumber(scan);
  if (!a || !scan.literal('x')) return std::nullopt;
  const auto op = scan.anyCharacter();
  if (!op) return std::nullopt;
  const auto b = readNumber(scan);
  if (!b || !scan.literal('y')) return std::nullopt;
  scan.skipSpace();
  if (!scan.literal('=')) return std::nullopt;
  const auto c = readNumber(scan);
  if (!c || !scan.onlySpaceLeft()) return std::nullopt;
  return Equation{*a, *op, *b, *c};
}

}  // namespace

std::optional<IntegerEquation> scanIntegerEquation(std::string_view text) {
  return scanEquation<IntegerEquation>(text, [](EquationScanner& scan) { return scan.integer(); });
}

std::optional<RealEquation> scanRealEquation(std::string_view text) {
  return scanEquation<RealEquation>(text, [](EquationScanner& scan) { return scan.real(); });
}

std::variant<LinearSolution, LinearProblem> solveLinearEquation(const IntegerEquation& equation) {
  if (equation.a == 0 && equation.b == 0) {
    return equation.c == 0 ? LinearProblem::Indeterminate : LinearProblem::NoSolution;
  }
  if (equation.op != '+' && equation.op != '-') return LinearProblem::InvalidOperator;
  const auto a = static_cast<float>(equation.a);
  const auto b = static_cast<float>(equation.b);
  const auto c = static_cast<float>(equation.c);
  const bool minus = equation.op == '-';
  // With one coefficient zero its variable is free and takes one half.
  if (b == 0.0F) return LinearSolution{c / a, kHalf};
  if (a == 0.0F) return LinearSolution{kHalf, minus ? -c / b : c / b};
  const float x = minus ? (c + b * kHalf) / a : (c - b * kHalf) / a;
  const float y = (c - a * x) / (minus ? -b : b);
  return LinearSolution{x, y};
}

std::variant<QuadraticRoots, QuadraticProblem> solveQuadratic(double a, double b, double c) {
  if (a == 0.0) return QuadraticProblem::NotQuadratic;
  const double discriminant = b * b - (a * 4.0) * c;
  if (discriminant < 0.0) return QuadraticProblem::NoRealRoots;
  const double root = std::sqrt(discriminant);
  return QuadraticRoots{(root - b) / (a + a), (-b - root) / (a + a)};
}

std::variant<SystemSolution, SystemProblem> solveLinearSystem(const RealEquation& first,
                                                              const RealEquation& second) {
  const auto validOperator = [](char op) { return op == '+' || op == '-'; };
  if (!validOperator(first.op) || !validOperator(second.op)) return SystemProblem::InvalidOperator;
  const double a1 = first.a;
  const double b1 = first.op == '-' ? -first.b : first.b;
  const double c1 = first.c;
  const double a2 = second.a;
  const double b2 = second.op == '-' ? -second.b : second.b;
  const double c2 = second.c;
  const double determinant = a1 * b2 - a2 * b1;
  if (determinant == 0.0) return SystemProblem::ZeroDeterminant;
  return SystemSolution{(c1 * b2 - c2 * b1) / determinant, (a1 * c2 - a2 * c1) / determinant};
}

}  // namespace tavrik::calc
