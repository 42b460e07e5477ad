#include "support/Transcript.hpp"

#include <algorithm>
#include <map>
#include <sstream>
#include <stdexcept>

namespace tavrik::testing {

namespace {
constexpr std::string_view kPromptBlock = "\n\nCosa vuoi fare?\n\nPath: ";
// The length of the well-formed UTF-8 sequence of two or more bytes at
// `at`, or 0.
std::size_t utf8Length(const std::string& s, std::size_t at) {
  const auto lead = static_cast<unsigned char>(s[at]);
  const std::size_t n = lead >= 0xf5 ? 0 : lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc2 ? 2 : 0;
  if (n == 0 || at + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    if ((static_cast<unsigned char>(s[at + k]) & 0xc0) != 0x80) return 0;
  }
  return n;
}

}  // namespace

std::string unescapeTranscript(const std::string& text, const Tokens& tokens) {
  static const Tokens kNames = {{"ESC", "\x1b"}, {"CR", "\r"}, {"NUL", std::string(1, '\0')},
                                {"TAB", "\t"}, {"PROMPT", std::string(kPromptBlock)}};
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto close = text[i] == '<' ? text.find('>', i) : std::string::npos;
    if (close != std::string::npos) {
      const std::string_view name = std::string_view(text).substr(i + 1, close - i - 1);
      const auto own = tokens.find(name);
      const auto fixed = kNames.find(name);
      if (own != tokens.end() || fixed != kNames.end()) {
        out.append(own != tokens.end() ? own->second : fixed->second);
        i = close;
        continue;
      }
      if (name.size() == 6 && name.substr(0, 4) == "HEX:") {
        out.push_back(static_cast<char>(std::stoi(std::string(name.substr(4)), nullptr, 16)));
        i = close;
        continue;
      }
    }
    out.push_back(text[i]);
  }
  return out;
}

std::string escapeTranscript(const std::string& bytes, const Tokens& tokens) {
  std::vector<std::pair<std::string, std::string>> blocks(tokens.begin(), tokens.end());
  blocks.emplace_back("PROMPT", kPromptBlock);
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto block = std::find_if(blocks.begin(), blocks.end(), [&](const auto& b) {
      return !b.second.empty() && bytes.compare(i, b.second.size(), b.second) == 0;
    });
    if (block != blocks.end()) {
      out += "<" + block->first + ">";
      i += block->second.size() - 1;
      continue;
    }
    const char c = bytes[i];
    const auto byte = static_cast<unsigned char>(c);
    if (const std::size_t n = utf8Length(bytes, i); n > 1) {
      out.append(bytes, i, n);  // accented text stays readable as it is
      i += n - 1;
    } else if (c == '\n' || (byte >= 0x20 && byte < 0x7f)) {
      out += c;
    } else {
      char hex[12];
      std::snprintf(hex, sizeof hex, "<HEX:%02x>", byte);
      out += c == '\x1b' ? "<ESC>" : c == '\r' ? "<CR>" : c == '\t' ? "<TAB>" : hex;
    }
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
  return std::find(s.words.begin() + 1, s.words.end(), flag) != s.words.end();
}

void dropLastLineEnd(const Section& s, std::string& text) {
  if (hasFlag(s, "noeol") && !text.empty() && text.back() == '\n') text.pop_back();
}

std::string bodyOf(const Section& s, const Tokens& tokens) {
  std::string body = unescapeTranscript(s.body, tokens);
  dropLastLineEnd(s, body);
  return body;
}

// Splits a dialogue into what the program wrote and what was typed.
void readDialogue(const Section& s, Transcript& t) {
  std::string raw = s.body;
  dropLastLineEnd(s, raw);
  for (std::size_t at = 0; at < raw.size();) {
    const auto open = raw.find('{', at);
    t.output += unescapeTranscript(raw.substr(at, open - at), t.tokens);
    if (open == std::string::npos) break;
    const auto close = raw.find('}', open);
    if (close == std::string::npos) throw std::runtime_error("'{' without '}'");
    std::string typed = raw.substr(open + 1, close - open - 1);
    at = close + 1;
    const bool lineEnd = !typed.ends_with("<EOF>");
    if (lineEnd && (at >= raw.size() || raw[at++] != '\n')) {
      throw std::runtime_error("a typed line must end its transcript line or with <EOF>");
    }
    typed = unescapeTranscript(lineEnd ? typed : typed.substr(0, typed.size() - 5), t.tokens);
    if (lineEnd) typed.push_back('\n');
    t.input += typed;
    t.output += typed;
  }
}

Transcript readDialogueSections(const std::string& title, const std::vector<Section>& sections,
                                const Tokens& tokens) {
  Transcript t;
  t.title = title;
  t.tokens = tokens;
  std::string unread;
  for (const Section& s : sections) {
    if (s.words.empty()) throw std::runtime_error("empty section header");
    const std::string& kind = s.words[0];
    if (kind == "option") {
      for (std::size_t i = 1; i < s.words.size(); ++i) {
        const auto eq = s.words[i].find('=');
        if (eq == std::string::npos) throw std::runtime_error("option without '='");
        t.options[s.words[i].substr(0, eq)] = s.words[i].substr(eq + 1);
      }
    } else if ((kind == "given" || kind == "expect") && s.words.size() >= 2) {
      (kind == "given" ? t.givenFiles : t.expectedFiles).emplace_back(s.words[1], bodyOf(s, t.tokens));
    } else if (kind == "absent" && s.words.size() >= 2) {
      t.absentFiles.push_back(s.words[1]);
    } else if (kind == "dialogue") {
      readDialogue(s, t);
      t.wholeOutput = hasFlag(s, "whole");
      t.hasOutput = true;
    } else if (kind == "unread") {
      unread = bodyOf(s, t.tokens);
    } else if (kind == "platform") {
      std::istringstream lines(unescapeTranscript(s.body, t.tokens));
      for (std::string l; std::getline(lines, l);) t.platformLines.push_back(l);
      t.wholePlatform = hasFlag(s, "whole");
    } else if (kind == "exit" && s.words.size() == 2) {
      t.exitStatus = std::stoi(s.words[1]);
    } else {
      throw std::runtime_error(title + ": unknown section: " + kind);
    }
  }
  t.input += unread;
  return t;
}

}  // namespace

std::vector<Transcript> parseTranscripts(const std::string& text) {
  std::vector<Section> tokenSections;
  std::vector<std::pair<std::string, std::vector<Section>>> dialogues;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("=== ", 0) == 0) {
      dialogues.push_back({line.substr(4), {}});
    } else if (line.rfind("--- ", 0) == 0) {
      auto& sections = dialogues.empty() ? tokenSections : dialogues.back().second;
      sections.push_back({splitWords(line.substr(4)), {}});
    } else if (auto& sections = dialogues.empty() ? tokenSections : dialogues.back().second;
               !sections.empty()) {
      sections.back().body += line + "\n";
    }
  }
  Tokens tokens;
  for (const Section& s : tokenSections) {
    if (s.words.size() < 2 || s.words[0] != "token") {
      throw std::runtime_error("only tokens come before the first '==='");
    }
    tokens[s.words[1]] = bodyOf(s, tokens);
  }
  std::vector<Transcript> result;
  for (const auto& [title, sections] : dialogues) {
    result.push_back(readDialogueSections(title, sections, tokens));
  }
  return result;
}

}  // namespace tavrik::testing
