#pragma once

#include <string>

// Modules the program loads while it runs (the chart renderers).
namespace tavrik::modules {

/// The directory of the running program's own file; empty when unknown.
std::string programDirectory();

/// The address of `symbol` in the module file at `path`, which stays loaded
/// for the rest of the run; nullptr when either cannot be found. A module
/// whose symbol is of no use may be released with `release`.
void* load(const std::string& path, const char* symbol, void** handle);
void release(void* handle);

}  // namespace tavrik::modules
