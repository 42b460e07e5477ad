#pragma once

#include <string_view>

namespace tavrik::chart::shared {

/// Writes `bytes` as the whole file at `path` (UTF-8, replaced when it
/// exists), every write checked; false when it cannot. On Windows it is also
/// flushed to the disk (WholeFileWindows.cpp; WholeFilePosix.cpp elsewhere). The file is
/// shared with whoever holds it open already: the program holds the file it
/// asked for while it is being written.
bool writeWholeFile(const char* path, std::string_view bytes);

}  // namespace tavrik::chart::shared
