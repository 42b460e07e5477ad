#include "chart/ChartPlatform.hpp"

#include <string_view>
#include <vector>

#include "platform/Modules.hpp"

namespace tavrik::chart {

namespace {

#ifdef _WIN32
constexpr std::string_view kModuleSuffix = ".dll";
#else
constexpr std::string_view kModuleSuffix = ".so";
#endif

std::string moduleName(RendererModule module) {
  return std::string(module == RendererModule::Drawing ? "tavrik-chart-render" : "tavrik-chart-pptx") +
         std::string(kModuleSuffix);
}

// Next to the program (as built, and for the tests, which are built beside
// it, and as the Windows program is shipped), then, on a system that
// installs programs under a prefix, where the installed program keeps it:
// found only from the program's own location. The folder above a Windows
// program is the user's own (Downloads, say), so nothing is taken from it.
std::vector<std::string> moduleCandidates(std::string_view name) {
  std::vector<std::string> candidates;
  const std::string directory = modules::programDirectory();
  if (!directory.empty()) {
    candidates.push_back(directory + "/" + std::string(name));
#ifndef _WIN32
    candidates.push_back(directory + "/../" + TAVRIK_MODULE_RELDIR + "/" + std::string(name));
#endif
  }
  return candidates;
}

const TavrikChartRenderer* openRenderer(RendererModule which) {
  for (const std::string& path : moduleCandidates(moduleName(which))) {
    void* module = nullptr;
    const auto entry = reinterpret_cast<TavrikChartRendererEntry>(
        modules::load(path, kTavrikChartRendererSymbol, &module));
    const TavrikChartRenderer* renderer = entry == nullptr ? nullptr : entry();
    if (renderer != nullptr && renderer->version == kTavrikChartRendererVersion) return renderer;
    modules::release(module);
  }
  return nullptr;
}

}  // namespace

const TavrikChartRenderer* loadRenderer(RendererModule module) {
  // Once loaded, a module stays: its libraries keep global state that does
  // not survive being unloaded.
  if (module == RendererModule::Drawing) {
    static const TavrikChartRenderer* const drawing = openRenderer(RendererModule::Drawing);
    return drawing;
  }
  static const TavrikChartRenderer* const presentation = openRenderer(RendererModule::Presentation);
  return presentation;
}

}  // namespace tavrik::chart

#ifdef TAVRIK_LEAK_CHECKED_BUILD
// Leak checking in sanitizer builds: fontconfig (2.14) loses a few hundred
// bytes while it parses the system's configuration, which the renderer has
// it do once per process. That loss is fontconfig's, not the program's, so
// it is not reported; every other leak still is. (Defined here, in a file
// every chart-making program links, so that the checker finds it.)
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
// Without this the checker lists the suppression it used on standard error
// at every exit, and the program's standard error must stay clean.
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
#endif
