#include "shell/ThemeSettings.hpp"

#include <array>
#include <utility>

#include "shell/CommandShell.hpp"
#include "shell/Console.hpp"
#include "shell/InfoPages.hpp"
#include "shell/Messages.hpp"
#include "platform/Files.hpp"

namespace tavrik {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kColours = {{
    {"verde", "2"},
    {"blu", "9"},
    {"rosso", "c"},
    {"viola", "5"},
    {"bianco", "f"},
    {"nero", ""},
    {"giallo", "e"},
    {"grigio", "8"},
    {"azzurro", "b"},
}};

constexpr std::string_view kCombinationError = "Errore nella combinazione.";
constexpr std::string_view kSaveError = "Errore: impossibile salvare il tema.";
constexpr std::string_view kColourPrefix = "color ";
constexpr std::string_view kDefaultTheme = "color 0f";
// A theme file is eight characters and a line end; anything much longer is
// not one.
constexpr std::size_t kMaxThemeBytes = 64;

int hexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The colours change for this run even when the theme cannot be kept; its
// error stands after a blank line, as the combination's does (`breaks` is
// what it takes from where the dialogue is).
void applyTheme(Context& context, std::string_view command, int breaks) {
  if (const auto colours = ThemeSettings::parseTheme(command)) context.terminal.setColours(*colours);
  if (files::replaceWhole(std::string(ThemeSettings::kFileName), command)) return;
  Console& console = context.console;
  for (int i = 0; i < breaks; ++i) console.endLine();
  console.write(kSaveError);
  console.endLine();
  console.endLine();
}

void runThemeQuestion(Context& context) {
  Console& console = context.console;
  console.endLine();
  console.write("Vuoi cambiare tema(1) o resettarlo(0)?");
  console.endLine();
  console.write(msg::kPath);
  if (console.readInt() != 1) {
    applyTheme(context, kDefaultTheme, 2);
    return;
  }
  console.endLine();
  console.discardOne();
  console.write("Inserisci il nome del colore del background");
  console.endLine();
  console.write(msg::kPath);
  const std::string background = console.readLine();
  console.endLine();
  console.write("Ora quello del carattere");
  console.endLine();
  console.write(msg::kPath);
  const std::string text = console.readLine();
  console.endLine();
  if (!ThemeSettings::isAllowedCombination(background, text)) {
    console.endLine();
    console.write(kCombinationError);
    console.endLine();
    console.endLine();
    return;
  }
  applyTheme(context, ThemeSettings::makeColourCommand(background, text), 1);
}

}  // namespace

namespace ThemeSettings {

bool isKnownColour(std::string_view name) {
  for (const auto& [known, digit] : kColours) {
    if (known == name) return true;
  }
  return false;
}

std::string_view colourDigit(std::string_view name) {
  for (const auto& [known, digit] : kColours) {
    if (known == name) return digit;
  }
  return {};
}

std::string makeColourCommand(std::string_view background, std::string_view text) {
  std::string command(kColourPrefix);
  command += colourDigit(background);
  command += colourDigit(text);
  return command;
}

bool isAllowedCombination(std::string_view background, std::string_view text) {
  return isKnownColour(background) && isKnownColour(text) && text != "bianco" &&
         background != "nero" && text != "nero";
}

std::optional<ConsoleColours> parseTheme(std::string_view content) {
  if (content.ends_with("\r\n")) {
    content.remove_suffix(2);
  } else if (content.ends_with("\n")) {
    content.remove_suffix(1);
  }
  if (content.size() != kColourPrefix.size() + 2 || !content.starts_with(kColourPrefix)) {
    return std::nullopt;
  }
  const int background = hexDigitValue(content[kColourPrefix.size()]);
  const int text = hexDigitValue(content[kColourPrefix.size() + 1]);
  // Equal colours would make the text invisible.
  if (background < 0 || text < 0 || background == text) return std::nullopt;
  return ConsoleColours{background, text};
}

std::optional<ConsoleColours> loadTheme() {
  const auto content = files::readSmallFile(std::string(kFileName), kMaxThemeBytes);
  return content ? parseTheme(*content) : std::nullopt;
}

}  // namespace ThemeSettings

Flow runSettings(Context& context) {
  Console& console = context.console;
  for (const std::string_view line : {"Impostazioni", "", "", "Comandi:", "", "Tema=1", "", "Info=2", "", ""}) {
    console.write(line);
    console.endLine();
  }
  console.write(msg::kPath);
  const std::string choice = console.readLine();
  if (!isSingleCharAnswer(choice)) {
    shell::writeRefusal(console);
    return Flow::Continue;
  }
  if (choice == "1") {
    runThemeQuestion(context);
    return Flow::Continue;
  }
  if (choice == "2") {
    runInfoMenu(context);
    return Flow::Continue;
  }
  console.endLine();
  console.write(msg::kWrongFunction);
  console.endLine();
  return Flow::Continue;
}

}  // namespace tavrik
