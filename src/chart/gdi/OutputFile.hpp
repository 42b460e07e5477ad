#pragma once

#include <string_view>

namespace tavrik::chart::gdi {

/// Writes `bytes` as the whole file at `path` (UTF-8, replaced when it
/// exists) and flushes it to the disk; false when it cannot. The file is
/// shared with whoever holds it open already: the program holds the file it
/// asked for while it is being written.
bool writeWholeFile(const char* path, std::string_view bytes);

}  // namespace tavrik::chart::gdi
