#include "shell/CommandShell.hpp"

#include <string>

#include "shell/CommandTable.hpp"
#include "shell/Console.hpp"
#include "shell/HistoryLog.hpp"
#include "shell/InfoPages.hpp"
#include "shell/Messages.hpp"
#include "shell/ThemeSettings.hpp"
#include "platform/Files.hpp"
#include "platform/System.hpp"
#include "platform/Terminal.hpp"

namespace tavrik {

namespace {

constexpr std::string_view kTitle = "Tavrik Terminal";
constexpr std::string_view kHelpSiteWord = "helpsite";

constexpr std::string_view kBannerLines[] = {
    "Tavrik Terminal",
    "(c) 2026 Tavrik Terminal. Tutti i diritti riservati.",
    "",
    "Premi '#' per la lista di comandi",
    "",
    "Premi 'h' per aiuto",
    "",
    "",
    "Attenzione:1) se inserisci male i comandi il sistema potrebbe non funzionare correttamente.",
    "           2) bisogna inserire esclusivamente il dato (numero,lettera ecc..) richieto dal "
    "comando,",
    "              altrimenti potrebbero verificarsi errori anomali o l'avvio di funzioni "
    "indesiderate (come il doppio avvio di una funzione).",
    "In questi casi sarai costretto a riavviare il programma o chiuderlo e riaprirlo se non e' "
    "possibile riavviarlo.",
};

constexpr std::string_view kHelpLines[] = {
    "Per eseguire una comando ti basta seguire i seguenti passaggi:",
    "1. srivi solo la lettera oppure numero del comando",
    "2. inserisci i valori rischiesti o segui la procedura.",
    "",
    "Se hai problemi visita il nostro sito oppure digita il comando 'helpsite'",
};

void writeLines(Console& console, std::span<const std::string_view> lines) {
  for (const std::string_view line : lines) {
    console.write(line);
    console.endLine();
  }
}

}  // namespace

void CommandShell::startUp() {
  Terminal& terminal = context_.terminal;
  terminal.setTitle(kTitle);
  // The saved theme is only ever a colour pair: nothing read from the file
  // can do anything else.
  const std::optional<ConsoleColours> theme = ThemeSettings::loadTheme();
  for (int pass = 0; pass < 3; ++pass) {
    if (pass > 0) terminal.clear();
    if (theme) terminal.setColours(*theme);
  }
  shell::writeBanner(context_.console);
}

int CommandShell::runLoop() {
  Console& console = context_.console;
  try {
    for (;;) {
      shell::writePromptBlock(console);
      const std::string line = console.readCommandLine();
      console.endLine();
      context_.history.record(line);
      if (runLine(line) == Flow::Quit) return 0;
      console.settleLineEnd();
    }
  } catch (const EndOfInput&) {
    console.endLine();
  }
  return 0;
}

int CommandShell::run() {
  startUp();
  return runLoop();
}

Flow CommandShell::runLine(const std::string& line) {
  if (line == kHelpSiteWord) {
    runHelpSite(context_);
    return Flow::Continue;
  }
  const Command* command = isSingleCharAnswer(line) ? findCommand(line[0]) : nullptr;
  if (command == nullptr) {
    shell::writeRefusal(context_.console);
    return Flow::Continue;
  }
  return command->run(context_);
}

namespace shell {

void writeBanner(Console& console) { writeLines(console, kBannerLines); }

void writePromptBlock(Console& console) {
  console.endLine();
  console.endLine();
  console.write("Cosa vuoi fare?");
  console.endLine();
  console.endLine();
  console.write(msg::kPath);
}

Flow runCommandList(Context& context) {
  Console& console = context.console;
  console.endLine();
  console.write("Comandi:");
  console.endLine();
  console.endLine();
  for (const Command& command : commandTable()) {
    if (command.label.empty()) continue;
    console.write(command.label);
    console.endLine();
  }
  console.endLine();
  return Flow::Continue;
}

Flow runHelp(Context& context) {
  writeLines(context.console, kHelpLines);
  return Flow::Continue;
}

Flow runClearScreen(Context& context) {
  context.terminal.clear();
  context.terminal.clear();
  writeBanner(context.console);
  return Flow::Continue;
}

Flow runRestart(Context& context) {
  context.console.write("Riavviando.");
  context.console.write(".");
  context.console.write(".");
  context.console.endLine();
  context.console.flush();
  if (context.system.startNewInstance()) return Flow::Quit;
  // The attempt stays on screen, followed by why nothing came of it.
  context.console.write("Errore: impossibile riavviare il programma.");
  context.console.endLine();
  return Flow::Continue;
}

Flow runExit(Context& context) {
  context.console.write("Ok,sto uscendo...");
  context.console.endLine();
  context.console.endLine();
  context.console.flush();
  context.terminal.waitForKey();
  return Flow::Quit;
}

}  // namespace shell
}  // namespace tavrik
