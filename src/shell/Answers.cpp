// The answer check and the refusal shared by the prompt loop and the menus.
#include "shell/CommandShell.hpp"
#include "shell/Console.hpp"
#include "shell/Messages.hpp"

namespace tavrik {

bool isSingleCharAnswer(std::string_view text) { return text.size() == 1 && text[0] != ' '; }

namespace shell {

void writeRefusal(Console& console) {
  console.endLine();
  console.write(msg::kInvalidFunction);
  console.endLine();
  console.endLine();
}

}  // namespace shell
}  // namespace tavrik
