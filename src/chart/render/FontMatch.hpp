#pragma once

#include <string>

namespace tavrik::chart::render {

/// The installed family fontconfig picks for a requested one (null: the
/// default), falling back to the system's sans-serif font when the requested
/// one is missing. Answers are remembered.
const std::string& matchFontFamily(const char* requested);

}  // namespace tavrik::chart::render
