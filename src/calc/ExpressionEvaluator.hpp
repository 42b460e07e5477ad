#pragma once

#include <optional>
#include <string_view>

namespace tavrik::calc {

/// left op right in double for op one of + - * / (a zero divisor gives the
/// IEEE 754 infinity or NaN); 0.0 for any other character.
double applyOperator(double left, double right, char op);

/// Value of an arithmetic expression such as "2*(1.5+1)" or "-(2+3)/.5":
/// decimal numbers (digits with at most one "."), the four operators with
/// * and / binding tighter than + and -, all left-associative, unary + and -
/// before an operand, and parentheses. nullopt when the text is not such an
/// expression: an unknown character (blanks included), a missing operand,
/// empty or unbalanced parentheses, two operands with no operator between
/// them, or no number at all. Runs in time linear in the length of the text.
std::optional<double> evaluateExpression(std::string_view text);

}  // namespace tavrik::calc
