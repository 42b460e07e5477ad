#include "calc/CalculatorCommands.hpp"

#include <cmath>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/CalculatorText.hpp"
#include "calc/IntegerArithmetic.hpp"
#include "calc/RealFunctions.hpp"
#include "shell/Console.hpp"
#include "shell/Messages.hpp"

namespace tavrik::calc {

namespace {

constexpr std::string_view kCountQuestion = "Inserisci quanti valori vuoi utilizzare: ";
constexpr std::string_view kValuePrompt = "Valore: ";
constexpr std::string_view kMultiplicationQuestion =
    "Inserisci i due valori per eseguire la moltiplicazione:";
constexpr std::string_view kDivisionQuestion =
    "Inserisci i due valori per eseguire la divisone (NO valori decimali):";
constexpr std::string_view kDivisionModeQuestion =
    "IL risultato lo vuoi normale(1) o con il resto(2)?";
constexpr std::string_view kRemainderLabel = "Resto: ";
constexpr std::string_view kAngleQuestion = "Inserisci valore:";
constexpr std::string_view kTangentUndefined = "Errore: tangente non definita per questo angolo.";
constexpr std::string_view kNumberQuestion = "Inserisci il numero: ";
constexpr std::string_view kExponentQuestion = "Inserisci l'esponente: ";
constexpr std::string_view kNoValues = "Errore: inserire almeno un valore.";
constexpr std::string_view kRootIndexQuestion = "Inserisci l'esponente per la radice: ";
constexpr std::string_view kInvalidRootIndex = "Errore: indice della radice non valido.";
constexpr std::string_view kEvenRootOfNegative =
    "Errore: radice di indice pari di un numero negativo.";

// Division modes from this value up give the quotient with its remainder.
constexpr int kFirstRemainderMode = 2;

int askInt(Console& console, std::string_view prompt) {
  console.write(prompt);
  return console.readInt();
}

double askDouble(Console& console, std::string_view prompt) {
  console.write(prompt);
  return console.readDouble();
}

// The dialogue of the three angle commands. `compute` gives nullopt where the
// function has no value, which only the tangent has.
template <typename Compute>
Flow runAngleCommand(Context& context, Compute compute) {
  Console& console = context.console;
  console.write(kAngleQuestion);
  const float degrees = console.readFloat();
  const std::optional<double> value = compute(static_cast<double>(degrees));
  if (!value) {
    writeMessageLine(console, kTangentUndefined);
    return Flow::Continue;
  }
  console.write(kResult);
  console.write(narrowForPrinting(*value));
  return Flow::Continue;
}

}  // namespace

Flow runAddition(Context& context) {
  Console& console = context.console;
  const int count = askInt(console, kCountQuestion);
  int sum = 0;
  for (long long k = 1; k <= count; ++k) sum = wrappingAdd(sum, askInt(console, kValuePrompt));
  console.write(kResult);
  console.write(sum);
  return Flow::Continue;
}

Flow runSubtraction(Context& context) {
  Console& console = context.console;
  const int count = askInt(console, kCountQuestion);
  // The first value is asked for whatever the count.
  int result = askInt(console, kValuePrompt);
  for (long long k = 2; k <= count; ++k) {
    result = wrappingSubtract(result, askInt(console, kValuePrompt));
  }
  console.write(kResult);
  console.write(result);
  return Flow::Continue;
}

Flow runMultiplication(Context& context) {
  Console& console = context.console;
  console.write(kMultiplicationQuestion);
  console.endLine();
  const double left = askDouble(console, kValuePrompt);
  const double right = askDouble(console, kValuePrompt);
  console.write(kResult);
  console.write(left * right);
  return Flow::Continue;
}

Flow runDivision(Context& context) {
  Console& console = context.console;
  console.write(kDivisionQuestion);
  console.endLine();
  const int dividend = askInt(console, kValuePrompt);
  const int divisor = askInt(console, kValuePrompt);
  console.write(kDivisionModeQuestion);
  console.endLine();
  const int mode = askInt(console, msg::kPath);
  if (mode < kFirstRemainderMode) {
    // A zero divisor is refused here as in the remainder mode: no "inf" or
    // "nan" from an integer division.
    if (divisor == 0) {
      writeMessageLine(console, msg::kDivisionByZero);
      return Flow::Continue;
    }
    console.write(kResult);
    console.write(static_cast<double>(dividend) / static_cast<double>(divisor));
    return Flow::Continue;
  }
  const auto division = divideWithRemainder(dividend, divisor);
  if (!division) {
    writeMessageLine(console, msg::kDivisionByZero);
    return Flow::Continue;
  }
  console.write(kResult);
  console.write(division->quotient);
  console.endLine();
  console.write(kRemainderLabel);
  console.write(division->remainder);
  console.endLine();
  return Flow::Continue;
}

Flow runSine(Context& context) {
  return runAngleCommand(context,
                         [](double degrees) { return std::optional(sineOfDegrees(degrees)); });
}

Flow runCosine(Context& context) {
  return runAngleCommand(context,
                         [](double degrees) { return std::optional(cosineOfDegrees(degrees)); });
}

Flow runTangent(Context& context) { return runAngleCommand(context, tangentOfDegrees); }

Flow runPower(Context& context) {
  Console& console = context.console;
  const int base = askInt(console, kNumberQuestion);
  const int exponent = askInt(console, kExponentQuestion);
  console.write(kResult);
  if (exponent < 0) {
    console.write(std::pow(static_cast<double>(base), static_cast<double>(exponent)));
    return Flow::Continue;
  }
  console.write(wrappingPower(base, static_cast<unsigned>(exponent)));
  return Flow::Continue;
}

Flow runMean(Context& context) {
  Console& console = context.console;
  const double count = askDouble(console, kCountQuestion);
  // One value per whole unit of the count: 2.5 asks for two.
  std::vector<double> values;
  for (double k = 1.0; count >= k; k += 1.0) values.push_back(askDouble(console, kValuePrompt));
  const std::optional<double> mean = arithmeticMean(values);
  if (!mean) {
    writeMessageLine(console, kNoValues);
    return Flow::Continue;
  }
  console.write(kResult);
  console.write(*mean);
  return Flow::Continue;
}

Flow runRoot(Context& context) {
  Console& console = context.console;
  const int x = askInt(console, kNumberQuestion);
  const int n = askInt(console, kRootIndexQuestion);
  const std::variant<double, RootError> root = nthRoot(x, n);
  if (const auto* error = std::get_if<RootError>(&root)) {
    writeMessageLine(console,
                     *error == RootError::InvalidIndex ? kInvalidRootIndex : kEvenRootOfNegative);
    return Flow::Continue;
  }
  console.write("La radice ");
  console.write(n);
  console.write("-esima di ");
  console.write(x);
  console.write(" e': ");
  console.write(narrowForPrinting(std::get<double>(root)));
  console.endLine();
  return Flow::Continue;
}

}  // namespace tavrik::calc
