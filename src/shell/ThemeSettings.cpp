#include "shell/ThemeSettings.hpp"

#include <array>
#include <utility>

#include "shell/CommandShell.hpp"
#include "shell/Console.hpp"
#include "shell/InfoPages.hpp"
#include "shell/Messages.hpp"
#include "shell/Platform.hpp"
#include "shell/ShellCommands.hpp"
#include "shell/WholeFile.hpp"

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

void applyTheme(Context& context, std::string_view command) {
  context.platform.runShellCommand(command);
  writeWholeFile(ThemeSettings::kFileName, command);
}

void runThemeQuestion(Context& context) {
  Console& console = context.console;
  console.endLine();
  console.write("Vuoi cambiare tema(1) o resettarlo(0)?");
  console.endLine();
  console.write(msg::kPath);
  if (console.readInt() != 1) {
    applyTheme(context, cmd::kDefaultColour);
    console.discardOne();
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
  applyTheme(context, ThemeSettings::makeColourCommand(background, text));
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
  std::string command(cmd::kColourPrefix);
  command += colourDigit(background);
  command += colourDigit(text);
  return command;
}

bool isAllowedCombination(std::string_view background, std::string_view text) {
  return isKnownColour(background) && isKnownColour(text) && text != "bianco" &&
         background != "nero" && text != "nero";
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
