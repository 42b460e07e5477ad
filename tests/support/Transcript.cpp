#include "support/Transcript.hpp"

#include <sstream>
#include <stdexcept>

namespace tavrik::testing {

std::string unescapeTranscript(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '<') {
      const auto close = text.find('>', i);
      if (close != std::string::npos) {
        const std::string name = text.substr(i + 1, close - i - 1);
        if (name == "ESC") { out += '\x1b'; i = close; continue; }
        if (name == "CR") { out += '\r'; i = close; continue; }
        if (name == "NUL") { out += '\0'; i = close; continue; }
        if (name == "TAB") { out += '\t'; i = close; continue; }
        if (name.size() == 6 && name.rfind("HEX:", 0) == 0) {
          out += static_cast<char>(std::stoi(name.substr(4), nullptr, 16));
          i = close;
          continue;
        }
      }
    }
    out += text[i];
  }
  return out;
}

namespace {

struct Section {
  std::vector<std::string> words;  // the header after "--- "
  std::string body;
};

std::vector<std::string> splitWords(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

bool hasFlag(const Section& s, const std::string& flag) {
  for (std::size_t i = 1; i < s.words.size(); ++i) {
    if (s.words[i] == flag) return true;
  }
  return false;
}

std::string bodyOf(const Section& s) {
  std::string body = unescapeTranscript(s.body);
  if (hasFlag(s, "noeol") && !body.empty() && body.back() == '\n') body.pop_back();
  return body;
}

}  // namespace

Transcript parseTranscript(const std::string& text) {
  std::vector<Section> sections;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("--- ", 0) == 0) {
      sections.push_back({splitWords(line.substr(4)), {}});
      continue;
    }
    if (sections.empty()) continue;  // comments before the first section
    sections.back().body += line + "\n";
  }
  Transcript t;
  for (const Section& s : sections) {
    if (s.words.empty()) throw std::runtime_error("empty section header");
    const std::string& kind = s.words[0];
    if (kind == "option") {
      for (std::size_t i = 1; i < s.words.size(); ++i) {
        const auto eq = s.words[i].find('=');
        if (eq == std::string::npos) throw std::runtime_error("option without '='");
        t.options[s.words[i].substr(0, eq)] = s.words[i].substr(eq + 1);
      }
    } else if (kind == "given" && s.words.size() >= 2) {
      t.givenFiles.emplace_back(s.words[1], bodyOf(s));
    } else if (kind == "expect" && s.words.size() >= 2) {
      t.expectedFiles.emplace_back(s.words[1], bodyOf(s));
    } else if (kind == "absent" && s.words.size() >= 2) {
      t.absentFiles.push_back(s.words[1]);
    } else if (kind == "stdin") {
      t.input = bodyOf(s);
    } else if (kind == "stdout") {
      t.output = bodyOf(s);
      t.wholeOutput = hasFlag(s, "whole");
      t.hasOutput = true;
    } else if (kind == "platform") {
      std::istringstream lines(unescapeTranscript(s.body));
      for (std::string l; std::getline(lines, l);) t.platformLines.push_back(l);
      t.wholePlatform = hasFlag(s, "whole");
      t.hasPlatform = true;
    } else if (kind == "exit" && s.words.size() == 2) {
      t.exitStatus = std::stoi(s.words[1]);
    } else {
      throw std::runtime_error("unknown section: " + kind);
    }
  }
  return t;
}

}  // namespace tavrik::testing
