#pragma once

#include <string_view>
#include <variant>

namespace tavrik::calc {

/// Why an expression has no value.
enum class ExpressionError {
  NotAnExpression,
  DivisionByZero,
};

/// left op right in double for op one of + - * / (a zero divisor gives the
/// IEEE 754 infinity or NaN); 0.0 for any other character.
double applyOperator(double left, double right, char op);

/// Value of an arithmetic expression such as "2*(1.5+1)" or "-(2 + 3) / .5":
/// decimal numbers (digits with at most one "."), the four operators with
/// * and / binding tighter than + and -, all left-associative, unary + and -
/// before an operand, and parentheses. Blanks (spaces, tabs) between them
/// are ignored; a blank inside a number ends it, so "1 2" is two operands.
///
/// NotAnExpression when the text is not such an expression: an unknown
/// character, a missing operand, empty or unbalanced parentheses, two
/// operands with no operator between them, or no number at all. Otherwise
/// DivisionByZero when any division in it has a divisor whose value is zero
/// (0, -0, "(2-2)", a number too small for a double), wherever it stands:
/// also when its quotient is then multiplied by zero. Runs in time linear in
/// the length of the text.
std::variant<double, ExpressionError> evaluateExpression(std::string_view text);

}  // namespace tavrik::calc
