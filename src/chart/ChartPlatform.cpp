#include "chart/ChartPlatform.hpp"

#include "shell/PosixPlatform.hpp"

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string_view>
#include <vector>

namespace tavrik::chart {

namespace {

std::string_view moduleName(RendererModule module) {
  return module == RendererModule::Drawing ? "tavrik-chart-render.so" : "tavrik-chart-pptx.so";
}

std::string programDirectory() {
  const std::string path = executablePath();
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string{} : path.substr(0, slash);
}

// Next to the program (as built), then where an installed program keeps it,
// then the build tree (for the tests, which run from a directory below it).
std::vector<std::string> moduleCandidates(std::string_view name) {
  std::vector<std::string> candidates;
  const std::string directory = programDirectory();
  if (!directory.empty()) {
    candidates.push_back(directory + "/" + std::string(name));
    candidates.push_back(directory + "/../" + TAVRIK_CHART_MODULE_RELDIR + "/" + std::string(name));
  }
  candidates.push_back(std::string(TAVRIK_CHART_BUILD_DIR) + "/" + std::string(name));
  return candidates;
}

const TavrikChartRenderer* openRenderer(RendererModule which) {
  for (const std::string& path : moduleCandidates(moduleName(which))) {
    if (::access(path.c_str(), R_OK) != 0) continue;
    // Lazy binding: only the functions a chart uses are resolved.
    void* module = ::dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (module == nullptr) continue;
    const auto entry =
        reinterpret_cast<TavrikChartRendererEntry>(::dlsym(module, kTavrikChartRendererSymbol));
    const TavrikChartRenderer* renderer = entry == nullptr ? nullptr : entry();
    if (renderer != nullptr && renderer->version == kTavrikChartRendererVersion) return renderer;
    ::dlclose(module);
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

std::string createScratchFile() {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name = ".grafico_in_corso_" + std::to_string(::getpid()) + "_" +
                             std::to_string(counter++) + ".tmp";
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      ::close(fd);
      return name;
    }
    if (errno != EEXIST) return {};
  }
  return {};
}

NameClaim claimName(const std::string& from, const std::string& to) {
  // A hard link fails when the name exists, so checking and taking the name
  // are one step.
  if (::link(from.c_str(), to.c_str()) == 0) return NameClaim::Claimed;
  if (errno == EEXIST) return NameClaim::Taken;
  // File systems without hard links: check, then rename.
  if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS && errno != EMLINK) {
    return NameClaim::Failed;
  }
  if (::access(to.c_str(), F_OK) == 0) return NameClaim::Taken;
  return ::rename(from.c_str(), to.c_str()) == 0 ? NameClaim::Claimed : NameClaim::Failed;
}

void removeFile(const std::string& path) { ::unlink(path.c_str()); }

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
