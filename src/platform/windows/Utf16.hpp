#pragma once

#include <string>
#include <string_view>

// Windows speaks UTF-16; the program's texts and the names the user types
// are UTF-8.
namespace tavrik::utf16 {

/// UTF-8 to UTF-16. Bytes that are not UTF-8 (a name typed in the console's
/// old code page, say) are taken as Windows-1252, one character each.
std::wstring widen(std::string_view text);
/// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string narrow(std::wstring_view text);

}  // namespace tavrik::utf16
