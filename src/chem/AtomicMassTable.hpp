#pragma once

#include <span>

#include "chem/ElementTable.hpp"

namespace tavrik::chem {

/// Element symbol to atomic mass (single precision, no unit).
using AtomicMassTable = ElementTable<float>;

/// The table of the 95 atomic masses the molar mass command knows.
AtomicMassTable buildAtomicMassTable();

/// The same 95 pairs in their list order: by atomic number from hydrogen to
/// lawrencium, without Ar, Co, Po, At, Rn, Fr, Ra and Ac.
std::span<const ElementEntry<float>> atomicMassList();

}  // namespace tavrik::chem
