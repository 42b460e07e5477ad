#include "shell/CommandTable.hpp"

#include "calc/CalculatorCommands.hpp"
#include "chart/BarChartMaker.hpp"
#include "chem/BondPolarity.hpp"
#include "chem/MolarMass.hpp"
#include "shell/CommandShell.hpp"
#include "shell/HistoryLog.hpp"
#include "shell/ThemeSettings.hpp"
#include "tools/FileCipher.hpp"
#include "tools/RandomTextGenerator.hpp"
#include "tools/TaxCode.hpp"
#include "tools/TaxCodeCheck.hpp"

namespace tavrik {

namespace {

// The one list of commands: dispatch and the "#" list both read it, in this
// order. Each family adds its handlers here.
constexpr Command kCommands[] = {
    {'#', "", shell::runCommandList},
    {'l', "riavvia = l", shell::runRestart},
    {'x', "esci = x", shell::runExit},
    {'k', "pulisci ui = k", shell::runClearScreen},
    {'@', "cronologia = @", runHistory},
    {'h', "aiuto = h", shell::runHelp},
    {'i', "impostazioni = i", runSettings},
    {'a', "addizione = a", calc::runAddition},
    {'s', "sottrazione = s", calc::runSubtraction},
    {'m', "moltiplicazione = m", calc::runMultiplication},
    {'d', "divisione = d", calc::runDivision},
    {'z', "seno = z", calc::runSine},
    {'u', "coseno = u", calc::runCosine},
    {'p', "potenza = p", calc::runPower},
    {'q', "media = q", calc::runMean},
    {'e', "espressione = e", calc::runExpression},
    {'t', "tangente = t", calc::runTangent},
    {'r', "radice = r", calc::runRoot},
    {'c', "conversione tra basi = c", calc::runBaseConversion},
    {'g', "generazione di codici = g", tools::runGenerateCode},
    {'w', "calcolo massa grassa e magra = w", calc::runBodyComposition},
    {'f', "simulazione codice fiscale = f", tools::runTaxCode},
    {'v', "generatore password = v", tools::runGeneratePassword},
    {'4', "calcolo convalente legami = 4", chem::runBondPolarity},
    {'3', "sistema lineare equazioni = 3", calc::runLinearSystem},
    {'2', "Equazioni 2 grado = 2", calc::runQuadraticEquation},
    {'1', "Equazioni (ax+by=c) = 1", calc::runLinearEquation},
    {'n', "cripta e encripta un file = n", tools::runFileCipher},
    {'o', "calcolo massa molecole = o", chem::runMolarMass},
    {'5', "Creazione grafici = 5", chart::runBarChart},
    {'6', "verifica codice fiscale = 6", tools::runTaxCodeCheck},
};

constexpr bool keysAreUnique(std::span<const Command> commands) {
  for (std::size_t i = 0; i < commands.size(); ++i) {
    for (std::size_t j = i + 1; j < commands.size(); ++j) {
      if (commands[i].key == commands[j].key) return false;
    }
  }
  return true;
}
static_assert(keysAreUnique(kCommands), "two commands share a key");

}  // namespace

std::span<const Command> commandTable() { return kCommands; }

const Command* findCommand(char key) {
  for (const Command& command : kCommands) {
    if (command.key == key) return &command;
  }
  return nullptr;
}

}  // namespace tavrik
