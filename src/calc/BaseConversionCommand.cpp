#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "calc/BaseConversion.hpp"
#include "calc/CalculatorCommands.hpp"
#include "calc/CalculatorText.hpp"
#include "shell/Console.hpp"
#include "shell/Messages.hpp"

namespace tavrik::calc {

namespace {

constexpr std::string_view kMenuLines[] = {
    "Scegli un'opzione:",
    "1. Converti da base 10 a un'altra base",
    "2. Converti da un'altra base a base 10",
    "0. Esci",
};
constexpr std::string_view kNumberPrompt = "Inserisci il numero da convertire: ";
constexpr std::string_view kDestinationBasePrompt = "Inserisci la base di destinazione: ";
constexpr std::string_view kSourceBasePrompt = "Inserisci la base di partenza: ";
constexpr std::string_view kResultLabel = "Il risultato: ";
constexpr std::string_view kInvalidChoice = "Scelta non valida";
constexpr std::string_view kInvalidBase = "Base non valida";
constexpr std::string_view kInvalidDigit = "Cifra non valida";
constexpr std::string_view kTooLarge = "Numero troppo grande";

enum Choice { kExit = 0, kFromDecimal = 1, kToDecimal = 2 };

int askChoice(Console& console) {
  for (const std::string_view line : kMenuLines) writeMessageLine(console, line);
  console.endLine();
  console.endLine();
  console.write(msg::kPath);
  return console.readInt();
}

// A result or a refusal ends its line and leaves an empty one before the menu.
void endParagraph(Console& console) {
  console.endLine();
  console.endLine();
}

void convertFromDecimal(Console& console) {
  console.write(kNumberPrompt);
  const int number = console.readInt();
  console.write(kDestinationBasePrompt);
  const int base = console.readInt();
  const std::optional<std::string> digits = toBase(number, base);
  if (!digits) {
    console.write(kInvalidBase);
    endParagraph(console);
    return;
  }
  console.write(kResultLabel);
  console.write(*digits);
  endParagraph(console);
}

std::string_view messageFor(FromBaseError error) {
  switch (error) {
    case FromBaseError::InvalidBase:
      return kInvalidBase;
    case FromBaseError::InvalidDigit:
      return kInvalidDigit;
    case FromBaseError::TooLarge:
      return kTooLarge;
  }
  return kInvalidDigit;
}

void convertToDecimal(Console& console) {
  console.write(kNumberPrompt);
  const std::string digits = console.readWord();
  console.write(kSourceBasePrompt);
  const int base = console.readInt();
  const std::variant<int, FromBaseError> value = fromBase(digits, base);
  if (const auto* error = std::get_if<FromBaseError>(&value)) {
    console.write(messageFor(*error));
    endParagraph(console);
    return;
  }
  console.write(kResultLabel);
  console.write(std::get<int>(value));
  endParagraph(console);
}

}  // namespace

Flow runBaseConversion(Context& context) {
  Console& console = context.console;
  for (int choice = askChoice(console); choice != kExit; choice = askChoice(console)) {
    if (choice == kFromDecimal) {
      convertFromDecimal(console);
    } else if (choice == kToDecimal) {
      convertToDecimal(console);
    } else {
      writeMessageLine(console, kInvalidChoice);
    }
  }
  return Flow::Continue;
}

}  // namespace tavrik::calc
