#include "../Session.hpp"

#include <iostream>

#include "LineEditor.hpp"
#include "PosixSystem.hpp"
#include "PosixTerminal.hpp"

namespace tavrik {

namespace {

class PosixSession final : public Session {
 public:
  explicit PosixSession(std::ostream& out)
      : terminal_(out, true), editor_(LineEditor::openIfTerminal()), system_(terminal_) {
    terminal_.readKeysFrom(std::cin);
    if (editor_) editor_->readPlainWhile([this] { return terminal_.inputHidden(); });
  }

  // At a terminal every answer is read through the line editor; piped input
  // is read as it comes.
  std::istream& input() override { return std::cin; }
  LineInput* lineInput() override { return editor_.get(); }
  Terminal& terminal() override { return terminal_; }
  System& system() override { return system_; }

 private:
  PosixTerminal terminal_;  // first: put back last
  std::unique_ptr<LineEditor> editor_;
  PosixSystem system_;
};

// A terminal that is never guarded nor used: the system needs one to put
// back before a new instance, which this run never starts.
struct SystemAlone {
  PosixTerminal terminal{std::cout, false};
  PosixSystem system{terminal};
};

}  // namespace

std::unique_ptr<Session> openSession(std::ostream& out) { return std::make_unique<PosixSession>(out); }

std::shared_ptr<System> openSystem() {
  const auto alone = std::make_shared<SystemAlone>();
  return std::shared_ptr<System>(alone, &alone->system);
}

}  // namespace tavrik
