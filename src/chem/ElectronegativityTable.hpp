#pragma once

#include <span>

#include "chem/ElementTable.hpp"

namespace tavrik::chem {

/// Element symbol to electronegativity on the Pauling scale.
using ElectronegativityTable = ElementTable<double>;

/// The table of the 35 electronegativities the bond command knows.
ElectronegativityTable buildElectronegativityTable();

/// The same 35 pairs in their list order: hydrogen, the alkali and
/// alkaline-earth metals, then groups 13 to 18 of periods 2 to 5 without Ne
/// and Ar.
std::span<const ElementEntry<double>> electronegativityList();

}  // namespace tavrik::chem
