#include "shell/InfoPages.hpp"

#include "shell/CommandShell.hpp"
#include "shell/Console.hpp"
#include "shell/Messages.hpp"
#include "platform/System.hpp"

namespace tavrik {

namespace {

constexpr std::string_view kFeedbackPath = "/feedback";
constexpr std::string_view kPrivacyPath = "/privacy.md";
constexpr std::string_view kTermsPath = "/terms%20and%20conditions.md";
constexpr std::string_view kInfoPath = "/programsfile/info";

bool networkIsUp(Context& context) { return context.system.isReachable(kProbeHost); }

void openPage(Context& context, std::string_view path) {
  std::string address = "https://";
  address += kWebsiteHost;
  address += path;
  context.system.openPage(address);
}

void writeNetworkError(Console& console) {
  console.endLine();
  console.endLine();
  console.write(msg::kNetworkError);
  console.endLine();
  console.endLine();
}

}  // namespace

void runHelpSite(Context& context) {
  if (!networkIsUp(context)) {
    writeNetworkError(context.console);
    return;
  }
  openPage(context, kFeedbackPath);
}

void runInfoMenu(Context& context) {
  Console& console = context.console;
  console.endLine();
  for (const std::string_view line : {"Info:", "", "Privacy Policy = 1", "Tearm and Conditions = 2",
                                      "Info sul programma = 3", ""}) {
    console.write(line);
    console.endLine();
  }
  console.write(msg::kPath);
  const std::string choice = console.readLine();
  if (!isSingleCharAnswer(choice)) {
    console.endLine();
    shell::writeRefusal(console);
    return;
  }
  if (!networkIsUp(context)) {
    writeNetworkError(console);
    return;
  }
  const std::string_view path = choice == "1"   ? kPrivacyPath
                                : choice == "2" ? kTermsPath
                                : choice == "3" ? kInfoPath
                                                : std::string_view{};
  if (path.empty()) {
    shell::writeRefusal(console);
    return;
  }
  openPage(context, path);
}

}  // namespace tavrik
