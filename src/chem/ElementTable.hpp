#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace tavrik::chem {

/// One (symbol, value) pair of an element table.
template <typename Value>
struct ElementEntry {
  std::string_view symbol;
  Value value;
};

/// Every text that can be an element symbol, one upper-case letter optionally
/// followed by one lower-case letter, has a slot of its own: 26 x (1 + 26).
inline constexpr std::size_t kSymbolSlotCount = 26 * 27;

/// The slot of a symbol; nullopt for every text that cannot be a symbol
/// ("na", "NA", "Na ", "", "Uuo", ...).
constexpr std::optional<std::size_t> symbolSlot(std::string_view symbol) {
  if (symbol.empty() || symbol.size() > 2) return std::nullopt;
  if (symbol[0] < 'A' || symbol[0] > 'Z') return std::nullopt;
  std::size_t slot = static_cast<std::size_t>(symbol[0] - 'A') * 27;
  if (symbol.size() == 1) return slot;
  if (symbol[1] < 'a' || symbol[1] > 'z') return std::nullopt;
  return slot + 1 + static_cast<std::size_t>(symbol[1] - 'a');
}

/// What a table holds for one slot.
template <typename Value>
struct SymbolSlot {
  bool present = false;
  Value value{};
};

/// One slot per possible symbol, indexed by symbolSlot().
template <typename Value>
using SymbolSlots = std::array<SymbolSlot<Value>, kSymbolSlotCount>;

/// The slots of a list, filled pair after pair; should a symbol occur twice,
/// its first value stays. Meant to run at compile time, so that building a
/// table costs nothing.
template <typename Value, std::size_t N>
constexpr SymbolSlots<Value> slotsOf(const std::array<ElementEntry<Value>, N>& list) {
  SymbolSlots<Value> slots{};
  for (const ElementEntry<Value>& entry : list) {
    const std::optional<std::size_t> slot = symbolSlot(entry.symbol);
    if (!slot || slots[*slot].present) continue;
    slots[*slot] = {true, entry.value};
  }
  return slots;
}

/// How many slots hold a value.
template <typename Value>
constexpr std::size_t countPresent(const SymbolSlots<Value>& slots) {
  std::size_t count = 0;
  for (const SymbolSlot<Value>& slot : slots) count += slot.present ? 1 : 0;
  return count;
}

/// A fixed table from element symbol to value. Lookups match only a key that
/// is byte-for-byte identical: "Na" is found, "na", "NA", "Na " and "" are
/// not. A lookup never changes the table.
template <typename Value>
class ElementTable {
 public:
  constexpr explicit ElementTable(const SymbolSlots<Value>& slots)
      : slots_(&slots), size_(countPresent(slots)) {}

  /// The value stored for a symbol; nullopt when the symbol is absent.
  constexpr std::optional<Value> find(std::string_view symbol) const {
    const std::optional<std::size_t> slot = symbolSlot(symbol);
    if (!slot || !(*slots_)[*slot].present) return std::nullopt;
    return (*slots_)[*slot].value;
  }

  /// How many symbols the table holds.
  constexpr std::size_t size() const { return size_; }

 private:
  const SymbolSlots<Value>* slots_;
  std::size_t size_;
};

}  // namespace tavrik::chem
