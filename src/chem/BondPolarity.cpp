#include "chem/BondPolarity.hpp"

#include <cmath>
#include <optional>
#include <string>

#include "chem/ElectronegativityTable.hpp"
#include "shell/Console.hpp"
#include "shell/Messages.hpp"

namespace tavrik::chem {

namespace {

constexpr std::string_view kElementQuestion =
    "Inserisci l'elemento chimico (la sigla che trovi sulla tavola periodica): ";
constexpr std::string_view kBondLabel = "Il covalente: ";
constexpr std::string_view kElementsNotFound = "Errore: uno o piu' elementi non trovati ";
constexpr std::string_view kElementNotFound = "Elemento non trovato";

constexpr std::string_view kPure = "Puro";
constexpr std::string_view kPolar = "Polarizzato";
constexpr std::string_view kIonic = "Ionico";

constexpr double kPolarFrom = 0.4;
constexpr double kIonicAbove = 1.9;

}  // namespace

std::string_view bondClass(double difference) {
  if (difference < kPolarFrom) return kPure;
  if (difference <= kIonicAbove) return kPolar;
  return kIonic;
}

std::string_view classifyBond(std::string_view first, std::string_view second) {
  const ElectronegativityTable table = buildElectronegativityTable();
  const std::optional<double> firstValue = table.find(first);
  if (!firstValue) return kFirstElementMissing;
  const std::optional<double> secondValue = table.find(second);
  if (!secondValue) return kSecondElementMissing;
  return bondClass(std::fabs(*firstValue - *secondValue));
}

Flow runBondPolarity(Context& context) {
  Console& console = context.console;
  console.write(kElementQuestion);
  console.endLine();
  console.endLine();
  console.write(msg::kPath);
  const std::string first = console.readLine();
  console.endLine();
  console.write(msg::kPath);
  const std::string second = console.readLine();

  const std::string_view bond = classifyBond(first, second);
  console.endLine();
  if (bond == kSecondElementMissing) {
    console.write(kElementsNotFound);
  } else if (bond == kFirstElementMissing) {
    console.write(kElementNotFound);
  } else {
    console.write(kBondLabel);
    console.write(bond);
  }
  console.endLine();
  // Both answers were whole lines: nothing is left to discard.
  return Flow::Continue;
}

}  // namespace tavrik::chem
