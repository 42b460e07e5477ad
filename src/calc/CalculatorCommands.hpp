#pragma once

#include "shell/Context.hpp"

/// The calculator's commands, one handler per command character.
namespace tavrik::calc {

/// 'a': sum of a count of `int` values.
Flow runAddition(Context& context);
/// 's': the first `int` value minus every later one.
Flow runSubtraction(Context& context);
/// 'm': product of two `double` values.
Flow runMultiplication(Context& context);
/// 'd': quotient of two `int` values, as a `double` or with the remainder.
Flow runDivision(Context& context);
/// 'z': sine of an angle in degrees.
Flow runSine(Context& context);
/// 'u': cosine of an angle in degrees.
Flow runCosine(Context& context);
/// 't': tangent of an angle in degrees.
Flow runTangent(Context& context);
/// 'p': an `int` to an `int` power.
Flow runPower(Context& context);
/// 'q': mean of a count of `double` values.
Flow runMean(Context& context);
/// 'r': n-th root of an `int`.
Flow runRoot(Context& context);
/// 'e': one integer operation, or a whole expression.
Flow runExpression(Context& context);
/// 'c': conversion between base 10 and the bases 2 to 36, in its own menu.
Flow runBaseConversion(Context& context);
/// '1': one solution of a linear equation in two variables.
Flow runLinearEquation(Context& context);
/// '2': the real roots of a quadratic equation.
Flow runQuadraticEquation(Context& context);
/// '3': the solution of a system of two linear equations.
Flow runLinearSystem(Context& context);
/// 'w': fat and lean mass from sex, age, weight and height.
Flow runBodyComposition(Context& context);

}  // namespace tavrik::calc
