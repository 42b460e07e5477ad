// Runs one transcript file in-process against the shell with the fake
// platform, in a fresh temporary working directory. Exit status 0 = pass.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "shell/CommandShell.hpp"
#include "shell/Console.hpp"
#include "shell/HistoryLog.hpp"
#include "support/FakePlatform.hpp"
#include "support/Transcript.hpp"

namespace fs = std::filesystem;
using tavrik::testing::Transcript;

namespace {

std::string visible(const std::string& text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\n' || (byte >= 0x20 && byte < 0x7f)) {
      out += c;
    } else if (c == '\x1b') {
      out += "<ESC>";
    } else {
      char hex[12];
      std::snprintf(hex, sizeof hex, "<HEX:%02x>", byte);
      out += hex;
    }
  }
  return out;
}

bool compare(const std::string& what, const std::string& expected, const std::string& actual) {
  if (expected == actual) return true;
  std::size_t at = 0;
  while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
  std::size_t line = 1;
  for (std::size_t i = 0; i < at; ++i) line += expected[i] == '\n';
  std::cerr << "MISMATCH in " << what << " at byte " << at << " (line " << line << ")\n"
            << "--- expected\n" << visible(expected) << "\n--- actual\n" << visible(actual)
            << "\n--- end\n";
  return false;
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string joinLines(const std::vector<std::string>& lines, std::size_t from) {
  std::string text;
  for (std::size_t i = from; i < lines.size(); ++i) text += lines[i] + "\n";
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  // "--show FILE" prints what the run produced instead of comparing.
  const bool show = argc == 3 && std::string_view(argv[1]) == "--show";
  if (argc != 2 && !show) {
    std::cerr << "usage: run-transcript [--show] FILE\n";
    return 2;
  }
  const fs::path file = fs::absolute(argv[argc - 1]);
  Transcript t;
  try {
    t = tavrik::testing::parseTranscript(readFile(file));
  } catch (const std::exception& e) {
    std::cerr << file << ": " << e.what() << "\n";
    return 2;
  }

  char pattern[] = "/tmp/tavrik-transcript-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) return 2;
  const fs::path workDir = pattern;
  fs::current_path(workDir);
  for (const auto& [name, content] : t.givenFiles) {
    std::ofstream(workDir / name, std::ios::binary) << content;
  }

  tavrik::FakePlatform platform;
  if (t.options.contains("probe")) platform.probeResult = std::stoi(t.options["probe"]);
  if (t.options.contains("now")) platform.now = std::stoll(t.options["now"]);
  // Installed data: a directory relative to the transcript file.
  if (t.options.contains("datadir")) {
    platform.dataDir = (file.parent_path() / t.options["datadir"]).lexically_normal().string();
  }
  // A working directory removed under the program: no file can be made.
  if (t.options.contains("workdir") && t.options["workdir"] == "removed") fs::remove_all(workDir);

  std::istringstream in(t.input);
  std::ostringstream out;
  tavrik::Console console(in, out);
  tavrik::HistoryLog history;
  tavrik::CommandShell shell({console, platform, history});
  shell.startUp();
  const std::size_t bannerEnd = out.str().size();
  const std::size_t startUpLines = platform.linesRun.size();
  const int status = shell.runLoop();

  if (show) {
    std::cout << "--- stdout\n" << visible(out.str().substr(bannerEnd)) << "--- platform\n"
              << joinLines(platform.linesRun, startUpLines) << "--- exit " << status << "\n";
  }
  bool ok = true;
  if (t.hasOutput) {
    const std::string actual = t.wholeOutput ? out.str() : out.str().substr(bannerEnd);
    ok = compare("stdout", t.output, actual) && ok;
  }
  if (t.hasPlatform) {
    ok = compare("platform", joinLines(t.platformLines, 0),
                 joinLines(platform.linesRun, t.wholePlatform ? 0 : startUpLines)) &&
         ok;
  }
  for (const auto& [name, content] : t.expectedFiles) {
    if (!fs::exists(workDir / name)) {
      std::cerr << "MISSING file " << name << "\n";
      ok = false;
      continue;
    }
    ok = compare("file " + name, content, readFile(workDir / name)) && ok;
  }
  for (const auto& name : t.absentFiles) {
    if (fs::exists(workDir / name)) {
      std::cerr << "UNEXPECTED file " << name << "\n";
      ok = false;
    }
  }
  if (status != t.exitStatus) {
    std::cerr << "EXIT status " << status << ", expected " << t.exitStatus << "\n";
    ok = false;
  }
  fs::current_path("/");
  fs::remove_all(workDir);
  return ok ? 0 : 1;
}
