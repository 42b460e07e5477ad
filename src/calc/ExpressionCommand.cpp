#include <string_view>
#include <variant>

#include "calc/CalculatorCommands.hpp"
#include "calc/CalculatorText.hpp"
#include "calc/ExpressionEvaluator.hpp"
#include "calc/IntegerArithmetic.hpp"
#include "shell/Console.hpp"
#include "shell/Messages.hpp"

namespace tavrik::calc {

namespace {

constexpr std::string_view kModeQuestion =
    "Voi fare una espressione semplice(a+b)(1) o complessa(2)?";
constexpr std::string_view kExpressionPrompt = "Inserisci l'espressione: ";
constexpr std::string_view kOperationPrompt = "Inserisci l'espressione': ";
constexpr std::string_view kInvalidExpression = "Errore: espressione non valida.";

// Modes from this value up evaluate a whole expression.
constexpr int kFirstComplexMode = 2;

// The rest of the line is the expression, blanks and all: "2 + 3" is 5.
void runComplexMode(Console& console) {
  console.write(kExpressionPrompt);
  const std::variant<double, ExpressionError> value = evaluateExpression(console.readRestOfLine());
  if (const auto* error = std::get_if<ExpressionError>(&value)) {
    writeMessageLine(console, *error == ExpressionError::DivisionByZero ? msg::kDivisionByZero
                                                                        : kInvalidExpression);
    return;
  }
  console.write(kResult);
  console.write(std::get<double>(value));
  console.endLine();
}

// "3+4", "3 + 4" and "3 +4" read alike: a number, the next non-blank
// character, a number.
void runSimpleMode(Console& console) {
  console.write(kOperationPrompt);
  const int left = console.readInt();
  const char op = console.readChar();
  const int right = console.readInt();
  const std::variant<int, OperationError> result = applyIntegerOperator(left, op, right);
  if (const auto* error = std::get_if<OperationError>(&result)) {
    writeMessageLine(console, *error == OperationError::DivisionByZero ? msg::kDivisionByZero
                                                                       : msg::kInvalidOperator);
    return;
  }
  console.write(kResult);
  console.write(std::get<int>(result));
  console.endLine();
}

}  // namespace

Flow runExpression(Context& context) {
  Console& console = context.console;
  console.write(kModeQuestion);
  console.endLine();
  console.write(msg::kPath);
  if (console.readInt() >= kFirstComplexMode) {
    runComplexMode(console);
  } else {
    runSimpleMode(console);
  }
  return Flow::Continue;
}

}  // namespace tavrik::calc
