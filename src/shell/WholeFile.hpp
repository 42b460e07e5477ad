#pragma once

#include <string>
#include <string_view>

namespace tavrik {

/// The whole content of a file; empty when it cannot be opened.
std::string readWholeFile(std::string_view fileName);

/// Replaces a file's content with the text, exactly. The text goes to a
/// temporary file that is renamed over the name, so the file is never left
/// half-written. Returns false when the file could not be written.
bool writeWholeFile(std::string_view fileName, std::string_view text);

}  // namespace tavrik
