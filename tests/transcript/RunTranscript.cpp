// Runs each dialogue of a transcript in-process, with the fake platform, in a
// fresh working directory; status 0 when all pass.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <streambuf>

#include "shell/CommandShell.hpp"
#include "shell/Console.hpp"
#include "shell/HistoryLog.hpp"
#include "support/FakePlatform.hpp"
#include "support/Transcript.hpp"

namespace fs = std::filesystem;
using tavrik::testing::escapeTranscript;
using tavrik::testing::Transcript;

namespace {

// Input handed over a line at a time, each echoed into the output when the
// program asks for it, as a terminal shows typing (`marked`: in braces).
class EchoingInput : public std::streambuf {
 public:
  EchoingInput(std::string input, std::ostream& echo, bool marked)
      : input_(std::move(input)), echo_(echo), marked_(marked) {}
  std::string unread() const { return input_.substr(next_); }

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (next_ >= input_.size()) return traits_type::eof();
    const auto lineEnd = input_.find('\n', next_);
    const std::size_t end = lineEnd == std::string::npos ? input_.size() : lineEnd + 1;
    line_ = input_.substr(next_, end - next_);
    next_ = end;
    if (marked_) {
      const bool ended = line_.back() == '\n';
      echo_ << '{' << (ended ? line_.substr(0, line_.size() - 1) + "}\n" : line_ + "<EOF>}");
    } else {
      echo_ << line_;
    }
    setg(line_.data(), line_.data(), line_.data() + line_.size());
    return traits_type::to_int_type(*gptr());
  }

 private:
  std::string input_;
  std::size_t next_ = 0;
  std::string line_;
  std::ostream& echo_;
  bool marked_;
};

bool compare(const std::string& what, const std::string& expected, const std::string& actual,
             const tavrik::testing::Tokens& tokens) {
  if (expected == actual) return true;
  std::size_t at = 0;
  while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
  std::size_t line = 1;
  for (std::size_t i = 0; i < at; ++i) line += expected[i] == '\n';
  std::cerr << "MISMATCH in " << what << " at byte " << at << " (line " << line << ")\n"
            << "--- expected\n" << escapeTranscript(expected, tokens) << "\n--- actual\n"
            << escapeTranscript(actual, tokens) << "\n--- end\n";
  return false;
}

std::string readFile(const fs::path& path) {
  std::ostringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

std::string joinLines(const std::vector<std::string>& lines, std::size_t from) {
  std::string text;
  for (std::size_t i = from; i < lines.size(); ++i) text += lines[i] + "\n";
  return text;
}

// A new empty directory of this run's own under the system's temporary one.
fs::path freshDirectory() {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = fs::temp_directory_path() / ("tavrik-transcript-" + std::to_string(random()));
    std::error_code error;
    if (fs::create_directory(candidate, error)) return candidate;
  }
  return {};
}

// Runs one dialogue; `show` prints the run as a transcript instead.
bool runDialogue(Transcript& t, bool show) {
#ifdef _WIN32
  if (t.options.contains("workdir") && t.options["workdir"] == "removed") {
    std::cerr << "SKIPPED on Windows, where the working directory of a program cannot be removed: " << t.title
              << "\n\n";
    return true;
  }
#endif
  const fs::path workDir = freshDirectory();
  if (workDir.empty()) return false;
  fs::current_path(workDir);
  for (const auto& [name, content] : t.givenFiles) std::ofstream(workDir / name, std::ios::binary) << content;

  tavrik::FakePlatform platform;
  if (t.options.contains("reachable")) platform.reachable = t.options["reachable"] == "yes";
  if (t.options.contains("newinstance")) platform.newInstanceStarts = t.options["newinstance"] == "yes";
  if (t.options.contains("terminal")) platform.interactive = t.options["terminal"] == "1";
  if (t.options.contains("now")) platform.now = std::stoll(t.options["now"]);
  if (t.options.contains("clockstep")) platform.steadyStep = std::stoll(t.options["clockstep"]);
  if (t.options.contains("workdir") && t.options["workdir"] == "removed") fs::remove_all(workDir);

  std::ostringstream out;
  EchoingInput input(t.input, out, show);
  std::istream in(&input);
  tavrik::Console console(in, out);
  tavrik::HistoryLog history;
  tavrik::CommandShell shell({console, platform, platform, history});
  shell.startUp();
  const std::size_t bannerEnd = out.str().size();
  const std::size_t startUpLines = platform.linesRun.size();
  const int status = shell.runLoop();
  const std::string output = t.wholeOutput ? out.str() : out.str().substr(bannerEnd);
  const std::string platformRun = joinLines(platform.linesRun, t.wholePlatform ? 0 : startUpLines);

  bool ok = true;
  if (show) {
    const auto section = [&t](const std::string& header, const std::string& text) {
      const bool noeol = !text.empty() && text.back() != '\n';
      std::cout << "--- " << header << (noeol ? " noeol\n" : "\n") << escapeTranscript(text, t.tokens)
                << (noeol ? "\n" : "");
    };
    section(t.wholeOutput ? "dialogue whole" : "dialogue", output);
    if (!input.unread().empty()) section("unread", input.unread());
    if (!platformRun.empty()) {
      std::cout << "--- platform" << (t.wholePlatform ? " whole" : "") << "\n" << platformRun;
    }
    if (status != 0) std::cout << "--- exit " << status << "\n";
  } else {
    if (t.hasOutput) ok = compare("dialogue", t.output, output, t.tokens) && ok;
    ok = compare("platform", joinLines(t.platformLines, 0), platformRun, t.tokens) && ok;
    for (const auto& [name, content] : t.expectedFiles) {
      const bool there = fs::exists(workDir / name);
      if (!there) std::cerr << "MISSING file " << name << "\n";
      ok = there && compare("file " + name, content, readFile(workDir / name), t.tokens) && ok;
    }
    for (const auto& name : t.absentFiles) {
      if (fs::exists(workDir / name)) std::cerr << "UNEXPECTED file " << name << "\n";
      ok = !fs::exists(workDir / name) && ok;
    }
    if (status != t.exitStatus) std::cerr << "EXIT status " << status << ", expected " << t.exitStatus << "\n";
    ok = status == t.exitStatus && ok;
  }
  fs::current_path(fs::temp_directory_path());
  fs::remove_all(workDir);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  // "--show FILE" prints what each dialogue produced instead of comparing.
  const bool show = argc == 3 && std::string_view(argv[1]) == "--show";
  if (argc != 2 && !show) {
    std::cerr << "usage: run-transcript [--show] FILE\n";
    return 2;
  }
  const fs::path file = fs::absolute(argv[argc - 1]);
  std::vector<Transcript> dialogues;
  try {
    dialogues = tavrik::testing::parseTranscripts(readFile(file));
  } catch (const std::exception& e) {
    std::cerr << file << ": " << e.what() << "\n";
    return 2;
  }
  int failed = 0;
  for (Transcript& t : dialogues) {
    if (show) std::cout << "=== " << t.title << "\n";
    if (!runDialogue(t, show)) {
      std::cerr << "FAILED: " << t.title << "\n\n";
      ++failed;
    }
  }
  if (!show) std::cerr << dialogues.size() - failed << "/" << dialogues.size() << " dialogues passed\n";
  return failed == 0 && !dialogues.empty() ? 0 : 1;
}
