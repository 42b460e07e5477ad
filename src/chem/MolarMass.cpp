#include "chem/MolarMass.hpp"

#include <cstdint>
#include <limits>

#include "chem/AtomicMassTable.hpp"
#include "shell/Console.hpp"
#include "shell/Messages.hpp"

namespace tavrik::chem {

namespace {

constexpr std::string_view kFormulaQuestion = "Inserisci la formula chimica: ";
constexpr std::string_view kResultStart = "La massa molare di ";
constexpr std::string_view kResultMiddle = " e' ";
constexpr std::string_view kUnknownAtomStart = "Errore: l'atomo ";
constexpr std::string_view kUnknownAtomEnd = " non e' supportato";
constexpr std::string_view kCountTooLarge = "Errore: indice troppo grande per l'atomo ";

constexpr std::int32_t kMaxCount = std::numeric_limits<std::int32_t>::max();

// Character classes of the "C" locale, whatever locale the process runs in.
constexpr bool isLowerLetter(char c) { return c >= 'a' && c <= 'z'; }
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }
// The bytes of a UTF-8 character beyond ASCII: its first byte, then the
// continuation bytes that follow it.
constexpr bool isMultiByteStart(char c) { return (static_cast<unsigned char>(c) & 0xC0U) == 0xC0U; }
constexpr bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U; }

MolarMass rejected(FormulaError error, std::string_view symbol, std::size_t position) {
  return MolarMass{kFormulaRejected, error, std::string(symbol), position};
}

}  // namespace

MolarMass computeMolarMass(std::string_view formula) {
  const AtomicMassTable masses = buildAtomicMassTable();
  const std::size_t length = formula.size();
  double total = 0.0;
  for (std::size_t p = 0; p < length; ++p) {
    // The first character starts a symbol whatever it is: anything that is
    // not a known symbol is refused by the lookup, and named.
    const std::size_t start = p;
    if (isMultiByteStart(formula[p])) {
      // A character beyond ASCII is named whole, never a part of it.
      while (p + 1 < length && isContinuationByte(formula[p + 1])) ++p;
    } else if (p + 1 < length && isLowerLetter(formula[p + 1])) {
      ++p;
    }
    const std::string_view symbol = formula.substr(start, p + 1 - start);

    const bool hasCount = p + 1 < length && isDigit(formula[p + 1]);
    std::int32_t count = 0;
    bool countTooLarge = false;
    while (p + 1 < length && isDigit(formula[p + 1])) {
      const std::int32_t digit = formula[p + 1] - '0';
      // The whole digit run is consumed even once it no longer fits.
      if (countTooLarge || count > (kMaxCount - digit) / 10) {
        countTooLarge = true;
      } else {
        count = count * 10 + digit;
      }
      ++p;
    }

    // An unknown symbol is named as such whatever count follows it.
    const std::optional<float> mass = masses.find(symbol);
    if (!mass) return rejected(FormulaError::UnknownAtom, symbol, start);
    if (countTooLarge) return rejected(FormulaError::CountTooLarge, symbol, start);

    const float term = hasCount ? static_cast<float>(count) * *mass : *mass;
    total += static_cast<double>(term);
  }
  return MolarMass{total, FormulaError::None, {}, 0};
}

Flow runMolarMass(Context& context) {
  Console& console = context.console;
  console.write(kFormulaQuestion);
  console.endLine();
  console.endLine();
  console.write(msg::kPath);
  const std::string formula = console.readWord();

  const MolarMass result = computeMolarMass(formula);
  console.endLine();
  if (result.value == kFormulaRejected) {
    if (result.error == FormulaError::CountTooLarge) {
      console.write(kCountTooLarge);
      console.write(result.symbol);
    } else {
      console.write(kUnknownAtomStart);
      console.write(result.symbol);
      console.write(kUnknownAtomEnd);
    }
  } else {
    console.write(kResultStart);
    console.write(formula);
    console.write(kResultMiddle);
    console.write(result.value);
  }
  console.endLine();
  return Flow::Continue;
}

}  // namespace tavrik::chem
