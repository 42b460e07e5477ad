#pragma once

#include <string>

// Font families on Linux, from fontconfig: for the text the drawing module
// lays out and draws, and for the families a presentation names.
namespace tavrik::chart::shared {

/// The installed family fontconfig picks for a requested one (null: the
/// default), falling back to the system's sans-serif font when the requested
/// one is missing. Answers are remembered.
const std::string& matchFontFamily(const char* requested);

}  // namespace tavrik::chart::shared
