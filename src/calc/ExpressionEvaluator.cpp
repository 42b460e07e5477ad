#include "calc/ExpressionEvaluator.hpp"

#include <cassert>
#include <charconv>
#include <limits>
#include <vector>

namespace tavrik::calc {

namespace {

// Operators as they sit on the operator stack. Unary minus gets its own mark
// so that it is never taken for the binary one; unary plus changes nothing
// and is never pushed.
constexpr char kOpenParenthesis = '(';
constexpr char kNegate = '~';

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isBinaryOperator(char c) { return c == '+' || c == '-' || c == '*' || c == '/'; }

int precedenceOf(char op) {
  switch (op) {
    case '+':
    case '-':
      return 1;
    case '*':
    case '/':
      return 2;
    case kNegate:
      return 3;
    default:
      return 0;  // "(" is never reduced by an operator
  }
}

// Reads the number that starts at `at`: digits with at most one ".", at least
// one digit. Returns the length read, 0 when there is no number there.
std::size_t scanNumber(std::string_view text, std::size_t at) {
  std::size_t end = at;
  std::size_t digits = 0;
  bool seenPoint = false;
  for (; end < text.size(); ++end) {
    if (isDigit(text[end])) {
      ++digits;
      continue;
    }
    if (text[end] == '.' && !seenPoint) {
      seenPoint = true;
      continue;
    }
    break;
  }
  return digits == 0 ? 0 : end - at;
}

double valueOfNumber(std::string_view number) {
  double value = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                            std::chars_format::fixed);
  assert(end == number.data() + number.size() && "the scanner only passes numbers");
  if (error != std::errc::result_out_of_range) return value;
  // Too large for a double only when there is a non-zero digit before the
  // point; otherwise it is too small and rounds to zero.
  for (const char c : number) {
    if (c == '.') break;
    if (c != '0') return std::numeric_limits<double>::infinity();
  }
  return 0.0;
}

class Evaluator {
 public:
  std::variant<double, ExpressionError> run(std::string_view text) {
    constexpr ExpressionError kInvalid = ExpressionError::NotAnExpression;
    bool expectOperand = true;
    for (std::size_t i = 0; i < text.size();) {
      const char c = text[i];
      if (isBlank(c)) {
        ++i;
        continue;
      }
      if (expectOperand) {
        if (const std::size_t length = scanNumber(text, i)) {
          values_.push_back(valueOfNumber(text.substr(i, length)));
          i += length;
          expectOperand = false;
          continue;
        }
        if (c == kOpenParenthesis) {
          operators_.push_back(kOpenParenthesis);
        } else if (c == '-') {
          operators_.push_back(kNegate);
        } else if (c != '+') {
          return kInvalid;  // ")" "*" "/" or another character
        }
        ++i;
        continue;
      }
      if (isBinaryOperator(c)) {
        reduceWhile(precedenceOf(c));
        operators_.push_back(c);
        expectOperand = true;
      } else if (c == ')') {
        reduceWhile(1);
        if (operators_.empty()) return kInvalid;  // no "(" to close
        operators_.pop_back();
      } else {
        return kInvalid;  // an operand right after an operand, or another character
      }
      ++i;
    }
    if (expectOperand) return kInvalid;  // empty, or ending in an operator or "("
    reduceWhile(1);
    if (!operators_.empty()) return kInvalid;  // a "(" left open
    assert(values_.size() == 1 && "every operator consumed its operands");
    // Judged only once the whole text is known to be an expression.
    if (dividedByZero_) return ExpressionError::DivisionByZero;
    return values_.back();
  }

 private:
  // Applies the operators on top of the stack while they bind at least as
  // tightly as `precedence`; stops at "(" or at an empty stack.
  void reduceWhile(int precedence) {
    while (!operators_.empty() && operators_.back() != kOpenParenthesis &&
           precedenceOf(operators_.back()) >= precedence) {
      reduce();
    }
  }

  void reduce() {
    const char op = operators_.back();
    operators_.pop_back();
    assert(!values_.empty() && "an operator always follows or precedes an operand");
    const double right = values_.back();
    if (op == kNegate) {
      values_.back() = -right;
      return;
    }
    values_.pop_back();
    assert(!values_.empty() && "a binary operator always has a left operand");
    // Every division is carried out, so a zero divisor is seen wherever it
    // stands; the quotient's value no longer matters.
    if (op == '/' && right == 0.0) dividedByZero_ = true;
    values_.back() = applyOperator(values_.back(), right, op);
  }

  std::vector<double> values_;
  std::vector<char> operators_;
  bool dividedByZero_ = false;
};

}  // namespace

double applyOperator(double left, double right, char op) {
  switch (op) {
    case '+':
      return left + right;
    case '-':
      return left - right;
    case '*':
      return left * right;
    case '/':
      return left / right;
    default:
      return 0.0;
  }
}

std::variant<double, ExpressionError> evaluateExpression(std::string_view text) {
  return Evaluator().run(text);
}

}  // namespace tavrik::calc
