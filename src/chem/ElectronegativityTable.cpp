#include "chem/ElectronegativityTable.hpp"

#include <array>

namespace tavrik::chem {

namespace {

// Each value is the double nearest to the decimal written, and the bond
// classes are decided on exactly these doubles.
// clang-format off
constexpr std::array<ElementEntry<double>, 35> kElectronegativityList = {{
    {"H", 2.2}, {"Li", 0.98}, {"Be", 1.57}, {"Na", 0.93}, {"Mg", 1.31},
    {"K", 0.82}, {"Ca", 1.0}, {"Rb", 0.82}, {"Sr", 0.95}, {"Cs", 0.79},
    {"Ba", 0.89}, {"Fr", 0.7}, {"Ra", 0.9}, {"B", 2.04}, {"C", 2.55},
    {"N", 3.04}, {"O", 3.44}, {"F", 3.98}, {"Al", 1.61}, {"Si", 1.9},
    {"P", 2.19}, {"S", 2.58}, {"Cl", 3.16}, {"Ga", 1.81}, {"Ge", 2.01},
    {"As", 2.18}, {"Se", 2.55}, {"Br", 2.96}, {"Kr", 3.0}, {"In", 1.8},
    {"Sn", 1.8}, {"Sb", 2.05}, {"Te", 2.1}, {"I", 2.66}, {"Xe", 2.6},
}};
// clang-format on

constexpr SymbolSlots<double> kElectronegativitySlots = slotsOf(kElectronegativityList);
// Every pair of the list has its own slot: no symbol is malformed or repeated.
static_assert(countPresent(kElectronegativitySlots) == kElectronegativityList.size(),
              "a symbol of the electronegativity list is lost");

}  // namespace

ElectronegativityTable buildElectronegativityTable() {
  return ElectronegativityTable(kElectronegativitySlots);
}

std::span<const ElementEntry<double>> electronegativityList() { return kElectronegativityList; }

}  // namespace tavrik::chem
