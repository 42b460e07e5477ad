#pragma once

#include <string>

namespace tavrik::chart::shared {

/// The installed font family that stands for a requested one: the family
/// itself when it is installed; for "sans-serif", an unknown family, or
/// null, the first installed of Segoe UI, Arial, Tahoma, DejaVu Sans,
/// Liberation Sans, then any TrueType family. Answers are remembered.
const std::wstring& resolveFamily(const char* requested);

/// A family that has a glyph for every character of `text` (UTF-16), tried
/// in the same order after `family`; `family` itself when none has them all.
std::wstring familyWithGlyphs(const std::wstring& family, const std::wstring& text);

}  // namespace tavrik::chart::shared
