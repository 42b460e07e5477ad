#pragma once

#include <string>

#include "chart/RenderInterface.hpp"

// What the chart maker needs from the operating system: loading the renderer
// module, and files that appear whole under a name that was free.

namespace tavrik::chart {

/// The renderer modules: one draws (and measures text), one writes
/// presentations.
enum class RendererModule { Drawing, Presentation };

/// A renderer module, loaded on its first call and kept loaded; nullptr when
/// it cannot be found or is of another version.
const TavrikChartRenderer* loadRenderer(RendererModule module);

/// A new empty file in the working directory, under a name no one else uses,
/// to write a chart into before it gets its own name; empty when none can be
/// made.
std::string createScratchFile();

/// What happened when a finished file was offered a name.
enum class NameClaim { Claimed, Taken, Failed };

/// Gives the file at `from` the name `to` if no file has that name; an
/// existing file is never replaced.
NameClaim claimName(const std::string& from, const std::string& to);

/// Removes a file if it is there.
void removeFile(const std::string& path);

}  // namespace tavrik::chart
